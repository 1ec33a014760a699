import QtQuick 2.12
import ".."

// Heading of a group of controls or rows: the editor's side panel, the key
// help.
Text {
    color: Theme.brand
    font.family: Theme.fontFamily
    font.pixelSize: Theme.textSize
    font.bold: true
}
