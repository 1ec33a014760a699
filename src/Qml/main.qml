import QtQuick 2.12
import QtQuick.Window 2.12
import Qt.Quick.OrrinData 1.0

// The main window: title bar, page area and footer.
Window {
    id: main

    function quitAp() {
        main.close()
    }

    width: 1280
    height: 755
    visible: true
    flags: Qt.FramelessWindowHint | Qt.WindowMinimizeButtonHint | Qt.Window
    title: qsTr("Seamrun Switching Configuration Utility")
    color: "#F1F1F1"

    Loader {
        id: head_part
        x: 0
        y: 0
        width: parent.width
        height: 33
        source: "../HeadControl.qml"
    }

    Loader {
        id: footer
        x: 0
        width: parent.width
        height: 20
        anchors.bottom: parent.bottom
        source: "../FootControl.qml"
    }
}
