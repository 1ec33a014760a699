import QtQuick 2.12
import "."
import "controls"

// Notice with one button. Shows main.alert_dialog_info and follows it while
// shown: {msg, showicon, icon (0 failure, else success), okfunc, closefunc,
// title}.
Item {
    id: alert

    readonly property var info: main.alert_dialog_info

    // The dialog is hidden before the caller's function runs: a function that
    // opens the next dialog in the same loader must not see it hidden again
    // right after.
    function finish(func) {
        alert.parent.visible = false
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
        // Grows by what the message needs beyond its 120 px.
        height: 200 + message.height - 120
        anchors.centerIn: parent
        title: alert.info.title !== undefined && alert.info.title !== null ? alert.info.title : ""
        onCloseClicked: alert.finish(alert.info.closefunc)

        Item {
            id: content
            width: 380
            height: 175 + message.height - 120

            Image {
                id: icon
                objectName: "icon"
                x: 25
                y: 15
                width: 45
                height: 45
                visible: !!alert.info.showicon
                // Nothing to decode for a notice without a sign.
                source: !alert.info.showicon ? "" : alert.info.icon === 0 ? "../Images/img-fail.png" : "../Images/img-successfully.png"
            }

            Text {
                id: message
                objectName: "message"
                x: icon.visible ? icon.x + icon.width + 20 : 25
                y: 15
                width: icon.visible ? 250 : 330
                // A language whose lines run taller or longer gets the lines
                // its notice needs instead of losing its end.
                height: Math.max(120, fullMessage.height)
                text: alert.info.msg !== undefined ? alert.info.msg : ""
                color: Theme.brand
                font.family: Theme.fontFamily
                font.pixelSize: Theme.textSize
                lineHeight: 1.4
                wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                elide: Text.ElideRight
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
        }

        DialogButton {
            objectName: "okButton"
            anchors.right: parent.right
            anchors.rightMargin: 15
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 15
            text: qsTr("OK")
            onClicked: alert.finish(alert.info.okfunc)
        }
    }
}
