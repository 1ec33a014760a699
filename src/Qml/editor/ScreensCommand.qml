import QtQuick 2.12
import Seamrun.Layout 1.0
import ".."

// "This computer's screens": reads this computer's port from the switch (the
// port status; without a switch that answers the user picks it), then
// places the desktop's screens on that port as they stand, in one undo step
// (DeskModel::placeDesktopScreens). A port that has monitors already is
// replaced only when the user agrees.
Item {
    id: command

    property Item editor: null
    property var desk: null
    // The switch is asked after the same wait as before an upload.
    property int switchWait: 3000

    function start() {
        if (wait.running)
            return
        if (orrin.open(main.vid, main.pid)) {
            main.showAlert({ msg: qsTr("Reading this computer's port from the switch…"), showicon: 0, icon: 0,
                             okfunc: function () { command.cancel() }, closefunc: function () { command.cancel() },
                             title: qsTr("This computer's screens") })
            wait.restart()
        } else {
            askPort()
        }
    }

    function cancel() {
        if (!wait.running)
            return
        wait.stop()
        orrin.close()
    }

    function portChoices() {
        var ports = []
        for (var p = 1; p <= 8; ++p)
            ports.push({ port: p, name: Layout.portName(p) })
        return ports
    }

    function askPort() {
        main.port_question = { ports: portChoices(), chosen: Math.max(0, desk.litPort - 1),
                               done: function (port) { command.withPort(port) } }
        editor.showDialog("port_question.qml")
    }

    function withPort(port) {
        if (desk.portCount(port) === 0) {
            place(port)
            return
        }
        main.showConfirm({
            msg: qsTr("%1 has monitors on the desk already. Replace them with this computer's screens?")
                 .arg(Layout.portName(port)),
            dobtn: qsTr("Replace"), cancelbtn: qsTr("Cancel"),
            dofunc: function () { command.place(port) },
            // Enter keeps the monitors the user placed.
            cancelfunc: null, closefunc: null, showicon: 1, icon: 0, defaultbtn: "cancel"
        })
    }

    // At the marked empty cell when there is one, else where they fit.
    function place(port) {
        var anchor = desk.selectedIndex >= 0 && desk.rowOf(desk.selectedIndex) < 0 ? desk.selectedIndex : -1
        var result = desk.placeDesktopScreens(port, anchor)
        var why = {
            "too-many": qsTr("This computer's screens do not fit: a desk holds at most 16 monitors."),
            "no-room": qsTr("There is no free area on the grid for this computer's screens."),
            "incomplete": qsTr("Choose the port and resolution of every monitor first."),
            "none": qsTr("The desktop reports no screens."),
            "refused": qsTr("This computer's screens could not be placed.")
        }
        if (result !== "placed")
            main.showAlert({ msg: why[result] || why.refused, showicon: 1, icon: 0,
                             okfunc: null, closefunc: null, title: "" })
        else
            editor.syncSaved()
        return result
    }

    Timer {
        id: wait
        interval: command.switchWait
        onTriggered: {
            var port = orrin.getPortStatus() ? Number(orrin.portStatus.apportNum) : 0
            orrin.close()
            dialog_Qml.visible = false
            if (port >= 1 && port <= 8)
                command.withPort(port)
            else
                command.askPort()
        }
    }
}
