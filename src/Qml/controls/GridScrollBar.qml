import QtQuick 2.12
import ".."

// A 10 px scroll bar along one edge of a Flickable: a grey handle on the
// panel colour, blue while hovered or dragged; a press beside the handle
// pages towards the press. Shown only while the content is larger than the
// view.
Rectangle {
    id: bar

    property Flickable flickable: null
    property bool vertical: true
    readonly property real viewSize: flickable ? (vertical ? flickable.height : flickable.width) : 0
    readonly property real contentSize: flickable ? (vertical ? flickable.contentHeight : flickable.contentWidth) : 0
    readonly property real position: flickable ? (vertical ? flickable.contentY : flickable.contentX) : 0
    readonly property real track: vertical ? height : width
    readonly property real handleLength: contentSize > 0
        ? Math.max(20, Math.min(track, track * viewSize / contentSize)) : track
    readonly property real handleStart: contentSize > viewSize
        ? position / (contentSize - viewSize) * (track - handleLength) : 0

    function scrollTo(contentPos) {
        var p = Math.min(Math.max(contentPos, 0), Math.max(contentSize - viewSize, 0))
        if (vertical)
            flickable.contentY = p
        else
            flickable.contentX = p
    }

    visible: contentSize > viewSize
    implicitWidth: 10
    implicitHeight: 10
    color: Theme.panel

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        preventStealing: true
        property real grab: -1
        onPressed: {
            var at = bar.vertical ? mouse.y : mouse.x
            if (at >= bar.handleStart && at <= bar.handleStart + bar.handleLength) {
                grab = at - bar.handleStart
            } else {
                grab = -1
                bar.scrollTo(bar.position + (at < bar.handleStart ? -bar.viewSize : bar.viewSize))
            }
        }
        onPositionChanged: {
            if (!pressed || grab < 0 || bar.track <= bar.handleLength)
                return
            var at = (bar.vertical ? mouse.y : mouse.x) - grab
            bar.scrollTo(at / (bar.track - bar.handleLength) * (bar.contentSize - bar.viewSize))
        }
        onReleased: grab = -1
    }

    Rectangle {
        objectName: "handle"
        x: bar.vertical ? 2 : bar.handleStart + 2
        y: bar.vertical ? bar.handleStart + 2 : 2
        width: (bar.vertical ? bar.width : bar.handleLength) - 4
        height: (bar.vertical ? bar.handleLength : bar.height) - 4
        radius: 3
        color: area.containsMouse || area.pressed ? Theme.highlight : Theme.disabled
    }
}
