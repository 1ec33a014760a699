import QtQuick 2.12

// Footer line of the main window: the copyright line with the maker's name.
Rectangle {
    id: footControl

    color: "black"

    Text {
        objectName: "footText"
        anchors.centerIn: parent
        text: qsTr("Copyright \u00A9 2026 ") + com.getCompanyName()
              + qsTr(" Peripheral Systems Co., Ltd. All rights reserved.")
        color: "white"
        font.family: "Arial"
        font.pixelSize: 11
        font.bold: true
    }
}
