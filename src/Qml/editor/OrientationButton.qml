import QtQuick 2.12
import ".."
import "../controls"

// One of the two "Screen Orientation" choices: a small landscape or portrait
// screen over its name, framed in the brand colour while chosen.
Rectangle {
    id: button

    property alias text: label.text
    property bool portrait: false
    property bool checked: false

    signal clicked()

    width: 100
    height: 62
    radius: 5
    color: checked ? Theme.white : (area.containsMouse ? Theme.white : Theme.panel)
    border.width: checked ? 2 : 1
    border.color: checked ? Theme.brand : Theme.disabled

    Rectangle {
        objectName: "screenShape"
        anchors.horizontalCenter: parent.horizontalCenter
        y: button.portrait ? 8 : 12
        width: button.portrait ? 18 : 30
        height: button.portrait ? 28 : 20
        radius: 2
        color: button.checked ? Theme.cellMonitor : Theme.white
        border.width: 2
        border.color: button.checked ? Theme.brand : Theme.muted
    }

    Text {
        id: label
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height - height - 6
        color: button.checked ? Theme.brand : Theme.muted
        font.family: Theme.fontFamily
        font.pixelSize: Theme.smallSize
        font.bold: button.checked
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }

    FocusRing {
        takesFocus: true
        role: Accessible.RadioButton
        name: button.text
        radius: 7
        onActivated: button.clicked()
        Accessible.checkable: true
        Accessible.checked: button.checked
    }
}
