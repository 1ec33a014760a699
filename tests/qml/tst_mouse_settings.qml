import QtQuick 2.12
import QtTest 1.12

// The four mouse and focus settings dialogs, opened from the editor's
// "Settings" menu, against the six values the main window holds.
MainWindowCase {
    name: "MouseSettings"

    property var editor: null

    readonly property var screens: ["mouse_speed_setting.qml", "mouse_position_setting.qml",
                                    "frame_setting.qml", "keep_awake_option.qml"]

    function init() {
        openMain({})
        dismissStartNotice()
        editor = openEditor()
    }

    // Sets the six values and the saved flag, then opens dialog `n` as the
    // menu does.
    function open(n, values) {
        window.acceleration_flag = values.flag !== undefined ? values.flag : 0
        window.mouse_speed = values.speed !== undefined ? values.speed : 0
        window.mouse_position = values.position !== undefined ? values.position : 4
        window.switching_focus = values.focus !== undefined ? values.focus : 0
        window.duration_time = values.duration !== undefined ? values.duration : 1
        window.keep_awake = values.awake !== undefined ? values.awake : 0
        window.is_saved = 1
        editor.doMenuEvent(5 + n)
        var dialog = child("dialog_Qml")
        verify(dialog.visible)
        verify(dialog.source.toString().indexOf("/" + screens[n]) >= 0)
        tryCompare(dialog, "status", 1)
        waitForRendering(window.contentItem)
        return dialog.item
    }

    function values() {
        return [window.acceleration_flag, window.mouse_speed, window.mouse_position,
                window.switching_focus, window.duration_time, window.keep_awake]
    }

    function ok(dialog) {
        clickItem(findChild(dialog, "okButton"))
        compare(child("dialog_Qml").visible, false)
    }

    function test_acceleration_data() {
        return [
            { tag: "tick at speed 0", start: { flag: 0, speed: 0 }, ticked: false, slider: 0, enabled: false,
              tick: true, result: [1, 0], saved: 0 },
            { tag: "move then untick", start: { flag: 0, speed: 0 }, ticked: false, slider: 0, enabled: false,
              tick: true, move: 7, untick: true, result: [0, 0], saved: 1 },
            { tag: "untick resets speed", start: { flag: 1, speed: 6 }, ticked: true, slider: 6, enabled: true,
              untick: true, result: [0, 0], saved: 0 },
            { tag: "faster", start: { flag: 1, speed: 4 }, ticked: true, slider: 4, enabled: true,
              move: 10, result: [1, 10], saved: 0 },
            { tag: "no change", start: { flag: 1, speed: 4 }, ticked: true, slider: 4, enabled: true,
              result: [1, 4], saved: 1 },
            { tag: "on at speed 0", start: { flag: 1, speed: 0 }, ticked: true, slider: 0, enabled: true,
              result: [1, 0], saved: 1 }
        ]
    }

    function test_acceleration(data) {
        var dialog = open(0, data.start)
        var panel = findChild(dialog, "panel")
        compare([panel.width, panel.height], [382, 156])
        var box = findChild(dialog, "acceleration_box")
        var slider = findChild(dialog, "speed_slider")
        compare(box.checked, data.ticked)
        compare(slider.value, data.slider)
        compare(slider.enabled, data.enabled)
        compare(slider.width, 200)
        if (data.tick) {
            clickItem(box)
            verify(box.checked)
            verify(slider.enabled)
        }
        if (data.move !== undefined)
            slider.value = data.move
        if (data.untick) {
            clickItem(box)
            compare(box.checked, false)
            compare(slider.enabled, false)
            compare(slider.value, 0)
        }
        ok(dialog)
        compare([window.acceleration_flag, window.mouse_speed], data.result)
        compare(window.is_saved, data.saved)
    }

    function test_position_data() {
        return [
            { tag: "from a file: 9", start: 9, shown: "lower_right", picture: "img-lowerright.png", result: 9, saved: 1 },
            { tag: "upper right, no change", start: 2, shown: "upper_right", picture: "img-upperright.png", result: 2, saved: 1 },
            { tag: "to middle", start: 2, shown: "upper_right", picture: "img-upperright.png",
              choose: "middle", chosenPicture: "img-middle.png", result: 5, saved: 0 },
            { tag: "9 to lower right", start: 9, shown: "lower_right", picture: "img-lowerright.png",
              choose: "upper_left", chosenPicture: "img-upperleft.png", result: 1, saved: 0 },
            { tag: "same again", start: 3, shown: "lower_left", picture: "img-lowerleft.png",
              choose: "lower_left", chosenPicture: "img-lowerleft.png", result: 3, saved: 1 }
        ]
    }

    function test_position(data) {
        var dialog = open(1, { position: data.start })
        var panel = findChild(dialog, "panel")
        compare([panel.width, panel.height], [402, 240])
        var names = ["upper_left", "upper_right", "lower_left", "lower_right", "middle"]
        for (var i = 0; i < names.length; ++i)
            compare(findChild(dialog, names[i]).checked, names[i] === data.shown, names[i])
        var picture = findChild(dialog, "illustration")
        verify(picture.source.toString().indexOf("/" + data.picture) >= 0)
        if (data.choose) {
            clickItem(findChild(dialog, data.choose))
            verify(findChild(dialog, data.choose).checked)
            verify(picture.source.toString().indexOf("/" + data.chosenPicture) >= 0)
        }
        ok(dialog)
        compare(window.mouse_position, data.result)
        compare(window.is_saved, data.saved)
    }

    function test_focus_data() {
        return [
            { tag: "off, 10 seconds", start: { focus: 0, duration: 3 }, ticked: false, entry: "10 Seconds",
              result: [0, 3], saved: 1 },
            { tag: "switch off", start: { focus: 1, duration: 1 }, ticked: true, entry: "3 Seconds",
              untick: true, result: [0, 1], saved: 0 },
            { tag: "always to 5 seconds", start: { focus: 1, duration: 0 }, ticked: true, entry: "Always",
              choose: 1, result: [1, 2], saved: 0 },
            { tag: "switch on", start: { focus: 0, duration: 2 }, ticked: false, entry: "5 Seconds",
              tick: true, result: [1, 2], saved: 0 },
            { tag: "unknown duration", start: { focus: 1, duration: 7 }, ticked: true, entry: "3 Seconds",
              result: [1, 1], saved: 0 }
        ]
    }

    function test_focus(data) {
        window.frame_color = "#33FF33"
        var dialog = open(2, data.start)
        var panel = findChild(dialog, "panel")
        compare([panel.width, panel.height], [382, 200])
        var box = findChild(dialog, "focus_box")
        var list = findChild(dialog, "duration_list")
        compare(box.checked, data.ticked)
        compare(list.currentText, data.entry)
        compare(list.enabled, data.ticked)
        compare(list.width, 150)
        if (data.tick || data.untick) {
            clickItem(box)
            compare(list.enabled, box.checked)
        }
        if (data.choose !== undefined)
            list.currentIndex = data.choose
        ok(dialog)
        compare([window.switching_focus, window.duration_time], data.result)
        compare(window.is_saved, data.saved)
        compare(window.frame_color, "#33FF33")
    }

    function test_keepAwake_data() {
        return [
            { tag: "off to always", start: 0, entry: "Off", choose: 2, result: 2, saved: 0 },
            { tag: "when working kept", start: 1, entry: "When Working", result: 1, saved: 1 },
            { tag: "always to off", start: 2, entry: "Always", choose: 0, result: 0, saved: 0 }
        ]
    }

    function test_keepAwake(data) {
        var dialog = open(3, { awake: data.start })
        var panel = findChild(dialog, "panel")
        compare([panel.width, panel.height], [382, 200])
        var list = findChild(dialog, "awake_list")
        compare(list.width, 180)
        compare(list.currentText, data.entry)
        if (data.choose !== undefined)
            list.currentIndex = data.choose
        ok(dialog)
        compare(window.keep_awake, data.result)
        compare(window.is_saved, data.saved)
    }

    // The close image keeps every value, whatever was changed in the dialog.
    function test_closeKeepsValues_data() {
        return [
            { tag: "acceleration", n: 0, edit: function(d) {
                clickItem(findChild(d, "acceleration_box")); findChild(d, "speed_slider").value = 8 } },
            { tag: "position", n: 1, edit: function(d) { clickItem(findChild(d, "upper_left")) } },
            { tag: "focus", n: 2, edit: function(d) {
                clickItem(findChild(d, "focus_box")); findChild(d, "duration_list").currentIndex = 3 } },
            { tag: "keep awake", n: 3, edit: function(d) { findChild(d, "awake_list").currentIndex = 2 } }
        ]
    }

    function test_closeKeepsValues(data) {
        var start = { flag: 0, speed: 3, position: 9, focus: 1, duration: 2, awake: 1 }
        var dialog = open(data.n, start)
        data.edit(dialog)
        clickItem(findChild(dialog, "closeImage"))
        compare(child("dialog_Qml").visible, false)
        compare(values(), [0, 3, 9, 1, 2, 1])
        compare(window.is_saved, 1)

        // Opened again, the dialog starts from the stored values, not the edits.
        dialog = open(data.n, start)
        ok(dialog)
        compare(values(), [0, 3, 9, 1, 2, 1])
        compare(window.is_saved, 1)
    }

    function test_wheelOverDropDowns_data() {
        return [
            { tag: "duration", n: 2, list: "duration_list", start: { focus: 1, duration: 2 }, index: 1 },
            { tag: "keep awake", n: 3, list: "awake_list", start: { awake: 1 }, index: 1 }
        ]
    }

    function test_wheelOverDropDowns(data) {
        var dialog = open(data.n, data.start)
        var list = findChild(dialog, data.list)
        mouseWheel(list, list.width / 2, list.height / 2, 0, -120)
        mouseWheel(list, list.width / 2, list.height / 2, 0, 120)
        mouseWheel(list, list.width / 2, list.height / 2, 0, 120)
        compare(list.currentIndex, data.index)
    }
}
