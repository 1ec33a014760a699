import QtQuick 2.12
import ".."

// The tile of one placed monitor, in its cell of the layout grid: picture,
// resolution, delete button, port button and number button, framed while
// selected. (Empty cells are drawn by the grid itself.) It shows one row of
// the desk model, taken as required properties; presses go out as signals.
Item {
    id: cell

    required property int gridIndex
    required property bool selected
    required property string portName
    required property string numberText
    required property bool hasPort
    required property string orientation
    required property int monitorWidth
    required property int monitorHeight
    // Pointed at by the last failed check: framed in the error colour until
    // the desk changes.
    required property bool atFault
    // The selection is framed red: the monitor still lacks its port or its
    // resolution.
    property bool alert: false
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
        color: Theme.cellMonitor
        // The selection frame is the tile's border, drawn under the face,
        // which keeps clear of the edge.
        border.width: cell.selected ? 4 : 0
        border.color: cell.alert ? Theme.borderMissing : Theme.borderSelected

        // A press selects (or, on an empty cell, places) at once; moving on
        // past the drag distance carries the monitor to another cell.
        MouseArea {
            id: tile_mouse
            anchors.fill: parent
            drag.target: tile
            preventStealing: true
            onPressed: cell.cellPressed(cell.gridIndex, mouse.x + tile.x, mouse.y + tile.y)
            onReleased: {
                if (!drag.active)
                    return
                var centreX = tile.x + tile.width / 2
                var centreY = tile.y + tile.height / 2
                tile.x = Qt.binding(function () { return tile.homeX })
                tile.y = Qt.binding(function () { return tile.homeY })
                cell.dropped(cell.gridIndex, centreX, centreY)
            }
            onCanceled: {
                tile.x = Qt.binding(function () { return tile.homeX })
                tile.y = Qt.binding(function () { return tile.homeY })
            }
        }

        Image {
            objectName: "monitorPicture"
            anchors.horizontalCenter: parent.horizontalCenter
            y: cell.orientation === "v" ? 12 : 20
            width: cell.orientation === "v" ? 60 : 90
            height: cell.orientation === "v" ? 84 : 66
            source: cell.orientation === "v" ? "../../Images/img-monitor-v.png" : "../../Images/img-monitor-h.png"
            sourceSize.width: width * 2
            sourceSize.height: height * 2
        }

        Text {
            objectName: "resolutionText"
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
            x: parent.width - width - 6
            y: 6
            width: 20
            height: 20
            source: "../../Images/btn-delete.png"
            MouseArea {
                anchors.fill: parent
                anchors.margins: -3
                cursorShape: Qt.PointingHandCursor
                onPressed: {
                    var p = mapToItem(cell, mouse.x, mouse.y)
                    cell.cellPressed(cell.gridIndex, p.x, p.y)
                    cell.deletePressed(cell.gridIndex, p.x, p.y)
                }
            }
        }

        Rectangle {
            objectName: "faultFrame"
            anchors.fill: parent
            visible: cell.atFault
            color: Theme.transparent
            border.width: 4
            border.color: Theme.borderMissing
        }

        TileButton {
            objectName: "portButton"
            // The port list opens at 27 px from the cell's left edge.
            x: 27 - tile.x
            y: 118
            text: cell.portName
            onPressed: {
                cell.cellPressed(cell.gridIndex, 0, 0)
                cell.portPressed(cell.gridIndex)
            }
        }

        TileButton {
            objectName: "numberButton"
            x: 81 - tile.x
            y: 118
            visible: cell.hasPort
            text: cell.numberText
            onPressed: {
                cell.cellPressed(cell.gridIndex, 0, 0)
                cell.numberPressed(cell.gridIndex)
            }
        }
    }
}
