import QtQuick 2.12
import QtTest 1.12

// What the grid draws: one tile for each placed monitor, in its cell and
// with its number, whatever edits came before; nothing left behind where a
// monitor was deleted, moved away or undone.
EditorCase {
    name: "Tiles"
    when: windowShown

    // "cell:number" of every tile on screen, in cell order.
    function tilesOnScreen() {
        var out = []
        for (var i = 0; i < 256; ++i) {
            var slot = findChild(editor, "cell" + i)
            for (var k = 0; k < slot.children.length; ++k) {
                var tile = findChild(slot.children[k], "tile")
                if (tile && tile.visible)
                    out.push(i + ":" + findChild(tile, "numberButton").text)
            }
        }
        return out
    }

    function tilesOfDesk() {
        var out = []
        var monitors = editor.placedMonitors()
        for (var i = 0; i < monitors.length; ++i)
            out.push(monitors[i].gridindex + ":" + monitors[i].monitornum)
        return out.sort(function (a, b) { return parseInt(a) - parseInt(b) })
    }

    // Checked at once, before the event loop turns: the next frame must
    // already show the desk as it is.
    function verifyTiles(after) {
        compare(tilesOnScreen(), tilesOfDesk(), after)
    }

    function cell(r, c) {
        return (r - 1) * 16 + (c - 1)
    }

    // Each step is [what, cell, to]: p presses a cell (selects, or places on
    // a marked empty cell), d deletes, m moves, u and r undo and redo, t
    // opens template 18-03.
    function test_tilesFollowTheDesk_data() {
        var c12 = cell(1, 2)
        return [
            { tag: "delete", steps: [["p", c12], ["d", c12]] },
            { tag: "delete and place again on the same cell",
              steps: [["p", c12], ["d", c12], ["p", c12], ["p", c12], ["d", c12], ["p", c12], ["p", c12], ["d", c12]] },
            { tag: "place", steps: [["p", cell(1, 3)], ["p", cell(1, 3)]] },
            { tag: "move", steps: [["p", cell(1, 1)], ["m", cell(1, 1), cell(3, 3)]] },
            { tag: "delete, undo, redo, undo",
              steps: [["p", cell(2, 1)], ["d", cell(2, 1)], ["u"], ["r"], ["u"]] },
            { tag: "move, undo", steps: [["p", cell(1, 1)], ["m", cell(1, 1), cell(3, 3)], ["u"]] },
            { tag: "another layout", steps: [["t"]] },
            { tag: "another layout, then delete and place again",
              steps: [["t"], ["p", cell(4, 5)], ["d", cell(4, 5)], ["p", cell(4, 5)],
                      ["p", cell(4, 5)], ["d", cell(4, 5)], ["p", cell(4, 5)]] },
        ]
    }

    function test_tilesFollowTheDesk(data) {
        start()
        openLayout([[1, 1, 1, "01"], [1, 2, 1, "02"], [2, 1, 2, "01"]])
        verifyTiles("opened")
        for (var i = 0; i < data.steps.length; ++i) {
            var step = data.steps[i]
            if (step[0] === "p")
                editor.pressCell(step[1], 77, 77)
            else if (step[0] === "d")
                editor.delMonitor(step[1])
            else if (step[0] === "m")
                editor.moveMonitor(step[1], step[2])
            else if (step[0] === "u")
                editor.undo()
            else if (step[0] === "r")
                editor.redo()
            else if (step[0] === "t") {
                window.loadModel("18-03")
                editor = child("setQml").item
            }
            verifyTiles("step " + i + " " + step)
        }
    }
}
