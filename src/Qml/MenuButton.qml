import QtQuick 2.12

// Text button of the editor's top row that opens a menu under itself.
Rectangle {
    id: menuButton

    property alias text: label.text
    // The button's menu is open.
    property bool active: false

    signal clicked()

    width: Math.max(70, label.implicitWidth + 30)
    height: 30
    anchors.verticalCenter: parent.verticalCenter
    radius: 5
    color: active ? "#084576" : (area.containsMouse ? "#E1DFDF" : "transparent")

    Text {
        id: label
        anchors.centerIn: parent
        color: menuButton.active ? "#F1F1F1" : "#084576"
        font.family: "Arial"
        font.pixelSize: 14
        font.bold: true
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: menuButton.clicked()
    }
}
