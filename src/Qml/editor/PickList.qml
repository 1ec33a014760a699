import QtQuick 2.12
import ".."

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

    // From the keyboard: Up and Down move `keyRow` over the entries offered,
    // Enter chooses it, Escape closes; `keyboardClosed()` follows either.
    property int keyRow: -1
    property bool keyboard: false

    signal picked(int row)
    signal keyboardClosed()

    function offered(row) {
        var entry = model.get(row)
        return entry !== undefined && entry.enable !== false
    }

    function openByKeyboard() {
        keyRow = 0
        for (var i = 0; i < rowCount; ++i)
            if (model.get(i)[textRole] === currentText)
                keyRow = i
        keyboard = true
        forceActiveFocus()
    }

    function stepKey(delta) {
        for (var row = keyRow + delta; row >= 0 && row < rowCount; row += delta) {
            if (offered(row)) {
                keyRow = row
                return
            }
        }
    }

    Accessible.role: Accessible.List
    Keys.onUpPressed: stepKey(-1)
    Keys.onDownPressed: stepKey(1)
    Keys.onReturnPressed: if (keyRow >= 0 && offered(keyRow)) picked(keyRow)
    Keys.onEnterPressed: if (keyRow >= 0 && offered(keyRow)) picked(keyRow)
    Keys.onEscapePressed: visible = false
    Keys.onTabPressed: visible = false
    onVisibleChanged: {
        if (!visible && keyboard) {
            keyboard = false
            keyRow = -1
            keyboardClosed()
        }
    }

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

                Accessible.role: Accessible.ListItem
                Accessible.name: label
                Accessible.selected: index === pickList.keyRow

                // The row Enter would choose.
                Rectangle {
                    objectName: "keyRow"
                    anchors.fill: parent
                    visible: index === pickList.keyRow && pickList.activeFocus
                    color: Theme.transparent
                    border.color: Theme.focusRing
                    border.width: 2
                }

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
