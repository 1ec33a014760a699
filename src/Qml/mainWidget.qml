import QtQuick 2.12
import "."
import "editor"
import "filepath.js" as FilePath
import Seamrun.Layout 1.0
import Seamrun.Files 1.0

// The layout editor page: top row (logo, home, "File" and "Settings" menus),
// the file-name bar with its path tip, the 16 x 16 grid of cells and the side
// panel (zoom, orientation, resolution, port status, save buttons). Created
// once by the main window, then given every layout through main.filedata.
// The desk lives in one DeskModel (monitors, selection, undo, saved or not);
// the page's functions, the names other screens and tests call, edit it.
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

    // The desk being edited: its monitors, selection, lit port and undo
    // history. Every edit below is one call into it.
    property alias desk: desk_model

    // Editor state. The monitor count, the selected cell and the lit port
    // are the desk's; the orientation is the side panel's choice.
    property int curmonitornum: desk_model.count
    readonly property int m_index: desk_model.selectedIndex
    readonly property int litPort: desk_model.litPort
    property string s_orientation: "h"
    // The shipped resolution list as read (JSON text).
    property alias resolutionJson: res_choices.json
    // The empty cell a press asked to place a monitor on (-1: none); a
    // setMonitortStatus on any other empty cell only marks it.
    property int addIndex: -1

    // The names the upload flow, the other screens and the tests read: the
    // 256 cells in row order (a read-only view of the desk), the placed
    // monitors {gridindex, portnum, enable, monitornum} in placing order (the
    // desk itself), the monitors of one port by number, the port choices
    // {port, enable, portname}, the placed cells {id} in grid order after
    // checkDataValid, and the resolution choices {resolution, arrange}.
    readonly property GridCells gridModel: GridCells { desk: desk_model }
    readonly property DeskModel allmonModel: desk_model
    property ListModel curmonModel: ListModel {}
    property ListModel portModel: ListModel {}
    property ListModel monitor_list: ListModel {}
    readonly property ListModel resModel: ResolutionChoices { id: res_choices }

    // The file-name bar: the layout file's name, or, for a layout with no
    // file behind it, "Template" or "New Object" in the language in force.
    property string fileTitle: ""
    property bool fromTemplate: false
    // Which menu the menu loader holds ("menu.qml" or "mouse_menu.qml").
    property string menuFile: ""
    // Zoom value, 1 .. maxScale; the slider and the spin box both follow it.
    property int zoomValue: baseScale
    readonly property real gridScale: 0.597 + 0.403 * zoomValue / 100
    readonly property bool canUndo: desk_model.undoStack.canUndo
    readonly property bool canRedo: desk_model.undoStack.canRedo

    // ------------------------------------------------------------ menus

    function closeMenuBar() {
        menu_bar.visible = false
    }

    // The keyboard leaves a menu for the button that opened it.
    function focusMenuButton() {
        (menuFile === "mouse_menu.qml" ? top_row.settingsButton : top_row.fileButton).focusButton()
    }

    // Where the keyboard goes when the editor comes to the front.
    function focusGrid() {
        desk_grid.focusCursor()
    }

    // While the connection dialog is open the keyboard belongs to it; false
    // when it is not open.
    function focusUploadDialog() {
        return upload_flow.focusDialog()
    }

    function showGridArea(x, y, w, h) {
        desk_grid.showArea(x, y, w, h)
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
        // As wide as asked or as its longest entry needs, and in the window.
        menu_bar.width = Math.max(menuWidth, menu_bar.item ? menu_bar.item.neededWidth : 0)
        var centre = button.mapToItem(mainlist, button.width / 2, 0).x
        menu_bar.x = Math.max(0, Math.min(centre - menu_bar.width / 2, mainlist.width - menu_bar.width))
        menu_bar.y = top_row.height
        menu_bar.visible = true
    }

    // The menus' entries: New, Open, Save as, Quit, then the four settings.
    function doMenuEvent(id) {
        if (id === 1)
            newProfile()
        else if (id === 2)
            loadFileDialog()
        else if (id === 3)
            saveFileDialog(0)
        else if (id === 4)
            main.showExitWindow()
        else if (id >= 5 && id <= 8)
            show_mouse_setting_Dialog(id - 5)
        else if (id === 9)
            screens_command.start()
    }

    function show_mouse_setting_Dialog(n) {
        var screens = ["mouse_speed_setting.qml", "mouse_position_setting.qml",
                       "frame_setting.qml", "keep_awake_option.qml"]
        showDialog(screens[n])
    }

    function hiddenPortlistDialog() {
        desk_grid.hideLists()
    }

    function hiddenDelDialog() {
        desk_grid.hideDeletePrompt()
    }

    // ------------------------------------------------------- file commands
    // The names the menus, the main window and the tests call; the commands
    // are FileCommands'.

    function hasUnsavedMonitors() { return file_commands.hasUnsavedMonitors() }
    function goHomePage() { file_commands.goHomePage() }
    function newProfile() { file_commands.newProfile() }
    function loadFileDialog() { file_commands.loadFileDialog() }
    function saveFileDialog(mode) { file_commands.saveFileDialog(mode) }
    function saveTolocal(path) { file_commands.saveTolocal(path) }

    // A new, empty layout.
    function newP() {
        clearGrid()
        main.filePath = ""
        main.filedata = ""
        if (tutorialWanted())
            showDialog("edit_page_tutorial.qml")
        fileTitle = ""
        fromTemplate = true
        syncSaved()
    }

    // ------------------------------------------------------- Save to device
    // The names the connection dialog and the tests call; the flow is
    // UploadFlow's.

    function saveDeviceDialog() { upload_flow.saveDeviceDialog() }
    function closeUpload() { upload_flow.closeUpload() }
    function checkDeviceNum() { upload_flow.checkDeviceNum() }
    function uploadForChain(chain, confirmed) { upload_flow.uploadForChain(chain, confirmed) }
    function continueUpload(chain) { upload_flow.continueUpload(chain) }
    function saveTodevice(p_count) { upload_flow.saveTodevice(p_count) }
    function logUpload(steps) { upload_flow.logUpload(steps) }
    function reCalculationPosition(records) { upload_flow.reCalculationPosition(records) }

    // -------------------------------------------------------- the layout

    function getProtName(p_num) {
        return Layout.portName(p_num)
    }

    // The number ("01") a monitor placed on or moved to `portnum` gets.
    function getnousedmon(portnum) {
        var n = desk_model.nextNumber(Number(portnum))
        return (n < 10 ? "0" : "") + n
    }

    // Every placed monitor as the rules see it, in grid order.
    function placedMonitors() {
        return desk_model.placedMonitors()
    }

    function mouseSettings() {
        return { acceleration_flag: main.acceleration_flag, mouse_speed: main.mouse_speed,
                 mouse_position: main.mouse_position, switching_focus: main.switching_focus,
                 duration_time: main.duration_time, keep_awake: main.keep_awake }
    }

    // The main window keeps the six mouse values (mouseSettings' names).
    function applyMouseSettings(values) {
        for (var name in values)
            main[name] = values[name]
    }

    // main.is_saved says what the desk says: its text, mouse values
    // included, is the text last saved.
    function syncSaved() {
        main.is_saved = desk_model.saved ? 1 : 0
    }

    // A port's choice is offered while it holds fewer than 16 monitors.
    function updatePortChoices() {
        for (var p = 0; p < portModel.count; ++p)
            portModel.setProperty(p, "enable", desk_model.portCount(p) < extendedNum)
    }

    function setDefaultData() {
        portModel.clear()
        for (var p = 0; p <= maxPort; ++p)
            portModel.append({ port: String(p), enable: true, portname: getProtName(p) })
        curmonModel.clear()
    }

    // No monitors, nothing selected, every port on offer: the state "New"
    // starts from. The history starts afresh.
    function clearGrid() {
        hiddenPortlistDialog()
        hiddenDelDialog()
        desk_model.reset()
        curmonModel.clear()
    }

    function tutorialWanted() {
        return regedit.readRegedit("showTutorial") !== "0"
    }

    // Applies main.filedata: the mouse settings, the monitors, the file-name
    // bar; an empty filedata is a blank layout.
    function initAllUI() {
        hiddenPortlistDialog()
        hiddenDelDialog()
        curmonModel.clear()
        s_orientation = "h"
        res_choices.fill("h")
        if (main.filedata !== "") {
            try {
                applyMouseSettings(Layout.mouseFromLayout(main.filedata))
                desk_model.loadLayout(main.filedata)
            } catch (e) {
                console.log(EditorLog.category, "error:", e)
            }
            var path = main.filePath.toString()
            if (path !== "") {
                fileTitle = FilePath.fileName(path)
                RecentFiles.add(path)
            } else {
                fileTitle = ""
                fromTemplate = true
            }
            // The desk selects its first monitor; the side panel shows it.
            if (m_index >= 0)
                updateResolutionUI(m_index)
        } else {
            fileTitle = ""
            fromTemplate = false
            applyMouseSettings({ acceleration_flag: 0, mouse_speed: 0, mouse_position: 4,
                                 switching_focus: 0, duration_time: 1, keep_awake: 0 })
            desk_model.loadLayout("")
            side_panel.resolutionList.currentIndex = 0
        }
        zoomValue = baseScale
        syncSaved()
    }

    // A press on a cell: places a monitor on an empty cell, selects a placed
    // one.
    function pressCell(index, x, y) {
        hiddenPortlistDialog()
        hiddenDelDialog()
        closeMenuBar()
        addIndex = desk_model.rowOf(index) < 0 && curmonitornum < extendedNum ? index : -1
        setMonitortStatus(index, m_index, 1)
        addIndex = -1
    }

    // Selects cell `index` (framed red with `border_color` 0). An empty cell
    // is only marked, unless a press asked to place a monitor there: the new
    // monitor joins the selected monitor's port with the side panel's
    // resolution and orientation. Nothing is placed while a placed monitor
    // lacks its port or resolution (checkDataValid asks for it).
    function setMonitortStatus(index, lastindex, border_color) {
        if (index < 0 || index >= matrix_Row * matrix_Column)
            return
        if (desk_model.rowOf(index) >= 0) {
            desk_model.select(index, border_color === 0)
            updateResolutionUI(index)
            return
        }
        if (curmonitornum >= extendedNum)
            return
        if (curmonitornum > 0 && !checkDataValid(0))
            return
        if (addIndex !== index) {
            desk_model.select(index, border_color === 0)
            return
        }
        var size = Layout.parseResolutionText(side_panel.resolutionList.currentText)
        if (desk_model.place(Math.floor(index / matrix_Column) + 1, index % matrix_Column + 1,
                             size.width, size.height, s_orientation))
            reloadmonitordata(index)
    }

    // `byKeyboard`: the question takes the focus and gives it back to the
    // grid's cursor when it closes.
    function showDelDialog(index, x, y, byKeyboard) {
        hiddenPortlistDialog()
        closeMenuBar()
        desk_grid.showDeletePrompt(index, x, y, byKeyboard)
    }

    // The monitor on `index` goes; its port's monitors above it move one
    // number down.
    function delMonitor(index) {
        desk_model.remove(index)
    }

    function showPortList(index, byKeyboard) {
        hiddenDelDialog()
        var row = desk_model.rowOf(index)
        desk_grid.showPortList(index, row >= 0 ? desk_model.get(row).portName : "--", byKeyboard)
    }

    // The selected monitor moves to port `q` (an entry of the port list).
    function changePort(q) {
        hiddenPortlistDialog()
        q = Number(q)
        if (m_index < 0 || q < 0 || q >= portModel.count || !portModel.get(q).enable)
            return
        desk_model.setPort(m_index, q)
    }

    function showMonitorList(index, byKeyboard) {
        hiddenDelDialog()
        var row = desk_model.rowOf(index)
        reloadmonitordata(index)
        desk_grid.showNumberList(index, row >= 0 ? desk_model.get(row).numberText : "00", byKeyboard)
    }

    // The selected monitor takes number `k` ("03") of its port; the monitor
    // that had it takes the selected monitor's number.
    function changeMonitorNumber(k) {
        hiddenPortlistDialog()
        if (m_index >= 0 && desk_model.swapNumber(m_index, Number(k)))
            reloadmonitordata(m_index)
    }

    // curmonModel: the monitors on the port of the monitor on `grid_index`,
    // by number. Returns how many.
    function reloadmonitordata(grid_index) {
        var row = desk_model.rowOf(grid_index)
        var monitors = desk_model.monitorsOnPort(row >= 0 ? desk_model.get(row).port : 0)
        var rows = []
        for (var i = 0; i < monitors.length; ++i) {
            var m = monitors[i]
            rows.push({ gridindex: m.gridIndex, portnum: m.port, enable: true, monitornum: m.numberText })
        }
        curmonModel.clear()
        curmonModel.append(rows)
        return rows.length
    }

    // The side panel shows the selected monitor: its orientation and its
    // resolution's entry (the first entry when it has none or one the list
    // does not hold).
    function updateResolutionUI(index) {
        var row = desk_model.rowOf(index)
        if (row < 0)
            return
        var m = desk_model.get(row)
        if (m.orientation !== s_orientation || resModel.count === 0) {
            s_orientation = m.orientation
            res_choices.fill(m.orientation)
        }
        side_panel.resolutionList.currentIndex = res_choices.entryOf(m.width, m.height)
    }

    // The user's choice in the resolution drop-down: the selected monitor
    // takes it, and so does every placed monitor still without one.
    function chooseResolution(entry) {
        side_panel.resolutionList.currentIndex = entry
        if (m_index < 0)
            return
        var size = entry > 0 ? Layout.parseResolutionText(resModel.get(entry).resolution)
                             : { width: 0, height: 0 }
        desk_model.setResolution(m_index, size.width, size.height)
    }

    // The side panel's orientation; the selected monitor turns with it and
    // keeps its resolution, turned.
    function setOrientation(arrange) {
        if (arrange === s_orientation)
            return
        var entry = side_panel.resolutionList.currentIndex
        res_choices.fill(arrange)
        side_panel.resolutionList.currentIndex = Math.min(Math.max(entry, 0), resModel.count - 1)
        s_orientation = arrange
        if (desk_model.setOrientation(m_index, arrange))
            updateResolutionUI(m_index)
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

    // After undo or redo the lists and the side panel show the desk as it
    // is back.
    function showRestoredDesk() {
        hiddenPortlistDialog()
        hiddenDelDialog()
        if (desk_model.selectedRow >= 0) {
            reloadmonitordata(m_index)
            updateResolutionUI(m_index)
        } else {
            curmonModel.clear()
        }
    }

    function undo() {
        if (!desk_model.undo())
            return false
        showRestoredDesk()
        return true
    }

    function redo() {
        if (!desk_model.redo())
            return false
        showRestoredDesk()
        return true
    }

    // The monitor on cell `from` moves to the empty cell `to` with its port,
    // number, resolution and orientation, and stays selected. Refused (false)
    // when `from` holds no monitor or `to` is not an empty cell of the grid.
    function moveMonitor(from, to) {
        if (desk_model.rowOf(from) < 0 || to < 0 || to >= matrix_Row * matrix_Column
                || desk_model.rowOf(to) >= 0)
            return false
        hiddenPortlistDialog()
        hiddenDelDialog()
        if (!desk_model.move(from, to))
            return false
        reloadmonitordata(to)
        return true
    }

    // A monitor dragged from cell `from` and let go at (x, y) of that cell.
    function dropMonitor(from, x, y) {
        var col = from % matrix_Column + Math.floor(x / gridview_cell_w)
        var row = Math.floor(from / matrix_Column) + Math.floor(y / gridview_cell_h)
        if (col < 0 || row < 0 || col >= matrix_Column || row >= matrix_Row)
            return false
        return moveMonitor(from, row * matrix_Column + col)
    }

    // ------------------------------------------------------------ checks
    // The names the upload, the file commands and the tests call; the
    // checks are DeskChecks'.

    function checkDataValid(saveMode) { return desk_checks.checkDataValid(saveMode) }
    function checkPort() { return desk_checks.checkPort() }
    function checkRec() { return desk_checks.checkRec() }
    function checkResolution() { return desk_checks.checkResolution() }
    function checkRule() { return desk_checks.checkRule() }

    // A screen of the main window's dialog loader, or of its error page
    // loader, named relative to this page.
    function showDialog(file) {
        dialog_Qml.source = ""
        dialog_Qml.source = file
        dialog_Qml.visible = true
    }

    function showErrorPage(page) {
        error_Qml.source = ""
        error_Qml.source = page
        error_Qml.visible = true
    }

    anchors.fill: parent

    onZoomValueChanged: hiddenDelDialog()

    Component.onCompleted: {
        main.ismain = 0
        res_choices.load()
        setDefaultData()
        initAllUI()
        if (tutorialWanted())
            showErrorPage("edit_page_tutorial.qml")
    }

    DeskModel {
        id: desk_model
        // The mouse dialogs change main's values, and they are part of the
        // saved text.
        mouseSettings: mainlist.mouseSettings()
        onSavedChanged: mainlist.syncSaved()
        onDeskChanged: mainlist.updatePortChoices()
    }

    Connections {
        target: main
        function onCleanGridData() {
            main.ismain = 0
            closeMenuBar()
            initAllUI()
            if (tutorialWanted())
                showErrorPage("edit_page_tutorial.qml")
        }
        // Whoever declares the desk saved (a test, a screen that wrote it
        // elsewhere) makes the desk as it is now the saved one. A 0 needs no
        // echo: whatever made the desk unsaved changes its text too.
        function onIs_savedChanged() {
            if (main.is_saved === 1 && !desk_model.saved)
                desk_model.markSaved()
        }
        function onHiddenPortDialog() {
            closeMenuBar()
            hiddenPortlistDialog()
            hiddenDelDialog()
        }
    }

    DeskChecks {
        id: desk_checks
        editor: mainlist
        desk: desk_model
    }

    FileCommands {
        id: file_commands
        editor: mainlist
        desk: desk_model
    }

    ScreensCommand {
        id: screens_command
        objectName: "screens_command"
        editor: mainlist
        desk: desk_model
    }

    EditorShortcuts {
        active: mainlist.visible && !dialog_Qml.visible && !error_Qml.visible && !upload_flow.dialogShown
        fileKeys: main.shortcutKeys
        onUndoWanted: mainlist.undo()
        onRedoWanted: mainlist.redo()
        onNewWanted: { closeMenuBar(); mainlist.doMenuEvent(1) }
        onOpenWanted: { closeMenuBar(); mainlist.doMenuEvent(2) }
        onSaveWanted: { closeMenuBar(); mainlist.saveFileDialog(1) }
        onSaveAsWanted: { closeMenuBar(); mainlist.doMenuEvent(3) }
        onThisScreensWanted: { closeMenuBar(); mainlist.doMenuEvent(9) }
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

    EditorTopBar {
        id: top_row
        objectName: "top_row"
        width: parent.width
        height: 50
        shownMenu: menu_bar.visible ? mainlist.menuFile : ""

        onAboutWanted: main.show_About()
        onHomeWanted: mainlist.goHomePage()
        // Wide enough for the keys beside the commands.
        onMenuWanted: mainlist.toggleMenu(button, file, 220)
        onMenuKeyboardWanted: if (menu_bar.visible) menu_bar.item.focusFirst()
    }

    // File-name bar and the grid area beside the side panel.
    Item {
        id: editor_area
        objectName: "editor_area"
        x: 0
        y: top_row.height
        width: parent.width - side_panel.width
        height: parent.height - top_row.height

        // Above the grid, so that its path tip shows over the cells.
        FileNameBar {
            id: file_name_bar
            objectName: "file_name_bar"
            z: 2
            width: parent.width
            height: 25
            title: mainlist.fileTitle !== "" ? mainlist.fileTitle
                                             : mainlist.fromTemplate ? qsTr("Template") : qsTr("New Object")
            filePath: main.filePath
        }

        DeskGrid {
            id: desk_grid
            objectName: "grid_area"
            x: 0
            y: file_name_bar.height
            width: parent.width
            height: parent.height - file_name_bar.height
            desk: desk_model
            portChoices: portModel
            numberChoices: curmonModel
            rows: mainlist.matrix_Row
            columns: mainlist.matrix_Column
            cellWidth: mainlist.gridview_cell_w
            cellHeight: mainlist.gridview_cell_h
            tileSize: mainlist.monitor_w
            maxMonitors: mainlist.extendedNum
            zoom: mainlist.gridScale

            onCellPressed: mainlist.pressCell(index, x, y)
            onDeletePressed: mainlist.showDelDialog(index, x, y, byKeyboard)
            onPortPressed: mainlist.showPortList(index, byKeyboard)
            onNumberPressed: mainlist.showMonitorList(index, byKeyboard)
            onDropped: mainlist.dropMonitor(index, x, y)
            onMoveWanted: mainlist.moveMonitor(from, to)
            onPortPicked: mainlist.changePort(row)
            onNumberPicked: mainlist.changeMonitorNumber(number)
            onPortWanted: mainlist.changePort(port)
            onDeleteConfirmed: mainlist.delMonitor(index)
            onResolutionWanted: side_panel.resolutionList.forceActiveFocus()
            onHelpWanted: main.showKeyHelp()
        }
    }

    SidePanel {
        id: side_panel
        objectName: "side_panel"
        x: parent.width - width
        y: top_row.height
        width: 280
        height: parent.height - top_row.height
        zoomValue: mainlist.zoomValue
        maxScale: mainlist.maxScale
        orientation: mainlist.s_orientation
        resolutions: resModel
        litPort: mainlist.litPort
        secondary: main.phase !== "R0"
        canUndo: mainlist.canUndo
        canRedo: mainlist.canRedo
        switchStatus: switch_status

        onPressed: {
            mainlist.closeMenuBar()
            mainlist.hiddenPortlistDialog()
            mainlist.hiddenDelDialog()
        }
        onZoomChosen: mainlist.zoomValue = value
        onOrientationChosen: mainlist.setOrientation(orientation)
        onResolutionChosen: mainlist.chooseResolution(entry)
        onGridWanted: mainlist.focusGrid()
        onPortClicked: mainlist.selectMonitor(port)
        onUndoClicked: { mainlist.closeMenuBar(); mainlist.undo() }
        onRedoClicked: { mainlist.closeMenuBar(); mainlist.redo() }
        onSaveLocalClicked: { mainlist.closeMenuBar(); mainlist.saveFileDialog(1) }
        onSaveDeviceClicked: { mainlist.closeMenuBar(); mainlist.saveDeviceDialog() }
    }

    UploadFlow {
        id: upload_flow
        anchors.fill: parent
        z: 20
        editor: mainlist
        desk: desk_model
        cells: gridModel
    }

    Loader {
        id: menu_bar
        objectName: "menu_bar"
        z: 10
        visible: false
    }
}
