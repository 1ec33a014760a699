import QtQuick 2.12
import QtQuick.Window 2.12

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

    signal otherSelect(string data)

    function createConfig() {
        var component = Qt.createComponent("config.qml")
        var total = Number(config_count)
        for (var i = 1; i <= total; ++i) {
            if (component.status !== Component.Ready) {
                console.warn("template_config: cannot create a configuration tile:", component.errorString())
                return
            }
            var tile = component.createObject(config_list, {
                x: (i - 1) * (rowWidth / total - 15),
                y: 20,
                index: template_index,
                count: "0" + i,
                isSelect: i === 1
            })
            tile.selectChanged.connect(getCofIndex)
        }
    }

    function backtotemplate() {
        main.closeConfig()
    }

    function getCofIndex(sel_config) {
        otherSelect(sel_config)
        current_config = sel_config
    }

    color: "#F1F1F1"

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

    Text {
        id: template_title
        objectName: "template_title"
        x: 21
        y: 30
        text: qsTr("Template")
        color: "#084576"
        font.family: "Arial"
        font.pixelSize: 18
        font.bold: true
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

    Text {
        id: config_title
        objectName: "config_title"
        x: 21
        y: 232
        text: qsTr("Select Configuration")
        color: "#084576"
        font.family: "Arial"
        font.pixelSize: 18
        font.bold: true
    }

    Item {
        id: config_list
        objectName: "config_list"
        x: 21
        y: 262
        width: select_config.rowWidth
        height: 150
    }

    Text {
        id: port_notice
        objectName: "port_notice"
        x: 21
        y: config_list.y + config_list.height + 8
        visible: Number(select_config.template_index) >= 15
        text: "* " + qsTr("The system will apply the settings to all PC port.")
        color: "#449ABE"
        font.family: "Arial"
        font.pixelSize: 14
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
