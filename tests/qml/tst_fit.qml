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

    // "Add blank canvas" on the first template tile: whole, at the tile's
    // type size, on at most two lines, inside the dashed border drawn in the
    // tile's picture and below its plus sign (which ends at 60 % of the
    // picture's height), with room to spare on every side.
    function test_addBlankCanvas_data() {
        return languages_data()
    }

    function test_addBlankCanvas(data) {
        openMain({})
        lang.changeLang(data.language)
        dismissStartNotice()
        waitForRendering(window.contentItem)
        var label = findChild(window.contentItem, "addLabel")
        verify(label && label.visible)
        var tile = label.parent
        var picture = findChild(tile, "picture")
        verify(!label.truncated && label.lineCount <= 2, label.text + " on " + label.lineCount + " lines")
        compare(label.fontInfo.pixelSize, 14, label.text + " in smaller type")
        var border = {
            left: picture.x + (picture.width - picture.paintedWidth) / 2,
            top: picture.y + (picture.height - picture.paintedHeight) / 2
        }
        border.right = border.left + picture.paintedWidth
        border.bottom = border.top + picture.paintedHeight
        var text = {
            left: label.x + (label.width - label.contentWidth) / 2,
            top: label.y + label.height - label.contentHeight
        }
        text.right = text.left + label.contentWidth
        text.bottom = label.y + label.height
        var clear = 6
        verify(text.left >= border.left + clear && text.right <= border.right - clear,
               label.text + " runs from " + text.left + " to " + text.right
               + ", the border from " + border.left + " to " + border.right)
        verify(text.bottom <= border.bottom - clear,
               label.text + " ends at " + text.bottom + ", the border at " + border.bottom)
        verify(text.top >= border.top + 0.6 * picture.paintedHeight,
               label.text + " starts at " + text.top + ", over the plus sign")
    }

    // The longest question with its warning sign keeps clear of the panel's
    // right edge.
    function test_questionMargins_data() {
        return languages_data()
    }

    function test_questionMargins(data) {
        openMain({})
        lang.changeLang(data.language)
        dismissStartNotice()
        window.showConfirm({ msg: qsTranslate("UploadFlow", "Only one OrrinKM is connected. We save port 1-4 "
                                              + "monitor layout only. Do you want to continue?"),
                             dobtn: "Cancel", cancelbtn: "Continue", dofunc: null, cancelfunc: null,
                             closefunc: null, showicon: 1, icon: 0 })
        var question = dialogItem()
        var panel = findChild(question, "panel")
        var message = findChild(question, "message")
        verify(message.contentWidth <= message.width)
        var gap = panel.width - (message.x + message.width)
        verify(gap >= 20, "the text ends " + gap + " px from the panel's edge")
    }
}
