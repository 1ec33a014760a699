import QtQuick 2.12
import QtQuick.Window 2.12
import "controls"

// One configuration of a template (type ConfigTile): its picture, drawn in
// the highlighted variant while selected or under the mouse. A press selects
// it and reports "template-configuration" through selectChanged; whoever
// holds the tiles calls unselect on the others, so the tile needs nothing
// from the screen around it.
Item {
    id: config

    property string index: ""
    property string count: ""
    property bool isSelect: false

    signal selectChanged(string data)

    // Another tile was chosen: step back unless the choice is this tile.
    function unselect(sel_config) {
        var parts = String(sel_config).split("-")
        if (parts[parts.length - 1] !== config.count)
            config.isSelect = false
    }

    objectName: "config_tile_" + count
    // Template 20 is a single row of eight screens: twice as wide a picture.
    width: index === "20" ? 300 : 150
    height: 120

    Image {
        id: picture
        objectName: "picture"
        anchors.fill: parent
        // The pictures are drawn at twice their size: decode them as shown.
        sourceSize: Qt.size(width * Screen.devicePixelRatio, height * Screen.devicePixelRatio)
        source: "../Images/config_" + config.index + "_" + config.count
                + (config.isSelect || area.containsMouse ? "_hover.png" : ".png")
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onPressed: {
            if (!config.isSelect)
                config.isSelect = true
            config.selectChanged(config.index + "-" + config.count)
        }
    }

    FocusRing {
        takesFocus: true
        role: Accessible.RadioButton
        name: config.index + "-" + config.count
        onActivated: {
            if (!config.isSelect)
                config.isSelect = true
            config.selectChanged(config.index + "-" + config.count)
        }
        Accessible.checkable: true
        Accessible.checked: config.isSelect
    }
}
