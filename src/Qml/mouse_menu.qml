import QtQuick 2.12
import "controls"

// "Settings" menu of the editor: the four mouse and focus dialogs.
MenuPanel {
    id: mouseMenu

    entries: [
        { text: qsTr("Mouse Acceleration"), event: 5 },
        { text: qsTr("Mouse Position"), event: 6 },
        { text: qsTr("Seamrun Switching Focus"), event: 7 },
        { text: qsTr("Keep Awake Option"), event: 8 }
    ]
}
