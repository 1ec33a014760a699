import QtQuick 2.12
import ".."

// Panel of a notice or dialog: light background, dark blue border, a 25 px
// title bar with an optional title and the close image. Children go below the
// title bar, into `content`. The keyboard stays inside the panel while it is
// shown: Tab goes round its controls, Enter presses `defaultButton` (or the
// focused button), Escape does what the close image does.
Rectangle {
    id: panel

    property alias title: titleText.text
    property alias titleBar: titleBar
    // Window to move when the title bar is dragged (notices that are their own
    // frameless window); null inside the main window.
    property var dragWindow: null
    default property alias content: contentArea.data
    property alias defaultButton: contentArea.defaultControl

    signal closeClicked()

    color: Theme.panel
    border.color: Theme.brand
    border.width: 1
    Accessible.role: Accessible.Dialog
    Accessible.name: title

    Rectangle {
        id: titleBar
        x: 0
        y: 0
        width: parent.width
        height: 25
        color: Theme.brand

        Text {
            id: titleText
            objectName: "title"
            x: 10
            anchors.verticalCenter: parent.verticalCenter
            color: Theme.white
            font.family: Theme.fontFamily
            font.pixelSize: Theme.captionSize
            // A screen reader names the dialog by it; an empty bar says nothing.
            Accessible.role: Accessible.Heading
            Accessible.name: text
            Accessible.ignored: text === ""
        }

        MouseArea {
            property point pressPos
            anchors.fill: parent
            enabled: panel.dragWindow !== null
            onPressed: pressPos = Qt.point(mouse.x, mouse.y)
            onPositionChanged: {
                panel.dragWindow.x += mouse.x - pressPos.x
                panel.dragWindow.y += mouse.y - pressPos.y
            }
        }
    }

    FocusTrap {
        id: contentArea
        objectName: "focusTrap"
        x: 0
        y: titleBar.height
        width: parent.width
        height: parent.height - titleBar.height
        onEscapePressed: panel.closeClicked()
    }

    Image {
        id: closeImage
        objectName: "closeImage"
        x: parent.width - width - 10
        y: 7
        width: 10
        height: 10
        source: "../../Images/close.png"

        MouseArea {
            anchors.fill: parent
            anchors.margins: -5
            cursorShape: Qt.PointingHandCursor
            onClicked: panel.closeClicked()
        }
    }
}
