import QtQuick 2.12
import QtTest 1.12

// Main window test case with the layout editor open: layouts given as short
// monitor lists, presses on grid cells, and layout files written and read in
// the test's own documents folder.
MainWindowCase {
    id: editorCase

    property var editor: null

    // [[row, col, port, number, width, height], ...] as a parsed layout.
    // Width and height default to 1920 x 1080.
    function layoutOf(monitors, mouse) {
        var record = { acceleration: "0", speed: "0", position: "4", monitorlist: [] }
        for (var key in mouse)
            record[key] = mouse[key]
        for (var i = 0; i < monitors.length; ++i) {
            var m = monitors[i]
            record.monitorlist.push({
                row: String(m[0]), col: String(m[1]), portnum: String(m[2]), monitornum: m[3],
                width: String(m.length > 4 ? m[4] : 1920), height: String(m.length > 5 ? m[5] : 1080)
            })
        }
        return [record]
    }

    function start(settings) {
        openMain(settings || {})
        dismissStartNotice()
    }

    // The editor showing a layout that comes from no file (as a template).
    function openLayout(monitors, mouse) {
        window.filePath = ""
        window.filedata = layoutOf(monitors, mouse || {})
        window.gotoEditLayoutUI()
        var page = child("setQml")
        tryCompare(page, "status", 1 /* Loader.Ready */)
        editor = page.item
        waitForRendering(window.contentItem)
        return editor
    }

    function openBlank() {
        editor = openEditor()
        return editor
    }

    function cellIndex(r, c) {
        return (r - 1) * 16 + (c - 1)
    }

    function cellAt(r, c) {
        var cell = findChild(editor, "cell" + cellIndex(r, c))
        verify(cell, "no cell " + r + "," + c)
        return cell
    }

    // A press on a cell, as the user gives it.
    function pressAt(r, c) {
        var cell = cellAt(r, c)
        mousePress(cell, cell.width / 2, cell.height / 2)
        mouseRelease(cell, cell.width / 2, cell.height / 2)
    }

    function pressButton(r, c, name) {
        var button = findChild(cellAt(r, c), name)
        verify(button && button.visible, name + " of " + r + "," + c)
        mousePress(button, button.width / 2, button.height / 2)
        mouseRelease(button, button.width / 2, button.height / 2)
    }

    // The placed monitors in grid order as "row,col:port/number", with
    // " WxH" when `sizes` is set.
    function layoutSummary(sizes) {
        var out = []
        var grid = editor.placedMonitors()
        for (var i = 0; i < grid.length; ++i) {
            var m = grid[i]
            out.push(m.row + "," + m.col + ":" + m.portnum + "/" + m.monitornum
                     + (sizes ? " " + m.width + "x" + m.height : ""))
        }
        return out
    }

    // The monitor list kept beside the grid must say the same as the cells.
    function verifyModelsAgree() {
        var cells = {}
        var shown = 0
        for (var i = 0; i < 256; ++i) {
            var cell = editor.gridModel.get(i)
            if (cell.display) {
                cells[i] = cell.portnum + "/" + cell.monitornum
                ++shown
            }
        }
        compare(editor.allmonModel.count, shown, "monitor list and grid hold as many monitors")
        compare(editor.curmonitornum, shown)
        for (i = 0; i < editor.allmonModel.count; ++i) {
            var e = editor.allmonModel.get(i)
            compare(e.portnum + "/" + e.monitornum, cells[e.gridindex], "entry of cell " + e.gridindex)
        }
    }

    function documentsUrl(name) {
        return encrypt.get_userdocument_path() + "/" + name
    }

    // Writes `text` as a protected layout file, the way the program does.
    function writeLayoutFile(url, text) {
        io.source = encrypt.get_userappdata_path()
        io.text = text
        io.write()
        verify(encrypt.encrypt_file(url), "cannot write " + url)
    }

    // The plain text of a protected layout file.
    function readLayoutFile(url) {
        verify(encrypt.decrypt_file(url), "cannot read " + url)
        io.source = encrypt.get_userappdata_path()
        io.read()
        encrypt.delete_tempfile()
        return io.text
    }

    function alertText() {
        var dialog = child("dialog_Qml")
        if (!dialog.visible || dialog.source.toString().indexOf("/alert_dialog_control.qml") < 0)
            return ""
        return findChild(dialogItem(), "message").text
    }

    // The window itself goes in MainWindowCase's cleanup().
    function init() {
        editor = null
    }
}
