import QtQuick 2.12
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4
import ".."

// Check box of the settings dialogs.
CheckBox {
    id: box

    Accessible.name: text
    // Space ticks a focused box already; Enter is left to the dialog.
    FocusRing {}

    style: CheckBoxStyle {
        indicator: Rectangle {
            implicitWidth: 14
            implicitHeight: 14
            radius: 2
            color: Theme.white
            border.color: Theme.brand
            border.width: 1
            Rectangle {
                visible: control.checked
                anchors.fill: parent
                anchors.margins: 3
                radius: 1
                color: Theme.brand
            }
        }
        label: Text {
            text: control.text
            color: Theme.brand
            font.family: Theme.fontFamily
            font.pixelSize: Theme.textSize
        }
    }
}
