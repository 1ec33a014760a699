.pragma library

// The layout editor's rules as pure functions over plain values: numbering,
// the three layout checks, the layout file text (writing and reading), the
// resolution list texts and the coordinate arithmetic of an upload.
//
// The editor screen, the upload flow and the command-line tool all call this
// one file, so every rule exists once. Nothing here touches a model, an item
// or the Qt object: the file must also evaluate in a bare QJSEngine. Inputs
// are never changed; every result is a new value.
//
// A monitor is {gridindex, row, col, portnum, monitornum, width, height}:
// numbers, except monitornum, the two-digit text "01".."16" ("01" is the
// port's main monitor). gridindex = (row - 1) * 16 + (col - 1).

var GRID_SIZE = 16
var MAX_MONITORS = 16
var DEVICE_PORTS = 4
var MAX_PORT = 8            // two chained switches of DEVICE_PORTS ports
var MAX_PIXELS = 65535      // width and height travel as two bytes

// Mouse values of a layout that carries none (and of a blank layout).
var MOUSE_DEFAULTS = {
    acceleration_flag: 0,
    mouse_speed: 0,
    mouse_position: 4,
    switching_focus: 0,
    duration_time: 1,
    keep_awake: 0
}

// ---------------------------------------------------------------- helpers

// The whole number a layout value stands for, or NaN. Layout files carry
// numbers either as JSON numbers or as texts; a blank text, null, a boolean
// or an object is no number (Number() would turn several of them into 0).
function wholeNumber(value) {
    var n
    if (typeof value === "number")
        n = value
    else if (typeof value === "string" && value.trim() !== "")
        n = Number(value)
    else
        return NaN
    return (isFinite(n) && Math.floor(n) === n) ? n : NaN
}

function numberOrNaN(value) {
    if (typeof value === "number")
        return value
    if (typeof value === "string" && value.trim() !== "")
        return Number(value)
    return NaN
}

function inRange(n, low, high) {
    return n === n && n >= low && n <= high
}

function gridIndexOf(m) {
    if (typeof m.gridindex === "number" && isFinite(m.gridindex))
        return m.gridindex
    return (Number(m.row) - 1) * GRID_SIZE + (Number(m.col) - 1)
}

// A copy of the list in grid order. The editor's own list of monitors is in
// placing order, so the checks never rely on being given grid order.
function inGridOrder(monitors) {
    var copy = []
    for (var i = 0; i < monitors.length; ++i)
        copy.push({ at: i, m: monitors[i] })
    copy.sort(function (a, b) {
        var d = gridIndexOf(a.m) - gridIndexOf(b.m)
        return d !== 0 ? d : a.at - b.at
    })
    return copy.map(function (entry) { return entry.m })
}

function portsInUse(monitors) {
    var seen = {}
    var ports = []
    for (var i = 0; i < monitors.length; ++i) {
        var p = Number(monitors[i].portnum)
        if (!seen.hasOwnProperty(p)) {
            seen[p] = true
            ports.push(p)
        }
    }
    return ports.sort(sortNumber)
}

// ------------------------------------------------------ names and numbers

// "--" for no port, "P1".."P4" on the primary switch, "S1".."S4" on the
// secondary one.
function portName(p) {
    var port = Number(p)
    if (port === 0)
        return "--"
    var k = port % DEVICE_PORTS
    if (k === 0)
        k = DEVICE_PORTS
    return (port <= DEVICE_PORTS ? "P" : "S") + k
}

function twoDigits(n) {
    var v = Number(n)
    return (v < 10 ? "0" : "") + v
}

// The number a new monitor on `port` gets: one above the monitors already
// there (numbers within a port are kept contiguous from "01").
function nextMonitorNumber(entries, port) {
    var p = Number(port)
    var count = 0
    for (var i = 0; i < entries.length; ++i)
        if (Number(entries[i].portnum) === p)
            ++count
    return twoDigits(count + 1)
}

