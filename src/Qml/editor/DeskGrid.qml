import QtQuick 2.12
import Seamrun.Layout 1.0
import ".."
import "../controls"

// The layout grid: the 16 x 16 cells, a tile for every monitor of the desk,
// the add marker under the mouse, the marked empty cell, the port and number
// lists of a tile, the keyboard cursor, the scroll bars and the delete
// question. It shows the desk it is given; what the user asks of a cell goes
// out as signals.
Rectangle {
    id: grid

    // The desk shown, and the lists the tiles' buttons open: the port
    // choices {portname, enable} and the numbers of one port {monitornum}.
    property DeskModel desk: null
    property var portChoices: null
    property var numberChoices: null
    property int rows: 16
    property int columns: 16
    property real cellWidth: 155
    property real cellHeight: 155
    property real tileSize: 153
    property int maxMonitors: 16
    // Drawing scale of the grid (the zoom).
    property real zoom: 1
    // The monitor whose delete button opened the prompt: "OK" deletes that
    // one, whatever was selected since.
    property int deleteTarget: -1
    // Counts the desk's changes, for bindings that ask it questions.
    property int deskRevision: 0

    // A press on cell `index`, at (x, y) of the cell.
    signal cellPressed(int index, real x, real y)
    signal deletePressed(int index, real x, real y, bool byKeyboard)
    signal portPressed(int index, bool byKeyboard)
    signal numberPressed(int index, bool byKeyboard)
    // A monitor dragged from `index` and let go at (x, y) of its cell.
    signal dropped(int index, real x, real y)
    signal moveWanted(int from, int to)
    // Row `row` of the port choices, or number `number`, was picked.
    signal portPicked(int row)
    signal numberPicked(string number)
    // A key asks port `port` for the selected monitor.
    signal portWanted(int port)
    signal deleteConfirmed(int index)
    signal resolutionWanted()
    signal helpWanted()

    // The grid scrolls so that the area (x, y, w, h) of the unscaled grid
    // is in view.
    function showArea(x, y, w, h) {
        var view = grid_view
        var left = x * zoom, top = y * zoom
        var right = (x + w) * zoom, bottom = (y + h) * zoom
        if (left < view.contentX)
            view.contentX = left
        else if (right > view.contentX + view.width)
            view.contentX = Math.min(right - view.width, Math.max(0, view.contentWidth - view.width))
        if (top < view.contentY)
            view.contentY = top
        else if (bottom > view.contentY + view.height)
            view.contentY = Math.min(bottom - view.height, Math.max(0, view.contentHeight - view.height))
    }

    function focusCursor() {
        grid_cursor.forceActiveFocus()
    }

    // The delete question of the monitor on `index`, beside (x, y) of its
    // cell. `byKeyboard`: it takes the focus, on "Cancel" so that Enter
    // keeps the monitor, and gives it back to the cursor when it closes.
    function showDeletePrompt(index, x, y, byKeyboard) {
        var p = grid_layer.mapToItem(grid, (index % columns) * cellWidth + x,
                                     Math.floor(index / columns) * cellHeight + y)
        var px = p.x + 6
        // To the left of the press when it would pass the grid's right edge.
        if (px + del_dialog.width > width)
            px = p.x - 6 - del_dialog.width
        del_dialog.x = Math.max(0, px)
        del_dialog.y = Math.max(0, Math.min(p.y, height - del_dialog.height))
        deleteTarget = index
        del_dialog.active = true
        del_dialog.visible = true
        if (byKeyboard)
            del_dialog.item.focusCancel()
    }

    function hideDeletePrompt() {
        del_dialog.visible = false
    }

    function hideLists() {
        port_list.visible = false
        monitor_listview.visible = false
    }

    // Where a list that opens from a tile's button goes: below the button,
    // or above it where the part of the grid in view (or the grid itself,
    // in its last two rows) has no room for it below and has room above.
    function placeTileList(list, index, left) {
        var row = Math.floor(index / columns) + 1
        list.x = (index % columns) * cellWidth + left
        var buttonTop = (row - 1) * cellHeight + 1 + 118
        var below = buttonTop + 24
        var viewTop = grid_view.contentY / zoom
        var viewBottom = (grid_view.contentY + grid_view.height) / zoom
        var roomBelow = row <= rows - 2 && below + list.height <= viewBottom
        var roomAbove = buttonTop - list.height >= viewTop
        list.y = !roomBelow && (roomAbove || row > rows - 2) ? buttonTop - list.height : below
    }

    function showPortList(index, current, byKeyboard) {
        monitor_listview.visible = false
        port_list.currentText = current
        placeTileList(port_list, index, 27)
        port_list.visible = true
        if (byKeyboard)
            port_list.openByKeyboard()
    }

    function showNumberList(index, current, byKeyboard) {
        port_list.visible = false
        monitor_listview.currentText = current
        placeTileList(monitor_listview, index, 81)
        monitor_listview.visible = true
        if (byKeyboard)
            monitor_listview.openByKeyboard()
    }

    color: Theme.white
    clip: true

    // The wheel scrolls the grid by three lines of 20 px a notch;
    // dragging the grid itself does not (a press places or selects).
    MouseArea {
        id: grid_wheel
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        onWheel: {
            var step = 60 / 120
            if (wheel.angleDelta.y !== 0 && !(wheel.modifiers & Qt.ShiftModifier))
                v_bar.scrollTo(grid_view.contentY - wheel.angleDelta.y * step)
            else
                h_bar.scrollTo(grid_view.contentX - (wheel.angleDelta.x !== 0 ? wheel.angleDelta.x : wheel.angleDelta.y) * step)
        }
    }

    Flickable {
        id: grid_view
        objectName: "grid_view"
        // The bars keep 1 px off the area's edges.
        width: parent.width - (v_bar.visible ? v_bar.width + 1 : 0)
        height: parent.height - (h_bar.visible ? h_bar.height + 1 : 0)
        clip: true
        interactive: false
        boundsBehavior: Flickable.StopAtBounds
        contentWidth: grid_canvas.width
        contentHeight: grid_canvas.height

        // The grid at the current zoom: the cells stay 155 px apart
        // and are drawn scaled.
        Item {
            id: grid_canvas
            width: grid.columns * grid.cellWidth * grid.zoom
            height: grid.rows * grid.cellHeight * grid.zoom

            Item {
                id: grid_layer
                objectName: "grid_layer"
                width: grid.columns * grid.cellWidth
                height: grid.rows * grid.cellHeight
                scale: grid.zoom
                transformOrigin: Item.TopLeft

                // Empty cells are only drawn: white ground, thin lines.
                Repeater {
                    model: grid.rows + 1
                    Rectangle {
                        y: index * grid.cellHeight - 1
                        width: grid_layer.width
                        height: 2
                        color: Theme.gridLine
                    }
                }
                Repeater {
                    model: grid.columns + 1
                    Rectangle {
                        x: index * grid.cellWidth - 1
                        width: 2
                        height: grid_layer.height
                        color: Theme.gridLine
                    }
                }

                // Presses and hover on empty cells; a placed monitor
                // takes its own presses.
                MouseArea {
                    id: grid_mouse
                    objectName: "grid_mouse"
                    anchors.fill: parent
                    hoverEnabled: true
                    readonly property int hoverIndex: containsMouse
                        ? Math.floor(mouseY / grid.cellHeight) * grid.columns
                          + Math.floor(mouseX / grid.cellWidth)
                        : -1
                    onPressed: {
                        var col = Math.floor(mouse.x / grid.cellWidth)
                        var row = Math.floor(mouse.y / grid.cellHeight)
                        if (col < 0 || row < 0 || col >= grid.columns || row >= grid.rows)
                            return
                        grid.cellPressed(row * grid.columns + col,
                                           mouse.x - col * grid.cellWidth,
                                           mouse.y - row * grid.cellHeight)
                    }
                }

                // The marks come and go as the mouse moves and the selection
                // changes. They live in a holder of their own: when a child
                // of the layer appears or disappears, the layer's whole
                // drawing (every cell and tile) is taken down and put up
                // again.
                Item {
                    // The add marker, on the empty cell under the mouse
                    // while another monitor may be placed.
                    Rectangle {
                        id: add_marker
                        objectName: "addMarker"
                        readonly property int cell: grid_mouse.hoverIndex
                        visible: cell >= 0 && grid.desk.count < grid.maxMonitors
                                 && grid.deskRevision >= 0 && grid.desk.rowOf(cell) < 0
                        x: (cell % grid.columns) * grid.cellWidth + 1
                        y: Math.floor(cell / grid.columns) * grid.cellHeight + 1
                        width: grid.tileSize
                        height: grid.tileSize
                        color: Theme.addMarker
                        Image {
                            anchors.centerIn: parent
                            width: 96
                            height: 96
                            source: "../../Images/btn-addamonitor.png"
                        }
                    }

                    // The marked empty cell: selected, holding no monitor,
                    // under the slots (a dragged tile passes over it).
                    Rectangle {
                        objectName: "markedCell"
                        readonly property int cell: grid.desk.selectedRow < 0 ? grid.desk.selectedIndex : -1
                        visible: cell >= 0
                        x: (cell % grid.columns) * grid.cellWidth + (grid.cellWidth - width) / 2
                        y: Math.floor(cell / grid.columns) * grid.cellHeight + (grid.cellHeight - height) / 2
                        width: grid.tileSize
                        height: grid.tileSize
                        color: Theme.cellEmpty
                        border.width: 4
                        border.color: grid.desk.selectionAlert ? Theme.borderMissing : Theme.borderSelected
                    }
                }

                // One light, named slot per cell, placed by the
                // grid; a placed (or marked) cell's slot holds a tile.
                Grid {
                    columns: grid.columns
                    Repeater {
                        id: grid_cells
                        objectName: "grid_cells"
                        model: grid.rows * grid.columns
                        Item {
                            objectName: "cell" + index
                            width: 155
                            height: 155
                        }
                    }
                }

                // A tile for every placed monitor, in the slot of its
                // cell. (An Instantiator, not a Repeater: the tiles
                // live in the slots, not as siblings of a repeater.)
                Instantiator {
                    model: grid.desk
                    // A removed monitor's tile leaves the grid at once; the
                    // object itself is deleted later, after the next frame.
                    onObjectRemoved: object.parent = null
                    delegate: GridCell {
                        parent: grid_cells.count > gridIndex ? grid_cells.itemAt(gridIndex) : null
                        tileSize: grid.tileSize
                        alert: grid.desk.selectionAlert

                        onCellPressed: grid.cellPressed(index, x, y)
                        onDeletePressed: grid.deletePressed(index, x, y, false)
                        onPortPressed: grid.portPressed(index, false)
                        onNumberPressed: grid.numberPressed(index, false)
                        onDropped: grid.dropped(index, x, y)
                        // A dragged monitor passes over the other cells.
                        onDraggingChanged: {
                            if (parent)
                                parent.z = dragging ? 1 : 0
                        }
                    }
                }

                // The lists open and close; in a holder, as the marks.
                Item {
                    // Port choices of the selected monitor.
                    PickList {
                        id: port_list
                        objectName: "port_list"
                        width: 64
                        model: grid.portChoices
                        rowCount: grid.portChoices.count
                        textRole: "portname"
                        onPicked: grid.portPicked(row)
                        onKeyboardClosed: grid.focusCursor()
                    }

                    // Numbers of the selected monitor's port.
                    PickList {
                        id: monitor_listview
                        objectName: "monitor_listview"
                        width: 48
                        model: grid.numberChoices
                        rowCount: grid.numberChoices.count
                        textRole: "monitornum"
                        onPicked: grid.numberPicked(grid.numberChoices.get(row).monitornum)
                        onKeyboardClosed: grid.focusCursor()
                    }
                }

                GridCursor {
                    id: grid_cursor
                    objectName: "grid_cursor"
                    desk: grid.desk
                    rows: grid.rows
                    columns: grid.columns
                    cellWidth: grid.cellWidth
                    cellHeight: grid.cellHeight
                    onCellShown: grid.showArea(x, y, width, height)
                    onResolutionWanted: grid.resolutionWanted()
                    onCellPressed: grid.cellPressed(index, cellWidth / 2, cellHeight / 2)
                    onDeleteWanted: grid.deletePressed(index, cellWidth - 16, 16, true)
                    onPortWanted: grid.portWanted(port)
                    onPortListWanted: grid.portPressed(index, true)
                    onNumberListWanted: grid.numberPressed(index, true)
                    onMoveWanted: grid.moveWanted(from, to)
                    onHelpWanted: grid.helpWanted()
                }
            }
        }
    }

    GridScrollBar {
        id: v_bar
        objectName: "v_bar"
        x: grid_view.width
        y: 1
        height: grid_view.height - 1
        flickable: grid_view
        vertical: true
    }

    GridScrollBar {
        id: h_bar
        objectName: "h_bar"
        y: grid_view.height
        width: grid_view.width
        flickable: grid_view
        vertical: false
    }

    Rectangle {
        x: grid_view.width
        y: grid_view.height
        width: 10
        height: 10
        visible: v_bar.visible && h_bar.visible
        color: Theme.panel
    }

    // The delete question comes and goes: in a holder, so that the grid
    // keeps its drawing.
    Item {
        z: 5

        // Question before a monitor is deleted, next to the press; made
        // the first time it is shown.
        Loader {
            id: del_dialog
            objectName: "del_dialog"
            width: item ? item.neededWidth : 190
            height: 78
            visible: false
            active: false

            sourceComponent: DeletePrompt {
                onCloseWanted: grid.hideDeletePrompt()
                onConfirmed: {
                    grid.hideDeletePrompt()
                    grid.deleteConfirmed(grid.deleteTarget)
                }
                onKeyboardLeft: grid.focusCursor()
            }
        }
    }

    // Scrolling moves the grid away from an open delete prompt.
    Connections {
        target: grid_view
        function onContentXChanged() { grid.hideDeletePrompt() }
        function onContentYChanged() { grid.hideDeletePrompt() }
    }
    Connections {
        target: grid.desk
        function onDeskChanged() { grid.deskRevision += 1 }
    }
}
