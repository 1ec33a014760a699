import QtQuick 2.12

// The editor's keys that work anywhere on the page: undo, redo and the File
// commands. `active` says when they may: while the editor is the page in
// front and no dialog covers it.
Item {
    id: keys

    property bool active: false
    // The File commands' keys as the shortcuts take them (main's
    // shortcutKeys: newLayout, open, save, saveAs, thisScreens).
    property var fileKeys: ({})

    signal undoWanted()
    signal redoWanted()
    signal newWanted()
    signal openWanted()
    signal saveWanted()
    signal saveAsWanted()
    signal thisScreensWanted()

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
        sequence: keys.fileKeys.newLayout || ""
        enabled: keys.active
        onActivated: keys.newWanted()
    }
    Shortcut {
        sequence: keys.fileKeys.open || ""
        enabled: keys.active
        onActivated: keys.openWanted()
    }
    Shortcut {
        sequence: keys.fileKeys.save || ""
        enabled: keys.active
        onActivated: keys.saveWanted()
    }
    Shortcut {
        sequence: keys.fileKeys.saveAs || ""
        enabled: keys.active
        onActivated: keys.saveAsWanted()
    }
    Shortcut {
        sequence: keys.fileKeys.thisScreens || ""
        enabled: keys.active
        onActivated: keys.thisScreensWanted()
    }
}
