import QtQuick 2.12
import ".."

// Frame of the editor's tutorial and layout error pages: catches every press
// behind it, shades the window and shows a centred panel with a title, the
// close image and an OK button. The page decides what OK and the close image
// do beyond closing (`okClicked`, `closeClicked` come first).
Item {
    id: page

    property int panelWidth: 600
    property int panelHeight: 400
    property string title: ""
    default property alias content: body.data

    signal okClicked()
    signal closeClicked()

    // Every page closes by hiding the loader that holds it.
    function close() {
        page.parent.visible = false
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
        width: page.panelWidth
        height: page.panelHeight
        anchors.centerIn: parent
        title: page.title
        // Enter is OK, wherever the keyboard is on the page.
        defaultButton: ok_button
        onCloseClicked: {
            page.closeClicked()
            page.close()
        }

        Item {
            id: body
            anchors.fill: parent
        }

        DialogButton {
            id: ok_button
            objectName: "okButton"
            z: 1
            anchors.right: parent.right
            anchors.rightMargin: 15
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 15
            text: qsTr("OK")
            onClicked: {
                page.okClicked()
                page.close()
            }
        }
    }
}
