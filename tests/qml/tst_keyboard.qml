import QtQuick 2.12
import QtTest 1.12

// The program by keyboard alone, on the real main window: key events only,
// no presses, except where a test sets up what the mouse would have made.
EditorCase {
    id: keyCase

    name: "Keyboard"
    when: windowShown

    function focused() {
        return window.activeFocusItem
    }

    function inside(item, ancestor) {
        for (var p = item; p; p = p.parent)
            if (p === ancestor)
                return true
        return false
    }

    function keys(list) {
        for (var i = 0; i < list.length; ++i) {
            var k = list[i]
            if (Array.isArray(k))
                keyClick(k[0], k[1])
            else
                keyClick(k)
        }
    }

    function cursor() {
        return findChild(editor, "grid_cursor")
    }

    // ------------------------------------------------------------ dialogs

    // Enter presses the default button (the first, unless a question names
    // the other), Escape does what the close image does, in every kind of
    // dialog.
    function test_dialogKeys_data() {
        var alert = function (calls) {
            window.showAlert({ msg: "m", showicon: 0, icon: 0, title: "",
                               okfunc: function () { calls.push("ok") },
                               closefunc: function () { calls.push("close") } })
        }
        var confirm = function (calls) {
            window.showConfirm({ msg: "q", dobtn: "Do", cancelbtn: "Other", showicon: 0, icon: 0,
                                 dofunc: function () { calls.push("do") },
                                 cancelfunc: function () { calls.push("cancel") },
                                 closefunc: function () { calls.push("close") } })
        }
        var keepingConfirm = function (calls) {
            window.showConfirm({ msg: "q", dobtn: "Drop", cancelbtn: "Keep", showicon: 0, icon: 0,
                                 defaultbtn: "cancel",
                                 dofunc: function () { calls.push("do") },
                                 cancelfunc: function () { calls.push("cancel") },
                                 closefunc: function () { calls.push("close") } })
        }
        var errorPage = function (calls) {
            window.alert_dialog_info = { msg: "", showicon: 0, icon: 0, title: "", closefunc: null,
                                         okfunc: function () { calls.push("ok") } }
            var loader = child("error_Qml")
            loader.source = ""
            loader.source = "qrc:/Qml/edit_page_error3.qml"
            loader.visible = true
        }
        var screen = function (file) {
            return function (calls) {
                var loader = child("dialog_Qml")
                loader.source = ""
                loader.source = "qrc:/Qml/" + file
                loader.visible = true
            }
        }
        return [
            { tag: "alert, Enter", open: alert, key: Qt.Key_Return, calls: ["ok"] },
            { tag: "alert, keypad Enter", open: alert, key: Qt.Key_Enter, calls: ["ok"] },
            { tag: "alert, Escape", open: alert, key: Qt.Key_Escape, calls: ["close"] },
            { tag: "confirm, Enter", open: confirm, key: Qt.Key_Return, calls: ["do"] },
            { tag: "confirm, Escape", open: confirm, key: Qt.Key_Escape, calls: ["close"] },
            { tag: "confirm, Tab then Enter", open: confirm, key: [Qt.Key_Tab, Qt.Key_Return], calls: ["cancel"] },
            { tag: "confirm, Tab Tab then Space", open: confirm, key: [Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Space], calls: ["do"] },
            { tag: "confirm keeping work, Enter", open: keepingConfirm, key: Qt.Key_Return, calls: ["cancel"] },
            { tag: "confirm keeping work, Tab then Enter", open: keepingConfirm, key: [Qt.Key_Tab, Qt.Key_Return], calls: ["do"] },
            { tag: "error page, Enter", open: errorPage, key: Qt.Key_Return, calls: ["ok"], loader: "error_Qml" },
            { tag: "error page, Escape", open: errorPage, key: Qt.Key_Escape, calls: [], loader: "error_Qml" },
            { tag: "selection notice, Enter", open: screen("selectDialog.qml"), key: Qt.Key_Return, calls: [] },
            { tag: "about, Escape", open: screen("about_control.qml"), key: Qt.Key_Escape, calls: [] },
            { tag: "tutorial, Escape", open: screen("edit_page_tutorial.qml"), key: Qt.Key_Escape, calls: [] }
        ]
    }

    function test_dialogKeys(data) {
        start()
        var calls = []
        data.open(calls)
        var loader = child(data.loader || "dialog_Qml")
        tryCompare(loader, "status", 1 /* Loader.Ready */)
        verify(inside(focused(), loader), "the dialog has the keyboard")
        keys(Array.isArray(data.key) ? data.key : [data.key])
        compare(loader.visible, false)
        compare(calls, data.calls)
        verify(!inside(focused(), loader), "the closed dialog gave the keyboard back")
    }

    // Every question that can cost the layout on screen has the button that
    // keeps it under the keyboard: Enter or Space keeps the work; the other
    // button takes a Tab first. Texts and button order stay as they are.
    function test_enterKeepsWork_data() {
        var editorQuit = "Do you want to save the change? If yes, please save the configuration before leaving."
        return [
            { tag: "quit from the editor", keys: [[Qt.Key_Q, Qt.ControlModifier]], msg: editorQuit,
              buttons: ["Quit", "OK"], lost: function () { return !window.visible } },
            { tag: "home page", ask: function () { keyCase.editor.goHomePage() }, msg: editorQuit,
              buttons: ["Home Page", "OK"], lost: function () { return window.ismain === 1 } },
            { tag: "new layout", keys: [[Qt.Key_N, Qt.ControlModifier]],
              msg: "Are you sure you want to create a new list without saving?",
              buttons: ["Create", "Cancel"], lost: function () { return keyCase.editor.curmonitornum === 0 } },
            { tag: "load a file", keys: [[Qt.Key_O, Qt.ControlModifier]],
              msg: "Are you sure you want to load a file without saving?", buttons: ["Load", "Cancel"],
              lost: function () {
                  var shown = fileDialogs.shownFolder() !== ""
                  fileDialogs.reject()
                  return shown
              } }
        ]
    }

    function test_enterKeepsWork(data) {
        start()
        openLayout([[1, 1, 1, "01"], [1, 2, 1, "02"]])
        window.is_saved = 0
        var ask = function () {
            cursor().forceActiveFocus()
            if (data.ask)
                data.ask()
            else
                keys(data.keys)
            var question = dialogItem()
            compare(findChild(question, "message").text, data.msg)
            compare([findChild(question, "doButton").text, findChild(question, "cancelButton").text], data.buttons)
            compare(focused(), findChild(question, "cancelButton"), "the button that keeps the layout")
        }
        var kept = function () {
            compare(child("dialog_Qml").visible, false)
            verify(!data.lost(), "the layout was kept")
            compare(layoutSummary(), ["1,1:1/01", "1,2:1/02"])
            compare(window.is_saved, 0)
            compare(focused(), cursor(), "the page has the keyboard back")
        }
        ask()
        keyClick(Qt.Key_Return)
        kept()
        ask()
        keyClick(Qt.Key_Space)
        kept()
        ask()
        keyClick(Qt.Key_Enter)
        kept()

        ask()
        keyClick(Qt.Key_Tab)
        compare(focused(), findChild(dialogItem(), "doButton"))
        keyClick(Qt.Key_Return)
        verify(data.lost(), "a deliberate choice still does it")
    }

    // Settings dialogs: Enter keeps the choice, Escape drops it.
    function test_settingsDialogKeys_data() {
        return [
            { tag: "Enter", key: Qt.Key_Return, speed: 3 },
            { tag: "Escape", key: Qt.Key_Escape, speed: 0 }
        ]
    }

    function test_settingsDialogKeys(data) {
        start()
        openBlank()
        editor.doMenuEvent(5)
        var dialog = dialogItem()
        var slider = findChild(dialog, "speed_slider")
        var box = findChild(dialog, "acceleration_box")
        // Tab to the check box, Space ticks it, which lets Tab reach the
        // slider; the slider takes the arrows.
        function tabTo(item) {
            for (var i = 0; i < 4 && !inside(focused(), item); ++i) {
                keyClick(Qt.Key_Tab)
                verify(inside(focused(), dialog), "Tab stays in the dialog")
            }
            verify(inside(focused(), item))
        }
        tabTo(box)
        keyClick(Qt.Key_Space)
        verify(box.checked)
        tabTo(slider)
        keys([Qt.Key_Right, Qt.Key_Right, Qt.Key_Right])
        compare(slider.value, 3)
        keyClick(data.key)
        compare(child("dialog_Qml").visible, false)
        compare(window.mouse_speed, data.speed)
    }

    // Tab and Shift+Tab go round the dialog; nothing behind it takes the
    // keyboard, on either page. (The first-start notice used to let Tab and
    // Space reach the Open button behind it.)
    function test_focusStaysInDialog_data() {
        return [
            { tag: "start notice on the home page", page: "home", key: Qt.Key_Tab },
            { tag: "question over the editor", page: "editor", key: Qt.Key_Tab },
            { tag: "question over the editor, backwards", page: "editor", key: Qt.Key_Backtab }
        ]
    }

    function test_focusStaysInDialog(data) {
        openMain({})
        var loader = child("dialog_Qml")
        tryCompare(loader, "status", 1 /* Loader.Ready */)
        if (data.page === "editor") {
            keyClick(Qt.Key_Return)
            openBlank()
            window.showExitWindow()
        }
        var seen = []
        for (var i = 0; i < 6; ++i) {
            keyClick(data.key)
            verify(inside(focused(), loader), "Tab " + i + " stays in the dialog")
            if (seen.indexOf(focused()) < 0)
                seen.push(focused())
        }
        compare(seen.length, data.page === "editor" ? 2 : 1, "every button of the dialog, and only those")
        if (data.page === "home") {
            keyClick(Qt.Key_Space)
            compare(loader.visible, false, "Space pressed the notice's OK")
            compare(focused(), child("open_button"), "the page takes the keyboard back")
        } else {
            keyClick(Qt.Key_Escape)
            compare(loader.visible, false)
            compare(focused(), cursor(), "the page takes the keyboard back")
        }
    }

    // A page that is not shown never takes the keyboard.
    function test_hiddenPageTakesNoFocus() {
        start()
        openLayout([[1, 1, 1, "01"]])
        var home = child("home_page")
        var reached = []
        for (var i = 0; i < 40; ++i) {
            keyClick(Qt.Key_Tab)
            verify(!inside(focused(), home), "Tab " + i + " stays off the home page")
            if (reached.indexOf(focused()) < 0)
                reached.push(focused())
        }
        verify(reached.indexOf(cursor()) >= 0, "Tab reaches the grid")
        verify(reached.indexOf(findChild(editor, "resolution_list")) >= 0, "Tab reaches the resolution list")
        verify(reached.indexOf(findChild(editor, "save_device_button")) >= 0, "Tab reaches Save to device")

        window.goHome()
        for (i = 0; i < 40; ++i) {
            keyClick(Qt.Key_Tab)
            verify(!inside(focused(), child("setQml")), "Tab " + i + " stays off the editor")
        }
    }

    // ---------------------------------------------------------------- grid

    // The cursor moves over the grid and stops at its edges; the cursor is
    // drawn, the selection border stays where it was.
    function test_cursorMoves_data() {
        return [
            { tag: "right and down", keys: [Qt.Key_Right, Qt.Key_Right, Qt.Key_Down], at: [2, 3] },
            { tag: "stops at the top left", keys: [Qt.Key_Up, Qt.Key_Left, Qt.Key_Left], at: [1, 1] },
            { tag: "stops at the right edge", keys: new Array(20).fill(Qt.Key_Right), at: [1, 16] },
            { tag: "stops at the bottom edge", keys: new Array(20).fill(Qt.Key_Down), at: [16, 1] }
        ]
    }

    function test_cursorMoves(data) {
        start()
        openBlank()
        compare(focused(), cursor(), "the editor opens with the keyboard on the grid")
        keys(data.keys)
        compare([cursor().row, cursor().column], data.at)
        verify(findChild(cursor(), "cursorCell").visible)
        compare(editor.m_index, -1, "moving the cursor selects nothing")
        compare(editor.curmonitornum, 0)
    }

    // What each key does on the cell under the cursor, by the editor's rules.
    function test_gridKeys_data() {
        return [
            { tag: "Space places on port 1", layout: [], keys: [Qt.Key_Space],
              after: ["1,1:1/01"] },
            { tag: "Enter joins the selected monitor's port", layout: [[1, 1, 3, "01"]],
              keys: [Qt.Key_Right, Qt.Key_Return], after: ["1,1:3/01", "1,2:3/02"] },
            { tag: "Enter on a placed monitor selects it", layout: [[1, 1, 1, "01"], [1, 2, 2, "01"]],
              keys: [Qt.Key_Right, Qt.Key_Return], after: ["1,1:1/01", "1,2:2/01"], selected: [1, 2] },
            { tag: "a number key sets the port", layout: [[1, 1, 1, "01"], [1, 2, 1, "02"]],
              keys: [Qt.Key_4], after: ["1,1:4/01", "1,2:1/01"] },
            { tag: "a number key sets the port of the monitor under the cursor, not the selected one",
              layout: [[1, 1, 1, "01"], [1, 2, 1, "02"]],
              keys: [Qt.Key_Right, Qt.Key_2], after: ["1,1:1/01", "1,2:2/01"], selected: [1, 2] },
            { tag: "a number key on an empty cell changes nothing", layout: [[1, 1, 1, "01"]],
              keys: [Qt.Key_Right, Qt.Key_3], after: ["1,1:1/01"] },
            { tag: "no port above the build's range", layout: [[1, 1, 1, "01"]], phase: "R0",
              keys: [Qt.Key_5], after: ["1,1:1/01"] },
            { tag: "the number list: Up and Enter swap", layout: [[1, 1, 1, "01"], [1, 2, 1, "02"]],
              keys: [Qt.Key_Right, Qt.Key_N, Qt.Key_Up, Qt.Key_Return], after: ["1,1:1/02", "1,2:1/01"] },
            { tag: "the number list: Escape changes nothing", layout: [[1, 1, 1, "01"], [1, 2, 1, "02"]],
              keys: [Qt.Key_Right, Qt.Key_N, Qt.Key_Up, Qt.Key_Escape], after: ["1,1:1/01", "1,2:1/02"] },
            { tag: "the port list: Down Down and Enter", layout: [[1, 1, 1, "01"]],
              keys: [Qt.Key_P, Qt.Key_Down, Qt.Key_Down, Qt.Key_Return], after: ["1,1:3/01"] },
            { tag: "Ctrl+arrow moves the monitor", layout: [[1, 1, 2, "01"]],
              keys: [[Qt.Key_Right, Qt.ControlModifier], [Qt.Key_Down, Qt.ControlModifier]],
              after: ["2,2:2/01"], selected: [2, 2] },
            { tag: "Ctrl+arrow onto a monitor is refused", layout: [[1, 1, 2, "01"], [1, 2, 1, "01"]],
              keys: [[Qt.Key_Right, Qt.ControlModifier]], after: ["1,1:2/01", "1,2:1/01"], selected: [1, 1] }
        ]
    }

    function test_gridKeys(data) {
        start()
        if (data.phase)
            window.phase = data.phase
        openLayout(data.layout)
        cursor().forceActiveFocus()
        keys(data.keys)
        compare(layoutSummary(), data.after)
        verifyModelsAgree()
        if (data.selected) {
            compare(editor.m_index, cellIndex(data.selected[0], data.selected[1]))
            compare([cursor().row, cursor().column], data.selected)
        }
        compare(focused(), cursor(), "the keyboard is back on the grid")
    }

    // Delete asks the delete question with "Cancel" under the keyboard:
    // Escape and Enter keep the monitor, Tab to its OK and Enter deletes it,
    // and the grid has the keyboard again either way.
    function test_deleteQuestion() {
        start()
        openLayout([[1, 1, 1, "01"], [1, 2, 1, "02"]])
        var question = findChild(editor, "del_dialog")
        cursor().forceActiveFocus()
        keyClick(Qt.Key_Delete)
        verify(question.visible)
        compare(focused(), findChild(question, "cancelButton"))
        keyClick(Qt.Key_Tab)
        compare(focused(), findChild(question, "okButton"))
        keyClick(Qt.Key_Escape)
        verify(!question.visible)
        compare(layoutSummary(), ["1,1:1/01", "1,2:1/02"])
        compare(focused(), cursor())
        keys([Qt.Key_Delete, Qt.Key_Return])
        verify(!question.visible)
        compare(layoutSummary(), ["1,1:1/01", "1,2:1/02"])
        compare(focused(), cursor())
        keys([Qt.Key_Delete, Qt.Key_Tab, Qt.Key_Return])
        compare(layoutSummary(), ["1,2:1/01"])
        compare(focused(), cursor())
        keyClick(Qt.Key_Delete)
        verify(!question.visible, "no question on an empty cell")
    }

    // Screen readers hear the cell under the cursor.
    function test_cursorNames() {
        start()
        openLayout([[1, 1, 5, "01"]])
        cursor().forceActiveFocus()
        compare(cursor().Accessible.name, "Row 1, column 1, S1, monitor 01")
        keyClick(Qt.Key_Right)
        compare(cursor().Accessible.name, "Row 1, column 2, empty")
        keyClick(Qt.Key_Space)
        compare(cursor().Accessible.name, "Row 1, column 2, S1, monitor 02")
    }

    // --------------------------------------------------- menus and pages

    function test_fileMenuByKeyboard() {
        start()
        openLayout([[1, 1, 1, "01"]])
        var button = findChild(editor, "file_button")
        var menu = findChild(editor, "menu_bar")
        // Shift+Tab from the grid: Settings, then File.
        cursor().forceActiveFocus()
        keys([Qt.Key_Backtab, Qt.Key_Backtab])
        verify(inside(focused(), button))
        keyClick(Qt.Key_Space)
        verify(menu.visible)
        var texts = []
        for (var i = 1; i <= 4; ++i)
            texts.push(findChild(findChild(menu.item, "menuEntry" + i), "keys").text)
        compare(texts, ["Ctrl+N", "Ctrl+O", "Ctrl+Shift+S", "Ctrl+Q"])
        verify(inside(focused(), findChild(menu.item, "menuEntry1")))
        keys([Qt.Key_Down, Qt.Key_Down, Qt.Key_Down, Qt.Key_Up])
        verify(inside(focused(), findChild(menu.item, "menuEntry3")))
        keyClick(Qt.Key_Escape)
        verify(!menu.visible)
        verify(inside(focused(), button), "Escape goes back to the button")
        // Enter on "Quit" asks the quit question.
        keys([Qt.Key_Return, Qt.Key_Up, Qt.Key_Return])
        verify(!menu.visible)
        compare(findChild(dialogItem(), "message").text,
                "Do you want to save the change? If yes, please save the configuration before leaving.")
    }

    // On the template pages the arrows move between the tiles (Left and
    // Right go on to the next or previous page at its ends), Page Up and Page
    // Down turn the page; the keyboard stays on the tiles. Page 1 has four
    // columns (00-03, 04-07, 08-09), pages 2 and 3 three (19 10 11, 20 12 14,
    // 13; 15 16 17, 18).
    function test_templateKeys_data() {
        return [
            { tag: "Right to the next tile", page: 1, from: "00", keys: [Qt.Key_Right], to: "01" },
            { tag: "Down a row", page: 1, from: "01", keys: [Qt.Key_Down], to: "05" },
            { tag: "Up a row", page: 2, from: "12", keys: [Qt.Key_Up], to: "10" },
            { tag: "Left to the previous tile", page: 1, from: "05", keys: [Qt.Key_Left], to: "04" },
            { tag: "Up in the top row stays", page: 1, from: "02", keys: [Qt.Key_Up], to: "02" },
            { tag: "Down with no tile below stays", page: 1, from: "07", keys: [Qt.Key_Down], to: "07" },
            { tag: "Left at the first tile stays", page: 1, from: "00", keys: [Qt.Key_Left], to: "00" },
            { tag: "Right past the last tile", page: 1, from: "09", keys: [Qt.Key_Right], toPage: 2, to: "19" },
            { tag: "Left past the first tile", page: 2, from: "19", keys: [Qt.Key_Left], toPage: 1, to: "09" },
            { tag: "Right at the very last stays", page: 3, from: "18", keys: [Qt.Key_Right], to: "18" },
            { tag: "Page Down", page: 1, from: "05", keys: [Qt.Key_PageDown], toPage: 2, to: "19" },
            { tag: "Page Up", page: 3, from: "17", keys: [Qt.Key_PageUp], toPage: 2, to: "19" },
            { tag: "Page Up on the first page", page: 1, from: "06", keys: [Qt.Key_PageUp], to: "06" }
        ]
    }

    function test_templateKeys(data) {
        start()
        window.template_page = data.page
        findChild(child("template_page" + data.page), "template_" + data.from).focusTile()
        keys(data.keys)
        var page = data.toPage || data.page
        compare(window.template_page, page)
        verify(inside(focused(), child("template_" + data.to)), "on " + data.to)
        verify(findChild(child("template_" + data.to), "focusFrame").visible)
    }

    // Tab goes from the last tile to the page buttons, leaving out the one
    // that can do nothing on this page; a button that reaches the end hands
    // the keyboard to the other one.
    function test_pageButtonsByKeyboard_data() {
        return [
            { tag: "first page", page: 1, last: "09", stop: "arrow_right" },
            { tag: "last page", page: 3, last: "18", stop: "arrow_left" }
        ]
    }

    function test_pageButtonsByKeyboard(data) {
        start()
        window.template_page = data.page
        findChild(child("template_page" + data.page), "template_" + data.last).focusTile()
        keyClick(Qt.Key_Tab)
        verify(inside(focused(), child(data.stop)), "Tab reaches " + data.stop)
        keyClick(Qt.Key_Tab)
        verify(!inside(focused(), child("arrow_left")) && !inside(focused(), child("arrow_right")),
               "the disabled button is no Tab stop")
        keyClick(Qt.Key_Backtab)
        verify(inside(focused(), child(data.stop)))

        // Enter turns the page towards the other end, then back.
        keyClick(Qt.Key_Return)
        compare(window.template_page, 2)
        verify(inside(focused(), child(data.stop)), "still on the button")
        keyClick(Qt.Key_Return)
        compare(window.template_page, data.page === 1 ? 3 : 1)
        var other = data.stop === "arrow_right" ? "arrow_left" : "arrow_right"
        verify(inside(focused(), child(other)), "the button at the end hands over to " + other)

        // Enter on a tile opens its configurations, which take the keyboard.
        shownPage().focusLast()
        keyClick(Qt.Key_Return)
        verify(child("load_templates").visible)
        verify(inside(focused(), child("load_templates")))
    }

    function shownPage() {
        return child("template_page" + window.template_page)
    }

    function test_shortcuts_data() {
        return [
            { tag: "Ctrl+Q on the home page", page: "home", key: Qt.Key_Q, mods: Qt.ControlModifier,
              message: "Do you want to quit?" },
            { tag: "Ctrl+N on the home page", page: "home", key: Qt.Key_N, mods: Qt.ControlModifier,
              editor: true },
            { tag: "Ctrl+S without monitors", page: "editor", key: Qt.Key_S, mods: Qt.ControlModifier,
              message: "No data to be saved." },
            { tag: "Ctrl+Shift+S without monitors", page: "editor", key: Qt.Key_S,
              mods: Qt.ControlModifier | Qt.ShiftModifier, message: "No data to be saved." },
            { tag: "Ctrl+O with unsaved monitors", page: "unsaved", key: Qt.Key_O, mods: Qt.ControlModifier,
              message: "Are you sure you want to load a file without saving?" },
            { tag: "Ctrl+N with unsaved monitors", page: "unsaved", key: Qt.Key_N, mods: Qt.ControlModifier,
              message: "Are you sure you want to create a new list without saving?" }
        ]
    }

    function test_shortcuts(data) {
        start()
        if (data.page === "editor")
            openBlank()
        if (data.page === "unsaved") {
            openBlank()
            keyClick(Qt.Key_Space)
        }
        keyClick(data.key, data.mods)
        if (data.editor)
            verify(child("setQml").visible)
        var dialog = child("dialog_Qml")
        compare(dialog.visible, data.message !== undefined)
        if (data.message) {
            compare(findChild(dialogItem(), "message").text, data.message)
            // Behind a dialog the keys do nothing.
            keyClick(Qt.Key_Q, Qt.ControlModifier)
            compare(findChild(dialogItem(), "message").text, data.message)
        }
    }

    // ------------------------------------------------------ a whole desk

    // From the recent-file list to a saved file, keys only: two ports side
    // by side, renumbered, a resolution chosen, checked and saved over the
    // file it came from.
    function test_deskByKeyboard() {
        var url = documentsUrl("desk.km")
        writeLayoutFile(url, JSON.stringify(layoutOf([[1, 1, 1, "01"]])))
        regedit.setRegedit("file-recent", JSON.stringify({ filelist: [{ path: url }] }))
        openMain({ "file-recent": JSON.stringify({ filelist: [{ path: url }] }) })
        keyClick(Qt.Key_Return)                     // the start notice
        compare(focused(), child("open_button"))
        keys([Qt.Key_Tab, Qt.Key_Down, Qt.Key_Return])  // the recent file
        editor = child("setQml").item
        verify(editor && child("setQml").visible, "the file is open")
        compare(focused(), cursor())
        keys([Qt.Key_Down, Qt.Key_Space,            // 2,1 joins P1 as 02
              Qt.Key_Right, Qt.Key_Space,           // 2,2 would join P1 ...
              Qt.Key_2,                             // ... and moves to P2
              Qt.Key_Up, Qt.Key_Space,              // 1,2 joins P2 as 02
              Qt.Key_N, Qt.Key_Up, Qt.Key_Return])  // and takes 01
        compare(layoutSummary(), ["1,1:1/01", "1,2:2/01", "2,1:1/02", "2,2:2/02"])
        // Every new monitor took the list's current resolution; the P2 pair
        // takes the next entry, chosen from the keyboard for each.
        keys([Qt.Key_R, Qt.Key_Down, Qt.Key_Escape])
        compare(focused(), cursor())
        keys([Qt.Key_Down, Qt.Key_Space, Qt.Key_R, Qt.Key_Down, Qt.Key_Escape])
        var sizes = layoutSummary(true)
        compare(sizes[1].split(" ")[1], sizes[3].split(" ")[1], "P2 shares one resolution")
        verifyModelsAgree()

        keyClick(Qt.Key_S, Qt.ControlModifier)      // checks pass: the save question
        compare(findChild(dialogItem(), "message").text, "Save Profile")
        keys([Qt.Key_Tab, Qt.Key_Return])           // "Save": over the file
        verify(alertText().indexOf("Saved successfully.") === 0, alertText())
        keyClick(Qt.Key_Return)
        compare(child("dialog_Qml").visible, false)
        compare(window.is_saved, 1)
        var saved = JSON.parse(readLayoutFile(url))[0].monitorlist
        compare(saved.map(function (m) { return m.row + "," + m.col + ":" + m.portnum + "/" + m.monitornum }),
                ["1,1:1/01", "1,2:2/01", "2,1:1/02", "2,2:2/02"])
        compare(focused(), cursor(), "the grid has the keyboard again")
    }

    // The tutorial takes the keyboard when it greets a layout; Enter is OK,
    // also with the keyboard on "Don't show this again", ticked by Space.
    function test_tutorialEnter_data() {
        return [
            { tag: "Enter", tick: false, key: Qt.Key_Return, stored: "1" },
            { tag: "Space on the box, then keypad Enter", tick: true, key: Qt.Key_Enter, stored: "0" }
        ]
    }

    function test_tutorialEnter(data) {
        start({ "showTutorial": "" })
        openLayout([[1, 1, 1, "01"]])
        var pages = child("error_Qml")
        verify(pages.visible && pages.source.toString().indexOf("/edit_page_tutorial.qml") >= 0)
        var inside = function () {
            for (var p = window.activeFocusItem; p; p = p.parent)
                if (p === pages.item)
                    return true
            return false
        }
        tryVerify(inside, 1000, "the tutorial has the keyboard")
        var box = findChild(pages.item, "dontShow")
        if (data.tick) {
            for (var i = 0; i < 4 && !box.activeFocus; ++i)
                keyClick(Qt.Key_Tab)
            verify(box.activeFocus, "Tab reaches the box")
            keyClick(Qt.Key_Space)
            verify(box.checked)
        }
        keyClick(data.key)
        compare(pages.visible, false, "Enter closes the tutorial")
        compare(regedit.readRegedit("showTutorial"), data.stored)
    }

    // Up and Down on the language list do not switch the language (each
    // press asked to before): the language stays until one is picked.
    function test_languageArrows_data() {
        return [{ tag: "Down", key: Qt.Key_Down }, { tag: "Up", key: Qt.Key_Up }]
    }

    function test_languageArrows(data) {
        start({ "language": "4" })
        var list = child("language_list")
        list.forceActiveFocus()
        keyClick(data.key)
        wait(50)
        compare(list.currentIndex, 4)
        compare(child("dialog_Qml").visible, false, "no question before a language is picked")
        verify(list.listShown, "the arrow opens the list")
        keyClick(Qt.Key_Escape)
        verify(!list.listShown)
        compare(list.currentIndex, 4)
    }

    // In the open list the arrows move the light, Enter picks and asks,
    // Escape closes it as it was; the window's shortcuts wait meanwhile.
    // The box keeps the keyboard after it closes.
    function test_languageListKeys_data() {
        return [
            { tag: "Enter", keys: [Qt.Key_Down, Qt.Key_Down, Qt.Key_Down, Qt.Key_Up, Qt.Key_Return], asks: "Deutsch" },
            { tag: "End", keys: [Qt.Key_End, Qt.Key_Enter], asks: "Português" },
            { tag: "Home", keys: [Qt.Key_Home, Qt.Key_Space], asks: "English" },
            { tag: "Escape", keys: [Qt.Key_Down, Qt.Key_Escape], asks: "" },
            { tag: "shortcut", keys: [[Qt.Key_N, Qt.ControlModifier], Qt.Key_Escape], asks: "" }
        ]
    }

    function test_languageListKeys(data) {
        start({ "language": "2" })
        var list = child("language_list")
        list.forceActiveFocus()
        keyClick(Qt.Key_Space)
        verify(list.listShown)
        keys(data.keys)
        verify(!list.listShown)
        verify(!child("setQml").visible, "no page change behind the list")
        compare(child("dialog_Qml").visible, data.asks !== "")
        if (data.asks !== "") {
            compare(findChild(dialogItem(), "message").text, "Language setting: " + data.asks)
            keyClick(Qt.Key_Escape)
            tryVerify(function () { return inside(focused(), list) }, 1000, "the box has the keyboard again")
        } else {
            verify(inside(focused(), list), "the box keeps the keyboard")
        }
        compare(list.currentIndex, 2)
    }

    // The About box's address is a link Tab reaches; OK has the keyboard
    // first, so Enter still closes the box.
    function test_aboutLink() {
        start()
        window.show_About()
        var about = dialogItem()
        var ok = findChild(about, "okButton")
        tryVerify(function () { return ok.activeFocus }, 1000, "OK has the keyboard")
        keyClick(Qt.Key_Tab)
        var ring = findChild(about, "websiteRing")
        verify(ring.activeFocus, "Tab reaches the address")
        compare(ring.Accessible.role, Accessible.Link)
        compare(ring.Accessible.name, findChild(about, "website").text)
        keyClick(Qt.Key_Tab)
        verify(ok.activeFocus, "and goes round to OK")
        keyClick(Qt.Key_Return)
        compare(child("dialog_Qml").visible, false)
    }

    // The focus frame on a port indicator stands out from the dark strip
    // by at least 3:1 (WCAG's minimum for focus indicators).
    function test_portFocusContrast() {
        start()
        openLayout([[1, 1, 1, "01"]])
        var port = findChild(findChild(editor, "primary_strip"), "port1")
        var frame = findChild(port, "focusFrame")
        function luminance(c) {
            function lin(v) { return v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4) }
            return 0.2126 * lin(c.r) + 0.7152 * lin(c.g) + 0.0722 * lin(c.b)
        }
        var a = luminance(frame.border.color), b = luminance(Qt.lighter("#084576", 1))
        var ratio = (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)
        verify(ratio >= 3, "contrast " + ratio.toFixed(2) + ":1")
    }
}