// After monitor `number` leaves `port` (deleted or moved to another port),
// every monitor above it on that port moves one number down. Returns the
// changes only: [{gridindex, monitornum}].
function renumberAfterRemoval(entries, port, number) {
    var p = Number(port)
    var removed = Number(number)
    var changes = []
    for (var i = 0; i < entries.length; ++i) {
        var e = entries[i]
        var n = Number(e.monitornum)
        if (Number(e.portnum) === p && n > removed)
            changes.push({ gridindex: e.gridindex, monitornum: twoDigits(n - 1) })
    }
    return changes
}

// ------------------------------------------------------------- the checks

// The first monitor in grid order that cannot be saved yet: missing 0 when
// it has no port, missing 1 when it has no resolution. null when none.
// A width or a height of 0 both mean "no resolution chosen".
function firstIncomplete(monitors) {
    var ordered = inGridOrder(monitors)
    for (var i = 0; i < ordered.length; ++i) {
        var m = ordered[i]
        if (Number(m.portnum) === 0)
            return { gridindex: gridIndexOf(m), missing: 0 }
        if (Number(m.width) === 0 || Number(m.height) === 0)
            return { gridindex: gridIndexOf(m), missing: 1 }
    }
    return null
}

// Ports of the monitors that touch no other monitor (sides and corners
// count), one entry per isolated monitor, in grid order. A single monitor
// is never isolated.
function isolatedPorts(monitors) {
    var ports = []
    if (monitors.length <= 1)
        return ports
    var occupied = {}
    var ordered = inGridOrder(monitors)
    for (var i = 0; i < ordered.length; ++i)
        occupied[Number(ordered[i].row) + "," + Number(ordered[i].col)] = true
    for (i = 0; i < ordered.length; ++i) {
        var row = Number(ordered[i].row)
        var col = Number(ordered[i].col)
        var touching = false
        for (var dr = -1; dr <= 1 && !touching; ++dr) {
            for (var dc = -1; dc <= 1 && !touching; ++dc) {
                if (dr === 0 && dc === 0)
                    continue
                var r = row + dr
                var c = col + dc
                if (r >= 1 && r <= GRID_SIZE && c >= 1 && c <= GRID_SIZE && occupied[r + "," + c])
                    touching = true
            }
        }
        if (!touching)
            ports.push(Number(ordered[i].portnum))
    }
    return ports
}

// Ports (ascending) whose monitors leave a hole in their bounding rectangle:
// an L shape, or two separate blocks.
function nonRectangularPorts(monitors) {
    var failing = []
    var ports = portsInUse(monitors)
    for (var i = 0; i < ports.length; ++i) {
        var minRow = Infinity, maxRow = -Infinity, minCol = Infinity, maxCol = -Infinity
        var count = 0
        for (var j = 0; j < monitors.length; ++j) {
            var m = monitors[j]
            if (Number(m.portnum) !== ports[i])
                continue
            var row = Number(m.row)
            var col = Number(m.col)
            minRow = Math.min(minRow, row)
            maxRow = Math.max(maxRow, row)
            minCol = Math.min(minCol, col)
            maxCol = Math.max(maxCol, col)
            ++count
        }
        if (count !== (maxRow - minRow + 1) * (maxCol - minCol + 1))
            failing.push(ports[i])
    }
    return failing
}

// For each port (ascending), the port once for every monitor whose size
// differs from the port's first monitor in grid order.
function mixedResolutionPorts(monitors) {
    var failing = []
    var ordered = inGridOrder(monitors)
    var ports = portsInUse(ordered)
    for (var i = 0; i < ports.length; ++i) {
        var first = null
        for (var j = 0; j < ordered.length; ++j) {
            var m = ordered[j]
            if (Number(m.portnum) !== ports[i])
                continue
            if (first === null)
                first = m
            else if (Number(m.width) !== Number(first.width) || Number(m.height) !== Number(first.height))
                failing.push(ports[i])
        }
    }
    return failing
}

// The three layout rules in order, stopping at the first that fails:
// failed 1 = a monitor touches no other, 2 = a port's monitors are no full
// rectangle, 3 = a port mixes resolutions. errorPort is the text the error
// pages show ("P1,P3").
function checkRule(monitors) {
    var checks = [isolatedPorts, nonRectangularPorts, mixedResolutionPorts]
    for (var i = 0; i < checks.length; ++i) {
        var ports = checks[i](monitors)
        if (ports.length > 0) {
            return {
                ok: false,
                failed: i + 1,
                ports: ports,
                errorPort: ports.map(function (p) { return "P" + p }).join(",")
            }
        }
    }
    return { ok: true, failed: 0, ports: [], errorPort: "" }
}

