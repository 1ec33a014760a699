import QtQuick 2.12
import "."
import "controls"

// One page of templates on the home page: a grid of template pictures, the
// hover picture (a light tint) under the mouse, the focus ring around the
// keyboard's tile. Template "00" is the blank canvas and opens an empty
// editor; every other template goes to its configurations first.
//
// Keys on a tile: the arrows move between the tiles (Left and Right go on
// to the previous or next page at its ends: `cross(step)`), Page Up and Page
// Down turn the page (`turn(step)`), Enter and Space open the template.
Grid {
    id: page

    property var model
    property int cellWidth: 230
    property int cellHeight: 150
    // The tile the keyboard is on, or was on last: a tile picked with the
    // mouse becomes it, so the ring is there when the page is back.
    property int current: 0
    // The tiles are made the first time the page is shown: the home page's
    // first frame makes those of its own page only.
    property bool made: false

    onVisibleChanged: {
        if (!visible || made)
            return
        made = true
        // Tiles made just now have their places at once, not at the next frame.
        forceLayout()
    }
    Component.onCompleted: if (visible) made = true

    signal turn(int step)
    signal cross(int step)

    function focusTile(index) {
        if (index < 0 || index >= cells.count)
            return
        current = index
        cells.itemAt(index).focusTile()
    }

    function focusFirst() {
        focusTile(0)
    }

    function focusLast() {
        focusTile(cells.count - 1)
    }

    function focusCurrent() {
        focusTile(Math.min(current, cells.count - 1))
    }

    // Left and Right step through the tiles in reading order and cross to
    // the next page at the ends; Up and Down keep to the page.
    function step(index, delta) {
        var next = index + delta
        if (next >= 0 && next < cells.count)
            focusTile(next)
        else if (delta === 1 || delta === -1)
            cross(delta)
    }

    Repeater {
        id: cells
        model: page.made ? page.model : null

        delegate: Item {
            id: cell
            objectName: "template_" + model.tempNum
            width: page.cellWidth
            height: page.cellHeight

            function open() {
                if (model.tempNum === "00") {
                    main.filePath = ""
                    main.filedata = ""
                    main.gotoEditLayoutUI()
                } else {
                    main.initConfig(model.tempNum + "-" + model.configCount)
                }
            }

            function focusTile() {
                tile_ring.forceActiveFocus()
            }

            Image {
                id: picture
                objectName: "picture"
                anchors.fill: parent
                anchors.margins: 8
                fillMode: Image.PreserveAspectFit
                // Each picture comes at the size shown and at twice that
                // ("@2x", taken on a high-density screen): what is decoded
                // is drawn as it is, without a scaling step. The home page's
                // first frame waits for the pictures of its page; only the
                // page on screen loads its own.
                source: !page.visible ? ""
                        : "../Images/template_" + model.tempNum
                          + (hover.containsMouse ? "_hover.png" : ".png")
            }

            Text {
                objectName: "addLabel"
                visible: model.tempNum === "00"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 16
                // Inside the dashed border drawn in the picture, 10 px clear
                // of it on either side; a language whose words run wider
                // goes on to a second line, under the plus sign.
                width: picture.paintedWidth - 20
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                // Laid out only on the tile that shows it.
                text: visible ? qsTr("Add blank canvas") : ""
                color: hover.containsMouse ? Theme.highlight : Theme.brand
                font.family: Theme.fontFamily
                font.pixelSize: Theme.textSize
                font.bold: true
            }

            MouseArea {
                id: hover
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: {
                    page.focusTile(index)
                    cell.open()
                }
            }

            // Keyboard: the same as a click.
            FocusRing {
                id: tile_ring
                takesFocus: true
                margin: -4
                name: model.tempNum === "00" ? qsTr("Add blank canvas") : qsTr("Select Template") + " " + model.tempNum
                onActivated: {
                    page.current = index
                    cell.open()
                }
                onActiveFocusChanged: if (activeFocus) page.current = index
                Keys.onLeftPressed: page.step(index, -1)
                Keys.onRightPressed: page.step(index, 1)
                Keys.onUpPressed: page.step(index, -page.columns)
                Keys.onDownPressed: page.step(index, page.columns)
                Keys.onPressed: {
                    if (event.key === Qt.Key_PageUp || event.key === Qt.Key_PageDown) {
                        page.turn(event.key === Qt.Key_PageUp ? -1 : 1)
                        event.accepted = true
                    }
                }
            }
        }
    }
}
