import QtQuick 2.12
import "."
import "controls"

// One page of templates on the home page: a grid of template pictures, the
// hover picture under the mouse. Template "00" is the blank canvas and opens
// an empty editor; every other template goes to its configurations first.
Grid {
    id: page

    property alias model: cells.model
    property int cellWidth: 230
    property int cellHeight: 150

    signal turn(int step)

    // The keyboard to the page's first template.
    function focusFirst() {
        if (cells.count > 0)
            cells.itemAt(0).focusTile()
    }

    Repeater {
        id: cells

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
                anchors.bottomMargin: 14
                // Narrower type where a language's words run wider than the
                // tile, which keeps 8 px clear on either side.
                width: parent.width - 16
                horizontalAlignment: Text.AlignHCenter
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 10
                // Fitting a text lays it out at several sizes: only the tile
                // that shows it has one.
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
                onClicked: cell.open()
            }

            // Keyboard: the same as a click; Left and Right turn the pages.
            FocusRing {
                id: tile_ring
                takesFocus: true
                margin: -4
                name: model.tempNum === "00" ? qsTr("Add blank canvas") : qsTr("Select Template") + " " + model.tempNum
                onActivated: cell.open()
                Keys.onLeftPressed: page.turn(-1)
                Keys.onRightPressed: page.turn(1)
            }
        }
    }
}