// -------------------------------------------------------- layout file text

// The layout file text: compact JSON, members in a fixed order, the mouse's
// first three values and every monitor member as JSON strings.
function layoutText(mouse, monitors) {
    var text = "[{"
        + "\"acceleration\":" + JSON.stringify(String(mouse.acceleration_flag))
        + ",\"speed\":" + JSON.stringify(String(mouse.mouse_speed))
        + ",\"position\":" + JSON.stringify(String(mouse.mouse_position))
        + ",\"switching_focus\":" + Number(mouse.switching_focus)
        + ",\"duration_time\":" + Number(mouse.duration_time)
        + ",\"keep_awake\":" + Number(mouse.keep_awake)
        + ",\"monitorlist\":["
    var ordered = inGridOrder(monitors)
    var parts = []
    for (var i = 0; i < ordered.length; ++i) {
        var m = ordered[i]
        parts.push("{\"row\":" + JSON.stringify(String(Number(m.row)))
                   + ",\"col\":" + JSON.stringify(String(Number(m.col)))
                   + ",\"width\":" + JSON.stringify(String(Number(m.width)))
                   + ",\"height\":" + JSON.stringify(String(Number(m.height)))
                   + ",\"portnum\":" + JSON.stringify(String(Number(m.portnum)))
                   + ",\"monitornum\":" + JSON.stringify(twoDigits(m.monitornum)) + "}")
    }
    return text + parts.join(",") + "]}]"
}

// Whether a layout's monitor list can be applied whole: every monitor on
// its own cell of the grid, at most MAX_MONITORS of them, ports 0..MAX_PORT,
// numbers 1..16 and unique within a port, sizes that fit in two bytes. A
// list that fails here would be applied half-way and leave the editor (and
// later the switch) with a layout that it cannot hold.
function monitorListAcceptable(list) {
    if (!Array.isArray(list))
        return false
    if (list.length > MAX_MONITORS)
        return false
    var cells = {}
    var numbers = {}
    for (var i = 0; i < list.length; ++i) {
        var m = list[i]
        if (m === null || typeof m !== "object")
            return false
        var row = wholeNumber(m.row)
        var col = wholeNumber(m.col)
        var port = wholeNumber(m.portnum)
        var number = wholeNumber(m.monitornum)
        var width = wholeNumber(m.width)
        var height = wholeNumber(m.height)
        if (!inRange(row, 1, GRID_SIZE) || !inRange(col, 1, GRID_SIZE))
            return false
        if (!inRange(port, 0, MAX_PORT) || !inRange(number, 1, MAX_MONITORS))
            return false
        if (!inRange(width, 0, MAX_PIXELS) || !inRange(height, 0, MAX_PIXELS))
            return false
        var cell = row + "," + col
        var slot = port + "/" + number
        if (cells.hasOwnProperty(cell) || numbers.hasOwnProperty(slot))
            return false
        cells[cell] = true
        numbers[slot] = true
    }
    return true
}

// The parsed layout of a layout file text, or null when the file is not
// acceptable: text that is no JSON, a monitor list entry without
// "monitornum", or a monitor list the editor cannot hold (see
// monitorListAcceptable). Content that merely carries nothing (no first
// element, no "monitorlist") is accepted and gives an empty layout.
function parseLayout(text) {
    var layout
    try {
        layout = JSON.parse(String(text))
    } catch (e) {
        return null
    }
    if (layout === null || layout === "")
        return null
    var first = Array.isArray(layout) ? layout[0] : undefined
    if (first === null || typeof first !== "object")
        return layout
    var list = first.monitorlist
    if (list === undefined || list === null)
        return layout
    if (!Array.isArray(list))
        return null
    for (var i = 0; i < list.length; ++i) {
        if (list[i] === null || typeof list[i] !== "object" || !("monitornum" in list[i]))
            return null
    }
    return monitorListAcceptable(list) ? layout : null
}

function layoutRecord(layout) {
    if (!Array.isArray(layout))
        return null
    var first = layout[0]
    return (first !== null && typeof first === "object") ? first : null
}

