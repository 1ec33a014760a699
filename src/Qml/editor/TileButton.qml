import QtQuick 2.12
import ".."

// The port or number button on a placed monitor: a white pill with the
// current value and a small caret that says a list opens from here.
Rectangle {
    id: button

    property alias text: label.text

    signal pressed()

    width: 48
    height: 24
    radius: 4
    color: area.containsMouse ? Theme.panel : Theme.white
    border.width: 1
    border.color: Theme.brand

    Text {
        id: label
        objectName: "label"
        x: 6
        width: parent.width - 18
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: Text.AlignHCenter
        color: Theme.brand
        font.family: Theme.fontFamily
        font.pixelSize: Theme.smallSize + 1
        font.bold: true
    }

    // The caret that says a list opens from here: the lower half of a
    // small square turned on its corner.
    Item {
        x: parent.width - 14
        y: parent.height / 2 - 2
        width: 8
        height: 4
        clip: true
        Rectangle {
            x: 1.2
            y: -2.8
            width: 5.6
            height: 5.6
            rotation: 45
            antialiasing: true
            color: Theme.brand
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onPressed: button.pressed()
    }
}
