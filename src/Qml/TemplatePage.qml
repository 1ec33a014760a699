import QtQuick 2.12
import QtQuick.Window 2.12
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
                objectName: "picture"
                anchors.fill: parent
                anchors.margins: 8
                fillMode: Image.PreserveAspectFit
                // The pictures are drawn at twice their size for sharp
                // high-density screens: decode them only as large as shown,
                // and only while their page is the one on screen.
                sourceSize: Qt.size(width * Screen.devicePixelRatio, height * Screen.devicePixelRatio)
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
                text: qsTr("Add blank canvas")
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
