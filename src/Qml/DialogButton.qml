import QtQuick 2.12
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4

// The rounded push button every notice and dialog uses.
Button {
    id: button

    width: 65
    height: 30

    style: ButtonStyle {
        background: Rectangle {
            radius: 10
            color: "#F1F1F1"
            border.color: "#084576"
            border.width: 1
        }
        label: Text {
            text: control.text
            font.family: "Arial"
            font.pixelSize: 14
            font.bold: true
            color: control.hovered ? "#449ABE" : "#084576"
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        cursorShape: Qt.PointingHandCursor
    }
}
