import QtQuick 2.12
import QtQuick.Controls 1.4
import QtQuick.Dialogs 1.3
import "filepath.js" as FilePath
import "layout.js" as Layout

// The layout editor page: top row (logo, home, "File" and "Settings" menus),
// the file-name bar with its path tip, the grid area and the side panel with
// the save buttons. Created once by the main window, then reset for every
// layout it is given through main.filedata.
Item {
    id: mainlist

    // Monitors placed on the grid; the questions before leaving, starting anew
    // or loading only matter when there is something to lose.
    property int curmonitornum: 0
    // Text of the file-name bar.
    property string fileTitle: ""
    readonly property int device_ports: 4

    function closeMenuBar() {
        menu_bar.visible = false
    }

    // One loader holds either menu. A second click on the same button closes
    // it; a click on the other button shows the other menu at once.
    function toggleMenu(button, file, menuWidth) {
        var shown = menu_bar.visible && menu_bar.source.toString().indexOf(file) >= 0
        if (shown) {
            closeMenuBar()
            return
        }
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
                showicon: 0, icon: 0
            })
        } else {
            main.goHome()
        }
    }

    function newProfile() {
        if (hasUnsavedMonitors()) {
            main.showConfirm({
                msg: qsTr("Are you sure you want to create a new list without saving?"),
                dobtn: qsTr("Create"), cancelbtn: qsTr("Cancel"),
                dofunc: newP, cancelfunc: null, closefunc: null,
                showicon: 0, icon: 0
            })
        } else {
            newP()
        }
    }

    // A new, empty layout. The grid empties its cells and monitor lists here.
    function newP() {
        curmonitornum = 0
        main.filePath = ""
        main.filedata = ""
        if (regedit.readRegedit("showTutorial") !== "0") {
            dialog_Qml.source = ""
            dialog_Qml.source = "edit_page_tutorial.qml"
            dialog_Qml.visible = true
        }
        fileTitle = qsTr("Template")
    }

    function loadFileDialog() {
        if (hasUnsavedMonitors()) {
            main.showConfirm({
                msg: qsTr("Are you sure you want to load a file without saving?"),
                dobtn: qsTr("Load"), cancelbtn: qsTr("Cancel"),
                dofunc: openLoadDialog, cancelfunc: null, closefunc: null,
                showicon: 0, icon: 0
            })
        } else {
            openLoadDialog()
        }
    }

    function openLoadDialog() {
        var current = main.filePath.toString()
        load_file_Dialog.folder = current !== "" ? FilePath.folderUrl(current)
                                                : encrypt.get_userdocument_path()
        load_file_Dialog.open()
    }

    // Saving needs a layout that passes the checks. With nothing placed there
    // is nothing to save; the checks of the placed monitors, the save
    // question and the save dialog belong with the grid.
    function saveFileDialog(mode) {
        if (!checkDataValid(0))
            return
    }

    function checkDataValid(saveMode) {
        if (curmonitornum === 0) {
            main.showAlert({
                msg: saveMode === 0 ? qsTr("No data to be saved.") : qsTr("No data to be upload."),
                showicon: 1, icon: 0, okfunc: null, closefunc: null, title: ""
            })
            return false
        }
        return true
    }

    // ------------------------------------------------------- Save to device
    //
    // saveDeviceDialog checks the layout and shows the connection dialog
    // (uploadKvm.qml). Its next button opens the switch; three seconds later
    // checkDeviceNum reads where this computer is attached and how many
    // switches are chained, and saveTodevice sends the list: list-open, one
    // port record per monitor, the mouse record, list-close. Every end of the
    // flow unloads the dialog (closeUpload) before its message is shown. The
    // choices and the coordinate arithmetic are the layout library's.

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

    // Runs when the dialog's wait ends.
    function checkDeviceNum() {
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
        // A version text that names no chain of one or two switches is no
        // answer to go on with: uploading to "0 ports" would send nothing and
        // remove every monitor from the layout.
        var chain = Layout.chainFromVersion(orrin.version)
        var decision = Layout.uploadDecision(uploadMonitors(), chain)
        if (chain === 0 || decision.action === "fail") {
            closeUpload()
            uploadFailed()
            return
        }
        if (decision.action === "confirm") {
            closeUpload()
            main.showConfirm({
                msg: qsTr("Only one OrrinKM is connected. We save port 1-4 monitor layout only. Do you want to continue?"),
                dobtn: qsTr("Cancel"), cancelbtn: qsTr("Continue"),
                dofunc: null,
                cancelfunc: function () { mainlist.saveTodevice(decision.ports) },
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

    // Sends the monitors on ports up to p_count and removes the others from
    // the layout. The switch's answer to the list-close decides the outcome.
    function saveTodevice(p_count) {
        var monitors = uploadMonitors()
        var count = 0
        for (var i = 0; i < monitors.length; ++i)
            if (Number(monitors[i].portnum) <= p_count)
                ++count
        var positions = reCalculationPosition()
        var ret = orrin.sendListAmountOpen(count + 1)
        if (ret !== 0) {
            closeUpload()
            if (ret === 3)
                showUploadAlert(qsTr("The extended desktop driver ap is running. Please close it and upload again."), 0)
            else
                uploadFailed()
            return
        }
        console.log("sendListAmountOpen ok.")
        for (i = 0; i < monitors.length; ++i) {
            if (Number(monitors[i].portnum) > p_count) {
                delMonitor(monitors[i].gridindex)
                continue
            }
            var a = Layout.portRecordArgs(monitors[i], positions[i])
            // A refused record is sent up to three more times; one that is
            // still refused ends the walk, and the list is closed as it is.
            var accepted = false
            for (var attempt = 0; attempt < 4 && !accepted; ++attempt) {
                accepted = orrin.sendOneListOfPortNum(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9])
                console.log("sendOneListOfPortNum return:" + accepted)
            }
            if (!accepted)
                break
        }
        if (orrin.sendOneListOfMouseData(0, main.acceleration_flag, main.mouse_speed, main.mouse_position,
                                         main.switching_focus, main.duration_time, main.keep_awake))
            console.log("sendOneListOfMouseData ok.")
        else
            console.log("sendOneListOfMouseData fail.")
        var closed = orrin.sendListAmountClose()
        console.log(closed ? "sendListAmountClose ok." : "sendListAmountClose fail.")
        closeUpload()
        if (closed) {
            showUploadAlert(qsTr("Save to device successfully."), 1)
            main.is_saved = 1
        } else {
            uploadFailed()
        }
    }

    // Writes every monitor's upload coordinates into its grid cell and
    // returns them in monitor_list order.
    function reCalculationPosition() {
        var monitors = uploadMonitors()
        var positions = Layout.recalculatePositions(monitors)
        for (var i = 0; i < monitors.length; ++i) {
            var index = monitors[i].gridindex
            gridModel.setProperty(index, "relative_row", positions[i].relative_row)
            gridModel.setProperty(index, "relative_col", positions[i].relative_col)
            gridModel.setProperty(index, "main_relative_row", positions[i].main_relative_row)
            gridModel.setProperty(index, "main_relative_col", positions[i].main_relative_col)
        }
        return positions
    }

    function sortNumber(a, b) {
        return Layout.sortNumber(a, b)
    }

    // A value of the layout data as a number, or `fallback` when it is missing
    // or not a number.
    function numberOr(value, fallback) {
        if (value === undefined || value === null || value === "")
            return fallback
        var n = Number(value)
        return isNaN(n) ? fallback : n
    }

    // Applies main.filedata: the mouse settings and the file-name bar; the
    // grid places the monitors of its monitor list.
    function initAllUI() {
        curmonitornum = 0
        if (main.filedata !== "") {
            try {
                var d = main.filedata[0]
                main.mouse_speed = Number(d.speed)
                main.acceleration_flag = Number(d.acceleration)
                main.mouse_position = Number(d.position)
                main.switching_focus = numberOr(d.switching_focus, 0)
                main.duration_time = numberOr(d.duration_time, 1)
                main.keep_awake = numberOr(d.keep_awake, 0)
            } catch (e) {
                console.log("error:", e)
            }
            fileTitle = main.filePath.toString() !== "" ? FilePath.fileName(main.filePath)
                                                       : qsTr("Template")
        } else {
            fileTitle = qsTr("New Object")
            main.mouse_speed = 0
            main.acceleration_flag = 0
            main.mouse_position = 4
            main.switching_focus = 0
            main.duration_time = 1
            main.keep_awake = 0
        }
        main.is_saved = 1
    }

    anchors.fill: parent

    Component.onCompleted: {
        main.ismain = 0
        initAllUI()
    }

    Connections {
        target: main
        function onCleanGridData() {
            main.ismain = 0
            closeMenuBar()
            initAllUI()
        }
        function onHiddenPortDialog() {
            closeMenuBar()
        }
    }

    FileDialog {
        id: load_file_Dialog
        title: qsTr("Select a file")
        nameFilters: [qsTr("List Files (*.km)")]
        selectExisting: true
        selectMultiple: false
        onAccepted: main.loadFile(load_file_Dialog.fileUrl.toString())
    }

    Rectangle {
        id: background
        anchors.fill: parent
        color: "#F1F1F1"
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
        color: "white"

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
            color: "#D5D5D5"
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
        }

        MenuButton {
            id: file_button
            objectName: "file_button"
            x: home_button.x + home_button.width + 30
            text: qsTr("File")
            active: menu_bar.visible && menu_bar.source.toString().indexOf("/menu.qml") >= 0
            onClicked: mainlist.toggleMenu(file_button, "menu.qml", 130)
        }

        MenuButton {
            id: settings_button
            objectName: "settings_button"
            x: file_button.x + file_button.width + 10
            text: qsTr("Settings")
            active: menu_bar.visible && menu_bar.source.toString().indexOf("/mouse_menu.qml") >= 0
            onClicked: mainlist.toggleMenu(settings_button, "mouse_menu.qml", 220)
        }

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: "#D5D5D5"
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
            color: "#E1DFDF"

            Text {
                id: file_name_text
                objectName: "file_name_text"
                x: 20
                width: parent.width - 40
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                text: mainlist.fileTitle
                elide: Text.ElideMiddle
                color: "#084576"
                font.family: "Arial"
                font.pixelSize: 14
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
            color: "white"
            clip: true
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
            color: "#FFFFE1"
            border.color: "#9B9B9B"

            Text {
                id: path_text
                objectName: "path_text"
                x: 8
                width: parent.width - 16
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                text: main.filePath.toString() !== "" ? FilePath.folderPath(main.filePath) : ""
                elide: Text.ElideRight
                color: "#333333"
                font.family: "Arial"
                font.pixelSize: 12
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
        color: "#F1F1F1"

        Rectangle {
            width: 1
            height: parent.height
            color: "#D5D5D5"
        }

        Column {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 30
            spacing: 15

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

    // The connection dialog of "Save to device", over the whole editor.
    Loader {
        id: upload_Qml
        objectName: "upload_Qml"
        anchors.fill: parent
        z: 20
        visible: false
    }

    Loader {
        id: menu_bar
        objectName: "menu_bar"
        z: 10
        visible: false
    }
}
