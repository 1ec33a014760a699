import QtQuick 2.12
import Seamrun.Layout 1.0
import ".."

// The checks before a save or an upload, on the desk as it stands. A monitor
// still without its port or resolution is selected in red and asked for; a
// desk that breaks a rule shows the page that explains it, main.errorPort
// naming the offending ports; the console says how each rule went.
QtObject {
    id: checks

    // The editor page (its monitor_list, selection and dialogs) and its desk.
    property Item editor: null
    property DeskModel desk: null

    function checkDataValid(saveMode) {
        if (checks.desk.count === 0) {
            main.showAlert({
                msg: saveMode === 0 ? qsTr("No data to be saved.") : qsTr("No data to be upload."),
                showicon: 1, icon: 0, okfunc: null, closefunc: null, title: ""
            })
            return false
        }
        checks.editor.monitor_list.clear()
        var missing = checks.desk.firstIncomplete()
        if (missing !== null) {
            main.faultMonitors = checks.desk.markFaults(missing.missing === 0 ? "missing-port" : "missing-resolution")
            checks.editor.setMonitortStatus(missing.gridindex, checks.desk.selectedIndex, 0)
            main.select_dialog_type = missing.missing
            checks.editor.showDialog("selectDialog.qml")
            return false
        }
        var monitors = checks.desk.placedMonitors()
        var rows = []
        for (var i = 0; i < monitors.length; ++i)
            rows.push({ id: monitors[i].gridindex })
        checks.editor.monitor_list.append(rows)
        return true
    }

    function portListText(ports) {
        return ports.map(function (p) { return "P" + p }).join(",")
    }

    function checkPort() {
        var ports = checks.desk.isolatedPorts()
        main.errorPort = portListText(ports)
        console.log(EditorLog.category, ports.length === 0 ? "port OK" : "port fail")
        if (ports.length > 0) {
            main.faultMonitors = checks.desk.markFaults("isolated")
            checks.editor.showErrorPage("edit_page_error2.qml")
        }
        return ports.length === 0
    }

    function checkRec() {
        var ports = checks.desk.nonRectangularPorts()
        main.errorPort = portListText(ports)
        if (ports.length === 0) {
            console.log(EditorLog.category, "rec OK")
        } else {
            main.faultMonitors = checks.desk.markFaults("not-rectangular")
            checks.editor.showErrorPage("edit_page_error1.qml")
        }
        return ports.length === 0
    }

    function checkResolution() {
        var ports = checks.desk.mixedResolutionPorts()
        main.errorPort = portListText(ports)
        if (ports.length === 0) {
            console.log(EditorLog.category, "resolution OK")
        } else {
            main.faultMonitors = checks.desk.markFaults("mixed-resolution")
            checks.editor.showErrorPage("edit_page_error3.qml")
        }
        return ports.length === 0
    }

    function checkRule() {
        main.errorPort = ""
        main.faultMonitors = []
        checks.desk.clearFaults()
        var passed = (checks.desk.count <= 1 || checkPort()) && checkRec() && checkResolution()
        console.log(EditorLog.category, "errorPort:", main.errorPort)
        return passed && main.errorPort === ""
    }
}
