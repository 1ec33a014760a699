import QtQuick 2.12
import "controls"

// Seamrun Switching Focus: a frame on the screen the mouse switched to, on or
// off, and how long it stays.
SettingsFrame {
    id: frameSetting

    // Drop-down entries in order, with the code each stands for.
    readonly property var durationCodes: [1, 2, 3, 0]
    property string frameColor: main.frame_color

    panelWidth: 382
    panelHeight: 200

    Component.onCompleted: {
        frameColor = main.frame_color
        focus_box.checked = main.switching_focus === 1
        var index = durationCodes.indexOf(main.duration_time)
        duration_list.currentIndex = index >= 0 ? index : 0
    }

    onApply: {
        var focusFlag = focus_box.checked ? 1 : 0
        var duration = durationCodes[duration_list.currentIndex]
        if (focusFlag !== main.switching_focus || duration !== main.duration_time)
            main.is_saved = 0
        main.switching_focus = focusFlag
        main.duration_time = duration
        main.frame_color = frameColor
    }

    SettingsCheckBox {
        id: focus_box
        objectName: "focus_box"
        x: 25
        y: 20
        text: qsTr("Seamrun Switching Focus")
    }

    SettingsLabel {
        id: duration_label
        x: 25
        anchors.verticalCenter: duration_list.verticalCenter
        text: qsTr("Duration")
    }

    DropDown {
        id: duration_list
        objectName: "duration_list"
        x: duration_label.x + duration_label.width + 15
        y: 60
        width: 150
        enabled: focus_box.checked
        model: [qsTr("3 Seconds"), qsTr("5 Seconds"), qsTr("10 Seconds"), qsTr("Always")]
    }
}
