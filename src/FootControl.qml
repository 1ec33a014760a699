import QtQuick 2.12
import "Qml"

// Footer line of the main window: the copyright line with the maker's name.
Rectangle {
    id: footControl

    color: Theme.footerBar

    Text {
        objectName: "footText"
        anchors.centerIn: parent
        // One sentence for the translators; the maker's name goes in as it is.
        text: qsTr("Copyright \u00A9 2026 %1 Peripheral Systems Co., Ltd. All rights reserved.")
              .arg(com.getCompanyName())
        color: Theme.white
        font.family: Theme.fontFamily
        font.pixelSize: Theme.footerSize
        font.bold: true
    }
}
