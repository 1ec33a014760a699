import QtQuick 2.12
import QtTest 1.12
import Seamrun.Layout 1.0
import "qrc:/Qml/templates.js" as Templates

// The layout editor with the real main window and native objects: placing,
// selecting, deleting, ports, numbers, resolutions, orientation, zoom, the
// checks with their pages, saving and opening layout files, the recent list.
EditorCase {
    name: "Editor"
    when: windowShown

    // ------------------------------------------------------------ placing

    function test_place_data() {
        return [
            { tag: "nothing selected: port 1", layout: [], select: null, at: [2, 2],
              port: 1, number: "01", name: "P1" },
            { tag: "selected monitor's port, one above its monitors",
              layout: [[1, 1, 6, "01"], [1, 2, 6, "02"], [1, 3, 1, "01"]], select: [1, 2], at: [2, 1],
              port: 6, number: "03", name: "S2" }
        ]
    }

    function test_place(data) {
        start()
        openLayout(data.layout)
        if (data.select)
            pressAt(data.select[0], data.select[1])
        compare(window.is_saved, 1, "selecting changes nothing")
        pressAt(data.at[0], data.at[1])
        var index = cellIndex(data.at[0], data.at[1])
        var cell = editor.gridModel.get(index)
        verify(cell.display)
        compare([cell.portnum, cell.monitornum, cell.portname], [data.port, data.number, data.name])
        compare(findChild(findChild(cellAt(data.at[0], data.at[1]), "portButton"), "label").text, data.name)
        compare(findChild(findChild(cellAt(data.at[0], data.at[1]), "numberButton"), "label").text, data.number)
        compare(editor.m_index, index)
        compare(editor.litPort, data.port)
        compare(window.is_saved, 0)
        verifyModelsAgree()
    }

    // With 16 monitors no more can be placed and no add marker is offered.
    function test_sixteenIsTheLimit() {
        start()
        window.loadModel("18-01")
        editor = child("setQml").item
        compare(editor.curmonitornum, 16)
        var empty = cellAt(1, 1)
        var marker = findChild(editor, "addMarker")
        mouseMove(empty, 70, 70)
        compare(marker.visible, false)
        pressAt(1, 1)
        compare(editor.curmonitornum, 16)
        compare(editor.gridModel.get(0).display, false)

        // One fewer, and the marker and the press work again.
        editor.delMonitor(cellIndex(4, 5))
        mouseMove(empty, 60, 60)
        mouseMove(empty, 70, 70)
        tryCompare(marker, "visible", true)
        compare([marker.x, marker.y], [1, 1])
        // Never over a placed monitor.
        mouseMove(cellAt(1, 2), 70, 70)
        compare(marker.visible, false)
        pressAt(1, 1)
        compare(editor.curmonitornum, 16)
        verify(editor.gridModel.get(0).display)
        verifyModelsAgree()
    }

    // ----------------------------------------------------------- deleting

    function test_delete() {
        start()
        openLayout([[1, 1, 1, "01"], [1, 2, 1, "02"], [1, 3, 1, "03"], [1, 4, 1, "04"], [2, 1, 2, "01"]])
        pressButton(1, 2, "deleteButton")
        var prompt = findChild(editor, "del_dialog")
        verify(prompt.visible)
        compare(editor.m_index, cellIndex(1, 2), "the press selects the monitor")
        compare(findChild(prompt, "message").text, "Delete this setting.")

        clickItem(findChild(prompt, "cancelButton"))
        compare(prompt.visible, false)
        compare(editor.curmonitornum, 5)

        pressButton(1, 2, "deleteButton")
        clickItem(findChild(prompt, "okButton"))
        compare(prompt.visible, false)
        compare(layoutSummary(), ["1,1:1/01", "1,3:1/02", "1,4:1/03", "2,1:2/01"])
        compare(editor.gridModel.get(cellIndex(1, 2)).portname, "--")
        compare(editor.m_index, -1)
        compare(editor.litPort, 0)
        compare(window.is_saved, 0)
        verifyModelsAgree()
    }

    // The prompt never has the pointer in it when it opens, so a press
    // elsewhere closes it; and "OK" deletes the monitor whose button opened
    // it, not whatever is selected by then.
    function test_deletePromptKeepsItsMonitor() {
        start()
        openLayout([[1, 1, 1, "01"], [1, 2, 1, "02"], [1, 3, 2, "01"]])
        var prompt = findChild(editor, "del_dialog")
        pressButton(1, 2, "deleteButton")
        pressAt(1, 1)
        compare(prompt.visible, false, "a press on another monitor closes it")
        pressButton(1, 2, "deleteButton")
        pressAt(2, 1)
        compare(prompt.visible, false, "a press on an empty cell closes it")
        pressButton(1, 2, "deleteButton")
        editor.setMonitortStatus(cellIndex(1, 3), editor.m_index, 1)
        clickItem(findChild(prompt, "okButton"))
        compare(layoutSummary(), ["1,1:1/01", "1,3:2/01", "2,1:1/02"])
        verifyModelsAgree()
    }

    // The prompt opens beside the press, to its left near the grid's right edge.
    function test_deletePromptPlacement() {
        start()
        openLayout([[1, 1, 1, "01"], [1, 6, 1, "02"]])
        var prompt = findChild(editor, "del_dialog")
        var area = findChild(editor, "grid_area")
        pressButton(1, 1, "deleteButton")
        var button = findChild(cellAt(1, 1), "deleteButton")
        var press = button.mapToItem(area, button.width / 2, button.height / 2)
        verify(prompt.x > press.x, "right of the press")
        pressButton(1, 6, "deleteButton")
        button = findChild(cellAt(1, 6), "deleteButton")
        press = button.mapToItem(area, button.width / 2, button.height / 2)
        verify(prompt.x + prompt.width < press.x, "left of the press")
        verify(prompt.x + prompt.width <= area.width)
        // Zooming hides it.
        findChild(editor, "zoom_spin").value = 80
        compare(prompt.visible, false)
    }

    // -------------------------------------------------------------- ports

    // A tile list opens where all of it is in view: upward from a tile low
    // in the view, downward from one high in it.
    function test_tileListInView_data() {
        return [
            { tag: "port list, top row", row: 1, button: "portButton", list: "port_list" },
            { tag: "port list, fourth row", row: 4, button: "portButton", list: "port_list" },
            { tag: "number list, fourth row", row: 4, button: "numberButton", list: "monitor_listview" }
        ]
    }

    function test_tileListInView(data) {
        start()
        openLayout([[1, 1, 1, "01"], [2, 1, 1, "02"], [3, 1, 1, "03"], [4, 1, 1, "04"]])
        pressButton(data.row, 1, data.button)
        var list = findChild(editor, data.list)
        verify(list.visible)
        var view = findChild(editor, "grid_view")
        var top = list.mapToItem(view, 0, 0).y
        verify(top >= 0 && top + list.height <= view.height,
               "the list spans " + top + " to " + (top + list.height) + " of a view " + view.height + " high")
    }

    function test_changePort() {
        start()
        openLayout([[1, 1, 1, "01"], [1, 2, 1, "02"], [1, 3, 1, "03"], [2, 1, 2, "01"]])
        pressButton(1, 1, "portButton")
        var list = findChild(editor, "port_list")
        verify(list.visible)
        compare(list.currentText, "P1")
        compare(list.x, 27)
        compare(list.y, 1 + 118 + 24, "below the button")
        clickItem(findChild(list, "row_P2"))
        compare(list.visible, false)
        compare(layoutSummary(), ["1,1:2/02", "1,2:1/01", "1,3:1/02", "2,1:2/01"])
        compare(editor.litPort, 2)
        compare(window.is_saved, 0)
        verifyModelsAgree()
    }

    // A port holding 16 monitors is offered no more; it is again once one leaves.
    function test_fullPort() {
        start()
        window.loadModel("18-01")
        editor = child("setQml").item
        compare(editor.portModel.get(1).enable, false)
        pressButton(2, 2, "portButton")
        var list = findChild(editor, "port_list")
        compare(findChild(list, "row_P1").offered, false)
        clickItem(findChild(list, "row_P3"))
        compare(editor.gridModel.get(cellIndex(2, 2)).monitornum, "01")
        compare(editor.portModel.get(1).enable, true)
        compare(layoutSummary()[15], "4,5:1/15")

        // The port list of a monitor in the last two rows opens above its button.
        editor.desk.select(-1)
        editor.showPortList(cellIndex(15, 3))
        compare(list.y, 14 * 155 + 1 + 118 - list.height)
    }

    function test_numberSwap() {
        start()
        openLayout([[1, 1, 1, "01"], [1, 2, 1, "02"], [1, 3, 1, "03"], [2, 1, 2, "01"]])
        pressButton(1, 1, "numberButton")
        var list = findChild(editor, "monitor_listview")
        verify(list.visible)
        compare(list.rowCount, 3)
        compare(list.height, 3 * 24 + 2)
        compare(list.currentText, "01")
        clickItem(findChild(list, "row_03"))
        compare(list.visible, false)
        compare(layoutSummary(), ["1,1:1/03", "1,2:1/02", "1,3:1/01", "2,1:2/01"])
        compare(window.is_saved, 0)
        verifyModelsAgree()
        compare(editor.reloadmonitordata(cellIndex(1, 1)), 3)
        compare(editor.curmonModel.get(0).gridindex, cellIndex(1, 3))
    }

    function test_portIndicators() {
        start()
        openLayout([[1, 3, 2, "01"], [1, 1, 1, "01"], [2, 1, 2, "02"], [2, 2, 7, "01"]])
        var secondary = findChild(editor, "secondary_strip")
        verify(secondary.visible)
        clickItem(findChild(secondary, "port7"))
        compare(editor.m_index, cellIndex(2, 2))
        clickItem(findChild(findChild(editor, "primary_strip"), "port2"))
        compare(editor.m_index, cellIndex(1, 3), "first in grid order")
        compare(editor.litPort, 2)
        compare(String(findChild(findChild(findChild(editor, "primary_strip"), "port2"), "socket").color), "#f89b0a")
        clickItem(findChild(secondary, "port8"))
        compare(editor.m_index, cellIndex(1, 3), "no monitor on port 8: nothing happens")
    }

    function test_primaryOnly() {
        openMain({})
        window.phase = "R0"
        dismissStartNotice()
        openBlank()
        compare(editor.maxPort, 4)
        compare(editor.portModel.count, 5)
        compare(findChild(editor, "secondary_strip").visible, false)
    }

    // --------------------------------------------------------- the checks

    function test_checks_data() {
        var hd = 1920, sx = 1280
        return [
            { tag: "single monitor", layout: [[3, 3, 1, "01"]], page: "", errorPort: "" },
            { tag: "corner touch", layout: [[1, 1, 1, "01"], [2, 2, 2, "01"]], page: "", errorPort: "" },
            { tag: "blank among the blocks", layout: [[1, 1, 1, "01"], [1, 3, 2, "01"]],
              page: "edit_page_error2.qml", errorPort: "P1,P2" },
            { tag: "L shape", layout: [[1, 1, 1, "01"], [1, 2, 1, "02"], [2, 1, 1, "03"], [2, 2, 2, "01"]],
              page: "edit_page_error1.qml", errorPort: "P1" },
            { tag: "two separate rectangles", layout: [[1, 1, 1, "01"], [1, 2, 2, "01"], [1, 3, 1, "02"]],
              page: "edit_page_error1.qml", errorPort: "P1" },
            { tag: "two of three differ", layout: [[1, 1, 1, "01", hd, 1080], [1, 2, 1, "02", sx, 1024],
                                                    [1, 3, 1, "03", sx, 1024]],
              page: "edit_page_error3.qml", errorPort: "P1" },
            { tag: "two ports differ", layout: [[1, 1, 1, "01", hd, 1080], [1, 2, 1, "02", sx, 1024],
                                                 [2, 1, 2, "01", hd, 1080], [2, 2, 2, "02", sx, 1024]],
              page: "edit_page_error3.qml", errorPort: "P1,P2" }
        ]
    }

    function test_checks(data) {
        start()
        openLayout(data.layout)
        clickItem(findChild(editor, "save_device_button"))
        compare(window.errorPort, data.errorPort)
        var pages = child("error_Qml")
        compare(pages.visible, data.page !== "")
        if (data.page === "")
            return
        verify(pages.source.toString().indexOf("/" + data.page) >= 0)
        tryCompare(pages, "status", 1)
        var message = findChild(pages.item, "message").text
        compare(findChild(findChild(pages.item, "panel"), "okButton").visible, true)
        if (data.errorPort.indexOf(",") < 0 || data.page !== "edit_page_error2.qml")
            verify(message.indexOf("@") < 0)
        if (data.page !== "edit_page_error2.qml")
            verify(message.indexOf(" " + data.errorPort.split(",").join(", ") + " ") > 0, message)
        clickItem(findChild(pages.item, "okButton"))
        compare(pages.visible, false)
    }

    // A failed check marks the monitors it points at on the grid, names them
    // on its page under the message, tells a screen reader at the cursor,
    // and the marks go with the next edit.
    function test_errorsPoint_data() {
        var hd = 1920, sx = 1280
        return [
            { tag: "isolated", layout: [[1, 1, 1, "01"], [1, 2, 1, "02"], [3, 5, 2, "01"]],
              marked: ["3,5"], line: "P2 01 at row 3, column 5" },
            { tag: "not rectangular", layout: [[1, 1, 1, "01"], [1, 2, 1, "02"], [2, 1, 1, "03"], [2, 2, 2, "01"]],
              marked: ["1,1", "1,2", "2,1"],
              line: "P1 01 at row 1, column 1; P1 02 at row 1, column 2; P1 03 at row 2, column 1" },
            { tag: "mixed resolution", layout: [[1, 1, 1, "01", hd, 1080], [1, 2, 1, "02", sx, 1024],
                                                [1, 3, 1, "03", hd, 1080]],
              marked: ["1,2"], line: "P1 02 at row 1, column 2" }
        ]
    }

    function test_errorsPoint(data) {
        start()
        openLayout(data.layout)
        clickItem(findChild(editor, "save_device_button"))
        var pages = child("error_Qml")
        tryCompare(pages, "status", 1)
        var line = findChild(pages.item, "faultLine")
        compare(line.visible, true)
        compare(line.text, data.line)
        var message = findChild(pages.item, "message")
        verify(line.y >= message.y + message.height, "the line is under the message")
        clickItem(findChild(pages.item, "okButton"))

        for (var i = 0; i < data.layout.length; ++i) {
            var m = data.layout[i]
            var frame = findChild(cellAt(m[0], m[1]), "faultFrame")
            compare(frame.visible, data.marked.indexOf(m[0] + "," + m[1]) >= 0, m[0] + "," + m[1])
        }
        var first = data.marked[0].split(",")
        var cursor = findChild(editor, "grid_cursor")
        cursor.moveTo(cellIndex(Number(first[0]), Number(first[1])))
        verify(cursor.description.indexOf("marked by the check") >= 0, cursor.description)

        // Any edit takes the marks away.
        editor.desk.setOrientation(0, "v")
        for (var j = 0; j < data.layout.length; ++j)
            compare(findChild(cellAt(data.layout[j][0], data.layout[j][1]), "faultFrame").visible, false)
        verify(cursor.description.indexOf("marked by the check") < 0, cursor.description)
    }

    // The error pages name the failing ports as the language writes a list.
    function test_errorPortList_data() {
        return [
            { tag: "English", language: 0, ports: "P1,P2,S1", shown: "P1, P2, S1" },
            { tag: "Chinese", language: 2, ports: "P1,P2", shown: "P1\u3001P2" },
            { tag: "one port", language: 3, ports: "P3", shown: "P3" }
        ]
    }

    function test_errorPortList(data) {
        start()
        lang.changeLang(data.language)
        window.errorPort = data.ports
        compare(window.errorPortList(), data.shown)
        lang.changeLang(0)
    }

    // A monitor stood on end that has no resolution gets the chosen one
    // turned, so it saves (and reopens) as the vertical monitor it shows.
    function test_resolutionFillTurnsForVertical() {
        start()
        openLayout([[1, 1, 1, "01", 0, 0], [1, 2, 1, "02", 0, 0]])
        editor.desk.setOrientation(0, "v")
        pressAt(1, 2)
        var list = findChild(editor, "resolution_list")
        for (var i = 0; i < editor.resModel.count; ++i)
            if (editor.resModel.get(i).resolution === "2560 * 1440")
                list.activated(i)
        compare(layoutSummary(true), ["1,1:1/01 1440x2560", "1,2:1/02 2560x1440"])
    }

    // A file may leave a gap in a port's numbers; a monitor placed on that
    // port fills it instead of repeating a number (which no file may hold).
    function test_placingFillsANumberGap() {
        start()
        openLayout([[1, 1, 1, "01"], [1, 2, 1, "03"]])
        pressAt(1, 2)
        pressAt(1, 3)
        compare(layoutSummary(), ["1,1:1/01", "1,2:1/03", "1,3:1/02"])
        verify(Layout.parseLayout(Layout.layoutText(editor.mouseSettings(), editor.placedMonitors())) !== null)
    }

    // A monitor without a resolution: placing another asks for it and marks
    // the monitor red; choosing one fills every monitor still without one.
    function test_resolutionFillsMissing() {
        start()
        openLayout([[1, 1, 1, "01", 0, 0], [1, 2, 1, "02", 1280, 1024], [1, 3, 1, "03", 0, 0]])
        pressAt(2, 1)
        compare(editor.curmonitornum, 3, "not placed")
        var dialog = child("dialog_Qml")
        verify(dialog.source.toString().indexOf("/selectDialog.qml") >= 0)
        compare(window.select_dialog_type, 1)
        compare(editor.m_index, 0)
        compare(editor.gridModel.get(0).bordercolor, 0)
        compare(String(findChild(cellAt(1, 1), "tile").border.color), "#ff0000")
        dialog.visible = false

        var list = findChild(editor, "resolution_list")
        var entry = -1
        for (var i = 0; i < editor.resModel.count; ++i)
            if (editor.resModel.get(i).resolution === "1920 * 1080")
                entry = i
        verify(entry > 0)
        list.activated(entry)
        compare(layoutSummary(true), ["1,1:1/01 1920x1080", "1,2:1/02 1280x1024", "1,3:1/03 1920x1080"])
        compare(editor.gridModel.get(0).bordercolor, 1)
        compare(window.is_saved, 0)

        // "Select Resolution" takes the selected monitor's resolution away.
        list.activated(0)
        compare(layoutSummary(true)[0], "1,1:1/01 0x0")
    }

    // The first item under `item` (itself included) that `wanted` accepts.
    function itemWhere(item, wanted) {
        if (!item)
            return null
        if (wanted(item))
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = itemWhere(item.children[i], wanted)
            if (found)
                return found
        }
        return null
    }

    // Turned on its side, a monitor whose resolution lies far down the list
    // finds it, turned, in sight when the list opens, with a scroll bar that
    // says where the list stands.
    function test_resolutionListOpensOnChoice_data() {
        return [
            { tag: "middle", width: 1920, height: 1200, turned: "1200 * 1920" },
            { tag: "far down", width: 2048, height: 1152, turned: "1152 * 2048" },
            { tag: "last", width: 5120, height: 2880, turned: "2880 * 5120" }
        ]
    }

    function test_resolutionListOpensOnChoice(data) {
        start()
        openLayout([[1, 1, 1, "01", data.width, data.height]])
        pressAt(1, 1)
        var list = findChild(editor, "resolution_list")
        clickItem(findChild(editor, "vertical_button"))
        compare(list.currentText, data.turned)
        verify(list.currentIndex * list.rowHeight > list.maxListHeight, "the entry is below the first screenful")

        clickItem(list)
        tryCompare(list.__popup, "__popupVisible", true)
        var content = list.__popup.__contentItem
        var view = itemWhere(content, function (i) { return i.positionViewAtIndex !== undefined })
        var scroller = itemWhere(content, function (i) { return i.__verticalScrollBar !== undefined })
        // Placed once the list has laid its rows out.
        tryVerify(function () {
            var row = view.itemAtIndex(list.currentIndex)
            return row !== null && row.y - view.contentY >= 0 && row.y - view.contentY + row.height <= view.height
        }, 1000, "the chosen entry is in view")
        var bar = scroller.__verticalScrollBar
        verify(bar.visible && bar.width > 0, "a scroll bar shows")
        verify(bar.mapToItem(content, 0, 0).x + bar.width <= content.width, "the scroll bar is inside the list")

        list.__popup.toggleShow()
        tryCompare(list.__popup, "__popupVisible", false)
    }

    // Selecting shows the monitor's orientation and resolution without
    // changing the layout.
    function test_selectionShowsMonitor() {
        start()
        openLayout([[1, 1, 1, "01", 1920, 1080], [2, 1, 2, "01", 1080, 1920], [1, 2, 3, "01", 0, 0]])
        var list = findChild(editor, "resolution_list")
        pressAt(2, 1)
        compare(editor.s_orientation, "v")
        verify(findChild(editor, "vertical_button").checked)
        compare(list.currentText, "1080 * 1920")
        pressAt(1, 1)
        compare(editor.s_orientation, "h")
        compare(list.currentText, "1920 * 1080")
        pressAt(1, 2)
        compare(list.currentIndex, 0)
        compare(layoutSummary(true), ["1,1:1/01 1920x1080", "1,2:3/01 0x0", "2,1:2/01 1080x1920"])
        compare(window.is_saved, 1)
    }

    // ------------------------------------------------------------- saving

    function test_savedText() {
        start()
        openLayout([[2, 2, 2, "01"], [1, 2, 1, "02"], [1, 1, 1, "01"], [2, 1, 5, "01", 1280, 1024]],
                   { acceleration: "1", speed: "5", position: "2", switching_focus: 1,
                     duration_time: 3, keep_awake: 2 })
        var url = documentsUrl("desk one.km")
        editor.saveTolocal(url)
        compare(readLayoutFile(url),
                '[{"acceleration":"1","speed":"5","position":"2","switching_focus":1,"duration_time":3,'
                + '"keep_awake":2,"monitorlist":['
                + '{"row":"1","col":"1","width":"1920","height":"1080","portnum":"1","monitornum":"01"},'
                + '{"row":"1","col":"2","width":"1920","height":"1080","portnum":"1","monitornum":"02"},'
                + '{"row":"2","col":"1","width":"1280","height":"1024","portnum":"5","monitornum":"01"},'
                + '{"row":"2","col":"2","width":"1920","height":"1080","portnum":"2","monitornum":"01"}]}]')
        compare(window.is_saved, 1)
        compare(window.filePath.toString(), url)
        compare(findChild(editor, "file_name_text").text, "desk one.km")
        var local = url.substring("file://".length)
        compare(alertText(), "Saved successfully. \r\n" + decodeURIComponent(local))
        compare(JSON.parse(regedit.readRegedit("file-recent")).filelist[0].path, window.filePath.toString())
    }

    function test_verticalRoundTrip() {
        start()
        openBlank()
        clickItem(findChild(editor, "vertical_button"))
        compare(editor.s_orientation, "v")
        var entry = -1
        for (var i = 0; i < editor.resModel.count; ++i)
            if (editor.resModel.get(i).resolution === "1080 * 1920")
                entry = i
        verify(entry > 0, "the list shows the vertical form")
        findChild(editor, "resolution_list").activated(entry)
        pressAt(1, 1)
        compare(layoutSummary(true), ["1,1:1/01 1080x1920"])
        compare(editor.gridModel.get(0).orientation, "v")
        var url = documentsUrl("vertical.km")
        editor.saveTolocal(url)
        verify(readLayoutFile(url).indexOf('"width":"1080","height":"1920"') > 0)

        window.loadFile(url)
        compare(layoutSummary(true), ["1,1:1/01 1080x1920"])
        compare(editor.gridModel.get(0).orientation, "v")
        compare(editor.s_orientation, "v")
        compare(findChild(cellAt(1, 1), "monitorPicture").source.toString().indexOf("img-monitor-v.png") > 0, true)
    }

    // Switching the orientation turns the selected monitor.
    function test_orientationTurnsSelected() {
        start()
        openLayout([[1, 1, 1, "01", 2560, 1440]])
        clickItem(findChild(editor, "vertical_button"))
        compare(layoutSummary(true), ["1,1:1/01 1440x2560"])
        compare(editor.gridModel.get(0).orientation, "v")
        compare(window.is_saved, 0)
        clickItem(findChild(editor, "horizontal_button"))
        compare(layoutSummary(true), ["1,1:1/01 2560x1440"])
    }

    // A resolution the list does not hold turns with its monitor too.
    function test_orientationKeepsUnlistedResolution() {
        start()
        openLayout([[1, 1, 1, "01", 1234, 567]])
        compare(findChild(editor, "resolution_list").currentIndex, 0)
        clickItem(findChild(editor, "vertical_button"))
        compare(layoutSummary(true), ["1,1:1/01 567x1234"])
        compare(editor.gridModel.get(0).orientation, "v")
        clickItem(findChild(editor, "horizontal_button"))
        compare(layoutSummary(true), ["1,1:1/01 1234x567"])
    }

    function test_saveReopen() {
        start()
        window.loadModel("16-04")
        editor = child("setQml").item
        var before = layoutSummary(true)
        window.mouse_speed = 7
        window.keep_awake = 1
        var url = documentsUrl("reopen.km")
        editor.saveTolocal(url)
        window.loadModel("01-01")
        compare(layoutSummary().length, 4)
        window.loadFile(url)
        compare(layoutSummary(true), before)
        compare([window.mouse_speed, window.keep_awake, window.is_saved], [7, 1, 1])
        compare(findChild(editor, "file_name_text").text, "reopen.km")
        verifyModelsAgree()
    }

    // A folder that cannot be written: the failure names the path, the layout
    // stays unsaved and the file in the way is left as it was.
    function test_saveFailure() {
        start()
        openLayout([[1, 1, 1, "01"]])
        var url = documentsUrl("kept.km")
        editor.saveTolocal(url)
        var before = readLayoutFile(url)
        editor.delMonitor(0)
        pressAt(1, 2)
        findChild(editor, "resolution_list").activated(1)
        compare(window.is_saved, 0)
        var target = url + "/inside.km"
        editor.saveTolocal(target)
        compare(alertText(), "Failed to save data. \r\n" + decodeURIComponent(target.substring("file://".length)))
        compare(window.is_saved, 0)
        compare(window.filePath.toString(), url)
        compare(readLayoutFile(url), before)
    }

    // "Save to local" asks first; "Save" writes over the current file.
    function test_saveQuestion() {
        start()
        openLayout([[1, 1, 1, "01"]])
        var url = documentsUrl("question.km")
        editor.saveTolocal(url)
        child("dialog_Qml").visible = false
        window.mouse_position = 2
        clickItem(findChild(editor, "save_local_button"))
        var question = dialogItem()
        compare(findChild(question, "message").text, "Save Profile")
        compare(findChild(question, "doButton").text, "Save as")
        compare(findChild(question, "cancelButton").text, "Save")
        clickItem(findChild(question, "cancelButton"))
        verify(readLayoutFile(url).indexOf('"position":"2"') > 0)
        compare(window.is_saved, 1)
    }

    // ------------------------------------------------------------ opening

    // A template layout has no focus or keep-awake members.
    function test_templateLayout() {
        start()
        window.switching_focus = 1
        window.duration_time = 3
        window.keep_awake = 2
        window.loadModel("07-03")
        editor = child("setQml").item
        compare([window.switching_focus, window.duration_time, window.keep_awake], [0, 1, 0])
        compare(findChild(editor, "file_name_text").text, "Template")
        compare(layoutSummary(), ["2,3:1/01", "2,4:1/02", "3,3:2/01", "3,4:2/02"])
        compare(editor.m_index, cellIndex(2, 3), "the first monitor is selected")
        compare(window.is_saved, 1)
    }

    // Out-of-range mouse values are brought into range once, when the file is
    // opened, so the dialogs show what will be saved and sent.
    function test_mouseValuesBroughtIntoRange() {
        start()
        var url = documentsUrl("range.km")
        writeLayoutFile(url, '[{"acceleration":"1","speed":"15","position":"4","keep_awake":5,'
                        + '"monitorlist":[{"row":"1","col":"1","width":"1920","height":"1080","portnum":"1","monitornum":"01"}]}]')
        window.loadFile(url)
        editor = child("setQml").item
        compare([window.mouse_speed, window.keep_awake], [10, 2])
        editor.doMenuEvent(8)
        compare(findChild(dialogItem(), "awake_list").currentText, "Always")
        clickItem(findChild(dialogItem(), "okButton"))
        editor.doMenuEvent(5)
        compare(findChild(dialogItem(), "speed_slider").value, 10)
        clickItem(findChild(dialogItem(), "okButton"))
        compare([window.mouse_speed, window.keep_awake, window.is_saved], [10, 2, 1])
    }

    function test_refusedFiles_data() {
        function monitor(r, c, p, n, w, h) {
            return '{"row":"' + r + '","col":"' + c + '","width":"' + (w === undefined ? 1920 : w)
                    + '","height":"' + (h === undefined ? 1080 : h) + '","portnum":"' + p + '","monitornum":"' + n + '"}'
        }
        function file(monitors) {
            return '[{"acceleration":"0","speed":"0","position":"4","monitorlist":[' + monitors.join(",") + ']}]'
        }
        var seventeen = []
        for (var i = 0; i < 17; ++i)
            seventeen.push(monitor(1 + Math.floor(i / 4), 1 + i % 4, 1 + Math.floor(i / 16), Layout.twoDigits(1 + i % 16)))
        return [
            { tag: "no monitornum", text: file([monitor(1, 1, 1, "01"), '{"row":"1","col":"2","width":"1920","height":"1080","portnum":"1"}']) },
            { tag: "not JSON", text: "[{\"acceleration\":" },
            { tag: "row 17", text: file([monitor(17, 1, 1, "01")]) },
            { tag: "column 0", text: file([monitor(1, 0, 1, "01")]) },
            { tag: "two on one cell", text: file([monitor(1, 1, 1, "01"), monitor(1, 1, 2, "01")]) },
            { tag: "seventeen monitors", text: file(seventeen) },
            { tag: "port 9", text: file([monitor(1, 1, 9, "01")]) },
            { tag: "same number twice", text: file([monitor(1, 1, 1, "01"), monitor(1, 2, 1, "01")]) },
            { tag: "width not whole", text: file([monitor(1, 1, 1, "01", "1920.5")]) },
            { tag: "height above 65535", text: file([monitor(1, 1, 1, "01", 1920, 65536)]) },
            { tag: "negative width", text: file([monitor(1, 1, 1, "01", -1920)]) }
        ]
    }

    function test_refusedFiles(data) {
        start()
        var good = documentsUrl("good.km")
        writeLayoutFile(good, '[{"acceleration":"0","speed":"3","position":"4","monitorlist":['
                        + '{"row":"2","col":"2","width":"1920","height":"1080","portnum":"1","monitornum":"01"},'
                        + '{"row":"2","col":"3","width":"1920","height":"1080","portnum":"2","monitornum":"01"}]}]')
        window.loadFile(good)
        editor = child("setQml").item
        var before = layoutSummary(true)
        var bad = documentsUrl("bad.km")
        writeLayoutFile(bad, data.text)
        window.loadFile(bad)
        compare(alertText(), "The file is invalid.")
        compare(layoutSummary(true), before)
        compare(window.filePath.toString(), good)
        compare(window.mouse_speed, 3)
        compare(JSON.parse(regedit.readRegedit("file-recent")).filelist.length, 1)
    }

    // Every template configuration builds, names the secondary ports S1-S4
    // and passes the checks as it is.
    function test_allConfigurations() {
        start()
        var all = Templates.load().configurations
        var ids = Object.keys(all).sort()
        compare(ids.length, 58)
        for (var i = 0; i < ids.length; ++i) {
            window.loadModel(ids[i])
            editor = child("setQml").item
            var monitors = all[ids[i]].monitorlist
            compare(editor.curmonitornum, monitors.length, ids[i])
            for (var m = 0; m < monitors.length; ++m) {
                var port = Number(monitors[m].portnum)
                var cell = editor.gridModel.get(cellIndex(Number(monitors[m].row), Number(monitors[m].col)))
                compare(cell.portname, port > 4 ? "S" + (port - 4) : "P" + port, ids[i])
                compare(cell.monitornum, monitors[m].monitornum, ids[i])
            }
            verify(editor.checkDataValid(1), ids[i])
            verify(editor.checkRule(), ids[i] + " " + window.errorPort)
            compare(child("error_Qml").visible, false, ids[i])
            compare(window.is_saved, 1, ids[i])
        }
    }

    // ------------------------------------------------------ recent files

    function test_recentFiles_data() {
        return [
            { tag: "eleven files", open: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10],
              expect: [10, 9, 8, 7, 6, 5, 4, 3, 2, 1] },
            { tag: "the third of ten again", open: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 7],
              expect: [7, 9, 8, 6, 5, 4, 3, 2, 1, 0] }
        ]
    }

    function test_recentFiles(data) {
        start()
        var urls = []
        for (var i = 0; i < 11; ++i) {
            urls.push(documentsUrl("desk " + i + ".km"))
            writeLayoutFile(urls[i], '[{"acceleration":"0","speed":"0","position":"4","monitorlist":[]}]')
        }
        for (i = 0; i < data.open.length; ++i)
            window.loadFile(urls[data.open[i]])
        var list = JSON.parse(regedit.readRegedit("file-recent")).filelist
        var expected = []
        for (i = 0; i < data.expect.length; ++i)
            expected.push(window.filePath.toString().replace(/desk \d+\.km$/, "desk " + data.expect[i] + ".km"))
        compare(list.map(function (e) { return e.path }), expected)
        window.goHome()
        compare(child("recent_list").count, 10)
    }

    // -------------------------------------------------------- the frame

    function test_zoom() {
        start()
        openBlank()
        var slider = findChild(editor, "zoom_slider")
        var spin = findChild(editor, "zoom_spin")
        var layer = findChild(editor, "grid_layer")
        compare([slider.value, spin.value, layer.scale], [100, 100, 1])
        compare([slider.minimumValue, slider.maximumValue, spin.minimumValue, spin.maximumValue], [1, 150, 1, 150])
        spin.value = 1
        compare(slider.value, 1)
        fuzzyCompare(layer.scale, 0.60103, 1e-9)
        slider.value = 150
        compare(spin.value, 150)
        fuzzyCompare(layer.scale, 0.597 + 0.403 * 1.5, 1e-9)
        // A new layout starts at 100 again.
        window.loadModel("01-01")
        compare([slider.value, spin.value], [100, 100])
    }

    function test_menuSwitch_data() {
        return [
            { tag: "File, then Settings", first: "file_button", second: "settings_button", shown: "mouse_menu.qml" },
            { tag: "Settings, then File", first: "settings_button", second: "file_button", shown: "menu.qml" }
        ]
    }

    function test_menuSwitch(data) {
        start()
        openBlank()
        var menu = findChild(editor, "menu_bar")
        clickItem(findChild(editor, data.first))
        clickItem(findChild(editor, data.second))
        verify(menu.visible)
        compare(menu.source.toString().split("/").pop(), data.shown)
        verify(findChild(editor, data.second).active)
        verify(!findChild(editor, data.first).active)
    }

    // "New" resets the grid and, with the tutorial on, shows it.
    function test_newLayout_data() {
        return [
            { tag: "ticked", tick: true, stored: "0" },
            { tag: "not ticked", tick: false, stored: "1" }
        ]
    }

    function test_newLayout(data) {
        start({ "showTutorial": "" })
        openLayout([[1, 1, 2, "01"], [1, 2, 2, "02"]])
        var pages = child("error_Qml")
        verify(pages.visible, "the tutorial greets every opened layout")
        verify(pages.source.toString().indexOf("/edit_page_tutorial.qml") >= 0)
        clickItem(findChild(pages.item, "okButton"))
        compare(pages.visible, false)

        editor.doMenuEvent(1)
        compare(layoutSummary(), [])
        compare(editor.curmonitornum, 0)
        compare(editor.m_index, -1)
        compare(findChild(editor, "file_name_text").text, "Template")
        var dialog = child("dialog_Qml")
        verify(dialog.visible)
        verify(dialog.source.toString().indexOf("/edit_page_tutorial.qml") >= 0)
        var tutorial = dialogItem()
        verify(tutorial !== null)
        compare(findChild(tutorial, "panel").width, 600)
        compare(findChild(tutorial, "panel").height, 482)
        if (data.tick)
            clickItem(findChild(tutorial, "dontShow"))
        clickItem(findChild(tutorial, "okButton"))
        compare(dialog.visible, false)
        compare(regedit.readRegedit("showTutorial"), data.stored)

        // A press now places on port 1: nothing of the old layout is left.
        pressAt(3, 3)
        compare(layoutSummary(), ["3,3:1/01"])
        editor.selectMonitor(2)
        compare(editor.m_index, cellIndex(3, 3))
    }
}
