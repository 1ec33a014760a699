import QtQuick 2.12
import QtQuick.Window 2.12
import "."
import "controls"

// Root screen when the primary screen is smaller than 1440 x 900: a notice,
// whose OK goes on to the main window.
Window {
    id: foreword

    width: 380
    height: 150
    x: (Screen.width - width) / 2
    y: (Screen.height - height) / 2
    visible: true
    flags: Qt.FramelessWindowHint | Qt.WindowMinimizeButtonHint | Qt.Window
    title: qsTr("Seamrun Switching Configuration Utility")
    color: Theme.panel

    function goOn() {
        panel.visible = false
        foreword.width = 1280
        foreword.height = 720
        if (foreword.screen) {
            foreword.x = (foreword.screen.width - 1280) / 2
            foreword.y = (foreword.screen.height - 720) / 2
        }
        mainLoader.source = "main.qml"
    }

    DialogPanel {
        id: panel
        objectName: "panel"
        width: 380
        height: 150
        anchors.centerIn: parent
        dragWindow: foreword
        onCloseClicked: foreword.close()

        Text {
            id: message
            x: 25
            y: 15
            width: 230
            text: qsTr("We recommend video resolution should not be less than 1440 x 900.")
            color: Theme.brand
            font.family: Theme.fontFamily
            font.pixelSize: Theme.textSize
            wrapMode: Text.WordWrap
        }

        DialogButton {
            id: okButton
            objectName: "okButton"
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20
            text: qsTr("OK")
            onClicked: foreword.goOn()
        }
    }

    Loader {
        id: mainLoader
        objectName: "mainLoader"
        x: 0
        y: 0
        z: 5
        width: 1280
        height: 720

        // The main window is a window of its own and this one stays empty
        // behind it: when the user closes the main window, close this one too,
        // or the program would linger with no visible way to end it.
        Connections {
            target: mainLoader.item
            ignoreUnknownSignals: true
            function onClosing() { foreword.close() }
            function onVisibleChanged() {
                if (mainLoader.item && !mainLoader.item.visible)
                    foreword.close()
            }
        }
    }
}
