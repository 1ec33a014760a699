import QtQuick 2.12
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4
import ".."

// The rounded push button every notice and dialog uses. `labelWidth` is the
// width its label needs, for buttons that may grow to fit theirs; a label
// wider than its button takes narrower type, and one that still does not fit
// is elided and shown whole as the button's tool tip.
Button {
    id: button

    readonly property real labelWidth: labelMetrics.width + 16

    width: 65
    height: 30
    tooltip: labelWidth > width ? text : ""
    Accessible.name: text
    // Space presses a focused button already; Enter does as well.
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()

    TextMetrics {
        id: labelMetrics
        text: button.text
        font.family: Theme.fontFamily
        font.pixelSize: Theme.textSize
        font.bold: true
    }

    style: ButtonStyle {
        background: Rectangle {
            radius: 10
            color: Theme.panel
            border.color: Theme.brand
            border.width: 1
        }
        label: Text {
            text: control.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.textSize
            font.bold: true
            color: control.hovered ? Theme.highlight : Theme.brand
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            // Narrower type before a label is cut.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 11
            elide: Text.ElideRight
        }
    }

    FocusRing {
        radius: 12
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        cursorShape: Qt.PointingHandCursor
    }
}
