import QtQuick 2.12
import ".."

// Shading laid over the window behind a dialog; swallows every press, hover
// and wheel so nothing behind it reacts.
Rectangle {
    id: mask

    anchors.fill: parent
    z: 4
    color: Theme.shade
    opacity: 0.2

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }
}
