import QtQuick 2.12
import QtTest 1.12

// Screens that must fit in every language: nothing overlaps, no text is cut
// or wider than its box.
EditorCase {
    name: "Fit"
    when: windowShown

    function cleanup() {
        lang.changeLang(0)
    }

    function languages_data() {
        var names = ["en", "zh-TW", "zh", "ja", "de", "ru", "ko", "fr", "es", "pt"]
        return names.map(function (name, index) { return { tag: name, language: index } })
    }

    // The question before a monitor is deleted: the question, "OK" and
    // "Cancel" side by side with room between them, all inside the prompt.
    function test_deletePrompt_data() {
        return languages_data()
    }

    function test_deletePrompt(data) {
        start()
        lang.changeLang(data.language)
        openLayout([[1, 1, 1, "01"], [1, 2, 1, "02"]])
        pressButton(1, 2, "deleteButton")
        var prompt = findChild(editor, "del_dialog")
        verify(prompt.visible)
        var message = findChild(prompt, "message")
        var ok = findChild(prompt, "okButton")
        var cancel = findChild(prompt, "cancelButton")
        verify(message.implicitWidth <= message.width,
               "the question is cut: " + message.implicitWidth + " > " + message.width)
        verify(ok.labelWidth <= ok.width && cancel.labelWidth <= cancel.width, "a button's label is cut")
        verify(ok.x + ok.width + 8 <= cancel.x,
               "OK and Cancel are " + (cancel.x - ok.x - ok.width) + " px apart")
        verify(ok.x >= 8 && cancel.x + cancel.width <= prompt.width - 8, "a button leaves the prompt")
    }

    // Both menus of the editor: every entry whole, at the menus' own type
    // size and weight, inside the menu, and inside the window.
    function test_menus_data() {
        var rows = []
        var names = languages_data()
        for (var i = 0; i < names.length; ++i) {
            rows.push({ tag: names[i].tag + " File", language: names[i].language, button: "file_button" })
            rows.push({ tag: names[i].tag + " Settings", language: names[i].language, button: "settings_button" })
        }
        return rows
    }

    function test_menus(data) {
        start()
        lang.changeLang(data.language)
        openBlank()
        clickItem(findChild(editor, data.button))
        var loader = findChild(editor, "menu_bar")
        verify(loader.visible)
        var menu = loader.item
        var right = menu.mapToItem(window.contentItem, menu.width, 0).x
        verify(right <= window.width, "the menu leaves the window by " + (right - window.width) + " px")
        for (var i = 0; i < menu.entries.length; ++i) {
            var label = findChild(findChild(menu, "menuEntry" + menu.entries[i].event), "label")
            verify(label.implicitWidth <= label.width,
                   label.text + ": " + (label.implicitWidth - label.width) + " px too wide")
            compare(label.font.pixelSize, 14, label.text)
            verify(label.font.weight >= Font.Normal, label.text + " is drawn thin")
        }
    }
}
