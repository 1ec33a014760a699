import QtQuick 2.12
import QtTest 1.12

// The list of keys: opened by F1 on either page and by "?" on the grid,
// closed by keys, OK and the close image, with the keyboard back where it
// was; read row by row by a screen reader; whole in every language.
EditorCase {
    id: helpCase

    name: "KeyHelp"

    function focused() {
        return window.activeFocusItem
    }

    function inside(item, ancestor) {
        for (var p = item; p; p = p.parent)
            if (p === ancestor)
                return true
        return false
    }

    function cursor() {
        return findChild(editor, "grid_cursor")
    }

    // The help as it is shown, or null when the dialog loader shows
    // something else or nothing.
    function shownHelp() {
        var loader = child("dialog_Qml")
        if (!loader.visible || !loader.item)
            return null
        return findChild(loader.item, "keyList") ? loader.item : null
    }

    function rows(help) {
        var found = []
        for (var i = 0; findChild(help, "keyRow" + i); ++i)
            found.push(findChild(help, "keyRow" + i))
        return found
    }

    function test_openAndClose_data() {
        var close = {
            escape: function () { keyClick(Qt.Key_Escape) },
            enter: function () { keyClick(Qt.Key_Return) },
            keypadEnter: function () { keyClick(Qt.Key_Enter) },
            okByKeyboard: function () { keyClick(Qt.Key_Tab); keyClick(Qt.Key_Space) },
            ok: function (help) { clickItem(findChild(help, "okButton")) },
            closeImage: function (help) { clickItem(findChild(help, "closeImage")) }
        }
        return [
            { tag: "F1 on the home page, Escape", page: "home", key: Qt.Key_F1, close: close.escape },
            { tag: "F1 on the home page, OK", page: "home", key: Qt.Key_F1, close: close.ok },
            { tag: "F1 on the grid, Enter", page: "grid", key: Qt.Key_F1, close: close.enter },
            { tag: "F1 on the side panel, Escape", page: "side panel", key: Qt.Key_F1, close: close.escape },
            { tag: "? on the grid, Escape", page: "grid", key: Qt.Key_Question, close: close.escape },
            { tag: "? on the grid, keypad Enter", page: "grid", key: Qt.Key_Question, close: close.keypadEnter },
            { tag: "? on the grid, Tab to OK and Space", page: "grid", key: Qt.Key_Question, close: close.okByKeyboard },
            { tag: "? on the grid, close image", page: "grid", key: Qt.Key_Question, close: close.closeImage }
        ]
    }

    function test_openAndClose(data) {
        start()
        if (data.page === "grid") {
            openLayout([[1, 1, 1, "01"]])
            cursor().forceActiveFocus()
            keyClick(Qt.Key_Right)
        } else if (data.page === "side panel") {
            openLayout([[1, 1, 1, "01"]])
            findChild(editor, "resolution_list").forceActiveFocus()
        }
        var before = focused()
        verify(before, "something has the keyboard")
        var layout = data.page === "home" ? null : layoutSummary()

        keyClick(data.key)
        var help = shownHelp()
        verify(help, "the list of keys is shown")
        verify(inside(focused(), findChild(help, "keyList")), "the list has the keyboard")
        compare(focused(), findChild(help, "keyRow0"))

        data.close(help)
        compare(child("dialog_Qml").visible, false)
        compare(focused(), before, "the keyboard is back where it was")
        if (layout !== null)
            compare(layoutSummary(), layout, "the keys changed nothing on the grid")
        if (data.page === "grid")
            compare([cursor().row, cursor().column], [1, 2])
    }

    // Another pop-up keeps its place: F1 does not put the help over it,
    // and shows it once that pop-up is closed.
    function test_notOverAnotherDialog() {
        openMain({})
        var notice = dialogItem()
        keyClick(Qt.Key_F1)
        compare(child("dialog_Qml").item, notice)
        verify(!shownHelp())
        dismissStartNotice()
        keyClick(Qt.Key_F1)
        verify(shownHelp())
    }

    // A screen reader hears the dialog, its title and each row as its key
    // and what the key does; Up and Down take the keyboard from row to row.
    function test_readByScreenReader() {
        start()
        openBlank()
        keyClick(Qt.Key_F1)
        var help = shownHelp()
        var panel = findChild(help, "panel")
        compare(panel.Accessible.role, Accessible.Dialog)
        compare(panel.Accessible.name, "Keyboard")
        var title = findChild(panel, "title")
        compare(title.Accessible.role, Accessible.Heading)
        compare(title.Accessible.name, "Keyboard")
        var list = findChild(help, "keyList")
        compare(list.Accessible.role, Accessible.List)

        var all = rows(help)
        verify(all.length > 0)
        var names = []
        for (var i = 0; i < all.length; ++i) {
            compare(all[i].Accessible.role, Accessible.ListItem)
            var keys = findChild(all[i], "keys").text
            var action = findChild(all[i], "action").text
            verify(keys !== "" && action !== "", all[i].objectName)
            compare(all[i].Accessible.name, keys + ": " + action)
            names.push(all[i].Accessible.name)
        }
        // The grid's keys and the File commands' keys as the menus show them.
        var wanted = ["Arrow keys", "Enter, Space", "Delete", "1 \u2013 8", "P", "N", "R", "Ctrl+arrow keys",
                      "Ctrl+Z", "Ctrl+Y, Ctrl+Shift+Z", "Tab, Shift+Tab", "Escape", "F1", "?"]
        for (var key in window.shortcutText)
            wanted.push(window.shortcutText[key])
        for (i = 0; i < wanted.length; ++i)
            verify(names.some(function (n) { return n.indexOf(wanted[i] + ": ") === 0 }), "no row for " + wanted[i])

        compare(focused(), all[0])
        verify(all[0].Accessible.focused)
        keyClick(Qt.Key_Down)
        compare(focused(), all[1])
        verify(all[1].Accessible.focused)
        verify(!all[0].Accessible.focused)
        keyClick(Qt.Key_Up)
        keyClick(Qt.Key_Up)
        compare(focused(), all[0], "Up stops at the first row")
        for (i = 0; i < all.length + 3; ++i)
            keyClick(Qt.Key_Down)
        compare(focused(), all[all.length - 1], "Down stops at the last row")
        // Tab goes round the dialog's own controls only.
        keyClick(Qt.Key_Tab)
        compare(focused(), findChild(help, "okButton"))
        keyClick(Qt.Key_Tab)
        compare(focused(), all[all.length - 1], "back on the row it left")
    }

    // Each of the ten languages: every text fits its column (long words
    // wrap, none runs out of the panel), the panel fits the window, and
    // the last row can be brought into view.
    function test_wholeInEveryLanguage_data() {
        var names = ["English", "Traditional Chinese", "Simplified Chinese", "Japanese", "German", "Russian",
                     "Korean", "French", "Spanish", "Portuguese"]
        return names.map(function (n, i) { return { tag: n, index: i } })
    }

    function test_wholeInEveryLanguage(data) {
        // The window is made in the language, as the program starts in it.
        lang.changeLang(data.index)
        start({ "language": String(data.index) })
        openBlank()
        keyClick(Qt.Key_F1)
        var help = shownHelp()
        var panel = findChild(help, "panel")
        var topLeft = panel.mapToItem(window.contentItem, 0, 0)
        verify(topLeft.y >= 0 && topLeft.y + panel.height <= window.height, "the panel is inside the window")
        var sheet = findChild(help, "sheet")
        var all = rows(help)
        for (var i = 0; i < all.length; ++i) {
            var texts = [findChild(all[i], "keys"), findChild(all[i], "action")]
            for (var t = 0; t < texts.length; ++t) {
                verify(texts[t].contentWidth <= texts[t].width + 0.5,
                       texts[t].text + " is " + texts[t].contentWidth + " wide, not " + texts[t].width)
                verify(texts[t].y + texts[t].height <= all[i].height, texts[t].text + " runs out of its row")
                verify(texts[t].mapToItem(panel, 0, 0).x + texts[t].width <= panel.width - 25 + 0.5,
                       texts[t].text + " runs out of the panel")
            }
        }
        var last = all[all.length - 1]
        for (i = 0; i < all.length; ++i)
            keyClick(Qt.Key_Down)
        compare(focused(), last)
        var y = last.mapToItem(sheet, 0, 0).y
        verify(y >= 0 && y + last.height <= sheet.height + 0.5, "the last row is in view")
    }

    function cleanup() {
        lang.changeLang(0)
        if (window) {
            window.destroy()
            window = null
        }
    }
}
