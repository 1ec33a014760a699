import QtQuick 2.12
import "."

// A short list that opens under (or over) a monitor's port or number button:
// one 24 px row per model entry, the current value highlighted, entries whose
// `enable` is false greyed out and not offered. Reports the row chosen.
Rectangle {
    id: pickList

    property var model: null
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

    // Rows are placed by their index, not by a Column: a Column would only
    // place rows made at opening on its next polish, and a press right after
    // opening would land on the wrong row.
    Item {
        x: 1
        y: 1
        // Rows exist only while the list is shown: the models change with
        // every edit, and rows nobody sees would be made and thrown away.
        Repeater {
            id: rows
            model: pickList.visible ? pickList.model : null
            Rectangle {
                readonly property string label: model[pickList.textRole]
                readonly property bool offered: model.enable !== false
                readonly property bool current: label === pickList.currentText
                objectName: "row_" + label
                y: index * pickList.rowHeight
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
