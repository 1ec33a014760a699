import QtQuick 2.12
import ".."

// The "Ratio" slider: a thin groove filled up to a round handle. Pressing the
// groove moves the handle there, dragging moves it along, the wheel steps it.
// `value` stays a whole multiple of stepSize within minimumValue ..
// maximumValue.
Item {
    id: slider

    property real minimumValue: 0
    property real maximumValue: 1
    property real stepSize: 1
    property real value: 0
    readonly property int handleSize: 16
    readonly property real handleX: maximumValue > minimumValue
        ? (Math.min(Math.max(value, minimumValue), maximumValue) - minimumValue)
          / (maximumValue - minimumValue) * (width - handleSize)
        : 0

    function valueAt(x) {
        var span = width - handleSize
        var fraction = span > 0 ? Math.min(Math.max((x - handleSize / 2) / span, 0), 1) : 0
        var raw = minimumValue + fraction * (maximumValue - minimumValue)
        return stepSize > 0 ? minimumValue + Math.round((raw - minimumValue) / stepSize) * stepSize : raw
    }

    implicitHeight: handleSize

    Rectangle {
        objectName: "groove"
        y: (parent.height - height) / 2
        width: parent.width
        height: 4
        radius: 2
        color: Theme.muted

        Rectangle {
            width: slider.handleX + slider.handleSize / 2
            height: parent.height
            radius: 2
            color: Theme.brand
        }
    }

    Rectangle {
        objectName: "handle"
        x: slider.handleX
        y: (parent.height - height) / 2
        width: slider.handleSize
        height: slider.handleSize
        radius: slider.handleSize / 2
        color: Theme.white
        border.color: Theme.brand
        border.width: 2
    }

    MouseArea {
        anchors.fill: parent
        preventStealing: true
        onPressed: slider.value = slider.valueAt(mouse.x)
        onPositionChanged: {
            if (pressed)
                slider.value = slider.valueAt(mouse.x)
        }
        onWheel: {
            var steps = (wheel.angleDelta.y !== 0 ? wheel.angleDelta.y : wheel.angleDelta.x) / 120
            var next = slider.value + Math.round(steps) * slider.stepSize
            slider.value = Math.min(Math.max(next, slider.minimumValue), slider.maximumValue)
        }
    }
}
