import QtQuick 2.12
import "."

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

    // The caret that says a list opens from here.
    Canvas {
        x: parent.width - 14
        anchors.verticalCenter: parent.verticalCenter
        width: 8
        height: 5
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.fillStyle = Theme.brand
            ctx.beginPath()
            ctx.moveTo(0, 0)
            ctx.lineTo(width, 0)
            ctx.lineTo(width / 2, height)
            ctx.closePath()
            ctx.fill()
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
