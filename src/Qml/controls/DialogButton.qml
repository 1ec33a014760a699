import QtQuick 2.12
import QtQuick.Window 2.12
import Seamrun.Shell 1.0
import ".."

// The rounded push button every notice and dialog uses. `labelWidth` is the
// width its label needs, for buttons that may grow to fit theirs; a label
// wider than its button takes narrower type, and one that still does not fit
// is elided and shown whole as the button's tool tip.
//
// Made of Qt Quick items alone (the home page and the start notice show it
// in the first frame). It answers as a push button: a click, Space (on its
// release), Enter or Return, or the screen reader's press action send
// `clicked()`; Tab reaches it, a click does not take the keyboard.
FocusScope {
    id: button

    property string text: ""
    readonly property real labelWidth: labelMetrics.width + 16
    readonly property string tooltip: labelWidth > width ? text : ""
    readonly property bool hovered: mouse.containsMouse

    property bool spaceDown: false

    signal clicked()

    width: 65
    height: 30
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.focusable: true
    Accessible.onPressAction: if (enabled) button.clicked()

    Keys.onSpacePressed: {
        if (!event.isAutoRepeat)
            spaceDown = true
    }
    Keys.onReleased: {
        if (event.key !== Qt.Key_Space || event.isAutoRepeat || !spaceDown)
            return
        spaceDown = false
        event.accepted = true
        button.clicked()
    }
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()
    onActiveFocusChanged: if (!activeFocus) spaceDown = false
    onEnabledChanged: if (!enabled) ToolTip.hide()

    TextMetrics {
        id: labelMetrics
        text: button.text
        font.family: Theme.fontFamily
        font.pixelSize: Theme.textSize
        font.bold: true
    }

    Rectangle {
        anchors.fill: parent
        radius: 10
        color: Theme.panel
        border.color: Theme.brand
        border.width: 1
    }

    Text {
        objectName: "label"
        x: 4
        y: 4
        width: parent.width - 8
        height: parent.height - 8
        text: button.text
        font.family: Theme.fontFamily
        font.pixelSize: Theme.textSize
        font.bold: true
        color: button.hovered ? Theme.highlight : Theme.brand
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        // Narrower type before a label is cut.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 11
        elide: Text.ElideRight
    }

    FocusRing {
        radius: 12
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onPressed: ToolTip.hide()
        onExited: ToolTip.hide()
        onCanceled: ToolTip.hide()
        onClicked: button.clicked()
    }

    // The whole label, a second after the mouse stops on a button that
    // cuts it.
    Timer {
        interval: 1000
        running: mouse.containsMouse && !mouse.pressed && button.tooltip.length > 0
                 && button.Window.visibility !== Window.Hidden
        onTriggered: ToolTip.show(mouse, mouse.mouseX, mouse.mouseY, button.tooltip)
    }
}
