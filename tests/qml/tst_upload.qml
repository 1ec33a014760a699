import QtQuick 2.12
import QtTest 1.12

// "Save to device" from the editor's button to the switch: the real main
// window and editor, the emulated switch behind hidapi set up per case
// (switchSetup), and what the switch received read back from its own log.
MainWindowCase {
    id: testCase
    name: "SaveToDevice"
    when: windowShown

    property int seenLines: 0
    property var editor: null

    // Two ports of two monitors each, side by side: P2 at columns 2-3 and the
    // secondary switch's S2 (port 6) at columns 4-5 of row 2.
    readonly property var mixedPorts: [
        {row: "2", col: "2", width: "1920", height: "1080", portnum: "2", monitornum: "01"},
        {row: "2", col: "3", width: "1920", height: "1080", portnum: "2", monitornum: "02"},
        {row: "2", col: "4", width: "1280", height: "1024", portnum: "6", monitornum: "01"},
        {row: "2", col: "5", width: "1280", height: "1024", portnum: "6", monitornum: "02"}
    ]
    // The same ports the other way round: S2 (port 6) at columns 2-3, P2 at 4-5.
    readonly property var secondaryFirst: [
        {row: "2", col: "2", width: "1280", height: "1024", portnum: "6", monitornum: "01"},
        {row: "2", col: "3", width: "1280", height: "1024", portnum: "6", monitornum: "02"},
        {row: "2", col: "4", width: "1920", height: "1080", portnum: "2", monitornum: "01"},
        {row: "2", col: "5", width: "1920", height: "1080", portnum: "2", monitornum: "02"}
    ]
    // Three monitors of port 1 in a row.
    readonly property var onePort: [
        {row: "3", col: "3", width: "1920", height: "1080", portnum: "1", monitornum: "01"},
        {row: "3", col: "4", width: "1920", height: "1080", portnum: "1", monitornum: "02"},
        {row: "3", col: "5", width: "1920", height: "1080", portnum: "1", monitornum: "03"}
    ]

    // Switch events logged since the last call.
    function switchEvents(kind) {
        var xhr = new XMLHttpRequest()
        xhr.open("GET", "file://" + switchLogPath, false)
        xhr.send()
        var lines = xhr.responseText.split("\n")
        var events = []
        for (var i = seenLines; i < lines.length; ++i) {
            if (!lines[i].length)
                continue
            var event = JSON.parse(lines[i])
            if (!kind || event.event === kind)
                events.push(event)
        }
        seenLines = Math.max(seenLines, lines.length - 1)
        return events
    }

    function requestOps(events) {
        return events.filter(function (e) { return e.event === "request" })
                     .map(function (e) { return e.op })
    }

    // [port, number, x, y, width, height, main x, main y] of each port record.
    function portRecords(events) {
        return events.filter(function (e) { return e.event === "request" && e.op === "port-record" })
                     .map(function (e) {
                         var p = e.port
                         return [p.portNum, p.monitorNum, p.x, p.y, p.width, p.height, p.main_x, p.main_y]
                     })
    }

    function init() {
        switchSetup.reset()
        // The probe lists the whole machine's processes; wait out a stand-in
        // driver of some other test run before expecting none.
        tryVerify(function () { return !process.getDriverProcess() }, 60000,
                  "a program named like the extended desktop driver keeps running on this machine")
        openMain({})
        dismissStartNotice()
        switchEvents()
    }

    function cleanup() {
        switchSetup.stopCompanion()
        switchSetup.reset()
    }

    function openEditorWith(monitors, position) {
        window.filePath = ""
        window.filedata = [{acceleration: "1", speed: "2", position: position !== undefined ? position : "3",
                            switching_focus: 1, duration_time: 5, keep_awake: 1, monitorlist: monitors}]
        window.gotoEditLayoutUI()
        var page = child("setQml")
        tryCompare(page, "status", 1 /* Loader.Ready */)
        editor = page.item
        compare(editor.curmonitornum, monitors.length)
        waitForRendering(window.contentItem)
        return editor
    }

    function placedCount() {
        var n = 0
        for (var i = 0; i < editor.gridModel.count; ++i)
            if (editor.gridModel.get(i).display)
                ++n
        return n
    }

    // Presses "Save to device" and returns the connection dialog.
    function openUploadDialog() {
        clickItem(child("save_device_button"))
        var loader = child("upload_Qml")
        tryCompare(loader, "status", 1 /* Loader.Ready */)
        compare(loader.visible, true)
        return loader.item
    }

    // Presses next with a short wait, so the switch is read at once.
    function pressNext(upload) {
        upload.timer.interval = 10
        mouseClick(findChild(upload, "ok_btn"), 16, 16)
    }

    function waitForAlert() {
        var dialog = child("dialog_Qml")
        tryCompare(dialog, "visible", true)
        tryCompare(dialog, "status", 1 /* Loader.Ready */)
        return dialog.item
    }

    function compareAlert(msg, icon, title) {
        var alert = waitForAlert()
        compare(findChild(alert, "message").text, msg)
        var picture = findChild(alert, "icon")
        compare(picture.visible, true)
        verify(picture.source.toString().endsWith(icon === 1 ? "img-successfully.png" : "img-fail.png"))
        compare(alert.info.title, title !== undefined ? title : "")
        compare(child("upload_Qml").visible, false)
        compare(child("upload_Qml").status, 0 /* Loader.Null */)
    }

    // Two chained switches: every monitor goes out with its layout and main
    // coordinates, then the mouse record with the current settings.
    function test_templateToTwoSwitches() {
        switchSetup.set("CHAIN", "2")
        window.loadModel("16-04")
        var page = child("setQml")
        tryCompare(page, "status", 1 /* Loader.Ready */)
        editor = page.item
        window.acceleration_flag = 1
        window.mouse_speed = 2
        window.mouse_position = 3
        window.switching_focus = 1
        window.duration_time = 5
        window.keep_awake = 1
        window.is_saved = 0

        var upload = openUploadDialog()
        pressNext(upload)
        compareAlert("Saved to device successfully.", 1)
        compare(window.is_saved, 1)

        var events = switchEvents()
        compare(requestOps(events), ["port-status", "version", "list-open",
                                     "port-record", "port-record", "port-record", "port-record",
                                     "port-record", "port-record", "port-record", "port-record",
                                     "port-record", "port-record", "port-record", "port-record",
                                     "mouse-record", "list-close"])
        var requests = events.filter(function (e) { return e.event === "request" })
        compare(requests[2].amount, 13)
        compare(requests[3].bytes, "43 01 01 01 01 80 07 38 04 01 01 0C")
        compare(portRecords(events), [
            [1, 1, 1, 1, 1920, 1080, 1, 1], [1, 2, 1, 2, 1920, 1080, 0, 0],
            [4, 1, 1, 3, 1920, 1080, 1, 2], [4, 2, 1, 4, 1920, 1080, 0, 0],
            [2, 1, 2, 1, 1920, 1080, 2, 1], [2, 2, 2, 2, 1920, 1080, 0, 0],
            [5, 1, 2, 3, 1920, 1080, 2, 2], [5, 2, 2, 4, 1920, 1080, 0, 0],
            [3, 1, 3, 1, 1920, 1080, 3, 1], [3, 2, 3, 2, 1920, 1080, 0, 0],
            [6, 1, 3, 3, 1920, 1080, 3, 2], [6, 2, 3, 4, 1920, 1080, 0, 0]])
        compare(requests[15].mouse, {serialNum: 0, acceleration: 1, speed: 2, position: 3,
                                     focus: 1, duration: 5, awake: 1})
        compare(requests[16].count, 13)
        compare(events[events.length - 1].status, 0)
        // The grid keeps what was sent, and nothing was removed.
        compare(editor.gridModel.get(3).main_relative_col, 2)
        compare(editor.gridModel.get(19).relative_col, 3)
        compare(placedCount(), 12)
        // The upload leaves the switch open; only the dialog's close button closes it.
        var opened = events.filter(function (e) { return e.event === "open" })
        compare(opened.length, 1)
        compare(events.filter(function (e) { return e.event === "close" && e.handle === opened[0].handle }).length, 0)
    }

    // One switch and monitors on both switches' ports: a question first.
    // "Continue" sends the monitors of port 2 placed among themselves (the
    // same records as a desk of port 2 alone), and then removes the others.
    function test_oneSwitchAsksFirst_data() {
        var sent = [[2, 1, 1, 1, 1920, 1080, 1, 1], [2, 2, 1, 2, 1920, 1080, 0, 0]]
        var ops = ["list-open", "port-record", "port-record", "mouse-record", "list-close"]
        return [
            {tag: "continue", desk: mixedPorts, button: "cancelButton", ops: ops,
             placed: 2, alert: "Saved to device successfully.", records: sent, port2: [17, 18]},
            {tag: "cancel", desk: mixedPorts, button: "doButton", ops: [], placed: 4, alert: "", port2: [17, 18]},
            {tag: "continue, secondary ports first", desk: secondaryFirst, button: "cancelButton", ops: ops,
             placed: 2, alert: "Saved to device successfully.", records: sent, port2: [19, 20]},
            // "Continue" removes monitors from the layout: Enter and Space
            // cancel, it takes a Tab first.
            {tag: "Enter cancels", desk: mixedPorts, keys: [Qt.Key_Return], ops: [], placed: 4, alert: "",
             port2: [17, 18]},
            {tag: "Space cancels", desk: mixedPorts, keys: [Qt.Key_Space], ops: [], placed: 4, alert: "",
             port2: [17, 18]},
            {tag: "Tab, then Enter continues", desk: mixedPorts, keys: [Qt.Key_Tab, Qt.Key_Return], ops: ops,
             placed: 2, alert: "Saved to device successfully.", records: sent, port2: [17, 18]}
        ]
    }

    function test_oneSwitchAsksFirst(data) {
        openEditorWith(data.desk)
        pressNext(openUploadDialog())
        var question = waitForAlert()
        compare(child("dialog_Qml").source.toString().endsWith("confirm_dialog_control.qml"), true)
        compare(findChild(question, "message").text,
                "Only one OrrinKM is connected. We save port 1-4 monitor layout only. Do you want to continue?")
        compare(findChild(question, "doButton").text, "Cancel")
        compare(findChild(question, "cancelButton").text, "Continue")
        compare(findChild(question, "icon").visible, true)
        compare(child("upload_Qml").status, 0 /* Loader.Null */)
        compare(requestOps(switchEvents()), ["port-status", "version"])

        if (data.keys) {
            compare(window.activeFocusItem, findChild(question, "doButton"), "\"Cancel\" has the keyboard")
            for (var k = 0; k < data.keys.length; ++k)
                keyClick(data.keys[k])
        } else {
            clickItem(findChild(question, data.button))
        }
        if (data.alert !== "")
            compareAlert(data.alert, 1)
        else
            compare(child("dialog_Qml").visible, false)
        var events = switchEvents()
        compare(requestOps(events), data.ops)
        if (data.ops.length) {
            compare(events.filter(function (e) { return e.op === "list-open" })[0].amount, 3)
            compare(portRecords(events), data.records)
            // The grid keeps what was sent.
            compare(editor.gridModel.get(data.port2[0]).relative_col, 1)
            compare(editor.gridModel.get(data.port2[1]).relative_col, 2)
        }
        compare(placedCount(), data.placed)
        compare(editor.curmonitornum, data.placed)
        // The monitors of port 2 are always kept.
        compare(editor.gridModel.get(data.port2[0]).portnum, 2)
        compare(editor.gridModel.get(data.port2[1]).portnum, 2)
    }

    // Every way the flow ends before or instead of a complete upload, with the
    // switch's exchanges it got as far as. The layout is only changed by the
    // question above, never by a failure.
    function test_outcomes_data() {
        var full = ["port-status", "version", "list-open", "port-record", "port-record",
                    "port-record", "mouse-record", "list-close"]
        var failed = "Failed to upload data."
        var driver = "The extended desktop driver app is running. Please close it and upload again."
        return [
            {tag: "port status refused", env: {REFUSE: "port-status:1"}, monitors: onePort,
             msg: "Saved to device successfully.", icon: 1, ops: full},
            {tag: "port status unanswered", env: {FAIL_READ: "port-status"}, monitors: onePort,
             msg: "Saved to device successfully.", icon: 1, ops: full},
            {tag: "computer on the second switch", env: {PORT_STATUS: "5,0,5,0"}, monitors: onePort,
             msg: "To save and apply the layout configuration to OrrinKM, please connect your computer to the Primary OrrinKM device.",
             title: "Save failed!", icon: 0, ops: ["port-status"]},
            {tag: "one switch, only secondary ports", env: {},
             monitors: [mixedPorts[2], mixedPorts[3]],
             msg: "Only one OrrinKM is connected. Please set port numbers between P1 and P4.", icon: 0,
             ops: ["port-status", "version"]},
            {tag: "version refused", env: {REFUSE: "version:1"}, monitors: onePort,
             msg: failed, icon: 0, ops: ["port-status", "version"]},
            // The fifth character of the version text is the chain size; a
            // text that names no chain of one or two switches stops the flow
            // before anything is sent or removed.
            {tag: "version names three switches", env: {CHAIN: "3"}, monitors: mixedPorts,
             msg: failed, icon: 0, ops: ["port-status", "version"]},
            {tag: "version names no switch", env: {CHAIN: "0"}, monitors: mixedPorts,
             msg: failed, icon: 0, ops: ["port-status", "version"]},
            {tag: "version text cut short", env: {SHORT: "version:5"}, monitors: onePort,
             msg: failed, icon: 0, ops: ["port-status", "version"]},
            {tag: "list-open answered 3", env: {REFUSE: "list-open:3"}, monitors: onePort,
             msg: driver, icon: 0, ops: ["port-status", "version", "list-open"]},
            {tag: "list-open answered 1", env: {REFUSE: "list-open:1"}, monitors: onePort,
             msg: failed, icon: 0, ops: ["port-status", "version", "list-open"]},
            {tag: "list-open unanswered", env: {FAIL_READ: "list-open"}, monitors: onePort,
             msg: failed, icon: 0, ops: ["port-status", "version", "list-open"]},
            {tag: "list-close refused", env: {REFUSE: "list-close:1"}, monitors: onePort,
             msg: failed, icon: 0, ops: full},
            // Up to three more tries of a refused record.
            {tag: "record refused three times", env: {REFUSE_RECORD: "2:3"}, monitors: onePort,
             msg: "Saved to device successfully.", icon: 1,
             ops: ["port-status", "version", "list-open", "port-record", "port-record",
                   "port-record", "port-record", "port-record", "port-record",
                   "mouse-record", "list-close"]},
            // The fourth refusal ends the walk; the list is still closed and
            // the switch, missing a record, refuses it.
            {tag: "record refused four times", env: {REFUSE_RECORD: "2:4"}, monitors: onePort,
             msg: failed, icon: 0,
             ops: ["port-status", "version", "list-open", "port-record", "port-record",
                   "port-record", "port-record", "port-record", "mouse-record", "list-close"]},
            {tag: "mouse record refused", env: {REFUSE: "mouse-record:1"}, monitors: onePort,
             msg: failed, icon: 0, ops: full},
            // A switch that closes a list it got only part of: the desk is
            // not in the switch, whatever the list-close says.
            {tag: "record refused four times, list-close accepted",
             env: {REFUSE_RECORD: "2:4", ACCEPT_SHORT_LIST: "1"}, monitors: onePort, msg: failed, icon: 0,
             ops: ["port-status", "version", "list-open", "port-record", "port-record",
                   "port-record", "port-record", "port-record", "mouse-record", "list-close"]},
            {tag: "mouse record refused, list-close accepted",
             env: {REFUSE: "mouse-record:1", ACCEPT_SHORT_LIST: "1"}, monitors: onePort,
             msg: failed, icon: 0, ops: full},
            // A reply without its status byte answers nothing.
            {tag: "list-close refused, reply without its status byte",
             env: {REFUSE: "list-close:1", SHORT: "list-close:1"}, monitors: onePort, msg: failed, icon: 0, ops: full},
            {tag: "list-open reply without its status byte", env: {SHORT: "list-open:1"}, monitors: onePort,
             msg: failed, icon: 0, ops: ["port-status", "version", "list-open"]},
            // Replies shorter than asked for that hold what is read are fine.
            {tag: "short replies that hold what is read",
             env: {SHORT: "version:7,port-status:6,list-open:2,port-record:2,mouse-record:2,list-close:2"},
             monitors: onePort, msg: "Saved to device successfully.", icon: 1, ops: full},
            // A version text that names no chain matters only to ports above 4.
            {tag: "version with a two-digit byte, ports P1-P4", env: {VERSION: "1,0,10,1"}, monitors: onePort,
             msg: "Saved to device successfully.", icon: 1, ops: full},
            {tag: "chain byte 12, ports P1-P4", env: {CHAIN: "12"}, monitors: onePort,
             msg: "Saved to device successfully.", icon: 1, ops: full},
            {tag: "version with a two-digit byte, secondary ports", env: {VERSION: "1,0,10,1"},
             monitors: mixedPorts, msg: failed, icon: 0, ops: ["port-status", "version"]}
        ]
    }

    function test_outcomes(data) {
        for (var name in data.env)
            switchSetup.set(name, data.env[name])
        openEditorWith(data.monitors)
        window.is_saved = 0
        pressNext(openUploadDialog())
        compareAlert(data.msg, data.icon, data.title)
        compare(requestOps(switchEvents()), data.ops)
        compare(window.is_saved, data.icon === 1 ? 1 : 0)
        compare(placedCount(), data.monitors.length)
    }

    // The desk is read when the wait ends, not when the button was pressed:
    // an edit in between goes out as it stands, and a desk that no longer
    // passes the editor's checks shows what to fix and sends nothing.
    function test_deskEditedDuringTheWait_data() {
        return [
            {tag: "last monitor deleted", remove: 36, records: [[1, 1, 1, 1, 1920, 1080, 1, 1],
                                                                [1, 2, 1, 2, 1920, 1080, 0, 0]],
             placed: 2},
            // The two that remain do not touch.
            {tag: "middle monitor deleted", remove: 35, errorPage: "edit_page_error2.qml", placed: 2}
        ]
    }

    function test_deskEditedDuringTheWait(data) {
        openEditorWith(onePort)
        var upload = openUploadDialog()
        mouseClick(findChild(upload, "ok_btn"), 16, 16)
        compare(upload.timer.running, true)
        upload.timer.stop()
        editor.delMonitor(data.remove)
        compare(placedCount(), data.placed)
        switchEvents()

        upload.timer.interval = 10
        upload.timer.start()
        if (data.errorPage) {
            var errors = child("error_Qml")
            tryCompare(errors, "visible", true)
            verify(errors.source.toString().endsWith(data.errorPage))
            tryCompare(child("upload_Qml"), "visible", false)
            compare(child("upload_Qml").status, 0 /* Loader.Null */)
            compare(switchEvents("request").length, 0)
            return
        }
        compareAlert("Saved to device successfully.", 1)
        var events = switchEvents()
        compare(events.filter(function (e) { return e.op === "list-open" })[0].amount, data.records.length + 1)
        compare(portRecords(events), data.records)
        compare(placedCount(), data.placed)
    }

    // A hand-made file's mouse position beyond one byte: the switch gets the
    // lower right the dialog shows, never another place.
    function test_mousePositionBeyondOneByte_data() {
        return [
            {tag: "261", position: "261", sent: 4}, {tag: "256", position: 256, sent: 4},
            {tag: "2^31", position: 2147483648, sent: 4}, {tag: "1e308", position: 1e308, sent: 4},
            {tag: "middle", position: "5", sent: 5}
        ]
    }

    function test_mousePositionBeyondOneByte(data) {
        openEditorWith(onePort, data.position)
        compare(window.mouse_position, data.sent)
        pressNext(openUploadDialog())
        compareAlert("Saved to device successfully.", 1)
        var mouse = switchEvents("request").filter(function (e) { return e.op === "mouse-record" })
        compare(mouse.length, 1)
        compare(mouse[0].mouse.position, data.sent)
    }

    // The dialog as the user meets it, and the wait after a successful open.
    function test_dialogAndWait() {
        openEditorWith(onePort)
        var upload = openUploadDialog()
        var message = findChild(upload, "message_txt")
        var picture = findChild(upload, "connect_img")
        var next = findChild(upload, "ok_btn")
        compare(message.text, "Please check connection before saving to device.")
        verify(picture.source.toString().endsWith("img-check-s.png"))
        compare(findChild(upload, "panel").width, 380)
        compare(findChild(upload, "panel").height, 195)
        verify(findChild(upload, "img").source.toString().endsWith("btn-next-n.png"))
        mouseMove(next, 16, 16)
        tryVerify(function () { return findChild(upload, "img").source.toString().endsWith("btn-next-h.png") })

        mouseClick(next, 16, 16)
        var wait = findChild(upload, "wait_img")
        compare(wait.visible, true)
        compare(picture.visible, false)
        compare(next.visible, false)
        compare(message.visible, false)
        compare(upload.timer.interval, 3000)
        compare(upload.timer.running, true)
        var events = switchEvents()
        compare(events.filter(function (e) { return e.event === "open" }).length, 1)
        compare(requestOps(events), [])
    }

    // Closing during the wait closes the switch; the wait still ends in the
    // queries, which then fail.
    function test_closeDuringWait() {
        openEditorWith(onePort)
        var upload = openUploadDialog()
        mouseClick(findChild(upload, "ok_btn"), 16, 16)
        compare(upload.timer.running, true)
        var opened = switchEvents("open")
        compare(opened.length, 1)
        clickItem(findChild(upload, "close_btn"))
        compare(child("upload_Qml").visible, false)
        compare(switchEvents("close").filter(function (e) { return e.handle === opened[0].handle }).length, 1)

        upload.timer.stop()
        upload.timer.interval = 10
        upload.timer.start()
        compareAlert("Failed to upload data.", 0)
        compare(switchEvents("request").length, 0)
        compare(placedCount(), 3)
    }

    function inside(item, ancestor) {
        for (var p = item; p; p = p.parent)
            if (p === ancestor)
                return true
        return false
    }

    // Closed, the dialog is out of reach: the keyboard is back on the page,
    // so the keys that would have pressed its next button open nothing and
    // send nothing. Closed during the wait, the wait ends in queries to a
    // closed switch: a failure, never an upload.
    function test_closedDialogIsInert_data() {
        return [
            {tag: "Escape, then Space", close: "escape", key: Qt.Key_Space},
            {tag: "Escape, then Enter", close: "escape", key: Qt.Key_Return},
            {tag: "close image, then Space", close: "image", key: Qt.Key_Space},
            {tag: "close image, then keypad Enter", close: "image", key: Qt.Key_Enter},
            {tag: "Escape during the wait, then Space", close: "escape", key: Qt.Key_Space, waiting: true},
            {tag: "close image during the wait, then Enter", close: "image", key: Qt.Key_Return, waiting: true}
        ]
    }

    function test_closedDialogIsInert(data) {
        openEditorWith(onePort)
        var grid = findChild(editor, "grid_cursor")
        grid.forceActiveFocus()
        var upload = openUploadDialog()
        verify(inside(window.activeFocusItem, upload), "the dialog has the keyboard")
        if (data.waiting) {
            // Long enough to close the dialog first on any machine; the wait
            // is cut short below.
            upload.timer.interval = 600000
            keyClick(Qt.Key_Space)
            compare(upload.timer.running, true)
            compare(switchEvents("open").length, 1)
            // The next button is gone while the dialog waits; so is the
            // keyboard from it.
            keyClick(Qt.Key_Space)
            keyClick(Qt.Key_Return)
            compare(switchEvents("open").length, 0)
        }
        if (data.close === "escape")
            keyClick(Qt.Key_Escape)
        else
            clickItem(findChild(upload, "close_btn"))
        compare(child("upload_Qml").visible, false)
        compare(window.activeFocusItem, grid, "the page has the keyboard back")

        keyClick(data.key)
        verify(!inside(window.activeFocusItem, child("upload_Qml")))
        compare(switchEvents("open").length, 0)
        if (data.waiting) {
            compare(upload.timer.running, true)
            upload.timer.interval = 10
            upload.timer.restart()
            compareAlert("Failed to upload data.", 0)
            compare(switchEvents("request").length, 0)
        } else {
            wait(100)
            compare(upload.timer.running, false)
            compare(child("dialog_Qml").visible, false)
        }
    }

    // An alert over the dialog hands the keyboard back to the dialog, not to
    // the grid behind it: neither keys nor presses edit the layout while the
    // dialog is open. Once it is closed, the grid takes both again.
    function test_dialogStaysModal() {
        verify(switchSetup.startCompanion())
        openEditorWith([
            {row: "1", col: "1", width: "1920", height: "1080", portnum: "1", monitornum: "01"},
            {row: "1", col: "2", width: "1920", height: "1080", portnum: "1", monitornum: "02"}])
        var grid = findChild(editor, "grid_cursor")
        grid.forceActiveFocus()
        var upload = openUploadDialog()
        keyClick(Qt.Key_Space)
        compareAlertKeepsDialog("The extended desktop driver app is running. Please close it and upload again.")
        keyClick(Qt.Key_Return)
        compare(child("dialog_Qml").visible, false)
        verify(inside(window.activeFocusItem, upload), "the keyboard is back in the dialog")

        var keysOfTheGrid = [Qt.Key_4, Qt.Key_Delete, Qt.Key_P, Qt.Key_Right]
        for (var i = 0; i < keysOfTheGrid.length; ++i)
            keyClick(keysOfTheGrid[i])
        keyClick(Qt.Key_Z, Qt.ControlModifier)
        mouseClick(findChild(editor, "cell" + 17), 70, 70)
        compare(editor.gridModel.get(0).portnum, 1)
        compare(placedCount(), 2)
        compare(findChild(editor, "del_dialog").visible, false)
        compare(child("upload_Qml").visible, true)
        verify(inside(window.activeFocusItem, upload))

        keyClick(Qt.Key_Escape)
        compare(child("upload_Qml").visible, false)
        compare(window.activeFocusItem, grid)
        keyClick(Qt.Key_4)
        compare(editor.gridModel.get(0).portnum, 4)
        compare(switchEvents("open").length, 0)
    }

    // No switch: the dialog says so and stays; once it is plugged in, next
    // goes on.
    function test_switchAbsentThenPresent() {
        switchSetup.set("ABSENT", "1")
        openEditorWith(onePort)
        var upload = openUploadDialog()
        pressNext(upload)
        verify(findChild(upload, "connect_img").source.toString().endsWith("img-check-f.png"))
        compare(findChild(upload, "message_txt").text, "Device connection is not ready. Please try again.")
        compare(findChild(upload, "ok_btn").visible, true)
        compare(upload.timer.running, false)
        wait(50)
        compare(child("upload_Qml").item, upload)
        compare(switchEvents("request").length, 0)

        switchSetup.set("ABSENT", "")
        pressNext(upload)
        compareAlert("Saved to device successfully.", 1)
        compare(switchEvents("request").length, 8)
    }

    // Attached, but this user may not open it: the dialog names the cause and
    // the remedy instead of picturing a cable fault; with access, next goes on.
    function test_switchNotOursToOpen() {
        switchSetup.set("NO_ACCESS", "1")
        openEditorWith(onePort)
        var upload = openUploadDialog()
        pressNext(upload)
        var message = findChild(upload, "message_txt")
        var cause = findChild(upload, "access_txt")
        compare(message.text, "Device connection is not ready. Please try again.")
        verify(cause.visible)
        compare(cause.text, "This user may not open the switch: install its udev rule (see Troubleshooting in the "
                            + "README), then unplug the switch and plug it in again.")
        compare(findChild(upload, "panel").Accessible.name, message.text + " " + cause.text)
        compare(findChild(upload, "connect_img").visible, false)
        // Below the message, inside the panel and clear of the next button.
        var next = findChild(upload, "ok_btn")
        verify(cause.y >= message.y + message.contentHeight)
        verify(cause.x + cause.contentWidth <= next.x)
        verify(cause.y + cause.contentHeight <= findChild(upload, "content_rec").height)
        compare(findChild(upload, "ok_btn").visible, true)
        compare(upload.timer.running, false)
        compare(switchEvents("request").length, 0)

        // Missing instead: the usual message and picture, without the line.
        switchSetup.set("NO_ACCESS", "")
        switchSetup.set("ABSENT", "1")
        pressNext(upload)
        compare(message.text, "Device connection is not ready. Please try again.")
        compare(cause.visible, false)
        verify(findChild(upload, "connect_img").visible)
        verify(findChild(upload, "connect_img").source.toString().endsWith("img-check-f.png"))

        switchSetup.set("ABSENT", "")
        pressNext(upload)
        compareAlert("Saved to device successfully.", 1)
    }

    // The extended desktop driver running: its message, no switch opened,
    // and the dialog stays as it was.
    function test_driverRunning() {
        verify(switchSetup.startCompanion())
        openEditorWith(onePort)
        var upload = openUploadDialog()
        pressNext(upload)
        compareAlertKeepsDialog("The extended desktop driver app is running. Please close it and upload again.")
        compare(child("upload_Qml").item, upload)
        compare(findChild(upload, "message_txt").text, "Please check connection before saving to device.")
        verify(findChild(upload, "connect_img").source.toString().endsWith("img-check-s.png"))
        compare(upload.timer.running, false)
        compare(switchEvents("open").length, 0)

        // Once it is closed, next goes on.
        switchSetup.stopCompanion()
        clickItem(findChild(waitForAlert(), "okButton"))
        pressNext(upload)
        compareAlert("Saved to device successfully.", 1)
    }

    function compareAlertKeepsDialog(msg) {
        var alert = waitForAlert()
        compare(findChild(alert, "message").text, msg)
        compare(findChild(alert, "icon").visible, true)
        verify(findChild(alert, "icon").source.toString().endsWith("img-fail.png"))
        compare(child("upload_Qml").visible, true)
    }

    // Layouts the editor's checks turn away: their own message, no dialog,
    // nothing sent.
    function test_layoutTurnedAway() {
        openEditor()
        clickItem(child("save_device_button"))
        compare(findChild(waitForAlert(), "message").text, "No data to upload.")
        compare(child("upload_Qml").visible, false)

        clickItem(findChild(dialogItem(), "okButton"))
        // Two monitors that do not touch.
        openEditorWith([onePort[0],
                        {row: "6", col: "6", width: "1920", height: "1080", portnum: "1", monitornum: "02"}])
        clickItem(child("save_device_button"))
        var errors = child("error_Qml")
        tryCompare(errors, "visible", true)
        verify(errors.source.toString().endsWith("edit_page_error2.qml"))
        compare(child("upload_Qml").visible, false)
        var events = switchEvents()
        compare(events.filter(function (e) { return e.event === "open" || e.event === "request" }).length, 0)
    }
}
