import QtQuick 2.12

// Frame of the mouse and focus settings dialogs: catches every press behind
// it, shades the window and shows a centred panel with the close image and an
// OK button. The close image discards the edits; OK hands over to `apply`.
Item {
    id: frame

    property int panelWidth: 382
    property int panelHeight: 156
    default property alias content: panel.content

    // Emitted by OK; the dialog stores its values, then the frame closes.
    signal apply()

    function close() {
        frame.parent.visible = false
    }

    anchors.fill: parent

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        onWheel: wheel.accepted = true
    }

    Mask {}

    DialogPanel {
        id: panel
        objectName: "panel"
        z: 5
        width: frame.panelWidth
        height: frame.panelHeight
        anchors.centerIn: parent
        onCloseClicked: frame.close()

        DialogButton {
            objectName: "okButton"
            z: 1
            anchors.right: parent.right
            anchors.rightMargin: 15
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 15
            text: qsTr("OK")
            onClicked: {
                frame.apply()
                frame.close()
            }
        }
    }
}
