import QtQuick 2.12
import ".."
import Seamrun.Layout 1.0

// Whether the switch is attached: "Connected" or "Not connected". Below it,
// for a switch that this user may not open (no udev rule) a warning that
// says so, and otherwise, once an upload has read them, the firmware version
// and the number of chained switches. A status bar to screen readers, whose
// name changes with the status, so the change is announced.
Item {
    id: status

    property bool connected: false
    // Attached, but this user may not open it.
    property bool accessDenied: false
    // The device object's version text: the four firmware numbers, then the
    // number of switches in the chain.
    property string version: ""
    // Where the details line starts and how wide it is: a line placed beside
    // a heading can put its details under the heading, at the full width.
    property real detailsX: 0
    property real detailsWidth: width

    readonly property string stateText: connected ? qsTr("Connected") : qsTr("Not connected")
    readonly property string detailText: {
        if (!connected)
            return ""
        // On the details line, which has the full width: the side panel has
        // no room for it beside its heading.
        if (accessDenied)
            return qsTr("No access: udev rule missing")
        if (version === "")
            return ""
        // One digit each in the usual case; longer numbers cannot be told
        // apart in the text, so it is shown as it is.
        var firmware = version.length === 5 ? version.substr(0, 4).split("").join(".")
                                            : version.substr(0, version.length - 1)
        var chain = Layout.chainFromVersion(version)
        var text = qsTr("Firmware %1").arg(firmware)
        // Parts of a status line join as the items of a list.
        if (chain === 1)
            text = qsTr("%1, %2").arg(text).arg(qsTr("1 switch"))
        else if (chain === 2)
            text = qsTr("%1, %2").arg(text).arg(qsTr("2 switches chained"))
        return text
    }

    // The state's own size (dot and word), for a line placed beside a
    // heading that must know whether it fits there.
    readonly property real stateWidth: line.width
    readonly property real stateHeight: line.height

    implicitWidth: 240
    implicitHeight: details.visible ? details.y + details.height : line.height

    Accessible.role: Accessible.StatusBar
    Accessible.name: detailText !== "" ? qsTr("%1, %2").arg(stateText).arg(detailText) : stateText

    Row {
        id: line
        spacing: 6
        Rectangle {
            objectName: "statusDot"
            anchors.verticalCenter: parent.verticalCenter
            width: 8
            height: 8
            radius: 4
            color: !status.connected ? Theme.muted : status.accessDenied ? Theme.warning : Theme.positive
        }
        Text {
            objectName: "statusText"
            text: status.stateText
            color: status.connected ? Theme.brand : Theme.muted
            font.family: Theme.fontFamily
            font.pixelSize: Theme.smallSize
            font.bold: true
        }
    }

    Text {
        id: details
        objectName: "statusDetails"
        x: status.detailsX
        y: line.height + 2
        width: status.detailsWidth
        visible: text !== ""
        text: status.detailText
        color: Theme.brand
        font.family: Theme.fontFamily
        font.pixelSize: Theme.smallSize
        // Never cut: a long translation runs on to a second line.
        wrapMode: Text.Wrap
    }
}
