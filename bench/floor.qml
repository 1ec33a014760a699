import QtQuick 2.12
import QtQuick.Controls 1.4
import QtQuick.Window 2.12

ApplicationWindow {
    width: 1280
    height: 755
    visible: true
    flags: Qt.FramelessWindowHint | Qt.Window
    Button {
        anchors.centerIn: parent
        text: "OK"
    }
}
