import QtQuick 2.12
import QtTest 1.12

// "This computer's screens" from the File menu and its key: the port read
// from the (emulated) switch, or asked when no switch answers; the screens
// the platform reports placed on it in one undo step; a port that has
// monitors replaced only when the user agrees.
EditorCase {
    name: "ThisScreens"
    when: windowShown

    function init() {
        switchSetup.reset()
        start()
        window.vid = 0x1209
        openBlank()
        findChild(editor, "screens_command").switchWait = 10
    }

    // What the platform reports, in device pixels and as the grid's rows.
    function expectedScreens() {
        var list = []
        var screens = Qt.application.screens
        for (var i = 0; i < screens.length; ++i)
            list.push(Math.round(screens[i].width * screens[i].devicePixelRatio) + "x"
                      + Math.round(screens[i].height * screens[i].devicePixelRatio))
        return list
    }

    function placedOn(port) {
        var found = []
        for (var r = 0; r < editor.desk.count; ++r) {
            var m = editor.desk.get(r)
            if (m.port === port)
                found.push(m.width + "x" + m.height)
        }
        return found
    }

    function test_portFromTheSwitch() {
        verify(expectedScreens().length >= 1)
        keyClick(Qt.Key_D, Qt.ControlModifier | Qt.ShiftModifier)
        // The port status of this test's switch names port 3.
        tryCompare(editor.desk, "count", expectedScreens().length, 3000)
        compare(placedOn(3).sort(), expectedScreens().sort())
        // The primary screen is the port's main monitor.
        compare(editor.desk.monitorsOnPort(3)[0].numberText, "01")
        compare(window.is_saved, 0)
        // One step back gives the blank desk.
        keyClick(Qt.Key_Z, Qt.ControlModifier)
        compare(editor.desk.count, 0)
    }

    function test_askedWithoutASwitch() {
        window.vid = 0x1234 // no such switch: the user is asked
        editor.doMenuEvent(9)
        var question = dialogItem()
        tryVerify(function () { return question && findChild(question, "portChoice") !== null })
        var choice = findChild(question, "portChoice")
        choice.currentIndex = 5 // S2
        keyClick(Qt.Key_Return)
        compare(placedOn(6).sort(), expectedScreens().sort())
    }

    // A switch that refuses the port status, cuts its reply short or is
    // pulled out after opening tells no port: the user is asked.
    function test_askedWhenTheSwitchSaysNo_data() {
        return [
            { tag: "refused", name: "REFUSE", value: "port-status:1" },
            { tag: "reply cut short", name: "SHORT", value: "port-status:3" },
            { tag: "unplugged", name: "UNPLUG_AFTER", value: "0" }
        ]
    }

    function test_askedWhenTheSwitchSaysNo(data) {
        switchSetup.set(data.name, data.value)
        editor.doMenuEvent(9)
        tryVerify(function () {
            var q = child("dialog_Qml").item
            return q && findChild(q, "portChoice") !== null
        }, 3000)
        compare(editor.desk.count, 0)
        keyClick(Qt.Key_Escape)
        compare(editor.desk.count, 0)
    }

    function test_replaceOnlyWhenAgreed_data() {
        return [{ tag: "Replace", agree: true }, { tag: "Cancel", agree: false },
                { tag: "Enter", agree: false, enter: true }]
    }

    function test_replaceOnlyWhenAgreed(data) {
        openLayout([[5, 5, 3, "01"], [5, 6, 3, "02"], [5, 7, 3, "03"], [6, 5, 1, "01"]])
        findChild(editor, "screens_command").switchWait = 10
        editor.doMenuEvent(9)
        tryVerify(function () {
            var q = dialogItem()
            return q && findChild(q, "message") && findChild(q, "message").text.indexOf("P3 has monitors") === 0
        }, 3000)
        if (data.enter)
            keyClick(Qt.Key_Return)
        else
            clickItem(findChild(dialogItem(), data.agree ? "doButton" : "cancelButton"))
        if (data.agree) {
            compare(placedOn(3).sort(), expectedScreens().sort())
            compare(placedOn(1), ["1920x1080"])
        } else {
            compare(placedOn(3).length, 3)
        }
    }
}
