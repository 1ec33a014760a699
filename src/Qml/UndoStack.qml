import QtQuick 2.12
import Seamrun.Layout 1.0

// The editor's undo history. Each editing step runs through record(): the
// layout (every placed monitor with all its fields, in the order of the
// monitor list, and the selection) is taken before and after it, and a step
// that changed the layout becomes one entry. Undo and redo put a taken
// layout back with the cell-filling code the editor loads files with, then
// rebuild the monitor list and the port choices from it, so the models always
// agree. The unsaved flag follows the layout: back at the layout last saved
// (same file text, mouse settings included) it reads 1 again.
//
// Editing functions start with
//     if (history.idle)
//         return history.record(thisFunction, arguments)
// so a step called from within another one belongs to the outer step.
QtObject {
    id: stack

    // The layout editor (mainWidget.qml) whose layout this is.
    property var editor: null
    // Most entries kept; the oldest go first.
    property int limit: 200

    readonly property bool idle: depth === 0
    readonly property bool canUndo: undoCount > 0
    readonly property bool canRedo: redoCount > 0
    readonly property int undoCount: undoList.length
    readonly property int redoCount: redoList.length

    property var undoList: []
    property var redoList: []
    property int depth: 0
    // Bumped by reset(): a step that started a fresh history is not recorded.
    property int generation: 0
    // File text of the layout last saved; null when no state of this
    // history is saved.
    property var savedText: null

    // Runs `fn` with `args` as one editing step and returns its result.
    function record(fn, args) {
        if (depth > 0)
            return fn.apply(editor, args)
        var before = capture()
        var started = generation
        depth += 1
        try {
            return fn.apply(editor, args)
        } finally {
            depth -= 1
            if (started === generation) {
                var after = capture()
                if (after.key !== before.key)
                    push({ before: before, after: after })
            }
        }
    }

    function push(entry) {
        var list = undoList.slice()
        list.push(entry)
        if (list.length > limit)
            list.splice(0, list.length - limit)
        undoList = list
        redoList = []
    }

    function undo() {
        if (!canUndo || depth > 0)
            return false
        var list = undoList.slice()
        var entry = list.pop()
        undoList = list
        redoList = redoList.concat([entry])
        apply(entry.before)
        return true
    }

    function redo() {
        if (!canRedo || depth > 0)
            return false
        var list = redoList.slice()
        var entry = list.pop()
        redoList = list
        undoList = undoList.concat([entry])
        apply(entry.after)
        return true
    }

    // A fresh history: loading, "New", Build and a successful upload.
    function reset() {
        generation += 1
        undoList = []
        redoList = []
        savedText = main.is_saved === 1 ? fileText() : null
    }

    // The layout on screen is now the one in the file.
    function markSaved() {
        savedText = fileText()
    }

    function fileText() {
        return Layout.layoutText(editor.mouseSettings(), editor.placedMonitors())
    }

    // The layout as plain values. `key` tells two layouts apart: the fields a
    // step may change, in monitor list order.
    function capture() {
        var e = editor
        var monitors = []
        var fields = []
        for (var i = 0; i < e.allmonModel.count; ++i) {
            var index = e.allmonModel.get(i).gridindex
            var c = e.gridModel.get(index)
            var m = { gridindex: index, row: c.row, col: c.col, portnum: c.portnum, monitornum: c.monitornum,
                      width: c.width, height: c.height, orientation: c.orientation,
                      bordercolor: c.bordercolor }
            monitors.push(m)
            fields.push([index, m.portnum, m.monitornum, m.width, m.height, m.orientation])
        }
        var selected = e.m_index >= 0 && e.gridModel.get(e.m_index).display ? e.m_index : -1
        return { monitors: monitors, selected: selected, key: JSON.stringify(fields) }
    }

    // Puts a captured layout back. Cells that hold a monitor in both layouts
    // keep their tiles; only what differs is written.
    function apply(state) {
        var e = editor
        e.hiddenPortlistDialog()
        e.hiddenDelDialog()
        var wanted = {}
        for (var i = 0; i < state.monitors.length; ++i)
            wanted[state.monitors[i].gridindex] = true
        for (i = 0; i < e.allmonModel.count; ++i) {
            var index = e.allmonModel.get(i).gridindex
            if (!wanted[index])
                e.clearCell(index)
        }
        if (e.m_index >= 0 && !wanted[e.m_index])
            e.clearCell(e.m_index)
        var rows = []
        for (i = 0; i < state.monitors.length; ++i) {
            var m = state.monitors[i]
            var cell = e.gridModel.get(m.gridindex)
            e.showMonitor(cell, m)
            cell.bordercolor = m.bordercolor
            cell.showadd = false
            cell.showborder = m.gridindex === state.selected
            rows.push({ gridindex: m.gridindex, portnum: m.portnum, enable: true, monitornum: m.monitornum })
        }
        e.allmonModel.clear()
        e.allmonModel.append(rows)
        e.curmonitornum = rows.length
        e.updatePortChoices()
        if (state.selected >= 0) {
            e.m_index = state.selected
            e.setPortColor(e.gridModel.get(state.selected).portnum)
            e.reloadmonitordata(state.selected)
            e.updateResolutionUI(state.selected)
        } else {
            e.m_index = -1
            e.setPortColor(0)
            e.curmonModel.clear()
        }
        main.is_saved = savedText !== null && fileText() === savedText ? 1 : 0
    }
}
