import QtQuick 2.12
import ".."

// An example picture of the tutorial and error pages (drawn at twice the
// shown size) with an optional caption under each of its two halves.
Item {
    id: example

    property alias source: picture.source
    property var captions: []
    readonly property alias pictureHeight: picture.height

    width: 456
    height: picture.height + (captions.length > 0 ? captionRow.height + 6 : 0)

    Image {
        id: picture
        objectName: "picture"
        width: parent.width
        height: Math.round(width * 220 / 760)
        sourceSize.width: 760
        sourceSize.height: 220
    }

    Row {
        id: captionRow
        y: picture.height + 6
        Repeater {
            model: example.captions
            Text {
                objectName: "caption"
                width: example.width / 2
                horizontalAlignment: Text.AlignHCenter
                text: modelData
                wrapMode: Text.WordWrap
                color: Theme.brand
                font.family: Theme.fontFamily
                font.pixelSize: Theme.smallSize
            }
        }
    }
}
