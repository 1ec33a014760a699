import QtQuick 2.12
import ".."
import "../controls"

// The editor's top row: the logo (About), Home, and the "File" and
// "Settings" menu buttons.
Rectangle {
    id: bar

    // The menu shown: "menu.qml", "mouse_menu.qml" or "" for none.
    property string shownMenu: ""
    readonly property alias fileButton: file_button
    readonly property alias settingsButton: settings_button

    signal aboutWanted()
    signal homeWanted()
    // `button` asks for the menu `file`.
    signal menuWanted(Item button, string file)
    // A menu button was worked by keyboard: the menu shown takes the keyboard.
    signal menuKeyboardWanted()

    color: Theme.white

    Image {
        id: small_logo
        objectName: "small_logo"
        x: 20
        anchors.verticalCenter: parent.verticalCenter
        width: 120
        height: 30
        source: "../../Images/logo-small.png"
        fillMode: Image.PreserveAspectFit
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: bar.aboutWanted()
        }
    }

    Rectangle {
        x: small_logo.x + small_logo.width + 20
        anchors.verticalCenter: parent.verticalCenter
        width: 1
        height: 26
        color: Theme.divider
    }

    Image {
        id: home_button
        objectName: "home_button"
        x: small_logo.x + small_logo.width + 40
        anchors.verticalCenter: parent.verticalCenter
        width: 24
        height: 24
        source: home_area.containsMouse ? "../../Images/btn-home-h.png" : "../../Images/btn-home.png"
        MouseArea {
            id: home_area
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: bar.homeWanted()
        }
        FocusRing {
            takesFocus: true
            name: qsTr("Home Page")
            onActivated: bar.homeWanted()
        }
    }

    MenuButton {
        id: file_button
        objectName: "file_button"
        x: home_button.x + home_button.width + 30
        text: qsTr("File")
        active: bar.shownMenu === "menu.qml"
        onClicked: bar.menuWanted(file_button, "menu.qml")
        onKeyboardClicked: bar.menuKeyboardWanted()
    }

    MenuButton {
        id: settings_button
        objectName: "settings_button"
        x: file_button.x + file_button.width + 10
        text: qsTr("Settings")
        active: bar.shownMenu === "mouse_menu.qml"
        onClicked: bar.menuWanted(settings_button, "mouse_menu.qml")
        onKeyboardClicked: bar.menuKeyboardWanted()
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Theme.divider
    }
}
