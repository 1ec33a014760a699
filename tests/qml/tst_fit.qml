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
}
