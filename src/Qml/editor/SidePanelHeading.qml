import QtQuick 2.12
import ".."

// Heading of a group in the editor's side panel.
Text {
    color: Theme.brand
    font.family: Theme.fontFamily
    font.pixelSize: Theme.textSize
    font.bold: true
}
