import QtQuick 2.12
import "."

// One cell of the layout grid holding a monitor: the tile with its picture,
// resolution, delete button, port button and number button, framed while
// selected. (Empty cells are drawn by the grid itself.) Everything it shows
// comes in as properties; presses go out as signals.
Item {
    id: cell

    property int cellIndex: 0
    property bool placed: false
    property bool selected: false
    // 1 orange frame, 0 red frame (the monitor still lacks a port or a
    // resolution).
    property int borderColor: 1
    property string portName: "--"
    property string monitorNumber: "00"
    property bool showNumber: true
    property string orientation: "h"
    property int monitorWidth: 0
    property int monitorHeight: 0
    property int tileSize: 153
    // True while the monitor is being dragged to another cell.
    readonly property bool dragging: tile_mouse.drag.active

    // Points are in the cell's own coordinates.
    signal cellPressed(int index, real x, real y)
    signal deletePressed(int index, real x, real y)
    signal portPressed(int index)
    signal numberPressed(int index)
    // The monitor was dragged and let go with its centre at (x, y).
    signal dropped(int index, real x, real y)

    anchors.fill: parent

    Rectangle {
        id: tile
        objectName: "tile"
        readonly property real homeX: (cell.width - width) / 2
        readonly property real homeY: (cell.height - height) / 2
        x: homeX
        y: homeY
        width: cell.tileSize
        height: cell.tileSize
        color: cell.placed ? Theme.cellMonitor : Theme.cellEmpty
        // The selection frame is the tile's border, drawn under the face,
        // which keeps clear of the edge.
        border.width: cell.selected ? 4 : 0
        border.color: cell.borderColor === 0 ? Theme.borderMissing : Theme.borderSelected

        // A press selects (or, on an empty cell, places) at once; moving on
        // past the drag distance carries the monitor to another cell.
        MouseArea {
            id: tile_mouse
            anchors.fill: parent
            drag.target: cell.placed ? tile : null
            preventStealing: true
            onPressed: cell.cellPressed(cell.cellIndex, mouse.x + tile.x, mouse.y + tile.y)
            onReleased: {
                if (!drag.active)
                    return
                var centreX = tile.x + tile.width / 2
                var centreY = tile.y + tile.height / 2
                tile.x = Qt.binding(function () { return tile.homeX })
                tile.y = Qt.binding(function () { return tile.homeY })
                cell.dropped(cell.cellIndex, centreX, centreY)
            }
            onCanceled: {
                tile.x = Qt.binding(function () { return tile.homeX })
                tile.y = Qt.binding(function () { return tile.homeY })
            }
        }

        Image {
            objectName: "monitorPicture"
            visible: cell.placed
            anchors.horizontalCenter: parent.horizontalCenter
            y: cell.orientation === "v" ? 12 : 20
            width: cell.orientation === "v" ? 60 : 90
            height: cell.orientation === "v" ? 84 : 66
            source: cell.orientation === "v" ? "../Images/img-monitor-v.png" : "../Images/img-monitor-h.png"
            sourceSize.width: width * 2
            sourceSize.height: height * 2
        }

        Text {
            objectName: "resolutionText"
            visible: cell.placed
            anchors.horizontalCenter: parent.horizontalCenter
            y: 98
            text: cell.monitorWidth > 0 && cell.monitorHeight > 0
                  ? cell.monitorWidth + " \u00D7 " + cell.monitorHeight : qsTr("No resolution")
            color: Theme.white
            font.family: Theme.fontFamily
            font.pixelSize: Theme.smallSize
        }

        Image {
            objectName: "deleteButton"
            visible: cell.placed
            x: parent.width - width - 6
            y: 6
            width: 20
            height: 20
            source: "../Images/btn-delete.png"
            MouseArea {
                anchors.fill: parent
                anchors.margins: -3
                cursorShape: Qt.PointingHandCursor
                onPressed: {
                    var p = mapToItem(cell, mouse.x, mouse.y)
                    cell.cellPressed(cell.cellIndex, p.x, p.y)
                    cell.deletePressed(cell.cellIndex, p.x, p.y)
                }
            }
        }

        TileButton {
            objectName: "portButton"
            visible: cell.placed
            // The port list opens at 27 px from the cell's left edge.
            x: 27 - tile.x
            y: 118
            text: cell.portName
            onPressed: {
                cell.cellPressed(cell.cellIndex, 0, 0)
                cell.portPressed(cell.cellIndex)
            }
        }

        TileButton {
            objectName: "numberButton"
            x: 81 - tile.x
            y: 118
            visible: cell.placed && cell.showNumber
            text: cell.monitorNumber
            onPressed: {
                cell.cellPressed(cell.cellIndex, 0, 0)
                cell.numberPressed(cell.cellIndex)
            }
        }
    }
}
