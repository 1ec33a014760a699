import QtQuick 2.12
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4
import "."

// Drop-down of the settings screens and the language list. The wheel never
// changes its choice: a value that changes while the user only scrolls the
// page is a value the user did not pick.
ComboBox {
    id: dropDown

    height: 26

    style: ComboBoxStyle {
        background: Rectangle {
            implicitHeight: 26
            radius: 3
            color: control.enabled ? Theme.white : Theme.disabledFill
            border.color: control.enabled ? Theme.titleBar : Theme.disabled
            border.width: 1

            Canvas {
                id: arrow
                width: 10
                height: 6
                anchors.right: parent.right
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                property color fill: control.enabled ? Theme.titleBar : Theme.muted
                onFillChanged: requestPaint()
                onPaint: {
                    var ctx = getContext("2d")
                    ctx.reset()
                    ctx.fillStyle = fill
                    ctx.beginPath()
                    ctx.moveTo(0, 0)
                    ctx.lineTo(width, 0)
                    ctx.lineTo(width / 2, height)
                    ctx.closePath()
                    ctx.fill()
                }
            }
        }
        label: Text {
            text: control.currentText
            verticalAlignment: Text.AlignVCenter
            color: control.enabled ? Theme.titleBar : Theme.muted
            font.family: Theme.fontFamily
            font.pixelSize: Theme.textSize
            elide: Text.ElideRight
        }
        __dropDownStyle: MenuStyle {
            __maxPopupHeight: 200
            __menuItemType: "comboboxitem"
            frame: Rectangle {
                color: Theme.white
                border.color: Theme.titleBar
                border.width: 1
            }
            itemDelegate.background: Rectangle {
                color: styleData.selected ? Theme.titleBar : Theme.white
            }
            itemDelegate.label: Text {
                text: styleData.text
                color: styleData.selected ? Theme.white : Theme.titleBar
                font.family: Theme.fontFamily
                font.pixelSize: Theme.textSize
                verticalAlignment: Text.AlignVCenter
            }
        }
    }

    Accessible.name: currentText

    FocusRing {}

    // Presses go through to the drop-down; the wheel stops here.
    MouseArea {
        objectName: "wheelCatcher"
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        onWheel: wheel.accepted = true
    }
}
