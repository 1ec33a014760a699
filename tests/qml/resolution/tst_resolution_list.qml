import QtQuick 2.12
import QtTest 1.12
import ".."

// The editor started from a program folder whose resolution list is missing
// or damaged: the drop-down offers only "Select Resolution", monitors are
// placed without a resolution and the checks ask for one.
EditorCase {
    name: "ResolutionList"
    when: windowShown

    function test_withoutList() {
        start()
        openBlank()
        var list = findChild(editor, "resolution_list")
        compare(editor.resModel.count, 1)
        compare(list.currentText, "Select Resolution")
        clickItem(findChild(editor, "vertical_button"))
        compare(editor.resModel.count, 1)
        compare(list.currentText, "Select Resolution")

        pressAt(1, 1)
        compare(layoutSummary(true), ["1,1:1/01 0x0"])
        clickItem(findChild(editor, "save_device_button"))
        var dialog = child("dialog_Qml")
        verify(dialog.visible)
        verify(dialog.source.toString().indexOf("/selectDialog.qml") >= 0)
        compare(window.select_dialog_type, 1)
        compare(editor.monitor_list.count, 0)

        // A layout from a file still shows its resolutions.
        dialog.visible = false
        window.loadModel("07-02")
        compare(layoutSummary(true)[0], "2,3:1/01 1920x1080")
        compare(list.currentIndex, 0)
        compare(window.is_saved, 1)
    }
}
