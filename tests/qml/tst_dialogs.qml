import QtQuick 2.12
import QtTest 1.12
import Seamrun.Shell 1.0

// The alert, the confirmation and the missing-selection notice, shown through
// the main window's dialog requests as every screen shows them.
MainWindowCase {
    name: "Dialogs"

    property var calls: []

    function recorder(name) {
        return function() { calls.push(name) }
    }

    function show(screen) {
        var dialog = child("dialog_Qml")
        dialog.source = ""
        dialog.source = "qrc:/Qml/" + screen
        dialog.visible = true
        return dialogItem()
    }

    function init() {
        calls = []
        openMain({})
        dismissStartNotice()
    }

    function test_alertLayout_data() {
        return [
            { tag: "no icon, no title", info: { msg: "Plain.", showicon: 0, icon: 1 },
              icon: false, x: 25, width: 330, title: "" },
            { tag: "failure", info: { msg: "Broken.", showicon: 1, icon: 0, title: "Save failed!" },
              icon: true, picture: "img-fail.png", x: 90, width: 250, title: "Save failed!" },
            { tag: "success", info: { msg: "Done.", showicon: 1, icon: 1 },
              icon: true, picture: "img-successfully.png", x: 90, width: 250, title: "" },
            { tag: "other icon value", info: { msg: "Done.", showicon: 1, icon: 7 },
              icon: true, picture: "img-successfully.png", x: 90, width: 250, title: "" }
        ]
    }

    function test_alertLayout(data) {
        window.alert_dialog_info = data.info
        var alert = show("alert_dialog_control.qml")
        var panel = findChild(alert, "panel")
        compare(panel.width, 380)
        compare(panel.height, 200)
        compare(panel.title, data.title)
        var icon = findChild(alert, "icon")
        compare(icon.visible, data.icon)
        if (data.icon)
            verify(icon.source.toString().indexOf("/" + data.picture) >= 0)
        var message = findChild(alert, "message")
        compare(message.text, data.info.msg)
        compare(message.x, data.x)
        compare(message.width, data.width)
        compare(findChild(alert, "okButton").text, "OK")
        // The panel sits in the middle of the window.
        var centre = panel.mapToItem(window.contentItem, panel.width / 2, panel.height / 2)
        fuzzyCompare(centre.x, window.width / 2, 1)
        fuzzyCompare(centre.y, window.height / 2, 1)
    }

    function test_alertButtons_data() {
        return [
            { tag: "OK", press: "okButton", called: ["ok"] },
            { tag: "close image", press: "closeImage", called: ["close"] },
            { tag: "OK without function", press: "okButton", called: [], none: true },
            { tag: "close without function", press: "closeImage", called: [], none: true }
        ]
    }

    function test_alertButtons(data) {
        window.alert_dialog_info = {
            msg: "Something happened.", showicon: 1, icon: 0,
            okfunc: data.none ? null : recorder("ok"),
            closefunc: data.none ? null : recorder("close")
        }
        var alert = show("alert_dialog_control.qml")
        clickItem(findChild(alert, data.press))
        compare(calls, data.called)
        compare(child("dialog_Qml").visible, false)
    }

    function test_alertFollowsRecord() {
        window.alert_dialog_info = { msg: "First.", showicon: 0, icon: 0 }
        var alert = show("alert_dialog_control.qml")
        window.alert_dialog_info = { msg: "Second.", showicon: 1, icon: 1, title: "Now" }
        compare(findChild(alert, "message").text, "Second.")
        compare(findChild(alert, "panel").title, "Now")
        verify(findChild(alert, "icon").visible)
    }

    // A button whose function shows the next notice leaves that notice shown,
    // whether the function loads the screen afresh or reuses the loaded one.
    function test_functionOpensNextDialog_data() {
        var rows = []
        var buttons = [
            ["alert OK", "alert_dialog_control.qml", "okfunc", "okButton"],
            ["alert close", "alert_dialog_control.qml", "closefunc", "closeImage"],
            ["confirm left", "confirm_dialog_control.qml", "dofunc", "doButton"],
            ["confirm right", "confirm_dialog_control.qml", "cancelfunc", "cancelButton"],
            ["confirm close", "confirm_dialog_control.qml", "closefunc", "closeImage"]
        ]
        for (var i = 0; i < buttons.length; ++i) {
            for (var fresh = 0; fresh < 2; ++fresh) {
                rows.push({ tag: buttons[i][0] + (fresh ? ", fresh" : ", reused"), screen: buttons[i][1],
                            key: buttons[i][2], press: buttons[i][3], fresh: fresh === 1 })
            }
        }
        return rows
    }

    function test_functionOpensNextDialog(data) {
        var next = data.screen === "alert_dialog_control.qml"
                ? { msg: "Saved.", showicon: 1, icon: 1, okfunc: null, closefunc: null, title: "" }
                : { msg: "Saved.", dobtn: "OK", cancelbtn: "Cancel", showicon: 0, icon: 0 }
        var dialog = child("dialog_Qml")
        var showNext = function() {
            if (data.screen === "alert_dialog_control.qml")
                window.alert_dialog_info = next
            else
                window.comfirm_dialog_info = next
            if (data.fresh)
                dialog.source = ""
            dialog.source = "qrc:/Qml/" + data.screen
            dialog.visible = true
        }
        var info = { msg: "Go on?", dobtn: "OK", cancelbtn: "Cancel", showicon: 0, icon: 0 }
        info[data.key] = showNext
        if (data.screen === "alert_dialog_control.qml")
            window.alert_dialog_info = info
        else
            window.comfirm_dialog_info = info
        var first = show(data.screen)
        clickItem(findChild(first, data.press))
        verify(dialog.visible)
        tryCompare(dialog, "status", 1)
        compare(findChild(dialog.item, "message").text, "Saved.")
    }

    function test_confirmLayout_data() {
        return [
            { tag: "icon", showicon: 1, icon: 0, iconShown: true, x: 90, width: 265 },
            { tag: "icon, other value", showicon: 1, icon: 1, iconShown: true, x: 90, width: 265 },
            { tag: "no icon", showicon: 0, icon: 0, iconShown: false, x: 25, width: 328 }
        ]
    }

    function test_confirmLayout(data) {
        window.comfirm_dialog_info = { msg: "Are you sure?", dobtn: "Cancel", cancelbtn: "Continue",
                                       dofunc: null, cancelfunc: null, closefunc: null,
                                       showicon: data.showicon, icon: data.icon }
        var confirm = show("confirm_dialog_control.qml")
        var panel = findChild(confirm, "panel")
        compare(panel.width, 380)
        compare(panel.height, 190)
        compare(panel.title, "")
        var icon = findChild(confirm, "icon")
        compare(icon.visible, data.iconShown)
        verify(icon.source.toString().indexOf("/img-caveat.png") >= 0)
        var message = findChild(confirm, "message")
        compare(message.text, "Are you sure?")
        compare(message.x, data.x)
        compare(message.width, data.width)
        compare(message.horizontalAlignment, Text.AlignHCenter)
        var left = findChild(confirm, "doButton")
        var right = findChild(confirm, "cancelButton")
        compare(left.text, "Cancel")
        compare(right.text, "Continue")
        compare([left.width, left.height, right.width, right.height], [150, 30, 150, 30])
        compare(left.x, 25)
        compare(right.x + right.width, panel.width - 25)
    }

    function test_confirmButtons_data() {
        return [
            { tag: "left", press: "doButton", called: ["do"] },
            { tag: "right", press: "cancelButton", called: ["cancel"] },
            { tag: "close image", press: "closeImage", called: ["close"] },
            { tag: "left without function", press: "doButton", called: [], noDo: true }
        ]
    }

    function test_confirmButtons(data) {
        window.comfirm_dialog_info = {
            msg: "Really?", dobtn: "OK", cancelbtn: "Cancel",
            dofunc: data.noDo ? null : recorder("do"),
            cancelfunc: recorder("cancel"), closefunc: recorder("close"),
            showicon: 0, icon: 0
        }
        var confirm = show("confirm_dialog_control.qml")
        clickItem(findChild(confirm, data.press))
        compare(calls, data.called)
        compare(child("dialog_Qml").visible, false)
        compare(window.visible, true)
    }

    // Shown again with the same source, the dialog is not made anew; it shows
    // the current record.
    function test_confirmShownAgain() {
        window.comfirm_dialog_info = { msg: "One?", dobtn: "A", cancelbtn: "B", showicon: 0, icon: 0 }
        var confirm = show("confirm_dialog_control.qml")
        clickItem(findChild(confirm, "cancelButton"))
        window.comfirm_dialog_info = { msg: "Two?", dobtn: "C", cancelbtn: "D", showicon: 1, icon: 0 }
        child("dialog_Qml").visible = true
        compare(child("dialog_Qml").item, confirm)
        compare(findChild(confirm, "message").text, "Two?")
        compare(findChild(confirm, "doButton").text, "C")
        verify(findChild(confirm, "icon").visible)
    }

    function test_select_data() {
        return [
            { tag: "number", type: 0, msg: "Please select a number.", resolution: false },
            { tag: "resolution", type: 1, msg: "Please select a resolution.", resolution: true }
        ]
    }

    function test_select(data) {
        window.select_dialog_type = data.type
        var select = show("selectDialog.qml")
        var panel = findChild(select, "panel")
        compare(panel.width, 380)
        compare(panel.height, 195)
        compare(findChild(select, "message").text, data.msg)
        var example = findChild(select, "resolutionExample")
        compare(example.visible, data.resolution)
        compare(example.enabled, false)
        compare(example.currentText, "Select Resolution")
        compare(example.width, 150)
        compare(findChild(select, "numberExample").visible, !data.resolution)
        // The example sits inside the panel and clear of the OK button,
        // whatever size its picture was drawn at.
        var ok = findChild(select, "okButton")
        var shown = data.resolution ? example : findChild(select, "numberExample")
        var box = shown.mapToItem(panel, 0, 0, shown.width, shown.height)
        var okBox = ok.mapToItem(panel, 0, 0, ok.width, ok.height)
        verify(box.x >= 0 && box.y >= 0 && box.x + box.width <= panel.width
               && box.y + box.height <= panel.height, JSON.stringify(box))
        verify(box.x + box.width <= okBox.x || box.y + box.height <= okBox.y, "overlaps the OK button")
        clickItem(ok)
        compare(child("dialog_Qml").visible, false)
        child("dialog_Qml").visible = true
        clickItem(findChild(select, "closeImage"))
        compare(child("dialog_Qml").visible, false)
    }

    // A label that does not fit its button is shown whole as the button's
    // tool tip, a moment after the mouse stops on it; a press hides it. A
    // label that fits has none.
    function test_buttonToolTip_data() {
        return [
            { tag: "cut", text: "A label far too long for its button", tip: true },
            { tag: "fits", text: "OK", tip: false }
        ]
    }

    function test_buttonToolTip(data) {
        var alert = show("alert_dialog_control.qml")
        var ok = findChild(alert, "okButton")
        ok.text = data.text
        compare(ok.tooltip, data.tip ? data.text : "")
        mouseMove(ok, 10, 10)
        mouseMove(ok, 12, 12)
        if (data.tip) {
            tryVerify(function () { return ToolTip.shownText() === data.text }, 3000, "the whole label as its tip")
        } else {
            wait(1300)
            compare(ToolTip.shownText(), "")
        }
        mousePress(ok, 12, 12)
        compare(ToolTip.shownText(), "")
        mouseRelease(ok, 12, 12)
    }

    // The shading catches every press: nothing behind a dialog reacts.
    function test_nothingBehindReacts() {
        window.alert_dialog_info = { msg: "Wait.", showicon: 0, icon: 0 }
        show("alert_dialog_control.qml")
        var right = child("arrow_right")
        clickItem(right)
        compare(window.template_page, 1)
        var list = child("language_list")
        mouseWheel(list, 10, 10, 0, -120)
        compare(list.currentIndex, 0)
    }
}
