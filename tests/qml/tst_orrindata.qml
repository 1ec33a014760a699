import QtQuick 2.12
import QtTest 1.12
import Qt.Quick.OrrinData 1.0

// The device object as the screens use it, against the emulated switch: what
// reached the switch is read back, byte for byte, from the switch's own log.
// The switch reports port status 2,4,3,1 and two chained switches.
TestCase {
    id: testCase
    name: "OrrinData"

    property int seenLines: 0
    readonly property var mouse: ({mouse_info: 0, acceleration: 1, speed: 2, position: 3,
                                   focus: 1, duration: 5, awake: 1})

    // Switch events logged since the last call; earlier runs are skipped.
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

    function requests() {
        return switchEvents("request").map(function (e) { return e.bytes })
    }

    function openSwitch() {
        var orrin = Qt.createQmlObject("import Qt.Quick.OrrinData 1.0; OrrinData {}", testCase)
        verify(orrin)
        verify(orrin.open(0x1209, 0x0001))
        switchEvents()
        return orrin
    }

    function init() {
        switchEvents()
    }

    function test_statusVersionAndUpload() {
        var orrin = openSwitch()
        compare(Object.keys(orrin.portStatus).length, 0)
        verify(orrin.getPortStatus())
        compare(orrin.portStatus.apportNum, 2)
        compare(orrin.portStatus.listNum, 4)
        compare(orrin.portStatus.curportNum, 3)
        compare(orrin.portStatus.mouseposition, 1)
        verify(orrin.getFWAPProtocolVersion())
        compare(orrin.version, "10612")
        compare(Number(orrin.version.substr(4, 1)), 2)

        var monitors = [
            {serialNum: 1, portNum: 2, x: 3, y: 4, w_l: 1920 & 255, w_h: 1920 >> 8, h_l: 1080 & 255, h_h: 1080 >> 8},
            {serialNum: 2, portNum: 6, x: 1, y: 1, w_l: 0, w_h: 5, h_l: 0, h_h: 4}
        ]
        verify(orrin.sendAllCommand(monitors.length + 1, monitors, mouse))
        compare(requests(), ["4A 00 00 00 00 00 00 4A", "41 00 00 00 00 00 00 41",
                             "42 03 00 00 00 00 00 45", "43 01 02 03 04 80 07 38 04 03 04 17",
                             "43 02 06 01 01 00 05 00 04 01 01 58", "44 00 01 02 03 85 01 00 00 D0",
                             "45 03 00 00 00 00 00 48"])

        orrin.close()
        var events = switchEvents()
        compare(events[events.length - 1].event, "exit")
        orrin.destroy()
    }

    function test_upload_data() {
        var first = "43 01 02 03 04 80 07 38 04 03 04 17"
        var mouseRecord = "44 00 01 02 03 85 01 00 00 D0"
        return [
            {tag: "two monitors", announced: 3, accepted: true,
             monitors: [{serialNum: 1, portNum: 2, x: 3, y: 4, w_l: 128, w_h: 7, h_l: 56, h_h: 4},
                        {serialNum: 2, portNum: 6, x: 1, y: 1, w_l: 0, w_h: 5, h_l: 0, h_h: 4}],
             requests: ["42 03 00 00 00 00 00 45", first, "43 02 06 01 01 00 05 00 04 01 01 58",
                        mouseRecord, "45 03 00 00 00 00 00 48"]},
            {tag: "no monitors", announced: 1, accepted: true, monitors: [],
             requests: ["42 01 00 00 00 00 00 43", mouseRecord, "45 01 00 00 00 00 00 46"]},
            // The switch refuses a list whose count does not match the announcement.
            {tag: "count not announced", announced: 1, accepted: false,
             monitors: [{serialNum: 1, portNum: 2, x: 3, y: 4, w_l: 128, w_h: 7, h_l: 56, h_h: 4}],
             requests: ["42 01 00 00 00 00 00 43", first, mouseRecord, "45 02 00 00 00 00 00 47"]},
            // Missing keys and text that is not a number are sent as 0.
            {tag: "missing keys", announced: 2, accepted: true,
             monitors: [{portNum: 3, x: "two", w_h: 4}],
             requests: ["42 02 00 00 00 00 00 44", "43 00 03 00 00 00 04 00 00 00 00 4A",
                        mouseRecord, "45 02 00 00 00 00 00 47"]}
        ]
    }

    function test_upload(data) {
        var orrin = openSwitch()
        compare(orrin.sendAllCommand(data.announced, data.monitors, mouse), data.accepted)
        compare(requests(), data.requests)
        orrin.close()
        orrin.destroy()
    }

    // The switch's view of a whole list: announced count, every port record
    // field by field, the mouse record, and its verdict on the list-close.
    function test_switchKeepsTheList() {
        var orrin = openSwitch()
        verify(orrin.sendAllCommand(2, [{serialNum: 1, portNum: 2, x: 3, y: 4, w_l: 128, w_h: 7, h_l: 56, h_h: 4}],
                                    mouse))
        var events = switchEvents()
        var close = events[events.length - 2]
        compare(close.op, "list-close")
        compare(close.count, 2)
        compare(close.transaction.announced, 2)
        compare(close.transaction.ports.length, 1)
        // The map's serial number fills the record's first byte, its port the second.
        compare(close.transaction.ports[0].portNum, 1)
        compare(close.transaction.ports[0].monitorNum, 2)
        compare(close.transaction.ports[0].width, 1920)
        compare(close.transaction.ports[0].height, 1080)
        compare(close.transaction.ports[0].main_x, 3)
        compare(close.transaction.ports[0].main_y, 4)
        compare(close.transaction.mouse.focus, 1)
        compare(close.transaction.mouse.duration, 5)
        compare(events[events.length - 1].status, 0)
        orrin.destroy()
    }

    function test_closedDeviceFailsQuietly() {
        var orrin = openSwitch()
        verify(orrin.close())
        verify(orrin.close())
        compare(orrin.sendListAmountOpen(2), -1)
        verify(!orrin.heartBeat())
        verify(!orrin.getPortStatus())
        compare(Object.keys(orrin.portStatus).length, 0)
        verify(!orrin.getFWAPProtocolVersion())
        compare(orrin.version, "")
        // The reason is there for a screen to show.
        compare(orrin.lastError, "no device open")
        compare(switchEvents("request").length, 0)
        orrin.destroy()
    }
}
