import QtQuick 2.12
import ".."

// Under a layout error page's message: the monitors the failed check points
// at, as they are marked on the grid ("P2 01 at row 3, column 5"). Hidden
// when the check named none.
Text {
    objectName: "faultLine"
    x: 25
    width: parent.width - 50
    visible: text !== ""
    text: main.faultMonitorList()
    wrapMode: Text.Wrap
    color: Theme.borderMissing
    font.family: Theme.fontFamily
    font.pixelSize: Theme.textSize
    font.bold: true
}
