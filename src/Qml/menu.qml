import QtQuick 2.12

// "File" menu of the editor.
MenuPanel {
    id: fileMenu

    entries: [
        { text: qsTr("New"), event: 1 },
        { text: qsTr("Load File"), event: 2 },
        { text: qsTr("Save as"), event: 3 },
        { text: qsTr("Quit"), event: 4 }
    ]
}
