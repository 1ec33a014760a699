import QtQuick 2.12
import ".."
import "../controls"

// The question before a monitor is deleted, "Delete this setting." with "OK"
// and "Cancel", shown beside the press on the monitor's delete button.
Rectangle {
    id: prompt

    // "OK": the monitor goes. Escape, "Cancel" or the pointer leaving: the
    // prompt closes. It had the keyboard and closed: the keyboard goes back
    // to whoever opened it.
    signal confirmed()
    signal closeWanted()
    signal keyboardLeft()

    radius: 5
    color: Theme.panel
    border.color: Theme.brand

    // As wide as the question and the two buttons need, as the buttons are
    // drawn (at least 78 px each), with 12 px between them.
    readonly property real okWidth: Math.max(78, del_ok.labelWidth)
    readonly property real cancelWidth: Math.max(78, del_cancel.labelWidth)
    readonly property real neededWidth: Math.max(190, del_message.implicitWidth + 24,
                                                 okWidth + cancelWidth + 36)
    // By keyboard: Tab between the buttons, Escape cancels, and
    // the grid's cursor takes the focus back afterwards.
    readonly property bool focusTrap: true
    function focusCancel() {
        del_cancel.forceActiveFocus()
    }
    Accessible.role: Accessible.AlertMessage
    Accessible.name: qsTr("Delete this setting.")
    Keys.onTabPressed: (del_ok.activeFocus ? del_cancel : del_ok).forceActiveFocus()
    Keys.onBacktabPressed: (del_ok.activeFocus ? del_cancel : del_ok).forceActiveFocus()
    Keys.onEscapePressed: prompt.closeWanted()
    onVisibleChanged: {
        if (!visible && (del_ok.activeFocus || del_cancel.activeFocus))
            prompt.keyboardLeft()
    }

    // The buttons sit inside the hover area, so moving onto them
    // does not count as leaving the prompt.
    MouseArea {
        id: del_hover
        anchors.fill: parent
        hoverEnabled: true
        onExited: prompt.closeWanted()

        Text {
            id: del_message
            objectName: "message"
            x: 12
            y: 10
            width: parent.width - 24
            text: qsTr("Delete this setting.")
            color: Theme.brand
            font.family: Theme.fontFamily
            font.pixelSize: Theme.textSize
            elide: Text.ElideRight
        }

        DialogButton {
            id: del_ok
            objectName: "okButton"
            x: 12
            y: parent.height - height - 10
            width: prompt.okWidth
            height: 28
            text: qsTr("OK")
            onClicked: prompt.confirmed()
        }

        DialogButton {
            id: del_cancel
            objectName: "cancelButton"
            x: parent.width - width - 12
            y: parent.height - height - 10
            width: prompt.cancelWidth
            height: 28
            text: qsTr("Cancel")
            onClicked: prompt.closeWanted()
        }
    }
}
