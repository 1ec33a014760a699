import QtQuick 2.12
import "Qml"

// Title bar of the frameless main window: dragging it moves the window,
// pressing it closes the editor's open drop-downs, and at the right edge sit
// the minimise and close buttons.
Rectangle {
    id: headControl

    color: Theme.titleBar

    MouseArea {
        id: dragArea
        objectName: "dragArea"
        // Press point in the bar; while the button is held the window follows
        // so that this point stays under the mouse.
        property point pressPos
        anchors.fill: parent
        onPressed: {
            pressPos = Qt.point(mouse.x, mouse.y)
            main.hiddenPortDialog()
        }
        onPositionChanged: {
            main.x += mouse.x - pressPos.x
            main.y += mouse.y - pressPos.y
        }
        onWheel: wheel.accepted = true
    }

    Text {
        x: 15
        anchors.verticalCenter: parent.verticalCenter
        text: qsTr("Seamrun Switching Configuration Utility")
        color: Theme.white
        font.family: Theme.fontFamily
        font.pixelSize: Theme.textSize
        font.bold: true
    }

    Item {
        id: minButton
        objectName: "minButton"
        x: closeButton.x - 35
        anchors.verticalCenter: parent.verticalCenter
        width: 11
        height: 10

        Image {
            anchors.centerIn: parent
            width: 11
            height: 1
            source: "Images/min.png"
        }
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: main.showMinimized()
        }
    }

    Image {
        id: closeButton
        objectName: "closeButton"
        x: parent.width - 20 - width
        anchors.verticalCenter: parent.verticalCenter
        width: 10
        height: 10
        source: "Images/close.png"

        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: main.showExitWindow()
        }
    }
}