// The monitors of a parsed layout in grid order, numbers as numbers, the
// monitor number as two digits and the orientation ("h" when width >=
// height, else "v") as `orientation`. [] when the layout holds none.
function monitorsFromLayout(layout) {
    var record = layoutRecord(layout)
    if (record === null || !Array.isArray(record.monitorlist))
        return []
    var monitors = []
    for (var i = 0; i < record.monitorlist.length; ++i) {
        var m = record.monitorlist[i]
        var row = Number(m.row)
        var col = Number(m.col)
        var width = Number(m.width)
        var height = Number(m.height)
        monitors.push({
            gridindex: (row - 1) * GRID_SIZE + (col - 1),
            row: row,
            col: col,
            portnum: Number(m.portnum),
            monitornum: twoDigits(Number(m.monitornum)),
            width: width,
            height: height,
            orientation: width >= height ? "h" : "v"
        })
    }
    return inGridOrder(monitors)
}

// The six mouse values of a parsed layout, each brought into its range once,
// here, so the settings dialogs show what will be saved and sent:
// acceleration and focus are on/off (acceleration counts as on when not 0,
// the focus only when 1), speed 0..10, duration one of its codes 0..3
// (anything else is "3 seconds", 1), keep-awake 0..2. A position outside
// 1..5 is kept as it is: the position dialog shows it as "lower right" and
// keeps the stored value unless the user chooses another. A missing or
// non-numeric value gives the blank layout's value.
function mouseFromLayout(layout) {
    var record = layoutRecord(layout) || {}
    var mouse = {}

    var acceleration = numberOrNaN(record.acceleration)
    mouse.acceleration_flag = acceleration !== acceleration ? MOUSE_DEFAULTS.acceleration_flag
                                                           : (acceleration !== 0 ? 1 : 0)

    var speed = numberOrNaN(record.speed)
    mouse.mouse_speed = speed !== speed ? MOUSE_DEFAULTS.mouse_speed
                                        : Math.min(10, Math.max(0, Math.round(speed)))

    var position = wholeNumber(record.position)
    mouse.mouse_position = position !== position ? MOUSE_DEFAULTS.mouse_position : position

    var focus = numberOrNaN(record.switching_focus)
    mouse.switching_focus = focus !== focus ? MOUSE_DEFAULTS.switching_focus : (focus === 1 ? 1 : 0)

    var duration = numberOrNaN(record.duration_time)
    mouse.duration_time = (duration === 0 || duration === 1 || duration === 2 || duration === 3)
            ? duration : MOUSE_DEFAULTS.duration_time

    var awake = numberOrNaN(record.keep_awake)
    mouse.keep_awake = awake !== awake ? MOUSE_DEFAULTS.keep_awake
                                       : Math.min(2, Math.max(0, Math.round(awake)))
    return mouse
}

// ------------------------------------------------------------ resolutions

// The drop-down texts of the resolution list text: "w * h" for a horizontal
// monitor, "h * w" for a vertical one. null when the text is not a JSON
// array of {width, height} with whole sizes above 0.
function resolutionEntries(jsonText, arrange) {
    var list
    try {
        list = JSON.parse(String(jsonText))
    } catch (e) {
        return null
    }
    if (!Array.isArray(list))
        return null
    var texts = []
    for (var i = 0; i < list.length; ++i) {
        var e = list[i]
        if (e === null || typeof e !== "object")
            return null
        var w = wholeNumber(e.width)
        var h = wholeNumber(e.height)
        if (!inRange(w, 1, MAX_PIXELS) || !inRange(h, 1, MAX_PIXELS))
            return null
        texts.push(arrange === "v" ? h + " * " + w : w + " * " + h)
    }
    return texts
}

// The width and height of a drop-down text; 0 and 0 for a text that names
// no resolution ("Select Resolution").
function parseResolutionText(text) {
    var parts = String(text).split(" * ")
    if (parts.length !== 2)
        return { width: 0, height: 0 }
    var width = wholeNumber(parts[0])
    var height = wholeNumber(parts[1])
    if (!inRange(width, 0, MAX_PIXELS) || !inRange(height, 0, MAX_PIXELS))
        return { width: 0, height: 0 }
    return { width: width, height: height }
}

