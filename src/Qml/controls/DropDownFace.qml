import QtQuick 2.12
import ".."

// The closed look of a drop-down: the rounded box and its arrow. The label
// is the drop-down's own. Shared by DropDown (inside the toolkit's style)
// and ChoiceList.
Rectangle {
    id: face

    // Drawn as a drop-down that takes no input when false.
    property bool active: true

    implicitHeight: 26
    radius: 3
    color: active ? Theme.white : Theme.disabledFill
    border.color: active ? Theme.titleBar : Theme.disabled
    border.width: 1

    // The arrow: a triangle 10 px wide and 6 px high, pointing down. Drawn
    // as the lower half of a square turned on its corner and stretched, so
    // that it needs no painting of its own and stays sharp at any density.
    Item {
        objectName: "dropDownArrow"
        width: 10
        height: 6
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        clip: true

        Item {
            width: 10
            height: 6
            transform: Scale { yScale: 6 / 5 }
            Rectangle {
                // Its diagonal is the arrow's width.
                width: 10 / Math.SQRT2
                height: width
                x: (10 - width) / 2
                y: -height / 2
                rotation: 45
                antialiasing: true
                color: face.active ? Theme.titleBar : Theme.muted
            }
        }
    }
}
