import QtQuick 2.12
import QtQuick.Window 2.12
import "."
import "controls"

// The configurations of one template, shown over the template pages of the
// home page: the template's picture, one tile per configuration, and the
// buttons back to the templates and to build the chosen configuration. The
// first configuration is chosen from the start, so "Build" always has one.
Rectangle {
    id: select_config

    property string template_index: "01"
    property string config_count: "01"
    // The configuration "Build" turns into a layout.
    property string current_config: "01-01"
    // The tiles' x step is (row width / configurations - 15). This width
    // keeps six tiles (template 11) apart and inside the panel, and gives
    // every count from one to six whole-pixel steps, so no picture is
    // drawn between pixels.
    readonly property int rowWidth: 1020
    // The configuration numbers on show, "01" upwards: one tile each.
    property var configNumbers: []

    signal otherSelect(string data)

    // One tile per configuration of the template, the first one chosen.
    function createConfig() {
        var total = Number(config_count)
        var numbers = []
        for (var i = 1; i <= total; ++i)
            numbers.push("0" + i)
        configNumbers = numbers
        if (total >= 1)
            getCofIndex(template_index + "-01")
    }

    function backtotemplate() {
        main.closeConfig()
    }

    function getCofIndex(sel_config) {
        otherSelect(sel_config)
        current_config = sel_config
    }

    color: Theme.panel

    Component.onCompleted: {
        var parts = main.template_data.split("-")
        template_index = parts[0]
        config_count = parts.length > 1 ? parts[1] : "00"
        createConfig()
    }

    // The template pages lie underneath: no press or wheel turn may reach them.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }

    Heading {
        id: template_title
        objectName: "template_title"
        x: 21
        y: 30
        text: qsTr("Template")
    }

    Image {
        id: template_picture
        objectName: "template_picture"
        x: 21
        y: 72
        height: 120
        width: implicitHeight > 0 ? Math.round(implicitWidth * height / implicitHeight) : 0
        // The pictures are drawn at twice their size: decode them as shown.
        sourceSize.height: height * Screen.devicePixelRatio
        fillMode: Image.PreserveAspectFit
        source: "../Images/template_" + select_config.template_index + "_hover.png"
    }

    Heading {
        id: config_title
        objectName: "config_title"
        x: 21
        y: 232
        text: qsTr("Select Configuration")
    }

    Item {
        id: config_list
        objectName: "config_list"
        x: 21
        y: 262
        width: select_config.rowWidth
        height: 150

        Repeater {
            model: select_config.configNumbers

            delegate: ConfigTile {
                id: tile
                x: (Number(modelData) - 1) * (select_config.rowWidth / select_config.configNumbers.length - 15)
                y: 20
                index: select_config.template_index
                count: modelData
                isSelect: modelData === "01"
                onSelectChanged: select_config.getCofIndex(data)

                // Exactly one tile is chosen: the others step back.
                Connections {
                    target: select_config
                    function onOtherSelect(data) { tile.unselect(data) }
                }
            }
        }
    }

    Text {
        id: port_notice
        objectName: "port_notice"
        x: 21
        y: config_list.y + config_list.height + 8
        visible: Number(select_config.template_index) >= 15
        text: "* " + qsTr("The system will apply the settings to all PC port.")
        color: Theme.highlight
        font.family: Theme.fontFamily
        font.pixelSize: Theme.textSize
    }

    Row {
        x: 21
        y: 560
        spacing: 20

        DialogButton {
            id: back_button
            objectName: "back_button"
            width: Math.max(180, labelWidth)
            height: 36
            text: qsTr("View other layout")
            onClicked: select_config.backtotemplate()
        }

        DialogButton {
            id: build_button
            objectName: "build_button"
            width: Math.max(120, labelWidth)
            height: 36
            text: qsTr("Build")
            onClicked: main.loadModel(select_config.current_config)
        }
    }
}