// ----------------------------------------------------------------- upload

// The number of chained switches from the firmware version text (the
// decimal values of the reply's version bytes run together, "10612"): its
// fifth character. 0 for any text that names neither 1 nor 2 switches; the
// upload must then stop before anything is sent or removed.
function chainFromVersion(versionText) {
    if (typeof versionText !== "string" || versionText.length < 5)
        return 0
    var c = versionText.charAt(4)
    return c === "1" ? 1 : (c === "2" ? 2 : 0)
}

// What an upload does with these monitors on a chain of `chain` switches:
// "upload" all monitors on ports up to `ports`; with one switch and monitors
// on both switches' ports "confirm" (ask, then upload ports 1-4 only); with
// one switch and only secondary ports "high-only" (refuse). An invalid chain
// gives "fail": uploading with 0 ports would send no monitor and remove
// every one of them from the layout.
function uploadDecision(monitors, chain) {
    var c = Number(chain)
    if (c !== 1 && c !== 2)
        return { action: "fail", ports: 0 }
    var low = false
    var high = false
    for (var i = 0; i < monitors.length; ++i) {
        if (Number(monitors[i].portnum) > DEVICE_PORTS)
            high = true
        else
            low = true
    }
    var action = "upload"
    if (c === 1 && high)
        action = low ? "confirm" : "high-only"
    return { action: action, ports: c * DEVICE_PORTS }
}

function sortNumber(a, b) {
    return a - b
}

// The coordinates an upload sends, per monitor (same order as given):
// relative_row/col place every monitor in the smallest grid holding the
// layout, from (1, 1) at the top left; main_relative_row/col place the
// ports' main monitors (number 1) in that grid with the rows and columns
// between main monitors that hold none squeezed out; other monitors get
// 0 and 0 there.
function recalculatePositions(monitors) {
    var minRow = 0
    var minCol = 0
    var mainRows = []
    var mainCols = []
    var i, row, col
    for (i = 0; i < monitors.length; ++i) {
        row = Number(monitors[i].row)
        col = Number(monitors[i].col)
        if (minRow === 0) {
            minRow = row
            minCol = col
        } else {
            if (row < minRow)
                minRow = row
            if (col < minCol)
                minCol = col
        }
        if (Number(monitors[i].monitornum) === 1) {
            if (mainRows.indexOf(row) < 0)
                mainRows.push(row)
            if (mainCols.indexOf(col) < 0)
                mainCols.push(col)
        }
    }
    mainRows.sort(sortNumber)
    mainCols.sort(sortNumber)
    var gapRows = gaps(mainRows)
    var gapCols = gaps(mainCols)

    var result = []
    for (i = 0; i < monitors.length; ++i) {
        row = Number(monitors[i].row)
        col = Number(monitors[i].col)
        var rel = {
            relative_row: row - minRow + 1,
            relative_col: col - minCol + 1,
            main_relative_row: 0,
            main_relative_col: 0
        }
        if (!(Number(monitors[i].monitornum) > 1)) {
            rel.main_relative_row = row - minRow + 1 - countBelow(gapRows, row)
            rel.main_relative_col = col - minCol + 1 - countBelow(gapCols, col)
        }
        result.push(rel)
    }
    return result
}

// The whole numbers from the first to the last of an ascending list that
// the list leaves out.
function gaps(sorted) {
    var missing = []
    if (sorted.length === 0)
        return missing
    for (var v = sorted[0]; v <= sorted[sorted.length - 1]; ++v)
        if (sorted.indexOf(v) < 0)
            missing.push(v)
    return missing
}

function countBelow(values, limit) {
    var n = 0
    for (var i = 0; i < values.length; ++i)
        if (values[i] < limit)
            ++n
    return n
}

// The ten arguments of the device object's port record call, in order.
function portRecordArgs(monitor, rel) {
    var width = Number(monitor.width)
    var height = Number(monitor.height)
    return [Number(monitor.portnum), Number(monitor.monitornum),
            rel.relative_row, rel.relative_col,
            width & 255, width >> 8, height & 255, height >> 8,
            rel.main_relative_row, rel.main_relative_col]
}
