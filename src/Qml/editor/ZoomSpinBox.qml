import QtQuick 2.12
import ".."

// The "Ratio" spin box: the value right-aligned in a white box, small up and
// down arrows at its right. The arrows and the Up/Down keys step the value
// (held down, they repeat); typed digits count once Enter is pressed or the
// box loses focus. `value` stays within minimumValue .. maximumValue.
Rectangle {
    id: spinBox

    property int minimumValue: 0
    property int maximumValue: 99
    property int stepSize: 1
    property int value: 0
    readonly property int arrowWidth: 22

    function clamp(v) {
        return Math.min(Math.max(v, minimumValue), maximumValue)
    }

    function step(direction) {
        value = clamp(value + direction * stepSize)
    }

    function commitText() {
        var typed = parseInt(input.text, 10)
        if (!isNaN(typed))
            value = clamp(typed)
        input.text = value
    }

    implicitHeight: 26
    radius: 3
    color: Theme.white
    border.color: Theme.titleBar

    onValueChanged: {
        if (value !== clamp(value))
            value = clamp(value)
        else
            input.text = value
    }
    Component.onCompleted: input.text = value

    TextInput {
        id: input
        objectName: "input"
        x: 13
        width: parent.width - x - spinBox.arrowWidth
        height: parent.height
        verticalAlignment: TextInput.AlignVCenter
        horizontalAlignment: TextInput.AlignRight
        color: Theme.brand
        selectionColor: Theme.highlight
        font.family: Theme.fontFamily
        font.pixelSize: Theme.textSize
        selectByMouse: true
        validator: IntValidator { bottom: 0; top: spinBox.maximumValue }
        onEditingFinished: spinBox.commitText()
        Keys.onUpPressed: spinBox.step(1)
        Keys.onDownPressed: spinBox.step(-1)
    }

    // One arrow each for up and down, on the box's right.
    Repeater {
        model: 2
        MouseArea {
            id: arrowArea
            readonly property int direction: index === 0 ? 1 : -1
            objectName: index === 0 ? "upArrow" : "downArrow"
            x: spinBox.width - spinBox.arrowWidth
            y: index === 0 ? 0 : spinBox.height / 2
            width: spinBox.arrowWidth
            height: spinBox.height / 2
            onPressed: {
                input.focus = false
                spinBox.step(direction)
                repeat.interval = 400
                repeat.start()
            }
            onReleased: repeat.stop()
            onCanceled: repeat.stop()

            Timer {
                id: repeat
                repeat: true
                onTriggered: {
                    interval = 60
                    spinBox.step(arrowArea.direction)
                }
            }

            // A 7 x 4 arrow, 5 px above or below the box's middle: half of
            // a small square turned on its corner.
            Item {
                x: Math.floor((parent.width - width) / 2)
                y: spinBox.height / 2 + (arrowArea.direction > 0 ? -5 : 5) - height / 2 - arrowArea.y
                width: 7
                height: 4
                clip: true
                opacity: arrowArea.pressed ? 1 : 0.75
                Rectangle {
                    x: 1
                    y: arrowArea.direction > 0 ? 1.5 : -2.5
                    width: 5
                    height: 5
                    rotation: 45
                    antialiasing: true
                    color: Theme.tipText
                }
            }
        }
    }
}
