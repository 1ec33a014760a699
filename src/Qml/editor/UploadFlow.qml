import QtQuick 2.12
import Seamrun.Layout 1.0
import Qt.Quick.OrrinData 1.0
import ".."

// "Save to device", from the button to the switch's answer.
Item {
    id: flow

    // The editor page (its checks, monitor_list, mouse settings and saved
    // flag), its desk and its grid cells (which keep the upload's
    // coordinates).
    property Item editor: null
    property DeskModel desk: null
    property var cells: null
    readonly property bool dialogShown: upload_Qml.visible

    // While the connection dialog is open the keyboard belongs to it; false
    // when it is not open.
    function focusDialog() {
        if (!upload_Qml.visible || !upload_Qml.item)
            return false
        upload_Qml.item.focusDialog()
        return true
    }

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
        if (!editor.checkDataValid(1) || !editor.checkRule())
            return
        upload_Qml.source = ""
        upload_Qml.source = "../uploadKvm.qml"
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

    // The monitors of editor.monitor_list as plain values, in its (grid) order.
    function uploadMonitors() {
        var monitors = []
        for (var i = 0; i < editor.monitor_list.count; ++i) {
            var row = flow.desk.rowOf(editor.monitor_list.get(i).id)
            if (row < 0)
                continue
            var m = flow.desk.get(row)
            monitors.push({ gridindex: m.gridIndex, row: m.row, col: m.col, portnum: m.port,
                            monitornum: m.numberText, width: m.width, height: m.height })
        }
        return monitors
    }

    // The desk may have been edited since the button was pressed: editor.monitor_list
    // is built again from the grid and checked as the button checks it. A
    // desk that fails shows what to fix, and nothing goes to the switch.
    function uploadDeskValid() {
        if (editor.checkDataValid(1) && editor.checkRule())
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
                cancelfunc: function () { flow.continueUpload(chain) },
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
        var result = orrin.uploadDesk(uploadMonitors(), p_count, editor.mouseSettings())
        logUpload(result.steps)
        reCalculationPosition(result.records)
        closeUpload()
        if (result.outcome === DeskUpload.Uploaded) {
            // The monitors the switch did not take leave the desk in one step.
            flow.desk.beginEdit()
            for (var i = 0; i < result.leftOut.length; ++i)
                flow.desk.remove(result.leftOut[i])
            flow.desk.endEdit()
            showUploadAlert(qsTr("Save to device successfully."), 1)
            flow.desk.markSaved()
            flow.desk.clearHistory()
            editor.syncSaved()
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
                    console.log(EditorLog.category, "sendListAmountOpen ok.")
            } else if (step.exchange === "port-record") {
                console.log(EditorLog.category, "sendOneListOfPortNum return:" + step.accepted)
            } else if (step.exchange === "mouse-record") {
                console.log(EditorLog.category, step.accepted ? "sendOneListOfMouseData ok." : "sendOneListOfMouseData fail.")
            } else {
                console.log(EditorLog.category, step.accepted ? "sendListAmountClose ok." : "sendListAmountClose fail.")
            }
        }
    }

    // Keeps the coordinates an upload worked out (those of the monitors it
    // sends, placed among themselves) with their grid cells.
    function reCalculationPosition(records) {
        flow.cells.setPositions(records)
    }

    // The connection dialog of "Save to device", over the whole editor. It
    // is modal: while it is open it has the keyboard, also when an alert
    // over it closes (see focusDialog). Hidden by its close button it
    // stays loaded until the next "Save to device"; meanwhile it is disabled,
    // so neither keys nor presses reach its buttons, and the keyboard goes
    // back to the page.
    Loader {
        id: upload_Qml
        objectName: "upload_Qml"
        anchors.fill: parent
        visible: false
        enabled: false
        // In this order: enabled before the dialog takes the keyboard, and
        // the page has it back before the dialog is disabled.
        onVisibleChanged: {
            if (visible) {
                enabled = true
                flow.focusDialog()
            } else {
                if (!main.overlayShown)
                    main.focusPage()
                enabled = false
            }
        }
    }
}
