import QtQuick 2.12
import "controls"

// "File" menu of the editor, with the keys of its commands.
MenuPanel {
    id: fileMenu

    entries: [
        { text: qsTr("New"), event: 1, keys: main.shortcutText.newLayout },
        { text: qsTr("Load File"), event: 2, keys: main.shortcutText.open },
        { text: qsTr("Save as"), event: 3, keys: main.shortcutText.saveAs },
        { text: qsTr("This computer's screens"), event: 9, keys: main.shortcutText.thisScreens },
        { text: qsTr("Quit"), event: 4, keys: main.shortcutText.quit }
    ]
}
