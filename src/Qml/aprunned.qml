import QtQuick 2.12
import QtQuick.Window 2.12
import "."
import "controls"

// Root screen of a second instance: another copy is already running.
Window {
    id: aprunned

    // The panel is 380 x 200; a smaller window would cut off its title bar,
    // close image and OK button.
    width: 380
    height: 200
    x: (Screen.width - width) / 2
    y: (Screen.height - height) / 2
    visible: true
    flags: Qt.FramelessWindowHint | Qt.WindowMinimizeButtonHint | Qt.Window
    title: qsTr("Seamrun Switching Configuration Utility")
    color: Theme.panel

    DialogPanel {
        id: panel
        objectName: "panel"
        width: 380
        height: 200
        anchors.centerIn: parent
        dragWindow: aprunned
        onCloseClicked: aprunned.close()

        Image {
            id: icon
            x: 25
            y: 30
            width: 45
            height: 45
            source: "../Images/img-fail.png"
        }

        Text {
            id: message
            anchors.left: icon.right
            anchors.leftMargin: 20
            anchors.top: icon.top
            width: 250
            text: qsTr("AP is running.")
            color: Theme.brand
            font.family: Theme.fontFamily
            font.pixelSize: Theme.textSize
            lineHeight: 1.4
            wrapMode: Text.WordWrap
        }

        DialogButton {
            id: okButton
            objectName: "okButton"
            anchors.right: parent.right
            anchors.rightMargin: 15
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 15
            text: qsTr("OK")
            onClicked: aprunned.close()
        }
    }
}
