import QtQuick 2.12
import QtTest 1.12

// Changing the language while screens are open: every text on them follows
// at once, and comes back when the language is changed back. Simplified
// Chinese is the language to switch to because every translated text of it
// differs from the English one; what stays in Latin letters there is the
// names below, port names and numbers.
EditorCase {
    name: "Languages"

    readonly property int simplifiedChinese: 2
    readonly property var template: [[2, 2, 1, "01"], [2, 3, 1, "02"], [3, 2, 5, "01"], [3, 3, 5, "02"]]
    readonly property var names: /Seamrun|OrrinKM|Vesko|Peripheral Systems Co\., Ltd\.|Copyright|www\.vesko-peripherals\.com/g
    // Key names in the menus stay as the keyboard labels them.
    readonly property var keyNames: /^(Ctrl|Shift|Alt)(\+(Ctrl|Shift|Alt|[A-Z0-9]))+$/

    // Visible texts with an English word (three letters or more) in them.
    function englishTexts() {
        var all = texts(window.contentItem, [])
        return all.filter(function (text) {
            return !keyNames.test(text) && /[A-Za-z]{3,}/.test(text.replace(names, ""))
        })
    }

    // As the user does it: choose in the language list and confirm.
    function switchTo(index) {
        child("language_list").currentIndex = index
        clickItem(findChild(dialogItem(), "doButton"))
        compare(child("dialog_Qml").visible, false)
        waitForRendering(window.contentItem)
    }

    function cleanup() {
        lang.changeLang(0)
    }

    // The screens that can be open while the language changes: the home
    // page with its template configurations, and the editor, which stays
    // loaded while the home page is shown.
    function test_switchWithScreenOpen_data() {
        return [
            { tag: "home page", open: function () {} },
            { tag: "template configuration", open: function () { window.initConfig("15-04") } },
            { tag: "editor from a template", open: function () { openLayout(template); window.goHome() } },
            { tag: "blank editor", open: function () { openBlank(); window.goHome() } }
        ]
    }

    function test_switchWithScreenOpen(data) {
        openMain({ "language": "0" })
        dismissStartNotice()
        data.open()
        waitForRendering(window.contentItem)
        var english = englishTexts()
        verify(english.length > 0, "nothing in English to begin with")

        switchTo(simplifiedChinese)
        compare(englishTexts(), [])
        if (editor) {
            // Back in the editor as it was left.
            child("setQml").visible = true
            waitForRendering(window.contentItem)
            compare(englishTexts(), [])
        }

        switchTo(0)
        if (editor)
            child("setQml").visible = false
        compare(englishTexts().sort(), english.sort())
    }

    // Opened again after a change of language, the editor shows the layout
    // in the new language, down to its file-name bar and resolution list.
    function test_editorReopenedAfterSwitch() {
        openMain({ "language": "0" })
        dismissStartNotice()
        openLayout(template)
        window.goHome()
        switchTo(simplifiedChinese)
        window.loadModel("01-01")
        waitForRendering(window.contentItem)
        compare(englishTexts(), [])
        compare(findChild(editor, "file_name_text").text, "模板")
        compare(editor.resModel.get(0).resolution, "选择分辨率")
    }

    // Every kind of pop-up, opened after the change.
    function test_popUpsAfterSwitch_data() {
        return [
            { tag: "file menu", open: function () { openLayout(template); clickItem(child("file_button")) } },
            { tag: "settings menu", open: function () { openLayout(template); clickItem(child("settings_button")) } },
            { tag: "acceleration settings", open: function () { openLayout(template); editor.doMenuEvent(5) } },
            { tag: "position settings", open: function () { openLayout(template); editor.doMenuEvent(6) } },
            { tag: "focus settings", open: function () { openLayout(template); editor.doMenuEvent(7) } },
            { tag: "keep-awake settings", open: function () { openLayout(template); editor.doMenuEvent(8) } },
            { tag: "question", open: function () { window.showExitWindow() } },
            { tag: "notice", open: function () { window.loadFile("file:///nowhere.km") } },
            { tag: "missing number", open: function () {
                openLayout([[2, 2, 0, "01"]])
                editor.saveDeviceDialog()
            } },
            { tag: "missing resolution", open: function () {
                openLayout([[2, 2, 1, "01", 0, 0]])
                editor.saveDeviceDialog()
            } },
            { tag: "about", open: function () { window.show_About() } },
            { tag: "error page", open: function () {
                openLayout([[2, 2, 1, "01"], [2, 3, 2, "01"], [3, 2, 1, "02"], [3, 3, 1, "03"]])
                editor.saveDeviceDialog()
            } },
            { tag: "tutorial", open: function () {
                regedit.setRegedit("showTutorial", "1")
                openBlank()
                editor.newProfile()
            } },
            { tag: "save to device", open: function () {
                openLayout(template)
                editor.saveDeviceDialog()
                tryCompare(findChild(editor, "upload_Qml"), "status", 1 /* Loader.Ready */)
            } }
        ]
    }

    function test_popUpsAfterSwitch(data) {
        openMain({ "language": "0" })
        dismissStartNotice()
        switchTo(simplifiedChinese)
        data.open()
        waitForRendering(window.contentItem)
        compare(englishTexts(), [])
        // The pop-up did open, and says something.
        var popUps = ["dialog_Qml", "error_Qml"].map(child).filter(function (l) { return l.visible })
        verify(popUps.length > 0 || findChild(editor, "menu_bar").visible
               || findChild(editor, "upload_Qml").visible, "nothing opened")
    }
}
