import QtQuick 2.12
import QtTest 1.12

// The file dialogs as the user meets them, read from the dialog the screens
// really put up (fileDialogs): the folder Open, Load File and Save as start
// in, and the file a typed name is saved to.
EditorCase {
    name: "FileDialogs"
    when: windowShown

    readonly property string otherFolder: documentsUrl("other desks.v1")

    readonly property string decoyFolder: documentsUrl("decoy")
    property int savesBefore: 0

    // A file or folder URL as a local path, without doubled or trailing "/".
    function localOf(url) {
        return decodeURIComponent(String(url).replace(/^file:\/\//, "")).replace(/\/+/g, "/").replace(/\/$/, "")
    }

    function waitForFileDialog() {
        tryVerify(function () { return fileDialogs.shownFolder() !== "" }, 5000, "no file dialog shown")
    }

    // A file in a folder of its own; the folder is made by the write.
    function fileIn(folderUrl, name) {
        var url = folderUrl + "/" + name
        io.source = url
        io.text = "not a layout"
        io.write()
        return url
    }

    // Left to itself, a file dialog starts where a file was last chosen in
    // any of them: one file chosen in `folder`, through another dialog than
    // the one of `route`.
    function chooseOnceIn(folder, route) {
        if (route === "save") {
            window.goHome()
            clickItem(child("open_button"))
            waitForFileDialog()
            verify(fileDialogs.goTo(folder))
            verify(fileDialogs.accept("another desk.km"))   // not a layout: a notice says so
        } else {
            openLayout([[1, 1, 1, "01"]])
            editor.doMenuEvent(3)
            waitForFileDialog()
            verify(fileDialogs.goTo(folder))
            verify(fileDialogs.accept("saved before " + (++savesBefore) + ".km"))
        }
        tryVerify(function () { return alertText() !== "" })
        child("dialog_Qml").visible = false
    }

    // Puts up the dialog of `route` with `current` as the layout's file.
    function openDialog(route, current) {
        if (route === "open") {
            window.goHome()
            window.filePath = current
            clickItem(child("open_button"))
            return
        }
        openLayout([[1, 1, 1, "01"]])
        window.filePath = current
        editor.doMenuEvent(route === "load" ? 2 : 3)
    }

    // Each dialog starts in the folder of the layout being edited, or in the
    // layout folder among the documents when the layout has no file, even
    // right after a save elsewhere; and so it does again after the user
    // browsed elsewhere and cancelled.
    function test_startFolder_data() {
        return [
            { tag: "Open, no file", route: "open", current: false },
            { tag: "Open, a file elsewhere", route: "open", current: true },
            { tag: "Load File, no file", route: "load", current: false },
            { tag: "Load File, a file elsewhere", route: "load", current: true },
            { tag: "Save as, no file", route: "save", current: false },
            { tag: "Save as, a file elsewhere", route: "save", current: true },
            // A layout whose folder was removed since: the documents again.
            { tag: "Open, the file's folder is gone", route: "open", current: true, gone: true },
            { tag: "Save as, the file's folder is gone", route: "save", current: true, gone: true }
        ]
    }

    function test_startFolder(data) {
        var current = data.current ? fileIn(otherFolder, "a desk.km") : ""
        if (data.gone)
            current = documentsUrl("removed folder") + "/a desk.km"
        var expected = data.current && !data.gone ? otherFolder : encrypt.get_userdocument_path()
        start()
        fileIn(decoyFolder, "another desk.km")
        chooseOnceIn(decoyFolder, data.route)
        openDialog(data.route, current)
        waitForFileDialog()
        compare(localOf(fileDialogs.shownFolder()), localOf(expected))

        verify(fileDialogs.goTo(encrypt.get_userappdata_path().replace(/\/[^\/]*$/, "")))
        verify(localOf(fileDialogs.shownFolder()) !== localOf(expected))
        fileDialogs.reject()
        compare(fileDialogs.shownFolder(), "")
        if (data.route === "open")
            clickItem(child("open_button"))
        else
            editor.doMenuEvent(data.route === "load" ? 2 : 3)
        waitForFileDialog()
        compare(localOf(fileDialogs.shownFolder()), localOf(expected))
        fileDialogs.reject()
    }

    // The name a layout is saved under: ".km" is added to a name without an
    // extension, by the save dialog and by "Save" over a file named without
    // one; the title bar and the recent list name the file written.
    function test_savedName_data() {
        return [
            { tag: "typed without extension", typed: "desk1", saved: "desk1.km" },
            { tag: "typed with .km", typed: "desk2.km", saved: "desk2.km" },
            { tag: "typed with a blank", typed: "my desk", saved: "my desk.km" },
            { tag: "typed with another extension", typed: "desk.v2", saved: "desk.v2" },
            { tag: "typed with a dot at the start only", typed: ".desk", saved: ".desk.km" },
            { tag: "Save over a file without extension, in a folder with a dot",
              current: "other desks.v1/desk3", saved: "other desks.v1/desk3.km" }
        ]
    }

    function test_savedName(data) {
        start()
        fileIn(otherFolder, "another desk.km")
        openLayout([[1, 1, 1, "01"]])
        if (data.current) {
            window.filePath = documentsUrl(data.current)
            editor.saveFileDialog(1)
            clickItem(findChild(dialogItem(), "cancelButton"))       // "Save"
        } else {
            editor.doMenuEvent(3)
            waitForFileDialog()
            verify(fileDialogs.goTo(encrypt.get_userdocument_path()))
            verify(fileDialogs.accept(data.typed))
        }
        var saved = localOf(documentsUrl(data.saved))
        tryVerify(function () { return alertText() !== "" })
        compare(alertText().replace(/\/+/g, "/"), "Saved successfully. \r\n" + saved)
        compare(localOf(window.filePath), saved)
        compare(findChild(editor, "file_name_text").text, saved.substring(saved.lastIndexOf("/") + 1))
        compare(JSON.parse(regedit.readRegedit("file-recent")).filelist[0].path, window.filePath.toString())
        compare(JSON.parse(readLayoutFile(window.filePath.toString()))[0].monitorlist.length, 1)
        compare(io.exists(documentsUrl(data.typed || data.current)), data.saved === (data.typed || data.current))
    }

    // The save dialog checked the name as typed, not the one with ".km": a
    // file of that name is only replaced when the user says so, and Enter
    // keeps it.
    function test_replaceAsked() {
        start()
        var url = documentsUrl("desk9.km")
        writeLayoutFile(url, "kept")
        openLayout([[1, 1, 1, "01"]])
        window.is_saved = 0
        var asks = function () {
            editor.doMenuEvent(3)
            waitForFileDialog()
            verify(fileDialogs.goTo(encrypt.get_userdocument_path()))
            verify(fileDialogs.accept("desk9"))
            // What the window manager does when a dialog window closes.
            window.requestActivate()
            var question = dialogItem()
            compare(findChild(question, "message").text, "desk9.km already exists. Do you want to replace it?")
            compare(findChild(question, "doButton").text, "Replace")
            compare(findChild(question, "cancelButton").text, "Cancel")
            tryCompare(window, "activeFocusItem", findChild(question, "cancelButton"))
        }
        asks()
        keyClick(Qt.Key_Return)
        compare(child("dialog_Qml").visible, false)
        compare(readLayoutFile(url), "kept")
        compare([window.filePath.toString(), window.is_saved], ["", 0])

        asks()
        keyClick(Qt.Key_Tab)
        keyClick(Qt.Key_Return)
        compare(alertText().replace(/\/+/g, "/"), "Saved successfully. \r\n" + localOf(url))
        compare(JSON.parse(readLayoutFile(url))[0].monitorlist.length, 1)
        compare([localOf(window.filePath), window.is_saved], [localOf(url), 1])
    }
}
