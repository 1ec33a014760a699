import QtQuick 2.12
import QtTest 1.12

// The main window: start sequence, language list, quit question, recent
// files, template pages, title bar and the editor page's frame.
MainWindowCase {
    name: "MainWindow"

    readonly property string accelerationNotice:
        "Before using Seamrun Switching, please turn off mouse acceleration in the operating system."

    SignalSpy { id: spy }

    function test_start_data() {
        return [
            { tag: "never ran", stored: "", kept: "0", index: 0 },
            { tag: "japanese", stored: "3", kept: "3", index: 3 },
            { tag: "not a language", stored: "42", kept: "42", index: 0 }
        ]
    }

    function test_start(data) {
        openMain({ "language": data.stored })
        compare(regedit.readRegedit("language"), data.kept)
        compare(window.lastLanguage, data.index)
        compare(window.first, 0)
        compare(child("language_list").currentIndex, data.index)
        // The one notice at start is about mouse acceleration, not a language question.
        var dialog = child("dialog_Qml")
        verify(dialog.visible)
        verify(dialog.source.toString().indexOf("alert_dialog_control.qml") >= 0)
        compare(findChild(dialog.item, "message").text, accelerationNotice)
        compare(window.width, 1280)
        compare(window.height, 755)
        verify(window.flags & Qt.FramelessWindowHint)
    }

    function chooseLanguage(index) {
        dismissStartNotice()
        child("language_list").currentIndex = index
        var question = dialogItem()
        verify(child("dialog_Qml").visible)
        verify(child("dialog_Qml").source.toString().indexOf("confirm_dialog_control.qml") >= 0)
        return question
    }

    // The question joins its label and the language as the shown language
    // joins a label and a value.
    function test_languageQuestionJoin_data() {
        return [
            { tag: "English", shown: 0, join: ": " },
            { tag: "Chinese", shown: 2, join: "\uFF1A" },
            { tag: "Japanese", shown: 3, join: "\uFF1A" },
            { tag: "French", shown: 7, join: "\u00a0: " }
        ]
    }

    function test_languageQuestionJoin(data) {
        openMain({})
        lang.changeLang(data.shown)
        var text = findChild(chooseLanguage(4), "message").text
        lang.changeLang(0)
        verify(text.indexOf(data.join + "Deutsch") > 0, text)
    }

    function test_languageNotTaken_data() {
        return [
            { tag: "cancel", button: "cancelButton" },
            { tag: "close image", button: "closeImage" }
        ]
    }

    function test_languageNotTaken(data) {
        openMain({ "language": "2" })
        var question = chooseLanguage(4)
        compare(findChild(question, "message").text, "Language setting: Deutsch")
        clickItem(findChild(question, data.button))
        var list = child("language_list")
        compare(list.currentIndex, 2)
        // Putting the list back asks nothing.
        compare(child("dialog_Qml").visible, false)
        compare(regedit.readRegedit("language"), "2")
        compare(window.lastLanguage, 2)
        compare(window.first, 0)
    }

    function test_languageTaken() {
        openMain({ "language": "0" })
        var question = chooseLanguage(3)
        clickItem(findChild(question, "doButton"))
        compare(child("dialog_Qml").visible, false)
        compare(regedit.readRegedit("language"), "3")
        compare(window.lastLanguage, 3)
        compare(child("language_list").currentIndex, 3)
        lang.changeLang(0)
    }

    // The language list by mouse: a press opens it above the box (the
    // window ends below it), a row picks its language and asks, a press
    // beside the list closes it and changes nothing.
    function test_languageListByMouse_data() {
        return [
            { tag: "row", row: 4, picks: true },
            { tag: "beside", row: -1, picks: false }
        ]
    }

    function test_languageListByMouse(data) {
        openMain({ "language": "0" })
        dismissStartNotice()
        var list = child("language_list")
        mouseClick(list)
        verify(list.listShown)
        var popup = findChild(window.contentItem, "choiceListPopup")
        var top = popup.mapToItem(null, 0, 0).y
        var box = list.mapToItem(null, 0, 0).y
        compare(top + popup.height, box, "the list ends where the box begins")
        verify(top >= 0)
        compare(String(findChild(popup, "choice_0").color), "#084476", "the chosen entry is lit")
        if (data.picks) {
            var row = findChild(popup, "choice_" + data.row)
            mouseMove(row, 10, 5)
            mouseMove(row, 20, 9)
            tryVerify(function () { return String(row.color) === "#084476" }, 1000, "the row under the mouse is lit")
            mouseClick(row)
        } else {
            mouseClick(window.contentItem, 1000, 100)
            compare(window.template_page, 1, "the press goes no further")
        }
        verify(!list.listShown)
        compare(child("dialog_Qml").visible, data.picks)
        if (data.picks) {
            compare(findChild(dialogItem(), "message").text, "Language setting: Deutsch")
            clickItem(findChild(dialogItem(), "cancelButton"))
        }
        compare(list.currentIndex, 0)
    }

    function test_wheelKeepsLanguage() {
        openMain({ "language": "1" })
        dismissStartNotice()
        var list = child("language_list")
        for (var i = 0; i < 3; ++i) {
            mouseWheel(list, list.width / 2, list.height / 2, 0, -120)
            mouseWheel(list, list.width / 2, list.height / 2, 0, 120)
            mouseWheel(list, list.width / 2, list.height / 2, 0, 120)
        }
        compare(list.currentIndex, 1)
        compare(child("dialog_Qml").visible, false)
    }

    function test_quitQuestion_data() {
        var home = "Do you want to quit?"
        var editor = "Do you want to save the change? If yes, please save the configuration before leaving."
        return [
            { tag: "home, OK", editor: false, msg: home, dobtn: "OK", cancelbtn: "Cancel", press: "doButton", quits: true },
            { tag: "home, Cancel", editor: false, msg: home, dobtn: "OK", cancelbtn: "Cancel", press: "cancelButton", quits: false },
            { tag: "editor, Quit", editor: true, msg: editor, dobtn: "Quit", cancelbtn: "OK", press: "doButton", quits: true },
            { tag: "editor, OK", editor: true, msg: editor, dobtn: "Quit", cancelbtn: "OK", press: "cancelButton", quits: false }
        ]
    }

    function test_quitQuestion(data) {
        openMain({})
        dismissStartNotice()
        if (data.editor)
            openEditor()
        // The title bar's close button asks; it never quits at once.
        clickItem(findChild(child("head_part").item, "closeButton"))
        verify(window.visible)
        var question = dialogItem()
        compare(findChild(question, "message").text, data.msg)
        compare(findChild(question, "doButton").text, data.dobtn)
        compare(findChild(question, "cancelButton").text, data.cancelbtn)
        clickItem(findChild(question, data.press))
        compare(window.visible, !data.quits)
        compare(child("dialog_Qml").visible, false)
    }

    function test_recentFiles_data() {
        var mixed = JSON.stringify({ filelist: [
            null, { path: "file:///a/one.km" }, { path: "file:///a/%E6%A1.km" }, "file:///a/x.km",
            { path: 7 }, {}, { path: "file:///a/two.km" }, { path: "file:///a/%zz.km" },
            { path: "file:///a/one.km" }, { path: "" }, { path: "file:///a/three.km" }
        ] })
        var manyNames = [], manyPaths = [], manyEntries = []
        for (var n = 0; n < 10000; ++n) {
            manyNames.push("desk " + n + ".km")
            manyPaths.push("file:///a/desk%20" + n + ".km")
            manyEntries.push({ path: manyPaths[n] })
        }
        var many = JSON.stringify({ filelist: manyEntries })
        var two = JSON.stringify({ filelist: [
            { path: "file:///home/me/My%20Desk/left%20and%20right.km" },
            { path: "file:///home/me/%E6%A1%8C%E9%9D%A2.km" }
        ] })
        return [
            { tag: "two files", stored: two, kept: two,
              files: ["left and right.km", "\u684C\u9762.km"],
              paths: ["file:///home/me/My%20Desk/left%20and%20right.km", "file:///home/me/%E6%A1%8C%E9%9D%A2.km"] },
            { tag: "empty list", stored: "{\"filelist\":[]}", kept: "{\"filelist\":[]}", files: [], paths: [] },
            { tag: "not JSON", stored: "{\"filelist\":[{\"path\":", kept: "", files: [], paths: [] },
            { tag: "no list", stored: "{}", kept: "", files: [], paths: [] },
            { tag: "absent", stored: "", kept: "", files: [], paths: [] },
            // A hand-edited list: what is no file is skipped, the rest is
            // shown and nothing is wiped from the settings.
            { tag: "bad escape", stored: "{\"filelist\":[{\"path\":\"file:///a%E6.km\"}]}",
              kept: "{\"filelist\":[{\"path\":\"file:///a%E6.km\"}]}", files: [], paths: [] },
            { tag: "bad entries among good ones", stored: mixed, kept: mixed,
              files: ["one.km", "two.km", "three.km"],
              paths: ["file:///a/one.km", "file:///a/two.km", "file:///a/three.km"] },
            { tag: "ten thousand entries", stored: many, kept: many,
              files: manyNames.slice(0, 10), paths: manyPaths.slice(0, 10) }
        ]
    }

    function test_recentFiles(data) {
        openMain({ "file-recent": data.stored })
        var list = child("recent_list")
        compare(list.count, data.files.length)
        for (var i = 0; i < data.files.length; ++i) {
            compare(list.model.get(i).file, data.files[i])
            compare(list.model.get(i).path, data.paths[i])
            compare(list.model.get(i).show, false)
            compare(list.model.get(i).missing, true) // none of these files exists
        }
        compare(regedit.readRegedit("file-recent"), data.kept)
    }

    // A file of this name in the documents folder, as a URL.
    function existingFile(name) {
        var url = encrypt.get_userdocument_path() + encodeURIComponent(name)
        io.source = url
        io.text = "not a layout"
        io.write()
        return url
    }

    function storedPaths() {
        var list = JSON.parse(regedit.readRegedit("file-recent")).filelist
        var paths = []
        for (var i = 0; i < list.length; ++i)
            paths.push(list[i].path)
        return paths
    }

    function rowOf(list, index) {
        list.currentIndex = index
        return list.currentItem
    }

    // A recent file that is no longer there says so on its row; one that is
    // there does not.
    function test_recentFileNotFound() {
        var here = existingFile("here.km")
        var gone = "file:///nowhere/gone.km"
        openMain({ "file-recent": JSON.stringify({ filelist: [{ path: gone }, { path: here }] }) })
        var list = child("recent_list")
        compare(list.count, 2)
        compare(list.model.get(0).missing, true)
        compare(list.model.get(1).missing, false)
        var marker = findChild(rowOf(list, 0), "missingMarker")
        verify(marker.visible)
        compare(marker.text, "not found")
        verify(!findChild(rowOf(list, 1), "missingMarker").visible)
    }

    // The user takes a file off the list: with the Delete key on the chosen
    // row, or with the row's remove control. The row after it is chosen next.
    function test_removeRecentFile_data() {
        return [ { tag: "Delete key", key: true }, { tag: "remove control", key: false } ]
    }

    function test_removeRecentFile(data) {
        var paths = ["file:///a/one.km", "file:///a/two.km", "file:///a/three.km"]
        openMain({ "file-recent": JSON.stringify({ filelist: [{ path: paths[0] }, { path: paths[1] },
                                                              { path: paths[2] }] }) })
        dismissStartNotice()
        var list = child("recent_list")
        mouseClick(list, 50, 30) // the second row
        compare(list.currentIndex, 1)
        if (data.key) {
            list.forceActiveFocus()
            keyClick(Qt.Key_Delete)
        } else {
            var remove = findChild(list.currentItem, "removeButton")
            verify(remove.visible)
            compare(remove.Accessible.name, "Remove from the list")
            mouseClick(remove, remove.width / 2, remove.height / 2)
        }
        compare(storedPaths(), [paths[0], paths[2]])
        compare(list.count, 2)
        compare(list.model.get(1).path, paths[2])
        compare(list.currentIndex, 1)
        compare(list.model.get(1).show, true)
        // Again: the last row goes, the one before it is chosen.
        if (data.key)
            keyClick(Qt.Key_Delete)
        else
            clickItem(findChild(list.currentItem, "removeButton"))
        compare(storedPaths(), [paths[0]])
        compare(list.currentIndex, 0)
    }

    // Opening a recent file that is gone says so and takes it off the list;
    // a file that is there but no layout stays listed.
    function test_openRecentFileThatIsGone_data() {
        return [
            { tag: "gone", row: 0, msg: "The file no longer exists. It has been removed from the recent files.",
              left: [1] },
            { tag: "there, but no layout", row: 1, msg: "The file is invalid.", left: [0, 1] }
        ]
    }

    function test_openRecentFileThatIsGone(data) {
        var paths = ["file:///nowhere/gone.km", existingFile("no layout.km")]
        openMain({ "file-recent": JSON.stringify({ filelist: [{ path: paths[0] }, { path: paths[1] }] }) })
        dismissStartNotice()
        var list = child("recent_list")
        mouseDoubleClickSequence(list, 50, 10 + 20 * data.row)
        compare(findChild(dialogItem(), "message").text, data.msg)
        var left = []
        for (var i = 0; i < data.left.length; ++i)
            left.push(paths[data.left[i]])
        compare(storedPaths(), left)
        compare(list.count, left.length)
        verify(!child("setQml").visible)
    }

    function test_recentFileSelection() {
        var stored = JSON.stringify({ filelist: [{ path: "file:///a/one.km" }, { path: "file:///a/two.km" }] })
        openMain({ "file-recent": stored })
        dismissStartNotice()
        var list = child("recent_list")
        mousePress(list, 50, 30)
        mouseRelease(list, 50, 30)
        compare(list.currentIndex, 1)
        compare(list.model.get(0).show, false)
        compare(list.model.get(1).show, true)
        mouseClick(list, 50, 10)
        compare(list.currentIndex, 0)
        compare(list.model.get(0).show, true)
        compare(list.model.get(1).show, false)
        // Going home reads the list afresh, nothing highlighted.
        window.goHome()
        compare(list.currentIndex, -1)
        compare(list.count, 2)
    }

    // The pages list the templates in this order, each with its number of
    // configurations (read from the shipped template table).
    function test_templates() {
        openMain({})
        var pages = [
            "00/00 01/01 02/01 03/01 04/01 05/01 06/01 07/04 08/04 09/04",
            "19/03 10/04 11/06 20/02 12/04 14/05 13/01",
            "15/04 16/04 17/04 18/03"
        ]
        var models = ["template_page1", "template_page2", "template_page3"]
        for (var p = 0; p < 3; ++p) {
            var model = child(models[p]).model
            var shown = []
            for (var i = 0; i < model.count; ++i)
                shown.push(model.get(i).tempNum + "/" + model.get(i).configCount)
            compare(shown.join(" "), pages[p])
        }
    }

    function test_templateArrows() {
        openMain({})
        dismissStartNotice()
        var left = child("arrow_left")
        var right = child("arrow_right")
        compare(window.template_page, 1)
        verify(left.source.toString().indexOf("arrow-left-disabled.png") >= 0)
        clickItem(left)
        compare(window.template_page, 1)
        var steps = [[right, 2], [right, 3], [right, 3], [left, 2], [left, 1], [left, 1]]
        for (var i = 0; i < steps.length; ++i) {
            clickItem(steps[i][0])
            compare(window.template_page, steps[i][1])
            compare(child("template_page" + steps[i][1]).visible, true)
        }
        verify(left.source.toString().indexOf("disabled") >= 0)
        verify(right.source.toString().indexOf("disabled") < 0)
        clickItem(right)
        clickItem(right)
        verify(right.source.toString().indexOf("arrow-right-disabled.png") >= 0)
        verify(left.source.toString().indexOf("disabled") < 0)
        compare(child("template_page1").visible, false)
        compare(child("template_page2").visible, false)
    }

    function test_blankCanvasAndReopen() {
        openMain({})
        dismissStartNotice()
        window.filePath = "file:///home/me/old.km"
        clickItem(child("template_00"))
        var page = child("setQml")
        tryCompare(page, "status", 1)
        verify(page.visible)
        compare(window.ismain, 0)
        compare(window.filePath.toString(), "")
        compare(findChild(page.item, "file_name_text").text, "New Object")
        var editor = page.item

        window.goHome()
        compare(window.ismain, 1)
        compare(page.visible, false)

        // The editor is made once; opening it again resets it.
        spy.clear()
        spy.target = window
        spy.signalName = "cleanGridData"
        window.filePath = ""
        window.filedata = [{ acceleration: "1", speed: "3", position: "5", monitorlist: [] }]
        window.gotoEditLayoutUI()
        compare(spy.count, 1)
        compare(page.item, editor)
        compare(window.ismain, 0)
        compare(findChild(editor, "file_name_text").text, "Template")
        compare(window.mouse_speed, 3)
    }

    function test_layoutData_data() {
        return [
            { tag: "template", data: [{ acceleration: "1", speed: "7", position: "2", monitorlist: [] }],
              values: [1, 7, 2, 0, 1, 0] },
            { tag: "file", data: [{ acceleration: "0", speed: "2", position: "9", switching_focus: 1,
                                    duration_time: 3, keep_awake: 2, monitorlist: [] }],
              values: [0, 2, 9, 1, 3, 2] },
            { tag: "text numbers", data: [{ acceleration: "1", speed: "10", position: "1", switching_focus: "1",
                                            duration_time: "0", keep_awake: "1", monitorlist: [] }],
              values: [1, 10, 1, 1, 0, 1] },
            { tag: "not numbers", data: [{ acceleration: "0", speed: "0", position: "4", switching_focus: "on",
                                           duration_time: null, keep_awake: "", monitorlist: [] }],
              values: [0, 0, 4, 0, 1, 0] },
            { tag: "blank", data: "", values: [0, 0, 4, 0, 1, 0] }
        ]
    }

    // Opening the editor takes the six mouse values from the layout data, with
    // defaults for the focus and keep-awake values a layout may lack.
    function test_layoutData(data) {
        openMain({})
        dismissStartNotice()
        window.acceleration_flag = 1
        window.mouse_speed = 9
        window.mouse_position = 3
        window.switching_focus = 1
        window.duration_time = 2
        window.keep_awake = 1
        window.is_saved = 0
        window.filePath = ""
        window.filedata = data.data
        window.gotoEditLayoutUI()
        tryCompare(child("setQml"), "status", 1)
        compare([window.acceleration_flag, window.mouse_speed, window.mouse_position,
                 window.switching_focus, window.duration_time, window.keep_awake], data.values)
        compare(window.is_saved, 1)
        compare(findChild(child("setQml").item, "file_name_text").text,
                data.data === "" ? "New Object" : "Template")
    }

    function test_fileNameBar() {
        openMain({})
        dismissStartNotice()
        var editor = openEditor()
        var bar = findChild(editor, "file_name_bar")
        var tip = findChild(editor, "path_tip")
        mouseMove(bar, 100, 10)
        compare(tip.visible, false)  // no file, no tip
        window.filePath = "file:///home/me/My%20Desk/left%20and%20right.km"
        window.filedata = [{ acceleration: "0", speed: "0", position: "4", monitorlist: [] }]
        window.gotoEditLayoutUI()
        compare(findChild(editor, "file_name_text").text, "left and right.km")
        mouseMove(bar, 120, 12)
        tryCompare(tip, "visible", true)
        compare(findChild(editor, "path_text").text, "/home/me/My Desk")
        verify(tip.width <= findChild(editor, "editor_area").width)
        mouseMove(findChild(editor, "grid_area"), 300, 300)
        tryCompare(tip, "visible", false)
    }

    function test_homeButton_data() {
        return [
            { tag: "saved", saved: 1, placed: 3, asks: false },
            { tag: "nothing placed", saved: 0, placed: 0, asks: false },
            { tag: "unsaved, stay", saved: 0, placed: 2, asks: true, press: "cancelButton", home: false },
            { tag: "unsaved, leave", saved: 0, placed: 2, asks: true, press: "doButton", home: true }
        ]
    }

    function test_homeButton(data) {
        openMain({})
        dismissStartNotice()
        var editor = openEditor()
        editor.curmonitornum = data.placed
        window.is_saved = data.saved
        clickItem(findChild(editor, "home_button"))
        if (!data.asks) {
            compare(child("dialog_Qml").visible, false)
            compare(window.ismain, 1)
            compare(child("setQml").visible, false)
            return
        }
        var question = dialogItem()
        compare(findChild(question, "message").text,
                "Do you want to save the change? If yes, please save the configuration before leaving.")
        compare(findChild(question, "doButton").text, "Home Page")
        compare(findChild(question, "cancelButton").text, "OK")
        clickItem(findChild(question, data.press))
        compare(window.ismain, data.home ? 1 : 0)
        compare(child("setQml").visible, !data.home)
    }

    function test_menus() {
        openMain({})
        dismissStartNotice()
        var editor = openEditor()
        var menu = findChild(editor, "menu_bar")
        var file = findChild(editor, "file_button")
        var settings = findChild(editor, "settings_button")
        // Both menus are 220 wide, or as wide as their longest entry with its
        // keys needs (the File menu's "This computer's screens").
        var cases = [[file, "menu.qml"], [settings, "mouse_menu.qml"]]
        for (var i = 0; i < cases.length; ++i) {
            var button = cases[i][0]
            clickItem(button)
            verify(menu.visible)
            verify(menu.source.toString().indexOf("/" + cases[i][1]) >= 0)
            compare(menu.width, Math.max(220, Math.ceil(menu.item.neededWidth)))
            compare(menu.item.width, menu.width)
            var centre = button.mapToItem(editor, button.width / 2, 0).x
            compare(menu.x + menu.width / 2, centre)
            clickItem(button)
            compare(menu.visible, false)
        }
        // One loader: the other button swaps the menu instead of closing it.
        clickItem(file)
        clickItem(settings)
        verify(menu.visible)
        verify(menu.source.toString().indexOf("/mouse_menu.qml") >= 0)
        // Pressing the title bar closes it.
        mousePress(child("head_part").item, 300, 10)
        mouseRelease(child("head_part").item, 300, 10)
        compare(menu.visible, false)
    }

    function test_menuEntries_data() {
        return [
            { tag: "Mouse Acceleration", button: "settings_button", event: 5, screen: "mouse_speed_setting.qml" },
            { tag: "Mouse Position", button: "settings_button", event: 6, screen: "mouse_position_setting.qml" },
            { tag: "Seamrun Switching Focus", button: "settings_button", event: 7, screen: "frame_setting.qml" },
            { tag: "Keep Awake Option", button: "settings_button", event: 8, screen: "keep_awake_option.qml" },
            { tag: "Save as", button: "file_button", event: 3, screen: "alert_dialog_control.qml",
              msg: "No data to be saved." },
            { tag: "Quit", button: "file_button", event: 4, screen: "confirm_dialog_control.qml",
              msg: "Do you want to save the change? If yes, please save the configuration before leaving." }
        ]
    }

    function test_menuEntries(data) {
        openMain({})
        dismissStartNotice()
        var editor = openEditor()
        var menu = findChild(editor, "menu_bar")
        clickItem(findChild(editor, data.button))
        tryCompare(menu, "status", 1)
        var entry = findChild(menu.item, "menuEntry" + data.event)
        compare(entry.children[0].text, data.tag)
        clickItem(entry)
        compare(menu.visible, false)
        var dialog = child("dialog_Qml")
        verify(dialog.visible)
        verify(dialog.source.toString().indexOf("/" + data.screen) >= 0)
        if (data.msg)
            compare(findChild(dialogItem(), "message").text, data.msg)
    }

    // The File menu names its keys as the platform does in the language in
    // force, and follows a switch of language while the editor stays loaded.
    function test_menuKeysInLanguage_data() {
        return [
            { tag: "German", language: 4, saveAs: "Strg+Umschalt+S", quit: "Strg+Q" },
            { tag: "English", language: 0, saveAs: "Ctrl+Shift+S", quit: "Ctrl+Q" },
            { tag: "Spanish", language: 8, saveAs: "Control+Mayúsculas+S", quit: "Control+Q" }
        ]
    }

    function test_menuKeysInLanguage(data) {
        openMain({})
        dismissStartNotice()
        var editor = openEditor()
        var menu = findChild(editor, "menu_bar")
        var file = findChild(editor, "file_button")
        function shownKeys() {
            clickItem(file)
            tryCompare(menu, "status", 1)
            var saveAs = findChild(findChild(menu.item, "menuEntry3"), "keys")
            var quit = findChild(findChild(menu.item, "menuEntry4"), "keys")
            var shown = [saveAs.text, quit.text]
            // The key column holds its longest text whole.
            verify(saveAs.contentWidth <= saveAs.width, saveAs.text + " fits")
            clickItem(file)
            compare(menu.visible, false)
            return shown
        }
        try {
            lang.changeLang(data.language)
            compare(shownKeys(), [data.saveAs, data.quit])
        } finally {
            lang.changeLang(0)
        }
        compare(shownKeys(), ["Ctrl+Shift+S", "Ctrl+Q"])
    }

    function test_newLayout() {
        openMain({})
        dismissStartNotice()
        window.filePath = "file:///home/me/a.km"
        window.filedata = [{ acceleration: "0", speed: "0", position: "4", monitorlist: [] }]
        window.gotoEditLayoutUI()
        var editor = child("setQml").item
        tryVerify(function() { return editor !== null })
        editor = child("setQml").item
        compare(findChild(editor, "file_name_text").text, "a.km")
        editor.doMenuEvent(1)
        compare(window.filePath.toString(), "")
        compare(window.filedata, "")
        compare(findChild(editor, "file_name_text").text, "Template")
        compare(child("dialog_Qml").visible, false)

        // With unsaved monitors it asks first, and "Cancel" keeps everything.
        window.filePath = "file:///home/me/a.km"
        editor.curmonitornum = 2
        window.is_saved = 0
        editor.doMenuEvent(1)
        var question = dialogItem()
        compare(findChild(question, "message").text, "Are you sure you want to create a new list without saving?")
        compare(findChild(question, "doButton").text, "Create")
        clickItem(findChild(question, "cancelButton"))
        compare(window.filePath.toString(), "file:///home/me/a.km")
        editor.doMenuEvent(1)
        clickItem(findChild(dialogItem(), "doButton"))
        compare(window.filePath.toString(), "")
    }

    function test_titleBarDrag() {
        openMain({})
        dismissStartNotice()
        var bar = child("head_part").item
        var drag = findChild(bar, "dragArea")
        spy.clear()
        spy.target = window
        spy.signalName = "hiddenPortDialog"
        var startX = window.x
        var startY = window.y
        // Events are in window coordinates: as the window follows, the same
        // screen point comes back to the press point.
        mousePress(drag, 400, 10)
        compare(spy.count, 1)
        mouseMove(drag, 430, 25, -1, Qt.LeftButton)
        compare(window.x - startX, 30)
        compare(window.y - startY, 15)
        mouseMove(drag, 400 - 12, 10 + 7, -1, Qt.LeftButton)
        compare(window.x - startX, 18)
        compare(window.y - startY, 22)
        mouseRelease(drag, 400 - 12, 10 + 7)
        // The wheel over the title bar goes nowhere.
        mouseWheel(drag, 400, 10, 0, 120)
        compare(window.x - startX, 18)
    }

    function test_about() {
        openMain({})
        dismissStartNotice()
        clickItem(child("logo"))
        var dialog = child("dialog_Qml")
        verify(dialog.visible)
        verify(dialog.source.toString().indexOf("about_control.qml") >= 0)
        var shown = texts(dialog.item, [])
        verify(shown.indexOf("Vesko") >= 0)
        verify(shown.indexOf("Seamrun Switching Configuration Utility") >= 0)
        verify(shown.indexOf("Version V1.0.068") >= 0)
        var first = dialog.item
        clickItem(findChild(first, "okButton"))
        compare(dialog.visible, false)
        // Opened again from the editor's small logo, it starts afresh.
        var editor = openEditor()
        clickItem(findChild(editor, "small_logo"))
        verify(dialog.visible)
        verify(dialog.item !== first)
        clickItem(findChild(dialog.item, "closeImage"))
        compare(dialog.visible, false)
    }

    function test_footer() {
        openMain({})
        var foot = child("footer")
        compare(foot.height, 20)
        compare(foot.y + foot.height, window.height)
        compare(foot.item.color, "#000000")
        var line = findChild(foot.item, "footText")
        verify(line.text.indexOf(com.getCompanyName()) > 0)
        compare(line.color, "#ffffff")
        verify(line.font.bold)
    }
}
