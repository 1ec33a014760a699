import QtQuick 2.12

// Title bar of the main window: drag to move the window, minimise, close.
Rectangle {
    id: headControl

    color: "#084576"

    MouseArea {
        property point pressPos
        anchors.fill: parent
        onPressed: pressPos = Qt.point(mouse.x, mouse.y)
        onPositionChanged: {
            main.x += mouse.x - pressPos.x
            main.y += mouse.y - pressPos.y
        }
    }

    Text {
        x: 15
        anchors.verticalCenter: parent.verticalCenter
        text: qsTr("Seamrun Switching Configuration Utility")
        color: "white"
        font.family: "Arial"
        font.pixelSize: 14
        font.bold: true
    }

    Image {
        id: closeButton
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        width: 14
        height: 14
        source: "Images/close.png"
        MouseArea {
            anchors.fill: parent
            anchors.margins: -6
            cursorShape: Qt.PointingHandCursor
            onClicked: main.quitAp()
        }
    }
}
