import QtQuick 2.12
import ".."
import "../controls"

// Text button of the editor's top row that opens a menu under itself.
Rectangle {
    id: menuButton

    property alias text: label.text
    // The button's menu is open.
    property bool active: false

    signal clicked()
    // Clicked from the keyboard: the menu it opens wants the keyboard too.
    signal keyboardClicked()

    function focusButton() {
        ring.forceActiveFocus()
    }

    width: Math.max(70, label.implicitWidth + 30)
    height: 30
    anchors.verticalCenter: parent.verticalCenter
    radius: 5
    color: active ? Theme.brand : (area.containsMouse ? Theme.fileBar : Theme.transparent)

    Text {
        id: label
        anchors.centerIn: parent
        color: menuButton.active ? Theme.panel : Theme.brand
        font.family: Theme.fontFamily
        font.pixelSize: Theme.textSize
        font.bold: true
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: menuButton.clicked()
    }

    FocusRing {
        id: ring
        takesFocus: true
        role: Accessible.ButtonMenu
        name: menuButton.text
        onActivated: {
            menuButton.clicked()
            menuButton.keyboardClicked()
        }
    }
}
