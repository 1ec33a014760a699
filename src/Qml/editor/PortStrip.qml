import QtQuick 2.12
import ".."
import "../controls"

// One row of the editor's status list: a switch front with its four ports.
// The port `litPort` is lit when it is one of this row's ports; a press on a
// port reports that port's number (firstPort .. firstPort + 3).
Item {
    id: strip

    property string title: ""
    property url picture: ""
    property int firstPort: 1
    property int litPort: 0

    signal portClicked(int port)

    width: 180
    // Down to the port numbers under the picture, which are set in the
    // caption's type: taller lines in CJK fonts.
    height: front.y + front.height + 2 + caption.height

    Text {
        id: caption
        width: parent.width
        text: strip.title
        color: Theme.brand
        font.family: Theme.fontFamily
        font.pixelSize: Theme.smallSize
        elide: Text.ElideRight
    }

    // The picture is drawn at twice 180 x 44; the sockets sit at a pitch of
    // 44.5 px, the status dots above them.
    Image {
        id: front
        y: caption.height + 2
        width: 180
        height: 44
        source: strip.picture
        sourceSize.width: 360
        sourceSize.height: 88

        Repeater {
            model: 4
            Item {
                id: port
                readonly property int number: strip.firstPort + index
                readonly property bool lit: strip.litPort === number
                objectName: "port" + number
                x: 1 + 44.5 * index
                width: 44.5
                height: front.height

                Rectangle {
                    objectName: "socket"
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 16
                    width: 27
                    height: 17
                    radius: 3
                    color: port.lit ? Theme.portLit : Theme.transparent
                    border.width: 2
                    border.color: port.lit ? Theme.portLit : Theme.disabled
                }
                Rectangle {
                    objectName: "dot"
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 5
                    width: 6
                    height: 6
                    radius: 3
                    color: port.lit ? Theme.portLitDot : Theme.disabled
                }
                Text {
                    objectName: "number"
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: front.height + 2
                    text: index + 1
                    color: Theme.brand
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.smallSize
                    font.bold: port.lit
                }
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: strip.portClicked(port.number)
                }
                FocusRing {
                    takesFocus: true
                    margin: 0
                    color: Theme.focusRingOnDark
                    name: strip.title + " " + (index + 1)
                    onActivated: strip.portClicked(port.number)
                    Accessible.checked: port.lit
                }
            }
        }
    }
}
