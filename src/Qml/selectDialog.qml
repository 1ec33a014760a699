import QtQuick 2.12
import "."
import "controls"

// Notice of the editor when a placed monitor lacks its port number
// (main.select_dialog_type 0) or its resolution (1).
Item {
    id: selectDialog

    readonly property bool askResolution: main.select_dialog_type === 1

    function close() {
        selectDialog.parent.visible = false
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
        width: 380
        height: 195
        anchors.centerIn: parent
        onCloseClicked: selectDialog.close()

        Image {
            id: icon
            x: 25
            y: 15
            width: 45
            height: 45
            source: "../Images/img-fail.png"
        }

        Text {
            id: message
            objectName: "message"
            x: icon.x + icon.width + 20
            y: icon.y
            width: 230
            text: selectDialog.askResolution ? qsTr("Please select a resolution.")
                                             : qsTr("Please select a number.")
            color: Theme.brand
            font.family: Theme.fontFamily
            font.pixelSize: Theme.textSize
            wrapMode: Text.WordWrap
        }

        DropDown {
            objectName: "resolutionExample"
            x: message.x
            y: message.y + message.height + 20
            // Its text whole, clear of the arrow (see DropDown).
            width: Math.min(message.width, Math.max(150, Math.ceil(exampleText.advanceWidth) + 28))
            visible: selectDialog.askResolution
            enabled: false
            model: [exampleText.text]

            TextMetrics {
                id: exampleText
                text: qsTr("Select Resolution")
                font.family: Theme.fontFamily
                font.pixelSize: Theme.textSize
            }
        }

        Image {
            objectName: "numberExample"
            x: message.x
            y: message.y + message.height + 20
            width: 160
            height: 64
            visible: !selectDialog.askResolution
            source: "../Images/img-checknumber.png"
        }

        DialogButton {
            objectName: "okButton"
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20
            text: qsTr("OK")
            onClicked: selectDialog.close()
        }
    }
}
