import QtQuick 2.12
import ".."

// Text of the settings dialogs.
Text {
    color: Theme.brand
    font.family: Theme.fontFamily
    font.pixelSize: Theme.textSize
}
