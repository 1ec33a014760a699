import QtQuick 2.12

// The editor's keys that work anywhere on the page: undo, redo and the File
// commands. `active` says when they may: while the editor is the page in
// front and no dialog covers it.
Item {
    id: keys

    property bool active: false
    // The File commands' keys in the language's notation (main's
    // shortcutText: newLayout, open, save, saveAs).
    property var texts: ({})

    signal undoWanted()
    signal redoWanted()
    signal newWanted()
    signal openWanted()
    signal saveWanted()
    signal saveAsWanted()

    Shortcut {
        sequences: [StandardKey.Undo]
        enabled: keys.active
        onActivated: keys.undoWanted()
    }
    Shortcut {
        sequences: ["Ctrl+Y", "Ctrl+Shift+Z"]
        enabled: keys.active
        onActivated: keys.redoWanted()
    }
    Shortcut {
        sequence: keys.texts.newLayout || ""
        enabled: keys.active
        onActivated: keys.newWanted()
    }
    Shortcut {
        sequence: keys.texts.open || ""
        enabled: keys.active
        onActivated: keys.openWanted()
    }
    Shortcut {
        sequence: keys.texts.save || ""
        enabled: keys.active
        onActivated: keys.saveWanted()
    }
    Shortcut {
        sequence: keys.texts.saveAs || ""
        enabled: keys.active
        onActivated: keys.saveAsWanted()
    }
}
