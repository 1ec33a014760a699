import QtQuick 2.12
import QtQuick.Dialogs 1.3
import "."
import "filepath.js" as FilePath
import Seamrun.Layout 1.0
import Qt.Quick.OrrinData 1.0
import Seamrun.Files 1.0

// The layout editor page: top row (logo, home, "File" and "Settings" menus),
// the file-name bar with its path tip, the 16 x 16 grid of cells and the side
// panel (zoom, orientation, resolution, port status, save buttons). Created
// once by the main window, then reset for every layout it is given through
// main.filedata. The rules (numbering, checks, the file text) live in the
// native "Layout" object; this page keeps the models and the screen in step
// with them.
Item {
    id: mainlist

    // Fixed values.
    readonly property int matrix_Row: 16
    readonly property int matrix_Column: 16
    readonly property int gridview_cell_w: 155
    readonly property int gridview_cell_h: 155
    readonly property int monitor_w: 153
    readonly property int monitor_h: 153
    readonly property int extendedNum: 16
    readonly property int device_ports: 4
    readonly property int maxPort: main.phase === "R0" ? 4 : 8
    readonly property int baseScale: 100
    readonly property int maxScale: 150

    // Editor state.
    property int curmonitornum: 0
    property int m_index: -1
    property string s_orientation: "h"
    property string resolutionJson: ""
    property real mouse_x: 0
    property real mouse_y: 0
    // Scratch lists of the checks (kept for callers that read them).
    property var monitorGroup: []
    property var monitorX: []
    property var monitorY: []
    property var monitorWidth: []
    property var monitorHeight: []

    // The models, as properties so that the upload flow and tests reach them
    // through the page: the 256 cells in row order, the placed monitors
    // {gridindex, portnum, enable, monitornum} in placing order, the monitors
    // of one port by number, the port choices {port, enable, portname}, the
    // placed cells {id} in grid order after checkDataValid, and the
    // resolution choices {resolution, arrange}.
    property ListModel gridModel: ListModel {}
    property ListModel allmonModel: ListModel {}
    property ListModel curmonModel: ListModel {}
    property ListModel portModel: ListModel {}
    property ListModel monitor_list: ListModel {}
    property ListModel resModel: ListModel {}
    // The drop-down's first entry follows the language in force.
    readonly property string noResolutionText: qsTr("Select Resolution")
    onNoResolutionTextChanged: {
        if (resModel.count > 0)
            resModel.setProperty(0, "resolution", noResolutionText)
    }

    // The file-name bar: the layout file's name, or, for a layout with no
    // file behind it, "Template" or "New Object" in the language in force.
    property string fileTitle: ""
    property bool fromTemplate: false
    // Which menu the menu loader holds ("menu.qml" or "mouse_menu.qml").
    property string menuFile: ""
    // Port whose indicator is lit; 0 for none.
    property int litPort: 0
    // Zoom value, 1 .. maxScale; the slider and the spin box both follow it.
    property int zoomValue: baseScale
    readonly property real gridScale: 0.597 + 0.403 * zoomValue / 100
    // Undo and redo of the editing steps (see UndoStack.qml).
    readonly property bool canUndo: history.canUndo
    readonly property bool canRedo: history.canRedo

    // ------------------------------------------------------------ menus

    function closeMenuBar() {
        menu_bar.visible = false
    }

    // The keyboard leaves a menu for the button that opened it.
    function focusMenuButton() {
        (menuFile === "mouse_menu.qml" ? settings_button : file_button).focusButton()
    }

    // Where the keyboard goes when the editor comes to the front.
    function focusGrid() {
        grid_cursor.forceActiveFocus()
    }

    // While the connection dialog is open the keyboard belongs to it; false
    // when it is not open.
    function focusUploadDialog() {
        if (!upload_Qml.visible || !upload_Qml.item)
            return false
        upload_Qml.item.focusDialog()
        return true
    }

    // The grid scrolls so that the area (x, y, w, h) of the unscaled grid
    // is in view.
    function showGridArea(x, y, w, h) {
        var view = grid_view
        var left = x * gridScale, top = y * gridScale
        var right = (x + w) * gridScale, bottom = (y + h) * gridScale
        if (left < view.contentX)
            view.contentX = left
        else if (right > view.contentX + view.width)
            view.contentX = Math.min(right - view.width, Math.max(0, view.contentWidth - view.width))
        if (top < view.contentY)
            view.contentY = top
        else if (bottom > view.contentY + view.height)
            view.contentY = Math.min(bottom - view.height, Math.max(0, view.contentHeight - view.height))
    }

    // One loader holds either menu. A second click on the same button closes
    // it; a click on the other button shows the other menu at once.
    function toggleMenu(button, file, menuWidth) {
        if (menu_bar.visible && menuFile === file) {
            closeMenuBar()
            return
        }
        hiddenPortlistDialog()
        hiddenDelDialog()
        menuFile = file
        menu_bar.source = ""
        menu_bar.source = file
        menu_bar.width = menuWidth
        var centre = button.mapToItem(mainlist, button.width / 2, 0).x
        menu_bar.x = centre - menuWidth / 2
        menu_bar.y = top_row.height
        menu_bar.visible = true
    }

    function doMenuEvent(id) {
        switch (id) {
        case 1:
            newProfile()
            break
        case 2:
            loadFileDialog()
            break
        case 3:
            saveFileDialog(0)
            break
        case 4:
            main.showExitWindow()
            break
        case 5:
        case 6:
        case 7:
        case 8:
            show_mouse_setting_Dialog(id - 5)
            break
        }
    }

    function show_mouse_setting_Dialog(n) {
        var screens = ["mouse_speed_setting.qml", "mouse_position_setting.qml",
                       "frame_setting.qml", "keep_awake_option.qml"]
        dialog_Qml.source = ""
        dialog_Qml.source = screens[n]
        dialog_Qml.visible = true
    }

    function hiddenPortlistDialog() {
        port_list.visible = false
        monitor_listview.visible = false
    }

    // The monitor whose delete button opened the prompt: "OK" deletes that
    // one, whatever was selected since.
    property int del_target: -1

    function hiddenDelDialog() {
        del_dialog.visible = false
    }

    // ------------------------------------------------------- file commands
    //
    // Each question before unsaved monitors are dropped has the button that
    // keeps them as its default: Enter never discards the layout.

    function hasUnsavedMonitors() {
        return main.is_saved === 0 && curmonitornum > 0
    }

    function goHomePage() {
        closeMenuBar()
        if (hasUnsavedMonitors()) {
            main.showConfirm({
                msg: qsTr("Do you want to save the change? If yes, please save the configuration before leaving."),
                dobtn: qsTr("Home Page"), cancelbtn: qsTr("OK"),
                dofunc: main.goHome, cancelfunc: null, closefunc: null,
                showicon: 0, icon: 0, defaultbtn: "cancel"
            })
        } else {
            hiddenPortlistDialog()
            hiddenDelDialog()
            main.goHome()
        }
    }

    function newProfile() {
        if (hasUnsavedMonitors()) {
            main.showConfirm({
                msg: qsTr("Are you sure you want to create a new list without saving?"),
                dobtn: qsTr("Create"), cancelbtn: qsTr("Cancel"),
                dofunc: newP, cancelfunc: null, closefunc: null,
                showicon: 0, icon: 0, defaultbtn: "cancel"
            })
        } else {
            newP()
        }
    }

    // A new, empty layout.
    function newP() {
        clearGrid()
        main.filePath = ""
        main.filedata = ""
        if (tutorialWanted()) {
            dialog_Qml.source = ""
            dialog_Qml.source = "edit_page_tutorial.qml"
            dialog_Qml.visible = true
        }
        fileTitle = ""
        fromTemplate = true
        history.reset()
    }

    function loadFileDialog() {
        if (hasUnsavedMonitors()) {
            main.showConfirm({
                msg: qsTr("Are you sure you want to load a file without saving?"),
                dobtn: qsTr("Load"), cancelbtn: qsTr("Cancel"),
                dofunc: openLoadDialog, cancelfunc: null, closefunc: null,
                showicon: 0, icon: 0, defaultbtn: "cancel"
            })
        } else {
            openLoadDialog()
        }
    }

    function openLoadDialog() {
        load_file_Dialog.active = true
        FilePath.openIn(load_file_Dialog.item, main.fileDialogFolder())
    }

    // Saving needs a layout that passes the checks. "Save to local" (mode 1)
    // asks whether to save over the current file or under a new name; the
    // menu's "Save as" (mode 0) asks for the name at once.
    function saveFileDialog(mode) {
        if (!checkDataValid(0))
            return
        if (!checkRule())
            return
        if (mode === 1) {
            main.showConfirm({
                msg: qsTr("Save Profle"),
                dobtn: qsTr("Save as"), cancelbtn: qsTr("Save"),
                dofunc: select_file, cancelfunc: saveToCurrentFile, closefunc: null,
                showicon: 0, icon: 0
            })
        } else {
            select_file()
        }
    }

    function saveToCurrentFile() {
        var current = main.filePath.toString()
        if (current !== "")
            saveTolocal(current)
        else
            select_file()
    }

    function select_file() {
        save_file_Dialog.active = true
        FilePath.openIn(save_file_Dialog.item, main.fileDialogFolder())
    }

    // ------------------------------------------------------- Save to device
    //
    // saveDeviceDialog checks the layout and shows the connection dialog
    // (uploadKvm.qml). Its next button opens the switch; three seconds later
    // checkDeviceNum checks the desk as it stands then, reads where this
    // computer is attached and how many switches are chained, and
    // saveTodevice hands the desk to the device object's one upload
    // (orrin.uploadDesk: list-open, one port record per monitor, the mouse
    // record, list-close). Every end of the flow unloads the dialog
    // (closeUpload) before its message is shown. The choices and the
    // coordinate arithmetic are the layout library's.

    function saveDeviceDialog() {
        if (!checkDataValid(1) || !checkRule())
            return
        upload_Qml.source = ""
        upload_Qml.source = "uploadKvm.qml"
        upload_Qml.visible = true
    }

    function closeUpload() {
        upload_Qml.source = ""
        upload_Qml.visible = false
    }

    function showUploadAlert(msg, icon, title) {
        main.showAlert({ msg: msg, showicon: 1, icon: icon, okfunc: null, closefunc: null,
                         title: title !== undefined ? title : "" })
    }

    function uploadFailed() {
        showUploadAlert(qsTr("Failed to upload data."), 0)
    }

    // The monitors of monitor_list as plain values, in its (grid) order.
    function uploadMonitors() {
        var monitors = []
        for (var i = 0; i < monitor_list.count; ++i) {
            var index = monitor_list.get(i).id
            var cell = gridModel.get(index)
            monitors.push({ gridindex: index, row: cell.row, col: cell.col, portnum: cell.portnum,
                            monitornum: cell.monitornum, width: cell.width, height: cell.height })
        }
        return monitors
    }

    // The desk may have been edited since the button was pressed: monitor_list
    // is built again from the grid and checked as the button checks it. A
    // desk that fails shows what to fix, and nothing goes to the switch.
    function uploadDeskValid() {
        if (checkDataValid(1) && checkRule())
            return true
        closeUpload()
        return false
    }

    // Runs when the dialog's wait ends.
    function checkDeviceNum() {
        if (!uploadDeskValid())
            return
        if (orrin.getPortStatus() && Number(orrin.portStatus.apportNum) > 4) {
            closeUpload()
            showUploadAlert(qsTr("To save and apply the layout configuration to OrrinKM, please connect your computer to the Primary OrrinKM device."),
                            0, qsTr("Save failed!"))
            return
        }
        if (!orrin.getFWAPProtocolVersion()) {
            closeUpload()
            uploadFailed()
            return
        }
        uploadForChain(Layout.chainFromVersion(orrin.version), false)
    }

    // What a chain of `chain` switches lets go out; `confirmed` once the user
    // chose "Continue". A version text that names no chain stops a desk with
    // monitors above port 4 (which switch they are on is unknown); a desk on
    // ports 1-4 goes out whatever the text.
    function uploadForChain(chain, confirmed) {
        var decision = Layout.uploadDecision(uploadMonitors(), chain)
        if (decision.action === "fail") {
            closeUpload()
            uploadFailed()
            return
        }
        if (decision.action === "confirm" && !confirmed) {
            closeUpload()
            main.showConfirm({
                msg: qsTr("Only one OrrinKM is connected. We save port 1-4 monitor layout only. Do you want to continue?"),
                dobtn: qsTr("Cancel"), cancelbtn: qsTr("Continue"),
                dofunc: null,
                cancelfunc: function () { mainlist.continueUpload(chain) },
                closefunc: null, showicon: 1, icon: 0
            })
            return
        }
        if (decision.action === "high-only") {
            closeUpload()
            showUploadAlert(qsTr("Only one OrrinKM is connected. Please set port number between P1 to P4."), 0)
            return
        }
        saveTodevice(decision.ports)
    }

    // "Continue": the desk as it stands when the button is pressed.
    function continueUpload(chain) {
        if (uploadDeskValid())
            uploadForChain(chain, true)
    }

    // Sends the monitors on ports up to p_count and, once the switch took
    // them, removes the others from the layout. Success is the switch
    // accepting every record, the mouse record and the list-close.
    function saveTodevice(p_count) {
        if (history.idle)
            return history.record(saveTodevice, arguments)
        var result = orrin.uploadDesk(uploadMonitors(), p_count, mouseSettings())
        logUpload(result.steps)
        reCalculationPosition(result.records)
        closeUpload()
        if (result.outcome === DeskUpload.Uploaded) {
            for (var i = 0; i < result.leftOut.length; ++i)
                delMonitor(result.leftOut[i])
            showUploadAlert(qsTr("Save to device successfully."), 1)
            main.is_saved = 1
            history.reset()
        } else if (result.outcome === DeskUpload.DriverRunning) {
            showUploadAlert(qsTr("The extended desktop driver ap is running. Please close it and upload again."), 0)
        } else {
            uploadFailed()
        }
    }

    // The console's account of an upload, one line per exchange.
    function logUpload(steps) {
        for (var i = 0; i < steps.length; ++i) {
            var step = steps[i]
            if (step.exchange === "list-open") {
                if (step.accepted)
                    console.log("sendListAmountOpen ok.")
            } else if (step.exchange === "port-record") {
                console.log("sendOneListOfPortNum return:" + step.accepted)
            } else if (step.exchange === "mouse-record") {
                console.log(step.accepted ? "sendOneListOfMouseData ok." : "sendOneListOfMouseData fail.")
            } else {
                console.log(step.accepted ? "sendListAmountClose ok." : "sendListAmountClose fail.")
            }
        }
    }

    // Writes the coordinates an upload worked out (those of the monitors it
    // sends, placed among themselves) into their grid cells.
    function reCalculationPosition(records) {
        for (var i = 0; i < records.length; ++i) {
            var r = records[i]
            gridModel.setProperty(r.gridindex, "relative_row", r.relative_row)
            gridModel.setProperty(r.gridindex, "relative_col", r.relative_col)
            gridModel.setProperty(r.gridindex, "main_relative_row", r.main_relative_row)
            gridModel.setProperty(r.gridindex, "main_relative_col", r.main_relative_col)
        }
    }

    function sortNumber(a, b) {
        return Layout.sortNumber(a, b)
    }

    // The recent-file list: `path` first, no path twice, at most ten.
    function updateFilelist(path) {
        RecentFiles.add(path)
    }

    // -------------------------------------------------------- the layout

    function getProtName(p_num) {
        return Layout.portName(p_num)
    }

    // allmonModel as plain values, for the rules.
    function monitorEntries() {
        var entries = []
        for (var i = 0; i < allmonModel.count; ++i) {
            var e = allmonModel.get(i)
            entries.push({ gridindex: e.gridindex, portnum: e.portnum, monitornum: e.monitornum })
        }
        return entries
    }

    function getnousedmon(portnum) {
        return Layout.nextMonitorNumber(monitorEntries(), portnum)
    }

    // Every placed monitor as the rules see it, in grid order.
    function placedMonitors() {
        var monitors = []
        for (var i = 0; i < allmonModel.count; ++i) {
            var index = allmonModel.get(i).gridindex
            var c = gridModel.get(index)
            monitors.push({ gridindex: index, row: c.row, col: c.col, portnum: c.portnum,
                            monitornum: c.monitornum, width: c.width, height: c.height })
        }
        monitors.sort(function (a, b) { return a.gridindex - b.gridindex })
        return monitors
    }

    function mouseSettings() {
        return { acceleration_flag: main.acceleration_flag, mouse_speed: main.mouse_speed,
                 mouse_position: main.mouse_position, switching_focus: main.switching_focus,
                 duration_time: main.duration_time, keep_awake: main.keep_awake }
    }

    function allmonIndexOf(gridindex) {
        for (var i = 0; i < allmonModel.count; ++i)
            if (allmonModel.get(i).gridindex === gridindex)
                return i
        return -1
    }

    function setPortEnable(port, enable) {
        if (port >= 0 && port < portModel.count)
            portModel.setProperty(port, "enable", enable)
    }

    // A port's choice is offered while it holds fewer than 16 monitors.
    function updatePortChoices() {
        var counts = []
        for (var p = 0; p < portModel.count; ++p)
            counts.push(0)
        for (var i = 0; i < allmonModel.count; ++i) {
            var port = allmonModel.get(i).portnum
            if (port >= 0 && port < counts.length)
                counts[port] += 1
        }
        for (p = 0; p < portModel.count; ++p)
            portModel.setProperty(p, "enable", counts[p] < extendedNum)
    }

    // ----------------------------------------------------------- tiles

    // Every tile made so far, free ones (cell -1) included.
    property var tiles: []
    // Tile shown on each grid index (only cells that have one).
    property var tileAt: ({})
    // While above 0, cell changes are only noted and the tiles follow at the
    // end (loading a layout changes a dozen fields of every cell).
    property int tilesHeld: 0
    property var heldCells: ({})

    function takeTile(index) {
        var tile = null
        for (var i = 0; i < tiles.length; ++i) {
            if (tiles[i].cell < 0) {
                tile = tiles[i]
                break
            }
        }
        if (tile === null) {
            tile = tile_component.createObject(tile_home)
            tiles.push(tile)
        }
        tile.cell = index
        tileAt[index] = tile
        return tile
    }

    // Brings the tile of cell `index` in line with gridModel: made or freed
    // as the cell is placed/marked or not, its fields copied.
    function syncTile(index) {
        var c = gridModel.get(index)
        var tile = tileAt[index] || null
        if (!c.display && !c.showborder) {
            if (tile !== null) {
                tile.cell = -1
                delete tileAt[index]
            }
            return
        }
        if (tile === null)
            tile = takeTile(index)
        tile.placed = c.display
        tile.selected = c.showborder
        tile.borderColor = c.bordercolor
        tile.portName = c.portname
        tile.monitorNumber = c.monitornum
        tile.showNumber = c.showmonlist
        tile.orientation = c.orientation
        tile.monitorWidth = c.width
        tile.monitorHeight = c.height
    }

    function cellsChanged(first, last) {
        for (var i = first; i <= last; ++i) {
            if (tilesHeld > 0)
                heldCells[i] = true
            else
                syncTile(i)
        }
    }

    // Runs `edit` with the tiles held, so that each cell it touches is
    // brought up to date once, at the end.
    function editTiles(edit) {
        holdTiles()
        try {
            return edit()
        } finally {
            releaseTiles()
        }
    }

    function holdTiles() {
        tilesHeld += 1
    }

    function releaseTiles() {
        tilesHeld -= 1
        if (tilesHeld > 0)
            return
        var cells = heldCells
        heldCells = {}
        for (var key in cells)
            syncTile(Number(key))
    }

    function dropAllTiles() {
        for (var i = 0; i < tiles.length; ++i)
            tiles[i].cell = -1
        tileAt = {}
        heldCells = {}
    }

    function gridCell(r, c) {
        return {
            id: (r - 1) * matrix_Column + (c - 1), row: r, col: c, width: 0, height: 0,
            orientation: s_orientation, portnum: 0, display: false, showborder: false,
            bgcolor: false, showadd: false, bordercolor: 1, enable: true,
            relative_row: r, relative_col: c, main_relative_row: 0, main_relative_col: 0,
            portname: "--", monitornum: "00", showmonlist: true
        }
    }

    function setDefaultData() {
        portModel.clear()
        for (var p = 0; p <= maxPort; ++p)
            portModel.append({ port: String(p), enable: true, portname: getProtName(p) })
        var cells = []
        for (var r = 1; r <= matrix_Row; ++r)
            for (var c = 1; c <= matrix_Column; ++c)
                cells.push(gridCell(r, c))
        holdTiles()
        gridModel.clear()
        // One insertion for the whole grid: the cells are made in one go.
        gridModel.append(cells)
        // Fresh cells are empty: none needs a tile.
        dropAllTiles()
        releaseTiles()
        curmonModel.clear()
        allmonModel.clear()
    }

    // Every cell empty again, the monitor lists emptied and every port on
    // offer: the state "New" and a reload start from.
    function clearGrid() {
        holdTiles()
        hiddenPortlistDialog()
        hiddenDelDialog()
        for (var i = 0; i < allmonModel.count; ++i)
            clearCell(allmonModel.get(i).gridindex)
        if (m_index >= 0)
            clearCell(m_index)
        curmonModel.clear()
        allmonModel.clear()
        updatePortChoices()
        curmonitornum = 0
        m_index = -1
        setPortColor(0)
        releaseTiles()
    }

    function clearCell(index) {
        var cell = gridModel.get(index)
        cell.portnum = 0
        cell.display = false
        cell.showborder = false
        cell.bgcolor = false
        cell.showadd = false
        cell.bordercolor = 1
        cell.monitornum = "00"
        cell.portname = "--"
        cell.showmonlist = true
        cell.enable = true
    }

    function tutorialWanted() {
        return regedit.readRegedit("showTutorial") !== "0"
    }

    // Applies main.filedata: the mouse settings, the monitors, the file-name
    // bar; an empty filedata is a blank layout.
    function initAllUI() {
        holdTiles()
        curmonitornum = 0
        setPortColor(0)
        s_orientation = "h"
        initResolutionList("h")
        var first = -1
        if (main.filedata !== "") {
            try {
                var layout = main.filedata
                var mouse = Layout.mouseFromLayout(layout)
                main.mouse_speed = mouse.mouse_speed
                main.acceleration_flag = mouse.acceleration_flag
                main.mouse_position = mouse.mouse_position
                main.switching_focus = mouse.switching_focus
                main.duration_time = mouse.duration_time
                main.keep_awake = mouse.keep_awake
                var monitors = Layout.monitorsFromLayout(layout)
                for (var i = 0; i < monitors.length; ++i) {
                    var m = monitors[i]
                    showMonitor(gridModel.get(m.gridindex), m)
                    curmonitornum += 1
                    allmonModel.append({ gridindex: m.gridindex, portnum: m.portnum,
                                         enable: true, monitornum: m.monitornum })
                    if (first < 0)
                        first = m.gridindex
                }
            } catch (e) {
                console.log("error:", e)
            }
            updatePortChoices()
            var path = main.filePath.toString()
            if (path !== "") {
                fileTitle = FilePath.fileName(path)
                updateFilelist(path)
            } else {
                fileTitle = ""
                fromTemplate = true
            }
            if (first >= 0)
                setMonitortStatus(first, 0, 1)
        } else {
            fileTitle = ""
            fromTemplate = false
            main.mouse_speed = 0
            main.acceleration_flag = 0
            main.mouse_position = 4
            main.switching_focus = 0
            main.duration_time = 1
            main.keep_awake = 0
            m_index = -1
            resolution_list.currentIndex = 0
        }
        zoomValue = baseScale
        main.is_saved = 1
        history.reset()
        releaseTiles()
    }

    // A cell shows monitor `m` ({row, col, portnum, monitornum, width, height,
    // orientation}): loading a layout and undoing a step both fill it so.
    function showMonitor(cell, m) {
        cell.row = m.row
        cell.col = m.col
        cell.portnum = m.portnum
        cell.width = m.width
        cell.height = m.height
        cell.display = true
        cell.bgcolor = true
        cell.portname = getProtName(m.portnum)
        cell.monitornum = m.monitornum
        cell.orientation = m.orientation
        cell.showmonlist = m.portnum !== 0
    }

    // The drop-down's entries for orientation `arrange`. A missing or damaged
    // list leaves only "Select Resolution".
    function initResolutionList(arrange) {
        var entries = Layout.resolutionEntries(resolutionJson, arrange)
        if (entries === null) {
            console.log("parsing resource failed")
            entries = []
        }
        var rows = [{ resolution: noResolutionText, arrange: arrange }]
        for (var i = 0; i < entries.length; ++i)
            rows.push({ resolution: entries[i], arrange: arrange })
        resModel.clear()
        resModel.append(rows)
    }

    function loadResolutionList() {
        io.source = encrypt.get_userappdata_path()
        if (encrypt.decrypt_file(FilePath.localPath(appDirPath) + "/resolution.res")) {
            io.read()
            resolutionJson = io.text
            encrypt.delete_tempfile()
        }
    }

    function unmark(index) {
        if (index < 0)
            return
        gridModel.setProperty(index, "showborder", false)
        gridModel.setProperty(index, "showadd", false)
    }

    // A press on a cell: places a monitor on an empty cell (the press marks
    // it first), selects a placed one.
    function pressCell(index, x, y) {
        hiddenPortlistDialog()
        hiddenDelDialog()
        closeMenuBar()
        var cell = gridModel.get(index)
        mouse_x = (cell.col - 1) * gridview_cell_w + x
        mouse_y = (cell.row - 1) * gridview_cell_h + y
        if (!cell.display && curmonitornum < extendedNum)
            gridModel.setProperty(index, "showadd", true)
        setMonitortStatus(index, m_index, 1)
    }

    function setMonitortStatus(index, lastindex, border_color) {
        if (history.idle)
            return history.record(setMonitortStatus, arguments)
        return editTiles(function () {
            var cell = gridModel.get(index)
            if (!cell.display) {
                if (curmonitornum >= extendedNum)
                    return
                if (curmonitornum > 0 && !checkDataValid(0))
                    return
                if (!cell.showadd) {
                    cell.showborder = true
                    cell.bordercolor = border_color
                    cell.width = 0
                    cell.height = 0
                    if (lastindex !== -1 && lastindex !== index)
                        unmark(lastindex)
                    m_index = index
                    setPortColor(0)
                    return
                }
                // The new monitor joins the selected monitor's port.
                var port = 1
                if (m_index >= 0 && m_index !== index && gridModel.get(m_index).display)
                    port = gridModel.get(m_index).portnum
                var number = getnousedmon(port)
                var size = Layout.parseResolutionText(resolution_list.currentText)
                cell.display = true
                cell.bgcolor = true
                cell.showborder = true
                cell.showadd = false
                cell.bordercolor = border_color
                cell.width = size.width
                cell.height = size.height
                cell.orientation = s_orientation
                cell.portnum = port
                cell.portname = getProtName(port)
                cell.showmonlist = port !== 0
                setPortEnable(port, Number(number) < extendedNum)
                if (lastindex !== -1 && lastindex !== index)
                    unmark(lastindex)
                cell.monitornum = number
                allmonModel.append({ gridindex: index, portnum: port, enable: true, monitornum: number })
                reloadmonitordata(index)
                setPortColor(port)
                curmonitornum += 1
                m_index = index
                main.is_saved = 0
                return
            }
            cell.showborder = true
            cell.bordercolor = border_color
            if (lastindex !== -1 && lastindex !== index)
                unmark(lastindex)
            setPortColor(cell.portnum)
            m_index = index
            updateResolutionUI(index)
        })
    }

    // `byKeyboard`: the question takes the focus, on "Cancel" so that Enter
    // keeps the monitor, and gives it back to the grid's cursor when it
    // closes.
    function showDelDialog(index, x, y, byKeyboard) {
        hiddenPortlistDialog()
        closeMenuBar()
        var cell = gridModel.get(index)
        var p = grid_layer.mapToItem(grid_area, (cell.col - 1) * gridview_cell_w + x,
                                     (cell.row - 1) * gridview_cell_h + y)
        var px = p.x + 6
        // To the left of the press when it would pass the grid's right edge.
        if (px + del_dialog.width > grid_area.width)
            px = p.x - 6 - del_dialog.width
        del_dialog.x = Math.max(0, px)
        del_dialog.y = Math.max(0, Math.min(p.y, grid_area.height - del_dialog.height))
        del_target = index
        del_dialog.active = true
        del_dialog.visible = true
        if (byKeyboard)
            del_dialog.item.focusCancel()
    }

    function delMonitor(index) {
        if (history.idle)
            return history.record(delMonitor, arguments)
        return editTiles(function () {
            var cell = gridModel.get(index)
            if (!cell.display)
                return
            var p = cell.portnum
            var n = cell.monitornum
            setPortEnable(p, true)
            cell.display = false
            cell.showborder = false
            cell.bgcolor = false
            cell.portnum = 0
            cell.portname = "--"
            cell.monitornum = "00"
            var own = allmonIndexOf(index)
            if (own >= 0)
                allmonModel.remove(own)
            renumber(p, n)
            setPortColor(0)
            m_index = -1
            curmonitornum -= 1
            main.is_saved = 0
        })
    }

    // The monitors above number `n` of port `p` move one number down, in
    // allmonModel and on their cells.
    function renumber(p, n) {
        var changes = Layout.renumberAfterRemoval(monitorEntries(), p, n)
        for (var i = 0; i < changes.length; ++i) {
            var entry = allmonIndexOf(changes[i].gridindex)
            allmonModel.setProperty(entry, "monitornum", changes[i].monitornum)
            gridModel.setProperty(changes[i].gridindex, "monitornum", changes[i].monitornum)
        }
    }

    function showPortList(index, byKeyboard) {
        hiddenDelDialog()
        monitor_listview.visible = false
        var cell = gridModel.get(index)
        port_list.currentText = cell.portname
        port_list.x = (cell.col - 1) * gridview_cell_w + 27
        var buttonTop = (cell.row - 1) * gridview_cell_h + 1 + 118
        port_list.y = cell.row > matrix_Row - 2 ? buttonTop - port_list.height : buttonTop + 24
        port_list.visible = true
        if (byKeyboard)
            port_list.openByKeyboard()
    }

    // The selected monitor moves to port `q` (an entry of the port list).
    function changePort(q) {
        if (history.idle)
            return history.record(changePort, arguments)
        return editTiles(function () {
            hiddenPortlistDialog()
            if (m_index < 0 || q < 0 || q >= portModel.count || !portModel.get(q).enable)
                return
            var cell = gridModel.get(m_index)
            if (!cell.display)
                return
            var p = cell.portnum
            var n = cell.monitornum
            if (q === p)
                return
            setPortEnable(p, true)
            cell.portnum = q
            cell.portname = getProtName(q)
            setPortColor(q)
            main.is_saved = 0
            cell.showmonlist = q !== 0
            var number = getnousedmon(q)
            cell.monitornum = number
            var own = allmonIndexOf(m_index)
            allmonModel.setProperty(own, "portnum", q)
            allmonModel.setProperty(own, "monitornum", number)
            renumber(p, n)
            setPortEnable(q, Number(number) < extendedNum)
        })
    }

    function showMonitorList(index, byKeyboard) {
        hiddenDelDialog()
        port_list.visible = false
        var cell = gridModel.get(index)
        reloadmonitordata(index)
        monitor_listview.currentText = cell.monitornum
        monitor_listview.x = (cell.col - 1) * gridview_cell_w + 81
        var buttonTop = (cell.row - 1) * gridview_cell_h + 1 + 118
        monitor_listview.y = cell.row > matrix_Row - 2 ? buttonTop - monitor_listview.height
                                                         : buttonTop + 24
        monitor_listview.visible = true
        if (byKeyboard)
            monitor_listview.openByKeyboard()
    }

    // The selected monitor takes number `k` of its port; the monitor that had
    // it takes the selected monitor's number.
    function changeMonitorNumber(k) {
        if (history.idle)
            return history.record(changeMonitorNumber, arguments)
        return editTiles(function () {
            hiddenPortlistDialog()
            if (m_index < 0)
                return
            var cell = gridModel.get(m_index)
            var mine = cell.monitornum
            if (!cell.display || k === mine)
                return
            var other = -1
            for (var i = 0; i < allmonModel.count; ++i) {
                var e = allmonModel.get(i)
                if (e.portnum === cell.portnum && e.monitornum === k && e.gridindex !== m_index) {
                    other = i
                    break
                }
            }
            if (other < 0)
                return
            var own = allmonIndexOf(m_index)
            var otherCell = allmonModel.get(other).gridindex
            gridModel.setProperty(otherCell, "monitornum", mine)
            cell.monitornum = k
            allmonModel.setProperty(own, "gridindex", otherCell)
            allmonModel.setProperty(other, "gridindex", m_index)
            main.is_saved = 0
            reloadmonitordata(m_index)
        })
    }

    function reloadmonitordata(grid_index) {
        var port = gridModel.get(grid_index).portnum
        var rows = []
        for (var i = 0; i < allmonModel.count; ++i) {
            var e = allmonModel.get(i)
            if (e.portnum === port)
                rows.push({ gridindex: e.gridindex, portnum: e.portnum, enable: e.enable,
                            monitornum: e.monitornum })
        }
        rows.sort(function (a, b) { return a.monitornum < b.monitornum ? -1 : (a.monitornum > b.monitornum ? 1 : 0) })
        curmonModel.clear()
        curmonModel.append(rows)
        return rows.length
    }

    // The side panel shows the selected monitor: its orientation and its
    // resolution's entry (the first entry when it has none or one the list
    // does not hold).
    function updateResolutionUI(index) {
        var cell = gridModel.get(index)
        if (cell.orientation !== s_orientation || resModel.count === 0) {
            s_orientation = cell.orientation
            initResolutionList(cell.orientation)
        }
        var entry = 0
        if (cell.width !== 0) {
            var text = cell.width + " * " + cell.height
            for (var i = 1; i < resModel.count; ++i) {
                if (resModel.get(i).resolution === text) {
                    entry = i
                    break
                }
            }
        }
        resolution_list.currentIndex = entry
    }

    // The user's choice in the resolution drop-down: the selected monitor
    // takes it, and so does every placed monitor still without one.
    function chooseResolution(entry) {
        if (history.idle)
            return history.record(chooseResolution, arguments)
        return editTiles(function () {
            resolution_list.currentIndex = entry
            if (m_index < 0 || !gridModel.get(m_index).display)
                return
            var cell = gridModel.get(m_index)
            if (entry <= 0) {
                cell.width = 0
                cell.height = 0
            } else {
                var size = Layout.parseResolutionText(resModel.get(entry).resolution)
                cell.width = size.width
                cell.height = size.height
                cell.bordercolor = 1
                for (var i = 0; i < allmonModel.count; ++i) {
                    var other = gridModel.get(allmonModel.get(i).gridindex)
                    if (other.width === 0 || other.height === 0) {
                        // A monitor standing the other way gets the same
                        // resolution turned, so what is saved matches it.
                        var turned = other.orientation !== cell.orientation
                        other.width = turned ? size.height : size.width
                        other.height = turned ? size.width : size.height
                        other.bordercolor = 1
                    }
                }
            }
            main.is_saved = 0
        })
    }

    function setOrientation(arrange) {
        if (history.idle)
            return history.record(setOrientation, arguments)
        return editTiles(function () {
            if (arrange === s_orientation)
                return
            var entry = resolution_list.currentIndex
            initResolutionList(arrange)
            resolution_list.currentIndex = Math.min(Math.max(entry, 0), resModel.count - 1)
            s_orientation = arrange
            if (m_index >= 0 && gridModel.get(m_index).display) {
                var cell = gridModel.get(m_index)
                var size = Layout.parseResolutionText(resolution_list.currentText)
                cell.width = size.width
                cell.height = size.height
                cell.orientation = arrange
                main.is_saved = 0
            }
        })
    }

    function setPortColor(port) {
        litPort = port
    }

    // Selects the first monitor in grid order on `port`.
    function selectMonitor(port) {
        var monitors = placedMonitors()
        for (var i = 0; i < monitors.length; ++i) {
            if (monitors[i].portnum === port) {
                setMonitortStatus(monitors[i].gridindex, m_index, 1)
                return
            }
        }
    }

    // ------------------------------------------- undo, redo and moving

    function undo() {
        return editTiles(function () { return history.undo() })
    }

    function redo() {
        return editTiles(function () { return history.redo() })
    }

    // The monitor on cell `from` moves to the empty cell `to` with its port,
    // number, resolution and orientation, and stays selected. Refused (false)
    // when `from` holds no monitor or `to` is not an empty cell of the grid.
    function moveMonitor(from, to) {
        if (history.idle)
            return history.record(moveMonitor, arguments)
        return editTiles(function () {
            var cells = matrix_Row * matrix_Column
            if (from < 0 || from >= cells || to < 0 || to >= cells || from === to)
                return false
            var source = gridModel.get(from)
            var target = gridModel.get(to)
            if (!source.display || target.display)
                return false
            hiddenPortlistDialog()
            hiddenDelDialog()
            var m = { row: target.row, col: target.col, portnum: source.portnum, monitornum: source.monitornum,
                      width: source.width, height: source.height, orientation: source.orientation }
            var border = source.bordercolor
            clearCell(from)
            if (m_index >= 0 && m_index !== to)
                unmark(m_index)
            showMonitor(target, m)
            target.bordercolor = border
            target.showadd = false
            target.showborder = true
            allmonModel.setProperty(allmonIndexOf(from), "gridindex", to)
            m_index = to
            setPortColor(m.portnum)
            reloadmonitordata(to)
            main.is_saved = 0
            return true
        })
    }

    // A monitor dragged from cell `from` and let go at (x, y) of that cell.
    function dropMonitor(from, x, y) {
        var cell = gridModel.get(from)
        var col = cell.col - 1 + Math.floor(x / gridview_cell_w)
        var row = cell.row - 1 + Math.floor(y / gridview_cell_h)
        if (col < 0 || row < 0 || col >= matrix_Column || row >= matrix_Row)
            return false
        return moveMonitor(from, row * matrix_Column + col)
    }

    // ------------------------------------------------------------ checks

    function checkDataValid(saveMode) {
        if (curmonitornum === 0) {
            main.showAlert({
                msg: saveMode === 0 ? qsTr("No data to be saved.") : qsTr("No data to be upload."),
                showicon: 1, icon: 0, okfunc: null, closefunc: null, title: ""
            })
            return false
        }
        monitor_list.clear()
        var monitors = placedMonitors()
        var missing = Layout.firstIncomplete(monitors)
        if (missing !== null) {
            setMonitortStatus(missing.gridindex, m_index, 0)
            main.select_dialog_type = missing.missing
            dialog_Qml.source = ""
            dialog_Qml.source = "selectDialog.qml"
            dialog_Qml.visible = true
            return false
        }
        var rows = []
        for (var i = 0; i < monitors.length; ++i)
            rows.push({ id: monitors[i].gridindex })
        monitor_list.append(rows)
        return true
    }

    function portListText(ports) {
        return ports.map(function (p) { return "P" + p }).join(",")
    }

    function showErrorPage(page) {
        error_Qml.source = ""
        error_Qml.source = page
        error_Qml.visible = true
    }

    function checkPort() {
        var ports = Layout.isolatedPorts(placedMonitors())
        main.errorPort = portListText(ports)
        console.log(ports.length === 0 ? "port OK" : "port fail")
        if (ports.length > 0)
            showErrorPage("edit_page_error2.qml")
        return ports.length === 0
    }

    function checkRec() {
        var ports = Layout.nonRectangularPorts(placedMonitors())
        main.errorPort = portListText(ports)
        if (ports.length === 0)
            console.log("rec OK")
        else
            showErrorPage("edit_page_error1.qml")
        return ports.length === 0
    }

    function checkResolution() {
        var ports = Layout.mixedResolutionPorts(placedMonitors())
        main.errorPort = portListText(ports)
        if (ports.length === 0)
            console.log("resolution OK")
        else
            showErrorPage("edit_page_error3.qml")
        return ports.length === 0
    }

    function checkRule() {
        main.errorPort = ""
        var passed = (curmonitornum <= 1 || checkPort()) && checkRec() && checkResolution()
        console.log("errorPort:", main.errorPort)
        return passed && main.errorPort === ""
    }

    // ------------------------------------------------------------ saving

    // Every save goes through here. A name without an extension gets ".km",
    // so that Open lists the file: this Qt's save dialog hands back the name
    // as typed. The dialog only asked about replacing the name as typed, so
    // a file that already has the name with ".km" is replaced only when the
    // user says so (Enter keeps it).
    function saveTolocal(path) {
        var named = FilePath.withSuffix(path, "km")
        if (named !== String(path) && io.exists(named)) {
            main.showConfirm({
                msg: qsTr("%1 already exists. Do you want to replace it?").arg(FilePath.fileName(named)),
                dobtn: qsTr("Replace"), cancelbtn: qsTr("Cancel"),
                dofunc: function () { mainlist.saveTolocal(named) }, cancelfunc: null, closefunc: null,
                showicon: 1, icon: 0, defaultbtn: "cancel"
            })
            return
        }
        path = named
        io.source = encrypt.get_userappdata_path()
        io.text = Layout.layoutText(mouseSettings(), placedMonitors())
        io.write()
        var target = FilePath.localPath(path)
        if (encrypt.encrypt_file(target)) {
            main.is_saved = 1
            history.markSaved()
            main.filePath = path
            fileTitle = FilePath.fileName(path)
            updateFilelist(main.filePath.toString())
            main.showAlert({ msg: qsTr("Save successfully.") + " \r\n" + target,
                             showicon: 1, icon: 1, okfunc: null, closefunc: null, title: "" })
        } else {
            main.showAlert({ msg: qsTr("Failed to save data.") + " \r\n" + target,
                             showicon: 1, icon: 0, okfunc: null, closefunc: null, title: "" })
        }
    }

    anchors.fill: parent

    // The slider and the spin box set `value` themselves when used, which
    // ends a binding; both are set from here instead.
    onZoomValueChanged: {
        zoom_slider.value = zoomValue
        zoom_spin.value = zoomValue
        hiddenDelDialog()
    }

    Component.onCompleted: {
        main.ismain = 0
        loadResolutionList()
        setDefaultData()
        initAllUI()
        if (tutorialWanted())
            showErrorPage("edit_page_tutorial.qml")
    }

    // Tiles follow every change of a cell, whoever makes it.
    Connections {
        target: gridModel
        function onDataChanged(topLeft, bottomRight) {
            mainlist.cellsChanged(topLeft.row, bottomRight.row)
        }
        function onRowsInserted(parent, first, last) {
            mainlist.cellsChanged(first, last)
        }
        function onRowsRemoved() {
            mainlist.dropAllTiles()
            mainlist.cellsChanged(0, gridModel.count - 1)
        }
        function onModelReset() {
            mainlist.dropAllTiles()
            mainlist.cellsChanged(0, gridModel.count - 1)
        }
    }

    Connections {
        target: main
        function onCleanGridData() {
            main.ismain = 0
            closeMenuBar()
            // A cell emptied and filled again keeps its tile.
            holdTiles()
            clearGrid()
            initAllUI()
            releaseTiles()
            if (tutorialWanted())
                showErrorPage("edit_page_tutorial.qml")
        }
        function onHiddenPortDialog() {
            closeMenuBar()
            hiddenPortlistDialog()
            hiddenDelDialog()
        }
    }

    // Scrolling moves the grid away from an open delete prompt.
    Connections {
        target: grid_view
        function onContentXChanged() { mainlist.hiddenDelDialog() }
        function onContentYChanged() { mainlist.hiddenDelDialog() }
    }

    UndoStack {
        id: history
        editor: mainlist
    }

    // Only while the editor is the page in front and no dialog covers it.
    Shortcut {
        sequences: [StandardKey.Undo]
        enabled: mainlist.visible && !dialog_Qml.visible && !error_Qml.visible && !upload_Qml.visible
        onActivated: mainlist.undo()
    }
    Shortcut {
        sequences: ["Ctrl+Y", "Ctrl+Shift+Z"]
        enabled: mainlist.visible && !dialog_Qml.visible && !error_Qml.visible && !upload_Qml.visible
        onActivated: mainlist.redo()
    }

    // The File commands by keyboard, under the same condition.
    Shortcut {
        sequence: main.shortcutText.newLayout
        enabled: mainlist.visible && !dialog_Qml.visible && !error_Qml.visible && !upload_Qml.visible
        onActivated: { closeMenuBar(); mainlist.doMenuEvent(1) }
    }
    Shortcut {
        sequence: main.shortcutText.open
        enabled: mainlist.visible && !dialog_Qml.visible && !error_Qml.visible && !upload_Qml.visible
        onActivated: { closeMenuBar(); mainlist.doMenuEvent(2) }
    }
    Shortcut {
        sequence: main.shortcutText.save
        enabled: mainlist.visible && !dialog_Qml.visible && !error_Qml.visible && !upload_Qml.visible
        onActivated: { closeMenuBar(); mainlist.saveFileDialog(1) }
    }
    Shortcut {
        sequence: main.shortcutText.saveAs
        enabled: mainlist.visible && !dialog_Qml.visible && !error_Qml.visible && !upload_Qml.visible
        onActivated: { closeMenuBar(); mainlist.doMenuEvent(3) }
    }

    // The file dialogs are made the first time they are wanted.
    Loader {
        id: load_file_Dialog
        active: false
        sourceComponent: FileDialog {
            title: qsTr("Select a file")
            nameFilters: [qsTr("List Files (*.km)")]
            selectExisting: true
            selectMultiple: false
            onAccepted: main.loadFile(fileUrl.toString())
        }
    }

    Loader {
        id: save_file_Dialog
        active: false
        sourceComponent: FileDialog {
            title: qsTr("Input the file name")
            nameFilters: [qsTr("List Files (*.km)")]
            // This Qt's widget dialog ignores it; saveTolocal adds ".km" itself.
            defaultSuffix: "km"
            selectExisting: false
            selectMultiple: false
            onAccepted: mainlist.saveTolocal(fileUrl.toString())
        }
    }

    Rectangle {
        id: background
        anchors.fill: parent
        color: Theme.panel
        // The page below must not react through the editor.
        MouseArea {
            anchors.fill: parent
            onPressed: closeMenuBar()
            onWheel: wheel.accepted = true
        }
    }

    // Top row.
    Rectangle {
        id: top_row
        objectName: "top_row"
        x: 0
        y: 0
        width: parent.width
        height: 50
        color: Theme.white

        Image {
            id: small_logo
            objectName: "small_logo"
            x: 20
            anchors.verticalCenter: parent.verticalCenter
            width: 120
            height: 30
            source: "../Images/logo-small.png"
            fillMode: Image.PreserveAspectFit
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: main.show_About()
            }
        }

        Rectangle {
            x: small_logo.x + small_logo.width + 20
            anchors.verticalCenter: parent.verticalCenter
            width: 1
            height: 26
            color: Theme.divider
        }

        Image {
            id: home_button
            objectName: "home_button"
            x: small_logo.x + small_logo.width + 40
            anchors.verticalCenter: parent.verticalCenter
            width: 24
            height: 24
            source: home_area.containsMouse ? "../Images/btn-home-h.png" : "../Images/btn-home.png"
            MouseArea {
                id: home_area
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: mainlist.goHomePage()
            }
            FocusRing {
                takesFocus: true
                name: qsTr("Home Page")
                onActivated: mainlist.goHomePage()
            }
        }

        MenuButton {
            id: file_button
            objectName: "file_button"
            x: home_button.x + home_button.width + 30
            text: qsTr("File")
            active: menu_bar.visible && mainlist.menuFile === "menu.qml"
            // Wide enough for the keys beside the commands.
            onClicked: mainlist.toggleMenu(file_button, "menu.qml", 220)
            onKeyboardClicked: if (menu_bar.visible) menu_bar.item.focusFirst()
        }

        MenuButton {
            id: settings_button
            objectName: "settings_button"
            x: file_button.x + file_button.width + 10
            text: qsTr("Settings")
            active: menu_bar.visible && mainlist.menuFile === "mouse_menu.qml"
            onClicked: mainlist.toggleMenu(settings_button, "mouse_menu.qml", 220)
            onKeyboardClicked: if (menu_bar.visible) menu_bar.item.focusFirst()
        }

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Theme.divider
        }
    }

    // File-name bar and the grid area beside the side panel.
    Item {
        id: editor_area
        objectName: "editor_area"
        x: 0
        y: top_row.height
        width: parent.width - side_panel.width
        height: parent.height - top_row.height

        Rectangle {
            id: file_name_bar
            objectName: "file_name_bar"
            x: 0
            y: 0
            width: parent.width
            height: 25
            color: Theme.fileBar

            Text {
                id: file_name_text
                objectName: "file_name_text"
                x: 20
                width: parent.width - 40
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                text: mainlist.fileTitle !== "" ? mainlist.fileTitle
                                                : mainlist.fromTemplate ? qsTr("Template") : qsTr("New Object")
                elide: Text.ElideMiddle
                color: Theme.brand
                font.family: Theme.fontFamily
                font.pixelSize: Theme.textSize
                font.bold: true
            }

            MouseArea {
                id: file_name_hover
                objectName: "file_name_hover"
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.NoButton
            }
        }

        Rectangle {
            id: grid_area
            objectName: "grid_area"
            x: 0
            y: file_name_bar.height
            width: parent.width
            height: parent.height - file_name_bar.height
            color: Theme.white
            clip: true

            // The wheel scrolls the grid by three lines of 20 px a notch;
            // dragging the grid itself does not (a press places or selects).
            MouseArea {
                id: grid_wheel
                anchors.fill: parent
                acceptedButtons: Qt.NoButton
                onWheel: {
                    var step = 60 / 120
                    if (wheel.angleDelta.y !== 0 && !(wheel.modifiers & Qt.ShiftModifier))
                        v_bar.scrollTo(grid_view.contentY - wheel.angleDelta.y * step)
                    else
                        h_bar.scrollTo(grid_view.contentX - (wheel.angleDelta.x !== 0 ? wheel.angleDelta.x : wheel.angleDelta.y) * step)
                }
            }

            Flickable {
                id: grid_view
                objectName: "grid_view"
                // The bars keep 1 px off the area's edges.
                width: parent.width - (v_bar.visible ? v_bar.width + 1 : 0)
                height: parent.height - (h_bar.visible ? h_bar.height + 1 : 0)
                clip: true
                interactive: false
                boundsBehavior: Flickable.StopAtBounds
                contentWidth: grid_canvas.width
                contentHeight: grid_canvas.height

                // The grid at the current zoom: the cells stay 155 px apart
                // and are drawn scaled.
                Item {
                    id: grid_canvas
                    width: mainlist.matrix_Column * mainlist.gridview_cell_w * mainlist.gridScale
                    height: mainlist.matrix_Row * mainlist.gridview_cell_h * mainlist.gridScale

                    Item {
                        id: grid_layer
                        objectName: "grid_layer"
                        width: mainlist.matrix_Column * mainlist.gridview_cell_w
                        height: mainlist.matrix_Row * mainlist.gridview_cell_h
                        scale: mainlist.gridScale
                        transformOrigin: Item.TopLeft

                        // Empty cells are only drawn: white ground, thin lines.
                        Repeater {
                            model: mainlist.matrix_Row + 1
                            Rectangle {
                                y: index * mainlist.gridview_cell_h - 1
                                width: grid_layer.width
                                height: 2
                                color: Theme.gridLine
                            }
                        }
                        Repeater {
                            model: mainlist.matrix_Column + 1
                            Rectangle {
                                x: index * mainlist.gridview_cell_w - 1
                                width: 2
                                height: grid_layer.height
                                color: Theme.gridLine
                            }
                        }

                        // Presses and hover on empty cells; a placed monitor
                        // takes its own presses.
                        MouseArea {
                            id: grid_mouse
                            objectName: "grid_mouse"
                            anchors.fill: parent
                            hoverEnabled: true
                            readonly property int hoverIndex: containsMouse
                                ? Math.floor(mouseY / mainlist.gridview_cell_h) * mainlist.matrix_Column
                                  + Math.floor(mouseX / mainlist.gridview_cell_w)
                                : -1
                            onPressed: {
                                var col = Math.floor(mouse.x / mainlist.gridview_cell_w)
                                var row = Math.floor(mouse.y / mainlist.gridview_cell_h)
                                if (col < 0 || row < 0 || col >= mainlist.matrix_Column || row >= mainlist.matrix_Row)
                                    return
                                mainlist.pressCell(row * mainlist.matrix_Column + col,
                                                   mouse.x - col * mainlist.gridview_cell_w,
                                                   mouse.y - row * mainlist.gridview_cell_h)
                            }
                        }

                        // The add marker, on the empty cell under the mouse
                        // while another monitor may be placed.
                        Rectangle {
                            id: add_marker
                            objectName: "addMarker"
                            readonly property int cell: grid_mouse.hoverIndex
                            visible: cell >= 0 && mainlist.curmonitornum < mainlist.extendedNum
                                     && !gridModel.get(cell).display
                            x: (cell % mainlist.matrix_Column) * mainlist.gridview_cell_w + 1
                            y: Math.floor(cell / mainlist.matrix_Column) * mainlist.gridview_cell_h + 1
                            width: mainlist.monitor_w
                            height: mainlist.monitor_h
                            color: Theme.addMarker
                            Image {
                                anchors.centerIn: parent
                                width: 96
                                height: 96
                                source: "../Images/btn-addamonitor.png"
                            }
                        }

                        // One light, named slot per cell, placed by the
                        // grid; a placed (or marked) cell's slot holds a tile.
                        Grid {
                            columns: mainlist.matrix_Column
                            Repeater {
                                id: grid_cells
                                objectName: "grid_cells"
                                model: mainlist.matrix_Row * mainlist.matrix_Column
                                Item {
                                    objectName: "cell" + index
                                    width: 155
                                    height: 155
                                }
                            }
                        }

                        // The tiles, kept and reused: a tile freed by a delete
                        // or a reload goes to the next cell that needs one, so
                        // editing makes no objects and at most 17 ever exist
                        // (16 monitors and one marked cell).
                        // (Made one by one, not by a repeater: a repeater
                        // keeps its items stacked as siblings, and these move
                        // into the cells.)
                        Item {
                            id: tile_home
                        }
                        Component {
                            id: tile_component

                            GridCell {
                                // Grid index shown, -1 while free.
                                property int cell: -1
                                parent: cell >= 0 ? grid_cells.itemAt(cell) : tile_home
                                visible: cell >= 0
                                tileSize: mainlist.monitor_w
                                cellIndex: cell

                                onCellPressed: mainlist.pressCell(index, x, y)
                                onDeletePressed: mainlist.showDelDialog(index, x, y)
                                onPortPressed: mainlist.showPortList(index)
                                onNumberPressed: mainlist.showMonitorList(index)
                                onDropped: mainlist.dropMonitor(index, x, y)
                                // A dragged monitor passes over the other cells.
                                onDraggingChanged: {
                                    if (cell >= 0)
                                        grid_cells.itemAt(cell).z = dragging ? 1 : 0
                                }
                            }
                        }

                        // Port choices of the selected monitor.
                        PickList {
                            id: port_list
                            objectName: "port_list"
                            width: 64
                            model: portModel
                            rowCount: portModel.count
                            textRole: "portname"
                            onPicked: mainlist.changePort(row)
                            onKeyboardClosed: mainlist.focusGrid()
                        }

                        // Numbers of the selected monitor's port.
                        PickList {
                            id: monitor_listview
                            objectName: "monitor_listview"
                            width: 48
                            model: curmonModel
                            rowCount: curmonModel.count
                            textRole: "monitornum"
                            onPicked: mainlist.changeMonitorNumber(curmonModel.get(row).monitornum)
                            onKeyboardClosed: mainlist.focusGrid()
                        }

                        GridCursor {
                            id: grid_cursor
                            objectName: "grid_cursor"
                            editor: mainlist
                            rows: mainlist.matrix_Row
                            columns: mainlist.matrix_Column
                            cellWidth: mainlist.gridview_cell_w
                            cellHeight: mainlist.gridview_cell_h
                            onCellShown: mainlist.showGridArea(x, y, width, height)
                            onResolutionWanted: resolution_list.forceActiveFocus()
                        }
                    }
                }
            }

            GridScrollBar {
                id: v_bar
                objectName: "v_bar"
                x: grid_view.width
                y: 1
                height: grid_view.height - 1
                flickable: grid_view
                vertical: true
            }

            GridScrollBar {
                id: h_bar
                objectName: "h_bar"
                y: grid_view.height
                width: grid_view.width
                flickable: grid_view
                vertical: false
            }

            Rectangle {
                x: grid_view.width
                y: grid_view.height
                width: 10
                height: 10
                visible: v_bar.visible && h_bar.visible
                color: Theme.panel
            }

            // Question before a monitor is deleted, next to the press; made
            // the first time it is shown.
            Loader {
                id: del_dialog
                objectName: "del_dialog"
                z: 5
                width: item ? item.neededWidth : 190
                height: 78
                visible: false
                active: false

                sourceComponent: Rectangle {
                    radius: 5
                    color: Theme.panel
                    border.color: Theme.brand

                    // As wide as the question and the two buttons need.
                    readonly property real neededWidth: Math.max(190, del_message.implicitWidth + 24,
                                                                 del_ok.labelWidth + del_cancel.labelWidth + 36)
                    // By keyboard: Tab between the buttons, Escape cancels, and
                    // the grid's cursor takes the focus back afterwards.
                    readonly property bool focusTrap: true
                    function focusCancel() {
                        del_cancel.forceActiveFocus()
                    }
                    Accessible.role: Accessible.AlertMessage
                    Accessible.name: qsTr("Delete this setting.")
                    Keys.onTabPressed: (del_ok.activeFocus ? del_cancel : del_ok).forceActiveFocus()
                    Keys.onBacktabPressed: (del_ok.activeFocus ? del_cancel : del_ok).forceActiveFocus()
                    Keys.onEscapePressed: mainlist.hiddenDelDialog()
                    onVisibleChanged: {
                        if (!visible && (del_ok.activeFocus || del_cancel.activeFocus))
                            mainlist.focusGrid()
                    }

                    // The buttons sit inside the hover area, so moving onto them
                    // does not count as leaving the prompt.
                    MouseArea {
                        id: del_hover
                        anchors.fill: parent
                        hoverEnabled: true
                        onExited: mainlist.hiddenDelDialog()

                        Text {
                            id: del_message
                            objectName: "message"
                            x: 12
                            y: 10
                            width: parent.width - 24
                            text: qsTr("Delete this setting.")
                            color: Theme.brand
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.textSize
                            elide: Text.ElideRight
                        }

                        DialogButton {
                            id: del_ok
                            objectName: "okButton"
                            x: 12
                            y: parent.height - height - 10
                            width: Math.max(78, labelWidth)
                            height: 28
                            text: qsTr("OK")
                            onClicked: {
                                mainlist.hiddenDelDialog()
                                var target = mainlist.del_target
                                if (target >= 0 && gridModel.get(target).display)
                                    mainlist.delMonitor(target)
                            }
                        }

                        DialogButton {
                            id: del_cancel
                            objectName: "cancelButton"
                            x: parent.width - width - 12
                            y: parent.height - height - 10
                            width: Math.max(78, labelWidth)
                            height: 28
                            text: qsTr("Cancel")
                            onClicked: mainlist.hiddenDelDialog()
                        }
                    }
                }
            }
        }

        // Folder of the file being edited, while the mouse is over its name.
        Rectangle {
            id: path_tip
            objectName: "path_tip"
            x: 20
            y: file_name_bar.height
            z: 2
            width: Math.min(path_text.implicitWidth + 16, editor_area.width - x)
            height: 22
            visible: file_name_hover.containsMouse && main.filePath.toString() !== ""
            color: Theme.tipBackground
            border.color: Theme.muted

            Text {
                id: path_text
                objectName: "path_text"
                x: 8
                width: parent.width - 16
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                text: main.filePath.toString() !== "" ? FilePath.folderPath(main.filePath) : ""
                elide: Text.ElideRight
                color: Theme.tipText
                font.family: Theme.fontFamily
                font.pixelSize: Theme.smallSize
            }
        }
    }

    // Side panel.
    Rectangle {
        id: side_panel
        objectName: "side_panel"
        x: parent.width - width
        y: top_row.height
        width: 280
        height: parent.height - top_row.height
        color: Theme.panel

        MouseArea {
            anchors.fill: parent
            onPressed: {
                mainlist.closeMenuBar()
                mainlist.hiddenPortlistDialog()
                mainlist.hiddenDelDialog()
            }
        }

        Rectangle {
            width: 1
            height: parent.height
            color: Theme.divider
        }

        Column {
            x: 24
            y: 20
            width: parent.width - 48
            spacing: 8

            SidePanelHeading { text: qsTr("Ratio") }

            Row {
                spacing: 10
                ZoomSlider {
                    id: zoom_slider
                    objectName: "zoom_slider"
                    width: 150
                    anchors.verticalCenter: parent.verticalCenter
                    minimumValue: 1
                    maximumValue: mainlist.maxScale
                    stepSize: 1
                    value: 100
                    activeFocusOnTab: true
                    Keys.onLeftPressed: mainlist.zoomValue = Math.max(1, mainlist.zoomValue - 1)
                    Keys.onRightPressed: mainlist.zoomValue = Math.min(mainlist.maxScale, mainlist.zoomValue + 1)
                    Accessible.role: Accessible.Slider
                    Accessible.name: qsTr("Ratio")
                    FocusRing {}
                    onValueChanged: {
                        if (Math.round(value) !== mainlist.zoomValue)
                            mainlist.zoomValue = Math.round(value)
                    }
                }
                ZoomSpinBox {
                    id: zoom_spin
                    objectName: "zoom_spin"
                    width: 62
                    minimumValue: 1
                    maximumValue: mainlist.maxScale
                    stepSize: 1
                    value: 100
                    FocusRing {}
                    onValueChanged: {
                        if (value !== mainlist.zoomValue)
                            mainlist.zoomValue = value
                    }
                }
            }

            Item { width: 1; height: 8 }
            SidePanelHeading { text: qsTr("Screen Orientation") }

            Row {
                spacing: 12
                OrientationButton {
                    objectName: "horizontal_button"
                    text: qsTr("Horizontal")
                    portrait: false
                    checked: mainlist.s_orientation === "h"
                    onClicked: mainlist.setOrientation("h")
                }
                OrientationButton {
                    objectName: "vertical_button"
                    text: qsTr("Vertical")
                    portrait: true
                    checked: mainlist.s_orientation === "v"
                    onClicked: mainlist.setOrientation("v")
                }
            }

            Item { width: 1; height: 8 }
            SidePanelHeading { text: qsTr("Resolution") }

            DropDown {
                id: resolution_list
                objectName: "resolution_list"
                width: 200
                model: resModel
                textRole: "resolution"
                onActivated: mainlist.chooseResolution(index)
                // From the keyboard, back to the grid's cursor.
                Keys.onEscapePressed: mainlist.focusGrid()
            }

            Item { width: 1; height: 8 }
            // The switch's own status beside the heading of its ports.
            Row {
                spacing: 12
                SidePanelHeading { id: status_heading; text: qsTr("Status List") }
                SwitchStatusLine {
                    objectName: "editor_switch_status"
                    y: (status_heading.height - 15) / 2
                    width: 232 - status_heading.width - 12
                    detailsX: -(status_heading.width + 12)
                    detailsWidth: 232
                    connected: switch_status.connected
                    accessDenied: switch_status.accessDenied
                    version: switch_status.version
                }
            }

            PortStrip {
                objectName: "primary_strip"
                title: qsTr("Primary")
                picture: "../Images/img-orrinkm-P-0.png"
                firstPort: 1
                litPort: mainlist.litPort
                onPortClicked: mainlist.selectMonitor(port)
            }

            PortStrip {
                objectName: "secondary_strip"
                visible: main.phase !== "R0"
                title: qsTr("Secondary")
                picture: "../Images/img-orrinkm-S-0.png"
                firstPort: 5
                litPort: mainlist.litPort
                onPortClicked: mainlist.selectMonitor(port)
            }
        }

        Column {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 30
            spacing: 10

            Row {
                spacing: 10
                DialogButton {
                    objectName: "undo_button"
                    width: 95
                    height: 28
                    text: qsTr("Undo")
                    enabled: mainlist.canUndo
                    opacity: enabled ? 1 : 0.4
                    onClicked: {
                        closeMenuBar()
                        mainlist.undo()
                    }
                }
                DialogButton {
                    objectName: "redo_button"
                    width: 95
                    height: 28
                    text: qsTr("Redo")
                    enabled: mainlist.canRedo
                    opacity: enabled ? 1 : 0.4
                    onClicked: {
                        closeMenuBar()
                        mainlist.redo()
                    }
                }
            }

            DialogButton {
                objectName: "save_local_button"
                width: 200
                height: 36
                text: qsTr("Save to local")
                onClicked: {
                    closeMenuBar()
                    mainlist.saveFileDialog(1)
                }
            }

            DialogButton {
                objectName: "save_device_button"
                width: 200
                height: 36
                text: qsTr("Save to device")
                onClicked: {
                    closeMenuBar()
                    mainlist.saveDeviceDialog()
                }
            }
        }
    }

    // The connection dialog of "Save to device", over the whole editor. It
    // is modal: while it is open it has the keyboard, also when an alert
    // over it closes (see focusUploadDialog). Hidden by its close button it
    // stays loaded until the next "Save to device"; meanwhile it is disabled,
    // so neither keys nor presses reach its buttons, and the keyboard goes
    // back to the page.
    Loader {
        id: upload_Qml
        objectName: "upload_Qml"
        anchors.fill: parent
        z: 20
        visible: false
        enabled: false
        // In this order: enabled before the dialog takes the keyboard, and
        // the page has it back before the dialog is disabled.
        onVisibleChanged: {
            if (visible) {
                enabled = true
                mainlist.focusUploadDialog()
            } else {
                if (!main.overlayShown)
                    main.focusPage()
                enabled = false
            }
        }
    }

    Loader {
        id: menu_bar
        objectName: "menu_bar"
        z: 10
        visible: false
    }
}
