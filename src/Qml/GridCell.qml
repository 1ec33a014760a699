import QtQuick 2.12
import "."

// One cell of the layout grid: empty (white, the add marker while hovered
// when another monitor may be placed) or holding a monitor (tile with its
// picture, resolution, delete button, port button and number button).
// Everything it shows comes in as properties; presses go out as signals.
Item {
    id: cell

    property int cellIndex: 0
    property bool placed: false
    property bool selected: false
    // 1 orange border, 0 red border (the monitor still lacks a port or a
    // resolution).
    property int borderColor: 1
    property string portName: "--"
    property string monitorNumber: "00"
    property bool showNumber: true
    property string orientation: "h"
    property int monitorWidth: 0
    property int monitorHeight: 0
    // Whether one more monitor may be placed: decides the add marker.
    property bool canAdd: true
    property int tileSize: 153

    // Points are in the cell's own coordinates.
    signal cellPressed(int index, real x, real y)
    signal deletePressed(int index, real x, real y)
    signal portPressed(int index)
    signal numberPressed(int index)

    Rectangle {
        id: tile
        objectName: "tile"
        x: (cell.width - width) / 2
        y: (cell.height - height) / 2
        width: cell.tileSize
        height: cell.tileSize
        color: cell.placed ? Theme.cellMonitor
                           : (area.containsMouse && cell.canAdd ? Theme.addMarker : Theme.cellEmpty)
        border.width: cell.placed ? 0 : 1
        border.color: Theme.gridLine
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onPressed: cell.cellPressed(cell.cellIndex, mouse.x, mouse.y)
    }

    Image {
        objectName: "addMarker"
        anchors.centerIn: tile
        width: 96
        height: 96
        visible: !cell.placed && area.containsMouse && cell.canAdd
        source: visible ? "../Images/btn-addamonitor.png" : ""
    }

    // The monitor's face, made only for placed cells: an empty grid stays a
    // few hundred plain rectangles.
    Loader {
        anchors.fill: tile
        active: cell.placed
        sourceComponent: Item {
            Image {
                objectName: "monitorPicture"
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
                anchors.horizontalCenter: parent.horizontalCenter
                y: 98
                text: cell.monitorWidth > 0 && cell.monitorHeight > 0
                      ? cell.monitorWidth + " \u00D7 " + cell.monitorHeight : qsTr("No resolution")
                color: Theme.white
                opacity: cell.monitorWidth > 0 ? 1 : 0.8
                font.family: Theme.fontFamily
                font.pixelSize: Theme.smallSize
            }

            Image {
                objectName: "deleteButton"
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
                visible: cell.showNumber
                text: cell.monitorNumber
                onPressed: {
                    cell.cellPressed(cell.cellIndex, 0, 0)
                    cell.numberPressed(cell.cellIndex)
                }
            }
        }
    }

    // Selection frame, above the tile's face.
    Rectangle {
        objectName: "selectionFrame"
        anchors.fill: tile
        visible: cell.selected
        color: "transparent"
        border.width: 4
        border.color: cell.borderColor === 0 ? Theme.borderMissing : Theme.borderSelected
    }
}
