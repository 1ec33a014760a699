import QtQuick 2.12
import "."

// The layout grid by keyboard. A cursor cell, drawn apart from the orange
// selection border, moves with the arrow keys; every key then does what the
// mouse does on that cell, through the editor's own functions:
//   Enter, Space   press the cell (place a monitor, or select the one there)
//   Delete         the delete question of the monitor under the cursor
//   1 .. 8         the selected monitor's port, by the port list's rule
//   P, N           open the port list or the number list of the selected
//                  monitor (arrows and Enter choose, Escape closes)
//   R              go to the resolution list
//   Ctrl+arrow     move the monitor under the cursor to the next cell
// The cursor also names its cell to screen readers.
Item {
    id: gridCursor

    property var editor: null
    property int rows: 16
    property int columns: 16
    property real cellWidth: 155
    property real cellHeight: 155
    property int index: 0
    readonly property int row: Math.floor(index / columns) + 1
    readonly property int column: index % columns + 1
    // What a screen reader says of the cursor cell; read again after every
    // change of the grid.
    property string description: ""

    // The cursor cell at (x, y, width, height) of the grid wants to be seen.
    signal cellShown(real x, real y, real width, real height)
    signal resolutionWanted()
    // "?" asks for the list of keys.
    signal helpWanted()

    function refresh() {
        description = editor ? describe(editor.gridModel.get(index)) : ""
    }

    function moveTo(next) {
        if (next < 0 || next >= rows * columns)
            return
        index = next
        refresh()
        cellShown((column - 1) * cellWidth, (row - 1) * cellHeight, cellWidth, cellHeight)
    }

    // The neighbour of the cursor in direction (dr, dc), or -1 at the edge.
    function neighbour(dr, dc) {
        var r = row - 1 + dr
        var c = column - 1 + dc
        if (r < 0 || c < 0 || r >= rows || c >= columns)
            return -1
        return r * columns + c
    }

    function arrow(dr, dc, move) {
        var next = neighbour(dr, dc)
        if (next < 0)
            return
        if (move) {
            if (editor.moveMonitor(index, next))
                moveTo(next)
        } else {
            moveTo(next)
        }
    }

    // The monitor under the cursor, selected as a press selects it.
    function selectHere() {
        if (!editor.gridModel.get(index).display)
            return false
        if (editor.m_index !== index)
            editor.pressCell(index, cellWidth / 2, cellHeight / 2)
        return editor.m_index === index
    }

    function describe(c) {
        if (!c)
            return ""
        var where = qsTr("Row %1, column %2").arg(row).arg(column)
        if (!c.display)
            return where + ", " + qsTr("empty")
        return where + ", " + c.portname + ", " + qsTr("monitor %1").arg(c.monitornum)
    }

    anchors.fill: parent
    activeFocusOnTab: true

    Accessible.role: Accessible.Cell
    Accessible.name: description
    Accessible.focusable: true
    Accessible.focused: activeFocus
    Accessible.onPressAction: editor.pressCell(index, cellWidth / 2, cellHeight / 2)

    Component.onCompleted: refresh()
    onActiveFocusChanged: if (activeFocus) refresh()

    Connections {
        target: gridCursor.editor ? gridCursor.editor.gridModel : null
        function onDataChanged() { gridCursor.refresh() }
    }
    // A monitor selected by the mouse or by the editor brings the cursor.
    Connections {
        target: gridCursor.editor
        function onM_indexChanged() {
            if (gridCursor.editor.m_index >= 0)
                gridCursor.moveTo(gridCursor.editor.m_index)
        }
    }

    Keys.onPressed: {
        var move = (event.modifiers & Qt.ControlModifier) !== 0
        var key = event.key
        event.accepted = true
        if (key === Qt.Key_Left) {
            arrow(0, -1, move)
        } else if (key === Qt.Key_Right) {
            arrow(0, 1, move)
        } else if (key === Qt.Key_Up) {
            arrow(-1, 0, move)
        } else if (key === Qt.Key_Down) {
            arrow(1, 0, move)
        } else if (move) {
            event.accepted = false
        } else if (key === Qt.Key_Return || key === Qt.Key_Enter || key === Qt.Key_Space) {
            editor.pressCell(index, cellWidth / 2, cellHeight / 2)
        } else if (key === Qt.Key_Delete) {
            if (selectHere())
                editor.showDelDialog(index, cellWidth - 16, 16, true)
        } else if (key >= Qt.Key_1 && key <= Qt.Key_8) {
            if (editor.m_index >= 0 && editor.gridModel.get(editor.m_index).display)
                editor.changePort(key - Qt.Key_0)
        } else if (key === Qt.Key_P) {
            if (selectHere())
                editor.showPortList(index, true)
        } else if (key === Qt.Key_N) {
            if (selectHere() && editor.gridModel.get(index).showmonlist)
                editor.showMonitorList(index, true)
        } else if (key === Qt.Key_R) {
            gridCursor.resolutionWanted()
        } else if (key === Qt.Key_Question) {
            gridCursor.helpWanted()
        } else {
            event.accepted = false
        }
        refresh()
    }

    Rectangle {
        objectName: "cursorCell"
        visible: gridCursor.activeFocus
        x: (gridCursor.column - 1) * gridCursor.cellWidth + 6
        y: (gridCursor.row - 1) * gridCursor.cellHeight + 6
        width: gridCursor.cellWidth - 12
        height: gridCursor.cellHeight - 12
        z: 30
        radius: 6
        color: Theme.transparent
        border.color: Theme.gridCursor
        border.width: 3

        // Corner marks keep the cursor apart from the selection border even
        // on a selected monitor.
        Repeater {
            model: 4
            Rectangle {
                x: index % 2 === 0 ? -4 : parent.width - 12
                y: index < 2 ? -4 : parent.height - 12
                width: 16
                height: 16
                radius: 3
                color: Theme.gridCursor
            }
        }
    }
}
