import QtQuick 2.12
import QtTest 1.12

// The switch status on the home page and in the editor's side panel, kept
// current from the emulated switch's device list: attached, absent, unplugged
// and plugged in again while the program runs, and what an upload read.
MainWindowCase {
    id: switchCase
    name: "SwitchStatus"
    when: windowShown

    function windowObject(name) {
        for (var i = 0; i < window.data.length; ++i)
            if (window.data[i].objectName === name)
                return window.data[i]
        fail("no object " + name)
    }

    function start() {
        openMain({})
        dismissStartNotice()
        // Poll often, so the test need not wait two seconds per change.
        windowObject("switch_status").interval = 20
    }

    // [state, details] of a status line; details "" when hidden.
    function shown(line) {
        var details = findChild(line, "statusDetails")
        return [findChild(line, "statusText").text, details.visible ? details.text : ""]
    }

    function init() {
        switchSetup.reset()
    }

    function cleanup() {
        switchSetup.reset()
        lang.changeLang(0)
    }

    function test_attached_data() {
        return [
            { tag: "attached", setting: ["", ""], state: "Connected", details: "" },
            { tag: "absent", setting: ["ABSENT", "1"], state: "Not connected", details: "" },
            { tag: "other ids", setting: ["PID", "0x0002"], state: "Not connected", details: "" },
            // Attached, but this user may not open it (no udev rule).
            { tag: "no access", setting: ["NO_ACCESS", "1"], state: "Connected",
              details: "No access: udev rule missing" }
        ]
    }

    function test_attached(data) {
        switchSetup.set(data.setting[0], data.setting[1])
        start()
        var home = child("home_switch_status")
        tryVerify(function () { return shown(home).join("|") === data.state + "|" + data.details })
        compare(home.Accessible.role, Accessible.StatusBar)
        compare(home.Accessible.name, data.details !== "" ? data.state + ", " + data.details : data.state)
        // A switch that cannot be used yet is not shown as ready.
        var dot = findChild(home, "statusDot").color
        compare(Qt.colorEqual(dot, "#84C02F"), data.state === "Connected" && data.details === "")
        var editor = openEditor()
        var side = findChild(editor, "editor_switch_status")
        verify(side.visible)
        compare(shown(side), [data.state, data.details])
        compare(findChild(side, "statusDetails").truncated, false)
    }

    // The side panel in every language, before an upload, after one has read
    // the firmware and the chain, and with a switch this user may not open:
    // the state and the details whole and inside the panel's margins, and the
    // port strips below them with a clear gap above Undo and Redo.
    function test_sidePanelFits_data() {
        var names = ["en", "zh-TW", "zh", "ja", "de", "ru", "ko", "fr", "es", "pt"]
        var rows = []
        for (var i = 0; i < names.length; ++i) {
            rows.push({ tag: names[i], language: i, upload: false, noAccess: false })
            rows.push({ tag: names[i] + " after upload", language: i, upload: true, noAccess: false })
            rows.push({ tag: names[i] + " no access", language: i, upload: false, noAccess: true })
        }
        return rows
    }

    function test_sidePanelFits(data) {
        switchSetup.set("CHAIN", "2")
        if (data.noAccess)
            switchSetup.set("NO_ACCESS", "1")
        start()
        lang.changeLang(data.language)
        tryCompare(windowObject("switch_status"), "connected", true)
        if (data.upload) {
            var orrin = windowObject("orrin")
            verify(orrin.open(window.vid, window.pid))
            verify(orrin.getFWAPProtocolVersion())
            orrin.close()
        }
        var editor = openEditor()
        var panel = findChild(editor, "side_panel")
        var side = findChild(editor, "editor_switch_status")
        var state = findChild(side, "statusText")
        var details = findChild(side, "statusDetails")
        var withDetails = data.upload || data.noAccess
        compare(details.visible, withDetails)
        var margin = 24
        var texts = withDetails ? [state, details] : [state]
        for (var i = 0; i < texts.length; ++i) {
            var text = texts[i]
            var left = text.mapToItem(panel, 0, 0).x
            var right = text.mapToItem(panel, text.contentWidth, 0).x
            verify(!text.truncated && text.contentWidth <= text.width + 0.5,
                   text.text + ": cut (" + text.contentWidth + " of " + text.width + " px)")
            verify(left >= margin && right <= panel.width - margin,
                   text.text + " runs from " + left + " to " + right + " of " + panel.width)
        }
        var last = withDetails ? details : state
        var textBottom = last.mapToItem(panel, 0, last.height).y
        var primary = findChild(editor, "primary_strip")
        var secondary = findChild(editor, "secondary_strip")
        verify(secondary.visible)
        verify(textBottom <= primary.mapToItem(panel, 0, 0).y,
               "the status runs " + (textBottom - primary.mapToItem(panel, 0, 0).y) + " px into the strips")
        // The lowest thing drawn: the Secondary strip's port numbers.
        var number = findChild(findChild(secondary, "port8"), "number")
        var stripsBottom = number.mapToItem(panel, 0, number.height).y
        var buttonsTop = findChild(editor, "undo_button").mapToItem(panel, 0, 0).y
        verify(buttonsTop - stripsBottom >= 8,
               "the strips end " + (buttonsTop - stripsBottom) + " px above Undo and Redo")
    }

    // Version and chain appear once read, and go with the switch; the name
    // screen readers get follows.
    function test_unpluggedWhileRunning() {
        switchSetup.set("CHAIN", "2")
        start()
        var home = child("home_switch_status")
        tryCompare(findChild(home, "statusText"), "text", "Connected")
        var orrin = windowObject("orrin")
        verify(orrin.open(window.vid, window.pid))
        verify(orrin.getFWAPProtocolVersion())
        orrin.close()
        compare(shown(home), ["Connected", "Firmware 1.0.6.1, 2 switches chained"])
        compare(home.Accessible.name, "Connected, Firmware 1.0.6.1, 2 switches chained")
        // In the side panel the details fit, clear of the buttons below.
        var editor = openEditor()
        var side = findChild(editor, "editor_switch_status")
        compare(shown(side), ["Connected", "Firmware 1.0.6.1, 2 switches chained"])
        var details = findChild(side, "statusDetails")
        compare(details.truncated, false)
        var panel = findChild(editor, "side_panel")
        var strips = findChild(editor, "secondary_strip")
        var below = strips.mapToItem(panel, 0, strips.height).y
        verify(details.mapToItem(panel, 0, details.height).y < strips.mapToItem(panel, 0, 0).y)
        verify(below < findChild(editor, "undo_button").mapToItem(panel, 0, 0).y, "the strips clear the buttons")
        verify(details.mapToItem(panel, 0, 0).x >= 0)
        window.goHome()

        switchSetup.set("ABSENT", "1")
        tryCompare(findChild(home, "statusText"), "text", "Not connected")
        compare(shown(home), ["Not connected", ""])
        compare(home.Accessible.name, "Not connected")

        switchSetup.set("ABSENT", "")
        tryCompare(findChild(home, "statusText"), "text", "Connected")
        compare(shown(home), ["Connected", ""], "another switch may have come")

        switchSetup.set("CHAIN", "1")
        switchSetup.set("VERSION", "2,1,12,0")
        verify(orrin.open(window.vid, window.pid))
        verify(orrin.getFWAPProtocolVersion())
        orrin.close()
        // A two-digit number blurs the text ("211201"): shown as it is, and no
        // chain is claimed from a fifth character that is not one.
        compare(shown(home), ["Connected", "Firmware 21120"])
    }

    // The first frame of a window never waits for the device list: on a
    // window still to be shown the first look comes after its first frame,
    // on one already on screen at the next turn of the event loop.
    function test_firstLookAfterFirstFrame() {
        var shell = createTemporaryQmlObject(
                    "import QtQuick 2.12; import QtQuick.Window 2.12; import Qt.Quick.OrrinData 1.0\n"
                    + "Window { width: 120; height: 80; property alias status: status\n"
                    + "    SwitchStatus { id: status; vid: 0x1209; pid: 0x0001 } }", switchCase)
        wait(0)
        wait(0)
        compare(shell.status.connected, false, "looked before the window's first frame")
        shell.visible = true
        tryCompare(shell.status, "connected", true)

        var later = Qt.createQmlObject("import Qt.Quick.OrrinData 1.0; SwitchStatus { vid: 0x1209; pid: 0x0001 }",
                                       shell.contentItem)
        wait(0)
        compare(later.connected, true, "a window on screen has nothing to wait for")
        later.destroy()
    }
}
