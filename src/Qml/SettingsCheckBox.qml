import QtQuick 2.12
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4

// Check box of the settings dialogs.
CheckBox {
    style: CheckBoxStyle {
        indicator: Rectangle {
            implicitWidth: 14
            implicitHeight: 14
            radius: 2
            color: "white"
            border.color: "#084576"
            border.width: 1
            Rectangle {
                visible: control.checked
                anchors.fill: parent
                anchors.margins: 3
                radius: 1
                color: "#084576"
            }
        }
        label: Text {
            text: control.text
            color: "#084576"
            font.family: "Arial"
            font.pixelSize: 14
        }
    }
}
