import QtQuick 2.12
import "."
import "controls"

// The keys of the layout grid and of the window, as a dialog: F1 anywhere,
// or "?" on the grid. The list takes the keyboard first; Up and Down walk its
// rows, each of which a screen reader reads as its key and what it does.
// Enter, Escape, OK and the close image close it.
Item {
    id: help

    // Key texts of the File commands come from the window, so that the help
    // says what the menus say; the other combinations are named the same way,
    // as the platform does in the language in force.
    readonly property var shortcuts: main.shortcutText
    // [{ heading, rows: [{ keys, action }] }]; the grid's keys fill the
    // left column, the others the right one.
    readonly property var groups: numbered([
        { heading: qsTr("On the grid"), column: 0, rows: [
            { keys: qsTr("Arrow keys"), action: qsTr("Move the cursor over the grid.") },
            { keys: qsTr("Enter, Space"), action: qsTr("Press the cell: place a monitor there, or select the monitor on it.") },
            { keys: qsTr("Delete"), action: qsTr("Ask to delete the monitor under the cursor.") },
            { keys: "1 \u2013 8", action: qsTr("Set the port of the monitor under the cursor.") },
            { keys: "P", action: qsTr("Open the port list of the monitor under the cursor.") },
            { keys: "N", action: qsTr("Open the number list of the monitor under the cursor, when its port has more than one monitor.") },
            { keys: qsTr("Up, Down, Enter"), action: qsTr("In an open list: choose an entry and take it.") },
            { keys: "R", action: qsTr("Go to the resolution list.") },
            //: %1 is the Ctrl key as the language names it (Strg in German)
            { keys: qsTr("%1+arrow keys").arg(lang.keyText("Ctrl")), action: qsTr("Move the monitor under the cursor to the next cell.") },
            { keys: lang.keyText("Ctrl+Z"), action: qsTr("Undo the last change.") },
            { keys: lang.keyText("Ctrl+Y, Ctrl+Shift+Z"), action: qsTr("Redo the change undone last.") },
            { keys: "?", action: qsTr("Show this list of keys.") }
        ] },
        { heading: qsTr("Everywhere"), column: 1, rows: [
            { keys: lang.keyText("Tab, Shift+Tab"), action: qsTr("Move between the grid, the side panel and the top bar; in a dialog, between its controls.") },
            { keys: qsTr("Escape"), action: qsTr("Close an open list or dialog; from the resolution list, go back to the grid.") },
            { keys: "F1", action: qsTr("Show this list of keys.") }
        ] },
        { heading: qsTr("Files"), column: 1, rows: [
            { keys: shortcuts.newLayout, action: qsTr("Start a new layout.") },
            { keys: shortcuts.open, action: qsTr("Open a layout file.") },
            { keys: shortcuts.save, action: qsTr("Save the layout to a file (in the editor).") },
            { keys: shortcuts.saveAs, action: qsTr("Save the layout under a new name (in the editor).") },
            { keys: shortcuts.thisScreens, action: qsTr("Place this computer's screens on its port (in the editor).") },
            { keys: shortcuts.quit, action: qsTr("Quit the program.") }
        ] }
    ])
    // The keys' column: at least 150, and as wide as the longest key
    // combination as the language names it ("Control+Mayúsculas+Z"); lists
    // of keys wrap after their commas.
    readonly property int keysWidth: {
        var widest = 0
        for (var g = 0; g < groups.length; ++g)
            for (var r = 0; r < groups[g].rows.length; ++r) {
                var parts = groups[g].rows[r].keys.split(" ")
                for (var p = 0; p < parts.length; ++p)
                    widest = Math.max(widest, keyMetrics.advanceWidth(parts[p]))
            }
        return Math.max(150, Math.ceil(widest) + 2)
    }
    readonly property int rowCount: {
        var n = 0
        for (var g = 0; g < groups.length; ++g)
            n += groups[g].rows.length
        return n
    }
    // The row the keyboard is on, counted over all groups.
    property int current: 0
    // Row items by their number, as they are made.
    property var rowItems: []

    function close() {
        help.parent.visible = false
    }

    // Each group learns the number of its first row, counted over all groups.
    function numbered(list) {
        var n = 0
        for (var g = 0; g < list.length; ++g) {
            list[g].first = n
            n += list[g].rows.length
        }
        return list
    }

    function groupsOfColumn(column) {
        return groups.filter(function (g) { return g.column === column })
    }

    function rowItem(index) {
        return rowItems[index] || null
    }

    function goTo(index) {
        if (index < 0 || index >= rowCount)
            return
        var item = rowItem(index)
        if (!item)
            return
        current = index
        item.forceActiveFocus()
        // Keep the row in view when the list is taller than the window.
        var top = item.mapToItem(sheet.contentItem, 0, 0).y
        if (top < sheet.contentY)
            sheet.contentY = top
        else if (top + item.height > sheet.contentY + sheet.height)
            sheet.contentY = top + item.height - sheet.height
    }

    anchors.fill: parent

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        onWheel: wheel.accepted = true
    }

    FontMetrics {
        id: keyMetrics
        font.family: Theme.fontFamily
        font.pixelSize: Theme.textSize
        font.bold: true
    }

    Mask {}

    DialogPanel {
        id: panel
        objectName: "panel"
        z: 5
        // Two columns: short enough for the window in every language, the
        // taller CJK lines included.
        width: 1060
        // As tall as the list wants, at most the window's height less a margin;
        // beyond that the list scrolls.
        height: Math.min(25 + 15 + list.implicitHeight + 15 + 30 + 15, help.height - 60)
        anchors.centerIn: parent
        title: qsTr("Keyboard")
        onCloseClicked: help.close()

        Flickable {
            id: sheet
            objectName: "sheet"
            x: 0
            y: 15
            width: parent.width
            height: panel.height - 25 - 15 - 15 - 30 - 15
            contentWidth: width
            contentHeight: list.implicitHeight
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            // The wheel scrolls the list, never the page behind it.
            interactive: contentHeight > height

            FocusScope {
                id: list
                objectName: "keyList"
                x: 25
                width: sheet.width - 50
                height: implicitHeight
                implicitHeight: columns.implicitHeight

                Accessible.role: Accessible.List
                Accessible.name: panel.title

                onActiveFocusChanged: {
                    if (activeFocus && help.rowItem(help.current) && !help.rowItem(help.current).activeFocus)
                        help.goTo(help.current)
                }
                Keys.onUpPressed: help.goTo(help.current - 1)
                Keys.onDownPressed: help.goTo(help.current + 1)
                Keys.onReturnPressed: help.close()
                Keys.onEnterPressed: help.close()

                // Puts the list into the dialog's Tab order; the row under the
                // keyboard draws the frame, not the ring around the whole list.
                FocusRing {
                    opacity: 0
                }

                Row {
                    id: columns
                    width: parent.width
                    spacing: 30

                    Repeater {
                        model: 2

                        Column {
                            readonly property int column: index
                            width: (columns.width - columns.spacing) / 2
                            spacing: 8

                            Repeater {
                                model: help.groupsOfColumn(parent.column)
                                delegate: group_delegate
                            }
                        }
                    }
                }
            }
        }

        GridScrollBar {
            objectName: "sheetBar"
            x: panel.width - 16
            y: sheet.y
            height: sheet.height
            flickable: sheet
            vertical: true
        }

        DialogButton {
            id: ok_button
            objectName: "okButton"
            anchors.right: parent.right
            anchors.rightMargin: 15
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 15
            text: qsTr("OK")
            onClicked: help.close()
        }
    }

    // One group: its heading, then a row per key.
    Component {
        id: group_delegate

        Column {
            id: group
            readonly property var entry: modelData
            width: parent.width

            SidePanelHeading {
                width: parent.width
                bottomPadding: 2
                text: group.entry.heading
                wrapMode: Text.WordWrap
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }

            Repeater {
                model: group.entry.rows

                Item {
                    id: row
                    readonly property int number: group.entry.first + index
                    objectName: "keyRow" + number
                    width: parent.width
                    height: Math.max(key_text.height, action_text.height) + 4

                    Accessible.role: Accessible.ListItem
                    // "Delete: Ask to delete ..." - the key first, as the row shows it.
                    Accessible.name: modelData.keys + ": " + modelData.action
                    Accessible.focusable: true
                    Accessible.focused: activeFocus
                    Accessible.selected: number === help.current

                    Component.onCompleted: help.rowItems[number] = row

                    Rectangle {
                        objectName: "keyRowFrame"
                        anchors.fill: parent
                        anchors.leftMargin: -4
                        anchors.rightMargin: -4
                        visible: row.activeFocus
                        color: Theme.transparent
                        border.color: Theme.focusRing
                        border.width: 2
                    }

                    Text {
                        id: key_text
                        objectName: "keys"
                        x: 0
                        y: 2
                        width: help.keysWidth
                        text: modelData.keys
                        color: Theme.brand
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.textSize
                        font.bold: true
                        wrapMode: Text.WordWrap
                        Accessible.ignored: true
                    }

                    Text {
                        id: action_text
                        objectName: "action"
                        x: key_text.width + 12
                        y: 2
                        width: parent.width - x
                        text: modelData.action
                        color: Theme.brand
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.textSize
                        wrapMode: Text.WordWrap
                        Accessible.ignored: true
                    }

                    MouseArea {
                        anchors.fill: parent
                        onPressed: help.goTo(row.number)
                    }
                }
            }
        }
    }
}
