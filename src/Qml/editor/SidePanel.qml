import QtQuick 2.12
import ".."
import "../controls"

// The editor's side panel: zoom, orientation and resolution of the
// selected monitor, the switch's status and its ports (the selected
// monitor's port lit), undo and redo, and the two save buttons. It shows
// what it is given and reports every choice as a signal.
Rectangle {
    id: panel

    property int zoomValue: 100
    property int maxScale: 150
    // "h" or "v".
    property string orientation: "h"
    // The resolution choices {resolution}.
    property var resolutions: null
    // The port whose socket is lit, 0 for none.
    property int litPort: 0
    // The secondary switch's ports are offered.
    property bool secondary: true
    property bool canUndo: false
    property bool canRedo: false
    // The switch's status (connected, accessDenied, version).
    property var switchStatus: null
    readonly property alias resolutionList: resolution_list

    signal pressed()
    signal zoomChosen(int value)
    signal orientationChosen(string orientation)
    signal resolutionChosen(int entry)
    signal gridWanted()
    signal portClicked(int port)
    signal undoClicked()
    signal redoClicked()
    signal saveLocalClicked()
    signal saveDeviceClicked()

    // The slider and the spin box set `value` themselves when used (the
    // spin box also while it is made, before its maximum is known), which
    // ends a binding; both are set from here instead.
    function showZoom() {
        zoom_slider.value = zoomValue
        zoom_spin.value = zoomValue
    }

    onZoomValueChanged: showZoom()
    Component.onCompleted: showZoom()

    // Between a heading and its controls, and the extra room between two
    // groups: tight enough that the port strips keep clear of Undo and Redo
    // when the state goes under its heading and the details take two lines,
    // and with the taller lines of CJK fonts.
    readonly property int rowGap: 6
    readonly property int groupGap: 4

    color: Theme.panel

    MouseArea {
        anchors.fill: parent
        onPressed: panel.pressed()
    }

    Rectangle {
        width: 1
        height: parent.height
        color: Theme.divider
    }

    Column {
        x: 24
        y: 16
        width: parent.width - 48
        spacing: panel.rowGap

        SidePanelHeading { text: qsTr("Ratio") }

        Row {
            spacing: 10
            ZoomSlider {
                id: zoom_slider
                objectName: "zoom_slider"
                width: 150
                anchors.verticalCenter: parent.verticalCenter
                minimumValue: 1
                maximumValue: panel.maxScale
                stepSize: 1
                value: 100
                activeFocusOnTab: true
                Keys.onLeftPressed: panel.zoomChosen(Math.max(1, panel.zoomValue - 1))
                Keys.onRightPressed: panel.zoomChosen(Math.min(panel.maxScale, panel.zoomValue + 1))
                Accessible.role: Accessible.Slider
                Accessible.name: qsTr("Ratio")
                FocusRing {}
                onValueChanged: {
                    if (Math.round(value) !== panel.zoomValue)
                        panel.zoomChosen(Math.round(value))
                }
            }
            ZoomSpinBox {
                id: zoom_spin
                objectName: "zoom_spin"
                width: 62
                minimumValue: 1
                maximumValue: panel.maxScale
                stepSize: 1
                value: 100
                FocusRing {}
                onValueChanged: {
                    if (value !== panel.zoomValue)
                        panel.zoomChosen(value)
                }
            }
        }

        Item { width: 1; height: panel.groupGap }
        SidePanelHeading { text: qsTr("Screen Orientation") }

        Row {
            spacing: 12
            OrientationButton {
                objectName: "horizontal_button"
                text: qsTr("Horizontal")
                portrait: false
                checked: panel.orientation === "h"
                onClicked: panel.orientationChosen("h")
            }
            OrientationButton {
                objectName: "vertical_button"
                text: qsTr("Vertical")
                portrait: true
                checked: panel.orientation === "v"
                onClicked: panel.orientationChosen("v")
            }
        }

        Item { width: 1; height: panel.groupGap }
        SidePanelHeading { text: qsTr("Resolution") }

        DropDown {
            id: resolution_list
            objectName: "resolution_list"
            width: 200
            model: panel.resolutions
            textRole: "resolution"
            onActivated: panel.resolutionChosen(index)
            // From the keyboard, back to the grid's cursor.
            Keys.onEscapePressed: panel.gridWanted()
        }

        Item { width: 1; height: panel.groupGap }
        // The switch's own status beside the heading of its ports, or under
        // it when the two do not fit side by side. The details (firmware,
        // chain) take the full width below, on as many lines as they need.
        Item {
            id: status_block
            readonly property bool besideHeading:
                status_heading.width + 12 + status_line.stateWidth <= width
            width: parent.width
            height: Math.max(status_heading.height, status_line.y + status_line.height)

            SidePanelHeading { id: status_heading; text: qsTr("Status List") }
            SwitchStatusLine {
                id: status_line
                objectName: "editor_switch_status"
                x: status_block.besideHeading ? status_heading.width + 12 : 0
                y: status_block.besideHeading ? (status_heading.height - stateHeight) / 2
                                              : status_heading.height + 4
                width: status_block.width - x
                height: implicitHeight
                detailsX: -x
                detailsWidth: status_block.width
                connected: panel.switchStatus.connected
                accessDenied: panel.switchStatus.accessDenied
                version: panel.switchStatus.version
            }
        }

        PortStrip {
            objectName: "primary_strip"
            title: qsTr("Primary")
            picture: "../../Images/img-orrinkm-P-0.png"
            firstPort: 1
            litPort: panel.litPort
            onPortClicked: panel.portClicked(port)
        }

        PortStrip {
            objectName: "secondary_strip"
            visible: panel.secondary
            title: qsTr("Secondary")
            picture: "../../Images/img-orrinkm-S-0.png"
            firstPort: 5
            litPort: panel.litPort
            onPortClicked: panel.portClicked(port)
        }
    }

    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 20
        spacing: 10

        Row {
            spacing: 10
            DialogButton {
                objectName: "undo_button"
                width: 95
                height: 28
                text: qsTr("Undo")
                enabled: panel.canUndo
                opacity: enabled ? 1 : 0.4
                onClicked: panel.undoClicked()
            }
            DialogButton {
                objectName: "redo_button"
                width: 95
                height: 28
                text: qsTr("Redo")
                enabled: panel.canRedo
                opacity: enabled ? 1 : 0.4
                onClicked: panel.redoClicked()
            }
        }

        DialogButton {
            objectName: "save_local_button"
            width: 200
            height: 36
            text: qsTr("Save to local")
            onClicked: panel.saveLocalClicked()
        }

        DialogButton {
            objectName: "save_device_button"
            width: 200
            height: 36
            text: qsTr("Save to device")
            onClicked: panel.saveDeviceClicked()
        }
    }
}
