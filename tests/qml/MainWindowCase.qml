import QtQuick 2.12
import QtTest 1.12

// Test case around a fresh main window per test, with the settings it reads
// at start put back to a known state first.
TestCase {
    id: mainCase

    property var window: null

    // The tests drive windows of their own, made visible and rendered by
    // openMain(); the runner's own window is not waited for, and so its
    // binding is not re-evaluated when a test switches the language.

    function findChild(item, name) {
        if (!item)
            return null
        if (item.objectName === name)
            return item
        var kids = item.children || []
        for (var i = 0; i < kids.length; ++i) {
            var hit = findChild(kids[i], name)
            if (hit)
                return hit
        }
        return null
    }

    function texts(item, out) {
        if (item.visible !== false && item.text !== undefined && typeof item.text === "string" && item.text.length)
            out.push(item.text)
        var kids = item.children || []
        for (var i = 0; i < kids.length; ++i)
            texts(kids[i], out)
        return out
    }

    function child(name) {
        var item = findChild(window.contentItem, name)
        verify(item, "no item " + name)
        return item
    }

    function clickItem(item) {
        mouseClick(item, item.width / 2, item.height / 2)
    }

    // Opens the main window with the given stored settings; `showTutorial` is
    // "0" so the editor page opens without its tutorial.
    function openMain(settings) {
        var values = { "language": "", "file-recent": "", "showTutorial": "0" }
        for (var key in settings)
            values[key] = settings[key]
        for (key in values)
            regedit.setRegedit(key, values[key])
        var component = Qt.createComponent("qrc:/Qml/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window)
        tryCompare(window, "visible", true)
        waitForRendering(window.contentItem)
        return window
    }

    // Closes the notice every start shows, so the page underneath takes input.
    function dismissStartNotice() {
        var dialog = child("dialog_Qml")
        tryCompare(dialog, "status", 1 /* Loader.Ready */)
        clickItem(findChild(dialog.item, "okButton"))
        compare(dialog.visible, false)
    }

    function dialogItem() {
        var dialog = child("dialog_Qml")
        tryCompare(dialog, "status", 1 /* Loader.Ready */)
        return dialog.item
    }

    // The editor page, opened empty.
    function openEditor() {
        window.filePath = ""
        window.filedata = ""
        window.gotoEditLayoutUI()
        var page = child("setQml")
        tryCompare(page, "status", 1 /* Loader.Ready */)
        waitForRendering(window.contentItem)
        return page.item
    }

    function cleanup() {
        if (window) {
            window.destroy()
            window = null
        }
    }
}
