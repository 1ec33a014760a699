import QtQuick 2.12
import QtTest 1.12
import Seamrun.Layout 1.0
import "qrc:/Qml/templates.js" as Templates

// The editor's rule library without a window: numbering, the three layout
// checks, the layout file text both ways, resolutions and the arithmetic of
// an upload.
TestCase {
    name: "Layout"

    // A monitor of the editor: [row, col, port, number, width, height].
    function mon(m) {
        return { gridindex: (m[0] - 1) * 16 + (m[1] - 1), row: m[0], col: m[1],
                 portnum: m[2], monitornum: (m[3] < 10 ? "0" : "") + m[3],
                 width: m.length > 4 ? m[4] : 1920, height: m.length > 5 ? m[5] : 1080 }
    }

    function mons(list) {
        return list.map(mon)
    }

    // A layout file text around monitor members written out as given.
    function fileWith(entries) {
        return "[{\"acceleration\":\"0\",\"speed\":\"0\",\"position\":\"4\",\"monitorlist\":["
                + entries.join(",") + "]}]"
    }

    function entry(row, col, port, number, width, height) {
        return JSON.stringify({ row: row, col: col, width: width, height: height,
                                portnum: port, monitornum: number })
    }

    function templateLayout(modelId) {
        var layout = Layout.parseLayout(Templates.layoutText(modelId))
        verify(layout !== null, modelId + " refused")
        return layout
    }

    function test_portName_data() {
        return [
            { tag: "none", port: 0, name: "--" },
            { tag: "first primary", port: 1, name: "P1" },
            { tag: "last primary", port: 4, name: "P4" },
            { tag: "first secondary", port: 5, name: "S1" },
            { tag: "third secondary", port: 7, name: "S3" },
            { tag: "last secondary", port: 8, name: "S4" }
        ]
    }

    function test_portName(data) {
        compare(Layout.portName(data.port), data.name)
    }

    function test_nextMonitorNumber_data() {
        var three = [{ portnum: 1 }, { portnum: 2 }, { portnum: 1 }, { portnum: 1 }]
        var nine = []
        for (var i = 0; i < 9; ++i)
            nine.push({ portnum: 6 })
        return [
            { tag: "empty layout", entries: [], port: 1, number: "01" },
            { tag: "port with three", entries: three, port: 1, number: "04" },
            { tag: "other port not counted", entries: three, port: 2, number: "02" },
            { tag: "unused port", entries: three, port: 5, number: "01" },
            { tag: "tenth on a port", entries: nine, port: 6, number: "10" },
            // A file may hold a port with a gap; one above would repeat "03".
            { tag: "gap is filled", port: 1, number: "02",
              entries: [{ portnum: 1, monitornum: "01" }, { portnum: 1, monitornum: "03" }] },
            { tag: "only 02 on the port", port: 2, number: "01",
              entries: [{ portnum: 2, monitornum: "02" }] }
        ]
    }

    function test_nextMonitorNumber(data) {
        compare(Layout.nextMonitorNumber(data.entries, data.port), data.number)
    }

    function test_renumberAfterRemoval_data() {
        // Port 1 holds 01..04 (grid 10..13), port 2 holds 01..02 (20, 21).
        var entries = [
            { gridindex: 10, portnum: 1, monitornum: "01" },
            { gridindex: 11, portnum: 1, monitornum: "02" },
            { gridindex: 12, portnum: 1, monitornum: "03" },
            { gridindex: 13, portnum: 1, monitornum: "04" },
            { gridindex: 20, portnum: 2, monitornum: "01" },
            { gridindex: 21, portnum: 2, monitornum: "02" }
        ]
        return [
            { tag: "delete 02 of 01..04", entries: entries, port: 1, number: "02",
              changes: [{ gridindex: 12, monitornum: "02" }, { gridindex: 13, monitornum: "03" }] },
            { tag: "move 01 away", entries: entries, port: 1, number: "01",
              changes: [{ gridindex: 11, monitornum: "01" }, { gridindex: 12, monitornum: "02" },
                        { gridindex: 13, monitornum: "03" }] },
            { tag: "last number", entries: entries, port: 1, number: "04", changes: [] },
            { tag: "other port untouched", entries: entries, port: 2, number: "01",
              changes: [{ gridindex: 21, monitornum: "01" }] },
            { tag: "two digits kept", port: 3, number: "09",
              entries: [{ gridindex: 0, portnum: 3, monitornum: "10" }, { gridindex: 1, portnum: 3, monitornum: "11" }],
              changes: [{ gridindex: 0, monitornum: "09" }, { gridindex: 1, monitornum: "10" }] }
        ]
    }

    function test_renumberAfterRemoval(data) {
        compare(Layout.renumberAfterRemoval(data.entries, data.port, data.number), data.changes)
    }

    // The three checks run in order and stop at the first failure; the
    // failing ports appear as the error pages name them.
    function test_checkRule_data() {
        return [
            { tag: "no monitor", monitors: [], failed: 0, errorPort: "" },
            { tag: "single monitor", monitors: [[5, 5, 1, 1]], failed: 0, errorPort: "" },
            { tag: "corner touch", monitors: [[1, 1, 1, 1], [2, 2, 2, 1]], failed: 0, errorPort: "" },
            { tag: "two isolated", monitors: [[1, 1, 1, 1], [1, 3, 2, 1]], failed: 1, errorPort: "P1,P2" },
            { tag: "one isolated of three", monitors: [[1, 1, 1, 1], [1, 2, 1, 2], [5, 5, 3, 1]],
              failed: 1, errorPort: "P3" },
            // Neighbours by grid index would wrap from the end of a row to the
            // start of the next one.
            { tag: "row end and next row start", monitors: [[1, 16, 1, 1], [2, 1, 2, 1]],
              failed: 1, errorPort: "P1,P2" },
            { tag: "bottom right corner", monitors: [[15, 15, 1, 1], [16, 16, 2, 1]], failed: 0, errorPort: "" },
            { tag: "isolated secondary port", monitors: [[1, 1, 1, 1], [1, 2, 1, 2], [4, 4, 6, 1]],
              failed: 1, errorPort: "P6" },
            { tag: "L shape", monitors: [[1, 1, 1, 1], [2, 1, 1, 2], [2, 2, 1, 3]], failed: 2, errorPort: "P1" },
            { tag: "two separate rectangles",
              monitors: [[1, 1, 1, 1], [1, 2, 1, 2], [1, 3, 2, 1], [1, 4, 1, 3], [1, 5, 1, 4]],
              failed: 2, errorPort: "P1" },
            { tag: "two ports failing, ascending",
              monitors: [[1, 1, 2, 1], [2, 1, 2, 2], [2, 2, 2, 3], [3, 1, 1, 1], [4, 1, 1, 2], [4, 2, 1, 3]],
              failed: 2, errorPort: "P1,P2" },
            { tag: "full rectangle of 2 x 2", monitors: [[1, 1, 1, 1], [1, 2, 1, 2], [2, 1, 1, 3], [2, 2, 1, 4]],
              failed: 0, errorPort: "" },
            { tag: "two of three differ",
              monitors: [[1, 1, 1, 1, 1920, 1080], [1, 2, 1, 2, 1280, 1024], [1, 3, 1, 3, 1280, 1024]],
              failed: 3, errorPort: "P1" },
            { tag: "height alone differs",
              monitors: [[1, 1, 1, 1, 1920, 1080], [2, 1, 2, 1, 1920, 1080], [2, 2, 2, 2, 1920, 1200]],
              failed: 3, errorPort: "P2" },
            { tag: "vertical and horizontal of one port",
              monitors: [[1, 1, 1, 1, 1920, 1080], [1, 2, 1, 2, 1080, 1920]], failed: 3, errorPort: "P1" },
            { tag: "ports may differ from each other",
              monitors: [[1, 1, 1, 1, 1920, 1080], [1, 2, 2, 1, 2560, 1440]], failed: 0, errorPort: "" },
            { tag: "isolated checked before shape",
              monitors: [[1, 1, 1, 1], [2, 1, 1, 2], [2, 2, 1, 3], [9, 9, 2, 1]], failed: 1, errorPort: "P2" },
            { tag: "shape checked before resolution",
              monitors: [[1, 1, 1, 1, 1920, 1080], [2, 1, 1, 2, 1280, 1024], [2, 2, 1, 3]],
              failed: 2, errorPort: "P1" }
        ]
    }

    function test_checkRule(data) {
        var result = Layout.checkRule(mons(data.monitors))
        compare(result.failed, data.failed)
        compare(result.ok, data.failed === 0)
        compare(result.errorPort, data.errorPort)
        compare(result.ports.map(function (p) { return "P" + p }).join(","), data.errorPort)
    }

    // The editor keeps its monitors in placing order; the first monitor of a
    // port is still the first in grid order.
    function test_checkRule_resolution_compares_with_first_in_grid_order() {
        var placingOrder = mons([[1, 2, 1, 2, 1280, 1024], [1, 1, 1, 1, 1920, 1080], [1, 3, 1, 3, 1920, 1080]])
        compare(Layout.mixedResolutionPorts(placingOrder), [1])
        compare(Layout.checkRule(placingOrder).errorPort, "P1")
    }

    function test_firstIncomplete_data() {
        return [
            { tag: "all complete", monitors: [[1, 1, 1, 1], [1, 2, 1, 2]], expected: null },
            { tag: "no port", monitors: [[1, 1, 1, 1], [1, 2, 0, 1]], expected: { gridindex: 1, missing: 0 } },
            { tag: "no resolution", monitors: [[1, 1, 1, 1], [1, 2, 1, 2, 0, 0]], expected: { gridindex: 1, missing: 1 } },
            { tag: "no port wins over no resolution of the same monitor",
              monitors: [[2, 2, 0, 1, 0, 0]], expected: { gridindex: 17, missing: 0 } },
            { tag: "first in grid order, not in list order",
              monitors: [[3, 1, 0, 1], [1, 5, 1, 1, 0, 0]], expected: { gridindex: 4, missing: 1 } },
            { tag: "height of 0", monitors: [[1, 1, 1, 1, 1920, 0]], expected: { gridindex: 0, missing: 1 } }
        ]
    }

    function test_firstIncomplete(data) {
        compare(Layout.firstIncomplete(mons(data.monitors)), data.expected)
    }

    readonly property var mouseSettings: ({ acceleration_flag: 1, mouse_speed: 7, mouse_position: 5,
                                            switching_focus: 1, duration_time: 0, keep_awake: 2 })

    // Member order, quoting and grid order, byte for byte.
    function test_layoutText() {
        var monitors = mons([[2, 3, 2, 1], [1, 3, 1, 1, 1080, 1920], [1, 4, 1, 2, 1080, 1920], [2, 4, 5, 1]])
        compare(Layout.layoutText(mouseSettings, monitors),
                '[{"acceleration":"1","speed":"7","position":"5","switching_focus":1,"duration_time":0,'
                + '"keep_awake":2,"monitorlist":['
                + '{"row":"1","col":"3","width":"1080","height":"1920","portnum":"1","monitornum":"01"},'
                + '{"row":"1","col":"4","width":"1080","height":"1920","portnum":"1","monitornum":"02"},'
                + '{"row":"2","col":"3","width":"1920","height":"1080","portnum":"2","monitornum":"01"},'
                + '{"row":"2","col":"4","width":"1920","height":"1080","portnum":"5","monitornum":"01"}]}]')
        compare(Layout.layoutText({ acceleration_flag: 0, mouse_speed: 0, mouse_position: 4,
                                    switching_focus: 0, duration_time: 1, keep_awake: 0 }, []),
                '[{"acceleration":"0","speed":"0","position":"4","switching_focus":0,"duration_time":1,'
                + '"keep_awake":0,"monitorlist":[]}]')
    }

    // Written, read and written again, a layout keeps every byte; the
    // vertical monitor comes back vertical.
    function test_roundTrip() {
        var monitors = mons([[16, 16, 8, 1, 1080, 1920], [3, 9, 3, 1, 2560, 1440], [3, 10, 3, 2, 2560, 1440],
                             [10, 1, 1, 1, 65535, 0]])
        var text = Layout.layoutText(mouseSettings, monitors)
        var layout = Layout.parseLayout(text)
        verify(layout !== null)
        compare(Layout.mouseFromLayout(layout), mouseSettings)
        var back = Layout.monitorsFromLayout(layout)
        compare(back.map(function (m) { return m.gridindex }), [40, 41, 144, 255])
        compare(back[3].orientation, "v")
        compare(back[0].orientation, "h")
        compare(back[2].orientation, "h")
        compare(Layout.layoutText(Layout.mouseFromLayout(layout), back), text)
    }

    function test_parseLayout_refused_data() {
        var sixteen = []
        for (var i = 0; i < 16; ++i)
            sixteen.push(entry("1", String(i + 1), "1", (i < 9 ? "0" : "") + (i + 1), "1920", "1080"))
        var seventeen = sixteen.concat([entry("2", "1", "2", "01", "1920", "1080")])
        var ok = entry("1", "1", "1", "01", "1920", "1080")
        return [
            { tag: "not JSON", text: "[{\"monitorlist\":[" },
            { tag: "empty text", text: "" },
            { tag: "JSON null", text: "null" },
            { tag: "entry without monitornum", text: fileWith([ok, '{"row":"1","col":"2","width":"1920","height":"1080","portnum":"1"}']) },
            { tag: "entry not an object", text: fileWith([ok, "5"]) },
            { tag: "monitorlist not a list", text: '[{"monitorlist":{"row":"1"}}]' },
            { tag: "row 0", text: fileWith([entry("0", "1", "1", "01", "1920", "1080")]) },
            { tag: "row 17", text: fileWith([entry("17", "1", "1", "01", "1920", "1080")]) },
            { tag: "col 17", text: fileWith([entry("1", "17", "1", "01", "1920", "1080")]) },
            { tag: "col not whole", text: fileWith([entry("1", "2.5", "1", "01", "1920", "1080")]) },
            { tag: "row missing", text: fileWith(['{"col":"1","width":"1920","height":"1080","portnum":"1","monitornum":"01"}']) },
            { tag: "row blank", text: fileWith([entry("", "1", "1", "01", "1920", "1080")]) },
            { tag: "two on one cell", text: fileWith([ok, entry(1, 1, 2, "01", 1920, 1080)]) },
            { tag: "17 monitors", text: fileWith(seventeen) },
            { tag: "port 9", text: fileWith([entry("1", "1", "9", "01", "1920", "1080")]) },
            { tag: "port -1", text: fileWith([entry("1", "1", "-1", "01", "1920", "1080")]) },
            { tag: "port not whole", text: fileWith([entry("1", "1", "1.5", "01", "1920", "1080")]) },
            { tag: "port not a number", text: fileWith([entry("1", "1", "P1", "01", "1920", "1080")]) },
            { tag: "same number twice on a port", text: fileWith([ok, entry("1", "2", "1", "1", "1920", "1080")]) },
            { tag: "monitornum 00", text: fileWith([entry("1", "1", "1", "00", "1920", "1080")]) },
            { tag: "monitornum 17", text: fileWith([entry("1", "1", "1", "17", "1920", "1080")]) },
            { tag: "monitornum not a number", text: fileWith([entry("1", "1", "1", "ab", "1920", "1080")]) },
            { tag: "width 65536", text: fileWith([entry("1", "1", "1", "01", "65536", "1080")]) },
            { tag: "width negative", text: fileWith([entry("1", "1", "1", "01", "-1920", "1080")]) },
            { tag: "height not whole", text: fileWith([entry("1", "1", "1", "01", "1920", "1080.5")]) },
            { tag: "height missing", text: fileWith(['{"row":"1","col":"1","width":"1920","portnum":"1","monitornum":"01"}']) },
            { tag: "width a boolean", text: fileWith([entry("1", "1", "1", "01", true, "1080")]) }
        ]
    }

    function test_parseLayout_refused(data) {
        compare(Layout.parseLayout(data.text), null)
    }

    readonly property var defaultMouse: ({ acceleration_flag: 0, mouse_speed: 0, mouse_position: 4,
                                           switching_focus: 0, duration_time: 1, keep_awake: 0 })

    function test_parseLayout_accepted_data() {
        var sixteen = []
        for (var i = 0; i < 16; ++i)
            sixteen.push(entry("16", String(i + 1), "1", (i < 9 ? "0" : "") + (i + 1), "1920", "1080"))
        return [
            { tag: "template layout without focus members",
              text: fileWith([entry("2", "3", "1", "01", "1920", "1080"), entry("2", "4", "1", "02", "1920", "1080")]),
              mouse: defaultMouse, grid: [18, 19] },
            { tag: "numbers as numbers, members in any order",
              text: '[{"monitorlist":[{"monitornum":2,"portnum":5,"height":1920,"width":1080,"col":16,"row":16},'
                    + '{"monitornum":"01","portnum":"5","height":"1920","width":"1080","col":"15","row":"16"}],'
                    + '"keep_awake":1,"duration_time":3,"switching_focus":1,"position":2,"speed":3,"acceleration":1}]',
              mouse: { acceleration_flag: 1, mouse_speed: 3, mouse_position: 2, switching_focus: 1,
                       duration_time: 3, keep_awake: 1 },
              grid: [254, 255] },
            { tag: "sixteen monitors", text: fileWith(sixteen), mouse: defaultMouse,
              grid: [240, 241, 242, 243, 244, 245, 246, 247, 248, 249, 250, 251, 252, 253, 254, 255] },
            { tag: "no resolution and no port yet",
              text: fileWith([entry("1", "1", "0", "01", "0", "0")]), mouse: defaultMouse, grid: [0] },
            { tag: "largest size", text: fileWith([entry("1", "1", "1", "01", "65535", "65535")]),
              mouse: defaultMouse, grid: [0] },
            { tag: "same number on two ports",
              text: fileWith([entry("1", "1", "1", "01", "1920", "1080"), entry("1", "2", "2", "01", "1920", "1080")]),
              mouse: defaultMouse, grid: [0, 1] },
            { tag: "no first element", text: "[]", mouse: defaultMouse, grid: [] },
            { tag: "no monitorlist", text: '[{"acceleration":"1"}]',
              mouse: { acceleration_flag: 1, mouse_speed: 0, mouse_position: 4, switching_focus: 0,
                       duration_time: 1, keep_awake: 0 }, grid: [] },
            { tag: "not a list at all", text: '{"monitorlist":[{"row":"1"}]}', mouse: defaultMouse, grid: [] }
        ]
    }

    function test_parseLayout_accepted(data) {
        var layout = Layout.parseLayout(data.text)
        verify(layout !== null)
        compare(Layout.mouseFromLayout(layout), data.mouse)
        compare(Layout.monitorsFromLayout(layout).map(function (m) { return m.gridindex }), data.grid)
    }

    function test_monitorsFromLayout_converts() {
        var layout = Layout.parseLayout('[{"monitorlist":[{"row":"3","col":"2","width":"1080","height":"1920",'
                                        + '"portnum":"6","monitornum":3}]}]')
        compare(Layout.monitorsFromLayout(layout),
                [{ gridindex: 33, row: 3, col: 2, portnum: 6, monitornum: "03", width: 1080, height: 1920,
                   orientation: "v" }])
    }

    // Each value is brought into its range once, as the layout is read.
    function test_mouseFromLayout_data() {
        return [
            { tag: "speed above range", record: { speed: "15" }, member: "mouse_speed", value: 10 },
            { tag: "speed below range", record: { speed: -3 }, member: "mouse_speed", value: 0 },
            { tag: "speed in range", record: { speed: "7" }, member: "mouse_speed", value: 7 },
            { tag: "speed not a number", record: { speed: "fast" }, member: "mouse_speed", value: 0 },
            { tag: "acceleration not 0 is on", record: { acceleration: "5" }, member: "acceleration_flag", value: 1 },
            { tag: "acceleration not a number", record: { acceleration: "on" }, member: "acceleration_flag", value: 0 },
            { tag: "position kept outside 1..5", record: { position: "9" }, member: "mouse_position", value: 9 },
            { tag: "position kept at the top of its byte", record: { position: 255 }, member: "mouse_position", value: 255 },
            // Beyond the switch's byte the value would arrive as another place.
            { tag: "position 256", record: { position: 256 }, member: "mouse_position", value: 4 },
            { tag: "position 261", record: { position: "261" }, member: "mouse_position", value: 4 },
            { tag: "position 2^31", record: { position: 2147483648 }, member: "mouse_position", value: 4 },
            { tag: "position 1e308", record: { position: 1e308 }, member: "mouse_position", value: 4 },
            { tag: "position -1", record: { position: -1 }, member: "mouse_position", value: 4 },
            { tag: "position in range", record: { position: 1 }, member: "mouse_position", value: 1 },
            { tag: "position not a number", record: { position: "middle" }, member: "mouse_position", value: 4 },
            { tag: "position missing", record: {}, member: "mouse_position", value: 4 },
            { tag: "focus on", record: { switching_focus: "1" }, member: "switching_focus", value: 1 },
            { tag: "focus not 0 or 1", record: { switching_focus: 2 }, member: "switching_focus", value: 0 },
            { tag: "focus blank", record: { switching_focus: "" }, member: "switching_focus", value: 0 },
            { tag: "duration always", record: { duration_time: 0 }, member: "duration_time", value: 0 },
            { tag: "duration ten seconds", record: { duration_time: "3" }, member: "duration_time", value: 3 },
            { tag: "duration no code", record: { duration_time: 5 }, member: "duration_time", value: 1 },
            { tag: "duration null", record: { duration_time: null }, member: "duration_time", value: 1 },
            { tag: "duration missing", record: {}, member: "duration_time", value: 1 },
            { tag: "keep awake above range", record: { keep_awake: 5 }, member: "keep_awake", value: 2 },
            { tag: "keep awake when working", record: { keep_awake: "1" }, member: "keep_awake", value: 1 },
            { tag: "keep awake not a number", record: { keep_awake: "x" }, member: "keep_awake", value: 0 }
        ]
    }

    function test_mouseFromLayout(data) {
        compare(Layout.mouseFromLayout([data.record])[data.member], data.value)
    }

    // Every shipped configuration is a layout the editor accepts, holds
    // whole and lets pass its checks.
    function test_templates() {
        var ids = Object.keys(Templates.load().configurations).sort()
        compare(ids.length, 58)
        for (var i = 0; i < ids.length; ++i) {
            var layout = templateLayout(ids[i])
            var monitors = Layout.monitorsFromLayout(layout)
            compare(monitors.length, Templates.configuration(ids[i]).monitorlist.length, ids[i])
            compare(Layout.firstIncomplete(monitors), null, ids[i])
            var rule = Layout.checkRule(monitors)
            verify(rule.ok, ids[i] + " fails check " + rule.failed + " at " + rule.errorPort)
            compare(Layout.mouseFromLayout(layout), defaultMouse, ids[i])
        }
    }

    function test_recalculatePositions_data() {
        return [
            { tag: "main monitors with a column between",
              monitors: mons([[2, 3, 1, 1], [2, 4, 1, 2], [2, 5, 2, 1]]),
              expected: [[1, 1, 1, 1], [1, 2, 0, 0], [1, 3, 1, 2]] },
            { tag: "template 01-01", monitors: Layout.monitorsFromLayout(templateLayout("01-01")),
              expected: [[1, 1, 1, 1], [2, 1, 2, 1], [2, 2, 2, 2], [2, 3, 2, 3]] },
            { tag: "template 09-03", monitors: Layout.monitorsFromLayout(templateLayout("09-03")),
              expected: [[1, 1, 1, 1], [2, 1, 0, 0], [3, 1, 2, 1], [4, 1, 0, 0]] },
            { tag: "template 16-03", monitors: Layout.monitorsFromLayout(templateLayout("16-03")),
              expected: [[1, 1, 1, 1], [1, 2, 0, 0], [1, 3, 1, 2], [1, 4, 0, 0],
                         [2, 1, 0, 0], [2, 2, 0, 0], [2, 3, 0, 0], [2, 4, 0, 0],
                         [3, 1, 2, 1], [3, 2, 0, 0], [3, 3, 2, 2], [3, 4, 0, 0]] }
        ]
    }

    function test_recalculatePositions(data) {
        var result = Layout.recalculatePositions(data.monitors)
        compare(result.map(function (r) {
            return [r.relative_row, r.relative_col, r.main_relative_row, r.main_relative_col]
        }), data.expected)
    }

    function test_portRecordArgs() {
        var monitors = mons([[4, 6, 7, 1, 1080, 1920], [4, 7, 7, 2, 1080, 1920]])
        var rel = Layout.recalculatePositions(monitors)
        compare(Layout.portRecordArgs(monitors[0], rel[0]), [7, 1, 1, 1, 56, 4, 128, 7, 1, 1])
        compare(Layout.portRecordArgs(monitors[1], rel[1]), [7, 2, 1, 2, 56, 4, 128, 7, 0, 0])
        compare(Layout.portRecordArgs(mon([1, 1, 1, 1, 65535, 256]), rel[0]), [1, 1, 1, 1, 255, 255, 0, 1, 1, 1])
    }

    // The version text is the reply's version bytes in decimal, run together.
    function test_chainFromVersion_data() {
        return [
            { tag: "one switch", text: "10611", chain: 1 },
            { tag: "two switches", text: "10612", chain: 2 },
            { tag: "read twice without open", text: "1061210612", chain: 2 },
            { tag: "three switches", text: "10613", chain: 0 },
            { tag: "no switch", text: "10610", chain: 0 },
            { tag: "four characters", text: "1061", chain: 0 },
            { tag: "empty", text: "", chain: 0 },
            { tag: "a byte above 9 shifts the text", text: "1010612", chain: 0 },
            // 1.0.2.12, one switch: the fifth character would say two.
            { tag: "a shifted text never names a chain", text: "102121", chain: 0 },
            { tag: "read twice, then a shifted read", text: "1061210612102121", chain: 0 },
            { tag: "letter", text: "1061x", chain: 0 },
            { tag: "dotted text", text: "1.0.6.1", chain: 0 },
            { tag: "not a text", text: undefined, chain: 0 }
        ]
    }

    function test_chainFromVersion(data) {
        compare(Layout.chainFromVersion(data.text), data.chain)
    }

    function test_uploadDecision_data() {
        var low = mons([[1, 1, 1, 1], [1, 2, 2, 1]])
        var mixed = mons([[1, 1, 2, 1], [1, 2, 6, 1]])
        var high = mons([[1, 1, 5, 1], [1, 2, 8, 1]])
        return [
            { tag: "two switches, both units", monitors: mixed, chain: 2, action: "upload", ports: 8 },
            { tag: "two switches, secondary only", monitors: high, chain: 2, action: "upload", ports: 8 },
            { tag: "one switch, primary only", monitors: low, chain: 1, action: "upload", ports: 4 },
            { tag: "one switch, ports 2 and 6", monitors: mixed, chain: 1, action: "confirm", ports: 4 },
            { tag: "one switch, secondary only", monitors: high, chain: 1, action: "high-only", ports: 4 },
            // An unknown chain matters only to monitors behind port 4.
            { tag: "unknown chain, both units", monitors: mixed, chain: 0, action: "fail", ports: 0 },
            { tag: "unknown chain, secondary only", monitors: high, chain: 0, action: "fail", ports: 0 },
            { tag: "unknown chain, primary only", monitors: low, chain: 0, action: "upload", ports: 4 },
            { tag: "chain of three, primary only", monitors: low, chain: 3, action: "upload", ports: 4 },
            { tag: "chain of three, both units", monitors: mixed, chain: 3, action: "fail", ports: 0 }
        ]
    }

    function test_uploadDecision(data) {
        compare(Layout.uploadDecision(data.monitors, data.chain), { action: data.action, ports: data.ports })
    }

    readonly property string resolutionList: '[{"width":1920,"height":1080},{"width":"1280","height":"1024"}]'

    function test_resolutionEntries_data() {
        return [
            { tag: "horizontal", text: resolutionList, arrange: "h", entries: ["1920 * 1080", "1280 * 1024"] },
            { tag: "vertical", text: resolutionList, arrange: "v", entries: ["1080 * 1920", "1024 * 1280"] },
            { tag: "empty list", text: "[]", arrange: "h", entries: [] },
            { tag: "empty text", text: "", arrange: "h", entries: null },
            { tag: "damaged", text: '[{"width":1920,"hei', arrange: "h", entries: null },
            { tag: "not a list", text: '{"width":1920,"height":1080}', arrange: "h", entries: null },
            { tag: "entry without height", text: '[{"width":1920}]', arrange: "h", entries: null },
            { tag: "entry not an object", text: "[1920]", arrange: "h", entries: null }
        ]
    }

    function test_resolutionEntries(data) {
        compare(Layout.resolutionEntries(data.text, data.arrange), data.entries)
    }

    function test_parseResolutionText_data() {
        return [
            { tag: "horizontal", text: "1920 * 1080", width: 1920, height: 1080 },
            { tag: "vertical", text: "1080 * 1920", width: 1080, height: 1920 },
            { tag: "first entry", text: "Select Resolution", width: 0, height: 0 },
            { tag: "empty", text: "", width: 0, height: 0 }
        ]
    }

    function test_parseResolutionText(data) {
        compare(Layout.parseResolutionText(data.text), { width: data.width, height: data.height })
    }

    // The screens pass their own values in; no function may change them.
    function test_inputs_unchanged() {
        var monitors = mons([[2, 4, 1, 2, 1280, 1024], [2, 3, 1, 1], [5, 5, 0, 1, 0, 0]])
        var mouse = { acceleration_flag: 1, mouse_speed: 3, mouse_position: 2, switching_focus: 1,
                      duration_time: 2, keep_awake: 1 }
        var layout = JSON.parse(Layout.layoutText(mouse, monitors))
        var before = JSON.stringify([monitors, mouse, layout])
        Layout.checkRule(monitors)
        Layout.firstIncomplete(monitors)
        Layout.layoutText(mouse, monitors)
        Layout.recalculatePositions(monitors)
        Layout.renumberAfterRemoval(monitors, 1, "01")
        Layout.uploadDecision(monitors, 1)
        Layout.monitorsFromLayout(layout)
        Layout.mouseFromLayout(layout)
        compare(JSON.stringify([monitors, mouse, layout]), before)
    }
}
