import QtQuick 2.12
import QtTest 1.12
import "../qml"

// "Save to device" through the real transport: the real main window and
// editor, the system's hidapi (hidraw backend) and a switch played at the
// kernel's interface by umockdev (switch_testbed, which logs what it
// receives to switchLogPath). Each function expects the switch that its
// CTest case sets up (tests/hidraw/CMakeLists.txt) and is run alone.
MainWindowCase {
    id: testCase
    name: "SaveToDeviceHidraw"
    when: windowShown

    // Three monitors of port 1 in a row, and the requests that desk must
    // reach the switch as (the same bytes seamrun sends, tst_hidraw).
    readonly property var onePort: [
        {row: "3", col: "3", width: "1920", height: "1080", portnum: "1", monitornum: "01"},
        {row: "3", col: "4", width: "1920", height: "1080", portnum: "1", monitornum: "02"},
        {row: "3", col: "5", width: "1920", height: "1080", portnum: "1", monitornum: "03"}
    ]
    readonly property string portStatus: "4A 00 00 00 00 00 00 4A"
    readonly property string version: "41 00 00 00 00 00 00 41"
    readonly property string listOpen: "42 04 00 00 00 00 00 46"
    readonly property var records: ["43 01 01 01 01 80 07 38 04 01 01 0C", "43 01 02 01 02 80 07 38 04 00 00 0C",
                                    "43 01 03 01 03 80 07 38 04 00 00 0E"]
    readonly property string mouseRecord: "44 00 01 02 03 82 01 00 00 CD"
    readonly property string listClose: "45 04 00 00 00 00 00 49"

    property var editor: null

    function switchEvents() {
        var xhr = new XMLHttpRequest()
        xhr.open("GET", "file://" + switchLogPath, false)
        xhr.send()
        return xhr.responseText.split("\n").filter(function (line) { return line.length })
                               .map(function (line) { return JSON.parse(line) })
    }

    function requests() {
        return switchEvents().filter(function (e) { return e.event === "request" })
                             .map(function (e) { return e.bytes })
    }

    // hidapi's hid_open_path asks for the descriptor size before it hands
    // out a handle: the window opened the testbed's node through hidapi.
    function openedThroughHidraw() {
        return switchEvents().some(function (e) { return e.request === "HIDIOCGRDESCSIZE" })
    }

    function statusLine() {
        var line = child("home_switch_status")
        var details = findChild(line, "statusDetails")
        return [findChild(line, "statusText").text, details.visible ? details.text : ""]
    }

    function init() {
        openMain({})
        dismissStartNotice()
        for (var i = 0; i < window.data.length; ++i)
            if (window.data[i].objectName === "switch_status")
                window.data[i].interval = 20
    }

    function openEditorWithOnePort() {
        window.filePath = ""
        window.filedata = [{acceleration: "1", speed: "2", position: "3", switching_focus: 1,
                            duration_time: 2, keep_awake: 1, monitorlist: onePort}]
        window.gotoEditLayoutUI()
        var page = child("setQml")
        tryCompare(page, "status", 1 /* Loader.Ready */)
        editor = page.item
        compare(editor.curmonitornum, 3)
        window.acceleration_flag = 1
        window.mouse_speed = 2
        window.mouse_position = 3
        window.switching_focus = 1
        window.duration_time = 2
        window.keep_awake = 1
        // Only a complete upload may mark the desk as saved.
        window.is_saved = 0
        waitForRendering(window.contentItem)
    }

    // "Save to device", then next with a short wait; returns the dialog.
    function pressSaveToDevice() {
        openEditorWithOnePort()
        clickItem(child("save_device_button"))
        var loader = child("upload_Qml")
        tryCompare(loader, "status", 1 /* Loader.Ready */)
        var upload = loader.item
        upload.timer.interval = 10
        mouseClick(findChild(upload, "ok_btn"), 16, 16)
        return upload
    }

    function compareAlert(msg, icon) {
        var dialog = child("dialog_Qml")
        tryCompare(dialog, "visible", true)
        tryCompare(dialog, "status", 1 /* Loader.Ready */)
        compare(findChild(dialog.item, "message").text, msg)
        verify(findChild(dialog.item, "icon").source.toString()
               .endsWith(icon === 1 ? "img-successfully.png" : "img-fail.png"))
        compare(child("upload_Qml").visible, false)
    }

    // Every byte of the upload, and the status line learns the firmware.
    function test_wholeUpload() {
        tryCompare(findChild(child("home_switch_status"), "statusText"), "text", "Connected")
        pressSaveToDevice()
        compareAlert("Saved to device successfully.", 1)
        compare(requests(), [portStatus, version, listOpen].concat(records, [mouseRecord, listClose]))
        verify(openedThroughHidraw())
        compare(window.is_saved, 1)
        window.goHome()
        compare(statusLine(), ["Connected", "Firmware 1.0.6.1, 1 switch"])
    }

    // The switch refused the list, and its reply lost the status byte: a
    // failure, not "accepted".
    function test_replyWithoutStatus() {
        pressSaveToDevice()
        compareAlert("Failed to upload data.", 0)
        compare(requests(), [portStatus, version, listOpen].concat(records, [mouseRecord, listClose]))
        compare(window.is_saved, 0)
    }

    // A record refused four times is left out; the switch accepts the
    // shorter list it is told about, but the desk on screen is not the one
    // in the switch.
    function test_recordRefused() {
        pressSaveToDevice()
        compareAlert("Failed to upload data.", 0)
        compare(requests(), [portStatus, version, listOpen, records[0], records[1], records[1], records[1],
                             records[1], mouseRecord, "45 02 00 00 00 00 00 47"])
        compare(window.is_saved, 0)
    }

    // Unplugged after the first record: every later ioctl fails, the
    // upload fails, and the status line sees the switch go.
    function test_removedMidUpload() {
        pressSaveToDevice()
        compareAlert("Failed to upload data.", 0)
        compare(requests(), [portStatus, version, listOpen, records[0]])
        compare(window.is_saved, 0)
        window.goHome()
        tryCompare(findChild(child("home_switch_status"), "statusText"), "text", "Not connected")
    }

    // The node is there but not ours to open: the status line and the
    // dialog say so, and nothing reaches the switch.
    function test_noAccess() {
        tryVerify(function () { return statusLine()[1] === "No access: udev rule missing" })
        compare(statusLine()[0], "Connected")
        var upload = pressSaveToDevice()
        compare(findChild(upload, "message_txt").text, "Device connection is not ready. Please try again.")
        verify(findChild(upload, "access_txt").visible)
        compare(findChild(upload, "connect_img").visible, false)
        compare(upload.timer.running, false)
        compare(child("upload_Qml").visible, true)
        compare(requests(), [])
        verify(!openedThroughHidraw())
    }
}
