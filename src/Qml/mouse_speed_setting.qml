import QtQuick 2.12
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4
import "."
import "controls"

// Mouse Acceleration: acceleration on or off and its speed, 0 to 10.
SettingsFrame {
    id: speedSetting

    panelWidth: 382
    panelHeight: 156

    Component.onCompleted: {
        speed_slider.value = main.mouse_speed
        speed_slider.enabled = main.mouse_speed > 0
        acceleration_box.checked = main.acceleration_flag !== 0
    }

    onApply: {
        var flag = acceleration_box.checked ? 1 : 0
        var speed = Math.round(speed_slider.value)
        if (speed !== main.mouse_speed || flag !== main.acceleration_flag)
            main.is_saved = 0
        main.mouse_speed = speed
        main.acceleration_flag = flag
    }

    SettingsCheckBox {
        id: acceleration_box
        objectName: "acceleration_box"
        x: 25
        y: 20
        text: qsTr("Mouse Acceleration")
        onCheckedChanged: {
            speed_slider.enabled = checked
            if (!checked)
                speed_slider.value = 0
        }
    }

    SettingsLabel {
        id: slow_label
        anchors.verticalCenter: speed_slider.verticalCenter
        x: 25
        text: qsTr("Slow")
    }

    Slider {
        id: speed_slider
        objectName: "speed_slider"
        x: slow_label.x + slow_label.width + 12
        y: 55
        width: 200
        height: 32
        minimumValue: 0
        maximumValue: 10
        stepSize: 1
        tickmarksEnabled: true
        updateValueWhileDragging: true

        style: SliderStyle {
            groove: Rectangle {
                implicitWidth: 200
                implicitHeight: 4
                radius: 2
                color: Theme.muted
                Rectangle {
                    width: control.value * 20
                    height: parent.height
                    radius: 2
                    color: Theme.brand
                }
            }
            handle: Rectangle {
                implicitWidth: 18
                implicitHeight: 18
                radius: 9
                color: Theme.white
                border.width: 1
                border.color: acceleration_box.checked ? Theme.brand : Theme.inactive
                Text {
                    anchors.centerIn: parent
                    text: Math.round(control.value)
                    color: acceleration_box.checked ? Theme.brand : Theme.inactive
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.tinySize
                }
            }
            tickmarks: Repeater {
                model: control.stepSize > 0 ? 1 + (control.maximumValue - control.minimumValue) / control.stepSize : 0
                Rectangle {
                    color: Theme.muted
                    width: 1
                    height: 4
                    y: control.height - 4
                    x: styleData.handleWidth / 2 + index * ((styleData.handleWidth ? control.width - styleData.handleWidth : control.width) / (control.maximumValue - control.minimumValue))
                }
            }
        }
    }
    FocusRing {
        target: speed_slider
    }

    SettingsLabel {
        anchors.verticalCenter: speed_slider.verticalCenter
        x: speed_slider.x + speed_slider.width + 12
        text: qsTr("Fast")
    }
}
