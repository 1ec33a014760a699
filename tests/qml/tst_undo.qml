import QtQuick 2.12
import QtTest 1.12
import Seamrun.Layout 1.0

// Undo and redo of the editor's steps, and moving monitors: every step undone
// gives back the layout before it (file text, orientations, selection, port
// choices, unsaved flag) and redone the one after it; moves by drag and by
// call; which events start a fresh history.
EditorCase {
    name: "Undo"
    when: windowShown

    // Everything a step may change and undo must give back. The selection
    // itself is left out (undo selects the monitor that was selected when the
    // layout changed, which the step's own press may have chosen); its frame
    // must be on the selected cell alone.
    function snapshot() {
        var ports = []
        for (var p = 0; p < editor.portModel.count; ++p)
            ports.push(editor.portModel.get(p).enable)
        var orientations = []
        var monitors = editor.placedMonitors()
        for (var i = 0; i < monitors.length; ++i)
            orientations.push(editor.gridModel.get(monitors[i].gridindex).orientation)
        var bordered = []
        for (i = 0; i < 256; ++i)
            if (editor.gridModel.get(i).showborder)
                bordered.push(i)
        compare(bordered, editor.m_index >= 0 ? [editor.m_index] : [], "only the selected cell is framed")
        return {
            text: Layout.layoutText(editor.mouseSettings(), monitors),
            orientations: orientations.join(""),
            ports: ports.join(","),
            saved: window.is_saved
        }
    }

    function resolutionEntry(text) {
        for (var i = 0; i < editor.resModel.count; ++i)
            if (editor.resModel.get(i).resolution === text)
                return i
        fail("no resolution entry " + text)
    }

    // Steps of the tables: [name, args...]; cells as [row, col].
    function step(s) {
        switch (s[0]) {
        case "press": pressAt(s[1][0], s[1][1]); break
        case "delete":
            pressButton(s[1][0], s[1][1], "deleteButton")
            clickItem(findChild(findChild(editor, "del_dialog"), "okButton"))
            break
        case "port":
            pressButton(s[1][0], s[1][1], "portButton")
            waitForRendering(window.contentItem) // the list's rows are laid out
            clickItem(findChild(findChild(editor, "port_list"), "row_" + s[2]))
            break
        case "number":
            pressButton(s[1][0], s[1][1], "numberButton")
            waitForRendering(window.contentItem)
            clickItem(findChild(findChild(editor, "monitor_listview"), "row_" + s[2]))
            break
        case "resolution":
            pressAt(s[1][0], s[1][1])
            editor.chooseResolution(resolutionEntry(s[2]))
            break
        case "orientation":
            pressAt(s[1][0], s[1][1])
            clickItem(findChild(editor, s[2] === "v" ? "vertical_button" : "horizontal_button"))
            break
        case "move":
            verify(editor.moveMonitor(cellIndex(s[1][0], s[1][1]), cellIndex(s[2][0], s[2][1])))
            break
        }
    }

    function test_undoRedo_data() {
        var p1 = [[1, 1, 1, "01"], [1, 2, 1, "02"], [1, 3, 1, "03"], [1, 4, 1, "04"], [2, 1, 2, "01"]]
        return [
            { tag: "place", layout: p1, steps: [["press", [2, 2]]] },
            { tag: "place after selecting", layout: p1, steps: [["press", [1, 3]], ["press", [2, 3]]] },
            { tag: "delete renumbers the port", layout: p1, steps: [["delete", [1, 2]]] },
            { tag: "port change renumbers both ports", layout: p1, steps: [["port", [1, 1], "P2"]] },
            { tag: "number swap", layout: p1, steps: [["number", [1, 1], "03"]] },
            { tag: "resolution fills the monitors without one",
              layout: [[1, 1, 1, "01", 0, 0], [1, 2, 1, "02", 0, 0], [2, 1, 2, "01", 1280, 1024]],
              steps: [["resolution", [1, 1], "1920 * 1080"]] },
            { tag: "orientation", layout: p1, steps: [["orientation", [1, 2], "v"]] },
            { tag: "move", layout: p1, steps: [["move", [2, 1], [3, 3]]] },
            { tag: "a whole session", layout: p1,
              steps: [["press", [2, 2]], ["port", [2, 2], "S3"], ["move", [2, 2], [4, 4]],
                      ["number", [1, 4], "01"], ["orientation", [1, 1], "v"], ["delete", [1, 3]],
                      ["press", [5, 5]]] }
        ]
    }

    function test_undoRedo(data) {
        start()
        openLayout(data.layout)
        var initial = JSON.stringify(snapshot())
        var before = []
        var after = []
        compare(editor.canUndo, false)
        for (var i = 0; i < data.steps.length; ++i) {
            var then = snapshot()
            step(data.steps[i])
            var now = snapshot()
            var changed = now.text !== then.text || now.orientations !== then.orientations
            if (data.steps[i][0] === "press" && !changed)
                continue // only selected
            verify(changed, "step " + i + " changed nothing: " + layoutSummary() + " sel " + editor.m_index + " list " + findChild(editor, "monitor_listview").visible)
            before.push(JSON.stringify(then))
            after.push(JSON.stringify(now))
            verifyModelsAgree()
        }
        compare(window.is_saved, 0)
        for (i = before.length - 1; i >= 0; --i) {
            verify(editor.canUndo)
            verify(editor.undo())
            compare(JSON.stringify(snapshot()), before[i], "undone to before step " + i)
            verifyModelsAgree()
        }
        compare(editor.canUndo, false)
        compare(window.is_saved, 1, "back at the layout as loaded")
        compare(JSON.stringify(snapshot()), initial)
        for (i = 0; i < after.length; ++i) {
            verify(editor.canRedo)
            verify(editor.redo())
            compare(JSON.stringify(snapshot()), after[i], "redone to after step " + i)
            verifyModelsAgree()
        }
        compare(editor.canRedo, false)
        compare(editor.redo(), false)
    }

    // A port of 16 monitors is offered again after one leaves, and not after
    // that is undone.
    function test_fullPortFollowsUndo() {
        start()
        window.loadModel("18-01")
        editor = child("setQml").item
        compare(editor.portModel.get(1).enable, false)
        step(["port", [2, 2], "P3"])
        compare(editor.portModel.get(1).enable, true)
        editor.undo()
        compare(editor.portModel.get(1).enable, false)
        compare(editor.gridModel.get(cellIndex(2, 2)).portnum, 1)
        verifyModelsAgree()
    }

    // Steps that change nothing are no steps: selecting, the same port again,
    // a refused move, the 17th monitor.
    function test_nothingChangedNothingRecorded() {
        start()
        openLayout([[1, 1, 1, "01"], [1, 2, 1, "02"]])
        pressAt(1, 2)
        pressAt(1, 1)
        editor.changePort(1)
        compare(editor.moveMonitor(cellIndex(1, 1), cellIndex(1, 2)), false)
        compare(editor.canUndo, false)
        compare(window.is_saved, 1)
    }

    function test_newStepDropsRedo() {
        start()
        openLayout([[1, 1, 1, "01"]])
        pressAt(1, 2)
        editor.undo()
        verify(editor.canRedo)
        pressAt(2, 1)
        compare(editor.canRedo, false)
        compare(layoutSummary(), ["1,1:1/01", "2,1:1/02"])
    }

    // Saving marks the layout on screen: undoing back to it reads saved again,
    // unless the mouse settings (no editor steps) changed after the save.
    function test_undoToTheSavedLayout() {
        start()
        openLayout([[1, 1, 1, "01"], [1, 2, 1, "02"]])
        pressAt(2, 1)
        var url = documentsUrl("saved.km")
        editor.saveTolocal(url)
        compare(window.is_saved, 1)
        child("dialog_Qml").visible = false
        pressAt(2, 2)
        compare(window.is_saved, 0)
        editor.undo()
        compare(window.is_saved, 1)
        editor.undo()
        compare(window.is_saved, 0, "older than the save")
        editor.redo()
        compare(window.is_saved, 1)
        editor.redo()
        compare(window.is_saved, 0)

        window.mouse_speed = 3
        editor.undo()
        compare(window.is_saved, 0, "the mouse settings differ from the file")
    }

    function test_freshHistory_data() {
        return [
            { tag: "New" }, { tag: "Build" }, { tag: "load a file" }, { tag: "upload" }
        ]
    }

    function test_freshHistory(data) {
        start()
        openLayout([[1, 1, 1, "01"], [1, 2, 1, "02"]])
        // Monitors added in the same row keep a desk the upload accepts: it
        // checks the desk again before anything goes out.
        pressAt(1, 3)
        pressAt(1, 4)
        editor.undo()
        verify(editor.canUndo && editor.canRedo)
        if (data.tag === "New") {
            editor.newP()
        } else if (data.tag === "Build") {
            window.loadModel("18-01")
        } else if (data.tag === "load a file") {
            var url = documentsUrl("fresh.km")
            writeLayoutFile(url, Layout.layoutText(editor.mouseSettings(), editor.placedMonitors()))
            window.loadFile(url)
        } else {
            var orrin = null
            for (var i = 0; i < window.data.length; ++i)
                if (window.data[i].objectName === "orrin")
                    orrin = window.data[i]
            verify(orrin.open(window.vid, window.pid))
            verify(editor.checkDataValid(1))
            editor.checkDeviceNum()
            compare(alertText(), "Saved to device successfully.")
            compare(window.is_saved, 1)
        }
        compare(editor.canUndo, false)
        compare(editor.canRedo, false)
        compare(editor.undo(), false)
    }

    // The buttons and the keys; neither acts while a dialog covers the editor.
    function test_buttonsAndShortcuts() {
        start()
        openLayout([[1, 1, 1, "01"]])
        var undoButton = findChild(editor, "undo_button")
        var redoButton = findChild(editor, "redo_button")
        compare([undoButton.enabled, redoButton.enabled], [false, false])
        pressAt(1, 2)
        pressAt(1, 3)
        compare([undoButton.enabled, redoButton.enabled], [true, false])
        clickItem(undoButton)
        compare(editor.curmonitornum, 2)
        keyClick(Qt.Key_Z, Qt.ControlModifier)
        compare(editor.curmonitornum, 1)
        compare([undoButton.enabled, redoButton.enabled], [false, true])
        keyClick(Qt.Key_Y, Qt.ControlModifier)
        compare(editor.curmonitornum, 2)
        keyClick(Qt.Key_Z, Qt.ControlModifier | Qt.ShiftModifier)
        compare(editor.curmonitornum, 3)
        clickItem(undoButton)
        clickItem(redoButton)
        compare(editor.curmonitornum, 3)

        window.showAlert({ msg: "covering", showicon: 0, icon: 0, okfunc: null, closefunc: null, title: "" })
        keyClick(Qt.Key_Z, Qt.ControlModifier)
        compare(editor.curmonitornum, 3, "no undo behind a dialog")
    }

    // ------------------------------------------------------------- moving

    function test_move_data() {
        return [
            { tag: "onto an empty cell", from: [1, 2], to: [3, 4], moved: true },
            { tag: "onto a placed cell", from: [1, 2], to: [1, 1], moved: false },
            { tag: "from an empty cell", from: [5, 5], to: [6, 6], moved: false },
            { tag: "onto itself", from: [1, 2], to: [1, 2], moved: false },
            { tag: "off the grid", from: [1, 2], to: [17, 1], moved: false }
        ]
    }

    function test_move(data) {
        start()
        openLayout([[1, 1, 1, "01"], [1, 2, 6, "02", 1080, 1920], [1, 3, 6, "01"]])
        pressAt(1, 1)
        var before = JSON.stringify(snapshot())
        var from = cellIndex(data.from[0], data.from[1])
        var to = cellIndex(data.to[0], data.to[1])
        compare(editor.moveMonitor(from, to), data.moved)
        if (!data.moved) {
            compare(JSON.stringify(snapshot()), before)
            compare(editor.canUndo, false)
            return
        }
        var cell = editor.gridModel.get(to)
        compare([cell.display, cell.portnum, cell.portname, cell.monitornum, cell.width, cell.height,
                 cell.orientation, cell.row, cell.col],
                [true, 6, "S2", "02", 1080, 1920, "v", data.to[0], data.to[1]])
        compare(editor.gridModel.get(from).display, false)
        compare(editor.m_index, to)
        compare(editor.litPort, 6)
        compare(window.is_saved, 0)
        verifyModelsAgree()
        verify(findChild(cellAt(data.to[0], data.to[1]), "portButton").visible)
        editor.undo()
        compare(JSON.stringify(snapshot()), before)
        compare(editor.m_index, cellIndex(1, 1))
    }

    function dragFromTo(from, to, steps) {
        var source = cellAt(from[0], from[1])
        var tile = findChild(source, "tile")
        var start = tile.mapToItem(window.contentItem, 40, 40)
        var end = cellAt(1, 1).mapToItem(window.contentItem,
                                         (to[1] - 1) * 155 + 40, (to[0] - 1) * 155 + 40)
        mousePress(window.contentItem, start.x, start.y)
        for (var i = 1; i <= steps; ++i)
            mouseMove(window.contentItem, start.x + (end.x - start.x) * i / steps,
                      start.y + (end.y - start.y) * i / steps)
        mouseRelease(window.contentItem, end.x, end.y)
    }

    // Dragging a monitor by its face; a press without moving only selects.
    function test_drag() {
        start()
        openLayout([[1, 1, 1, "01"], [1, 2, 1, "02"], [2, 1, 2, "01"]])
        dragFromTo([1, 2], [1, 2], 0)
        compare(editor.m_index, cellIndex(1, 2))
        compare(window.is_saved, 1)
        compare(editor.canUndo, false)

        dragFromTo([1, 2], [2, 2], 6)
        compare(layoutSummary(), ["1,1:1/01", "2,1:2/01", "2,2:1/02"])
        compare(editor.m_index, cellIndex(2, 2))
        compare(window.is_saved, 0)
        // The tile is back in its cell's frame.
        var tile = findChild(cellAt(2, 2), "tile")
        compare([tile.x, tile.y], [1, 1])

        dragFromTo([2, 2], [1, 1], 6)
        compare(layoutSummary(), ["1,1:1/01", "2,1:2/01", "2,2:1/02"], "a placed cell refuses")
        compare([tile.x, tile.y], [1, 1])

        editor.undo()
        compare(layoutSummary(), ["1,1:1/01", "1,2:1/02", "2,1:2/01"])
        compare(editor.m_index, cellIndex(1, 2), "the dragged monitor stays selected")
        compare(window.is_saved, 1)
    }

    // Zoomed out, a drag still lands on the cell under the mouse.
    function test_dragWhenZoomed() {
        start()
        openLayout([[1, 1, 1, "01"]])
        editor.zoomValue = 50
        waitForRendering(window.contentItem)
        dragFromTo([1, 1], [2, 3], 6)
        compare(layoutSummary(), ["2,3:1/01"])
    }
}
