import QtQuick 2.12

// Footer line of the main window: the company line.
Rectangle {
    id: footControl

    color: "#084576"

    Text {
        anchors.centerIn: parent
        text: "Copyright \u00A9 " + com.getCompanyName()
        color: "white"
        font.family: "Arial"
        font.pixelSize: 11
    }
}
