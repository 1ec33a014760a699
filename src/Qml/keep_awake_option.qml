import QtQuick 2.12
import "controls"

// Keep Awake Option: keeps the computers behind the switch from sleeping.
SettingsFrame {
    id: keepAwakeSetting

    panelWidth: 382
    panelHeight: 200

    Component.onCompleted: awake_list.currentIndex = main.keep_awake

    onApply: {
        if (awake_list.currentIndex !== main.keep_awake)
            main.is_saved = 0
        main.keep_awake = awake_list.currentIndex
    }

    SettingsLabel {
        x: 25
        y: 20
        text: qsTr("Keep Awake Option")
    }

    DropDown {
        id: awake_list
        objectName: "awake_list"
        x: 25
        y: 55
        width: 180
        model: [qsTr("Off"), qsTr("When Working"), qsTr("Always")]
    }
}
