import QtQuick 2.12
import Seamrun.Layout 1.0
import ".."

// The layout grid by keyboard. A cursor cell, drawn apart from the orange
// selection border, moves with the arrow keys; every key then asks for what
// the mouse does on that cell, and always on that cell:
//   Enter, Space   press the cell (place a monitor, or select the one there)
//   Delete         the delete question of the monitor under the cursor
//   1 .. 8         the port of the monitor under the cursor (selected first,
//                  as a press selects it)
//   P, N           open the port list or the number list of the monitor
//                  under the cursor (arrows and Enter choose, Escape closes)
//   R              go to the resolution list
//   Ctrl+arrow     move the monitor under the cursor to the next cell
// It reads the desk model; the screen around it does what the signals ask.
// The cursor also names its cell to screen readers.
Item {
    id: gridCursor

    property DeskModel desk: null
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
    // What the keys ask of the cell `index`; placing, selecting and the
    // lists are the screen's.
    signal cellPressed(int index)
    signal deleteWanted(int index)
    signal portWanted(int index, int port)
    signal portListWanted(int index)
    signal numberListWanted(int index)
    signal moveWanted(int from, int to)
    // "?" asks for the list of keys.
    signal helpWanted()

    function refresh() {
        description = desk ? describe(desk.rowOf(index)) : ""
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
            if (desk.rowOf(index) < 0)
                return
            moveWanted(index, next)
            if (desk.rowOf(next) >= 0 && desk.rowOf(index) < 0)
                moveTo(next)
        } else {
            moveTo(next)
        }
    }

    // The monitor under the cursor, selected as a press selects it.
    function selectHere() {
        if (desk.rowOf(index) < 0)
            return false
        if (desk.selectedIndex !== index)
            cellPressed(index)
        return desk.selectedIndex === index
    }

    function describe(deskRow) {
        var where = qsTr("Row %1, column %2").arg(row).arg(column)
        if (deskRow < 0)
            return qsTr("%1, %2").arg(where).arg(qsTr("empty"))
        var m = desk.get(deskRow)
        var text = qsTr("%1, %2").arg(qsTr("%1, %2").arg(where).arg(m.portName)).arg(qsTr("monitor %1").arg(m.numberText))
        if (m.atFault)
            text = qsTr("%1, %2").arg(text).arg(qsTr("marked by the check"))
        return text
    }

    anchors.fill: parent
    activeFocusOnTab: true

    Accessible.role: Accessible.Cell
    Accessible.name: description
    Accessible.focusable: true
    Accessible.focused: activeFocus
    Accessible.onPressAction: cellPressed(index)

    Component.onCompleted: refresh()
    onActiveFocusChanged: if (activeFocus) refresh()

    // A change of the desk may change the cursor cell; a monitor selected
    // by the mouse or by the editor brings the cursor.
    Connections {
        target: gridCursor.desk
        function onDeskChanged() { gridCursor.refresh() }
        function onFaultsChanged() { gridCursor.refresh() }
        function onSelectionChanged() {
            if (gridCursor.desk.selectedIndex >= 0)
                gridCursor.moveTo(gridCursor.desk.selectedIndex)
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
            cellPressed(index)
        } else if (key === Qt.Key_Delete) {
            if (selectHere())
                deleteWanted(index)
        } else if (key >= Qt.Key_1 && key <= Qt.Key_8) {
            if (selectHere())
                portWanted(index, key - Qt.Key_0)
        } else if (key === Qt.Key_P) {
            if (selectHere())
                portListWanted(index)
        } else if (key === Qt.Key_N) {
            if (selectHere() && desk.get(desk.rowOf(index)).hasPort)
                numberListWanted(index)
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
