import QtQuick 2.12
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4
import "."

// The rounded push button every notice and dialog uses.
Button {
    id: button

    width: 65
    height: 30
    Accessible.name: text
    // Space presses a focused button already; Enter does as well.
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()

    style: ButtonStyle {
        background: Rectangle {
            radius: 10
            color: Theme.panel
            border.color: Theme.brand
            border.width: 1
        }
        label: Text {
            text: control.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.textSize
            font.bold: true
            color: control.hovered ? Theme.highlight : Theme.brand
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
    }

    FocusRing {
        radius: 12
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        cursorShape: Qt.PointingHandCursor
    }
}
