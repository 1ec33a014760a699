import QtQuick 2.12
import "."
import "controls"

// Question with two buttons. Shows main.comfirm_dialog_info and follows it
// while shown: {msg, dobtn, cancelbtn, dofunc, cancelfunc, closefunc,
// showicon, icon, defaultbtn}. Callers put the affirmative action on either
// button. The default button has the keyboard when the question opens, so
// Enter and Space press it: the left one, or the right one when defaultbtn
// is "cancel". A question whose other answer loses work makes the button
// that keeps it the default; the other one then takes a click or a Tab.
Item {
    id: confirm

    readonly property var info: main.comfirm_dialog_info

    // Hidden first, so a function that opens the next dialog in the same
    // loader keeps it shown.
    function finish(func) {
        confirm.parent.visible = false
        if (typeof func === "function")
            func()
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
        // Grows by what the message needs beyond its 110 px.
        height: 190 + message.height - 110
        anchors.centerIn: parent
        defaultButton: confirm.info.defaultbtn === "cancel" ? cancelButton : doButton
        onCloseClicked: confirm.finish(confirm.info.closefunc)

        Image {
            id: icon
            objectName: "icon"
            x: 25
            y: 15
            width: 45
            height: 45
            visible: confirm.info.showicon === 1
            source: "../Images/img-caveat.png"
        }

        Text {
            id: message
            objectName: "message"
            x: icon.visible ? icon.x + icon.width + 20 : 25
            y: icon.y
            // Beside the sign, the text keeps the panel's 25 px margin on the
            // right as on the left.
            width: icon.visible ? panel.width - x - 25 : 328
            // A language whose lines run taller or longer gets the lines its
            // question needs, clear of the buttons.
            height: Math.max(110, fullMessage.height)
            text: confirm.info.msg !== undefined ? confirm.info.msg : ""
            horizontalAlignment: Text.AlignHCenter
            color: Theme.brand
            font.family: Theme.fontFamily
            font.pixelSize: Theme.textSize
            lineHeight: 1.4
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
        }

        // The whole message laid out as above, for its height.
        Text {
            id: fullMessage
            visible: false
            width: message.width
            text: message.text
            font: message.font
            lineHeight: message.lineHeight
            wrapMode: message.wrapMode
        }

        DialogButton {
            id: doButton
            objectName: "doButton"
            x: 25
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20
            width: 150
            text: confirm.info.dobtn !== undefined ? confirm.info.dobtn : ""
            onClicked: confirm.finish(confirm.info.dofunc)
        }

        DialogButton {
            id: cancelButton
            objectName: "cancelButton"
            anchors.right: parent.right
            anchors.rightMargin: 25
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20
            width: 150
            text: confirm.info.cancelbtn !== undefined ? confirm.info.cancelbtn : ""
            onClicked: confirm.finish(confirm.info.cancelfunc)
        }
    }
}
