import QtQuick 2.12
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4
import "."
import "controls"

// Mouse Position: where the pointer appears after switching, one of five
// places. A stored value outside 1 to 5 is shown as "Lower right" but kept
// unless the user picks another place.
SettingsFrame {
    id: positionSetting

    property int pendingPosition: main.mouse_position
    property int shownPosition: 4
    readonly property var pictures: ["", "../Images/img-upperleft.png", "../Images/img-upperright.png",
                                     "../Images/img-lowerleft.png", "../Images/img-lowerright.png",
                                     "../Images/img-middle.png"]
    readonly property var buttons: [null, upper_left, upper_right, lower_left, lower_right, middle]

    function choose(code) {
        pendingPosition = code
        shownPosition = code
    }

    // Wider where a language's place names need it, so that every choice
    // stays inside the panel on both sides of the picture.
    panelWidth: Math.max(402, illustration.width + 2 * (12 + 10 + Math.max(
                             upper_left.implicitWidth, upper_right.implicitWidth,
                             lower_left.implicitWidth, lower_right.implicitWidth)))
    panelHeight: 240

    Component.onCompleted: {
        pendingPosition = main.mouse_position
        shownPosition = (main.mouse_position >= 1 && main.mouse_position <= 5) ? main.mouse_position : 4
        buttons[shownPosition].checked = true
    }

    onApply: {
        if (pendingPosition !== main.mouse_position)
            main.is_saved = 0
        main.mouse_position = pendingPosition
    }

    ExclusiveGroup { id: positions }

    Component {
        id: radioStyle
        RadioButtonStyle {
            // Indicator and label share one height, so the circle sits in
            // the middle of the text line.
            indicator: Item {
                implicitWidth: 12
                implicitHeight: 18
                Rectangle {
                    anchors.centerIn: parent
                    width: 12
                    height: 12
                    radius: 6
                    color: Theme.white
                    border.color: Theme.brand
                    border.width: 1
                    Rectangle {
                        visible: control.checked
                        anchors.centerIn: parent
                        width: 6
                        height: 6
                        radius: 3
                        color: Theme.positive
                    }
                }
            }
            label: Text {
                height: 18
                verticalAlignment: Text.AlignVCenter
                text: control.text
                color: Theme.brand
                font.family: Theme.fontFamily
                font.pixelSize: Theme.textSize
            }
        }
    }

    SettingsLabel {
        x: 25
        y: 12
        text: qsTr("Mouse position")
    }

    Image {
        id: illustration
        objectName: "illustration"
        x: (parent.width - width) / 2
        y: 55
        width: 155
        height: 90
        source: positionSetting.pictures[positionSetting.shownPosition]
    }

    RadioButton {
        id: upper_left
        objectName: "upper_left"
        anchors.right: illustration.left
        anchors.rightMargin: 12
        y: illustration.y
        text: qsTr("Upper left")
        exclusiveGroup: positions
        style: radioStyle
        FocusRing {}
        onClicked: positionSetting.choose(1)
    }
    RadioButton {
        id: upper_right
        objectName: "upper_right"
        anchors.left: illustration.right
        anchors.leftMargin: 12
        y: illustration.y
        text: qsTr("Upper right")
        exclusiveGroup: positions
        style: radioStyle
        FocusRing {}
        onClicked: positionSetting.choose(2)
    }
    RadioButton {
        id: lower_left
        objectName: "lower_left"
        anchors.right: illustration.left
        anchors.rightMargin: 12
        y: illustration.y + illustration.height - height
        text: qsTr("Lower left")
        exclusiveGroup: positions
        style: radioStyle
        FocusRing {}
        onClicked: positionSetting.choose(3)
    }
    RadioButton {
        id: lower_right
        objectName: "lower_right"
        anchors.left: illustration.right
        anchors.leftMargin: 12
        y: illustration.y + illustration.height - height
        text: qsTr("Lower right")
        exclusiveGroup: positions
        style: radioStyle
        FocusRing {}
        onClicked: positionSetting.choose(4)
    }
    RadioButton {
        id: middle
        objectName: "middle"
        anchors.horizontalCenter: illustration.horizontalCenter
        y: illustration.y + illustration.height + 10
        text: qsTr("Middle")
        exclusiveGroup: positions
        style: radioStyle
        FocusRing {}
        onClicked: positionSetting.choose(5)
    }
}
