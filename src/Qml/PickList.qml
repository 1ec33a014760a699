import QtQuick 2.12
import "."

// A short list that opens under (or over) a monitor's port or number button:
// one 24 px row per model entry, the current value highlighted, entries whose
// `enable` is false greyed out and not offered. Reports the row chosen.
Rectangle {
    id: pickList

    property alias model: rows.model
    property int rowCount: 0
    property string textRole: ""
    property string currentText: ""
    readonly property int rowHeight: 24

    signal picked(int row)

    height: rowCount * rowHeight + 2
    z: 20
    visible: false
    color: Theme.white
    border.color: Theme.titleBar
    border.width: 1

    // Presses between the rows stop here rather than reach the cell below.
    MouseArea {
        anchors.fill: parent
    }

    Column {
        x: 1
        y: 1
        Repeater {
            id: rows
            Rectangle {
                readonly property string label: model[pickList.textRole]
                readonly property bool offered: model.enable !== false
                readonly property bool current: label === pickList.currentText
                objectName: "row_" + label
                width: pickList.width - 2
                height: pickList.rowHeight
                color: current ? Theme.titleBar : (area.containsMouse && offered ? Theme.panel : Theme.white)

                Text {
                    anchors.centerIn: parent
                    text: parent.label
                    color: parent.current ? Theme.white : (parent.offered ? Theme.titleBar : Theme.disabled)
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.textSize
                    font.bold: parent.current
                }

                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: parent.offered ? Qt.PointingHandCursor : Qt.ArrowCursor
                    onClicked: {
                        if (parent.offered)
                            pickList.picked(index)
                    }
                }
            }
        }
    }
}
