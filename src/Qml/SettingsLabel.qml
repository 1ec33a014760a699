import QtQuick 2.12

// Text of the settings dialogs.
Text {
    color: "#084576"
    font.family: "Arial"
    font.pixelSize: 14
}
