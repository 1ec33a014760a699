import QtQuick 2.12
import "."
import "controls"

// "This computer's screens" when no switch tells this computer's port: the
// user picks it (main.port_question: {ports: [{port, name}], chosen, done}).
// OK hands the chosen port to `done`; Cancel, Escape or the close image end
// the command with nothing changed.
Item {
    id: question

    readonly property var info: main.port_question

    function close() {
        question.parent.visible = false
    }

    function accept() {
        var port = info.ports[port_choice.currentIndex].port
        close()
        if (info.done)
            info.done(port)
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
        height: 170
        anchors.centerIn: parent
        title: qsTr("This computer's screens")
        defaultButton: ok_button
        onCloseClicked: question.close()

        Text {
            id: message
            objectName: "message"
            x: 25
            y: 15
            width: parent.width - 50
            text: qsTr("No switch answered. Which port is this computer on?")
            wrapMode: Text.WordWrap
            color: Theme.brand
            font.family: Theme.fontFamily
            font.pixelSize: Theme.textSize
        }

        DropDown {
            id: port_choice
            objectName: "portChoice"
            x: message.x
            y: message.y + message.height + 14
            width: 120
            model: question.info.ports.map(function (p) { return p.name })
            currentIndex: Math.max(0, question.info.chosen)
            Accessible.name: message.text
            Component.onCompleted: forceActiveFocus()
        }

        DialogButton {
            id: cancel_button
            objectName: "cancelButton"
            anchors.right: ok_button.left
            anchors.rightMargin: 10
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 15
            width: Math.max(78, labelWidth)
            text: qsTr("Cancel")
            onClicked: question.close()
        }

        DialogButton {
            id: ok_button
            objectName: "okButton"
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 15
            width: Math.max(78, labelWidth)
            text: qsTr("OK")
            onClicked: question.accept()
        }
    }
}
