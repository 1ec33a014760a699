import QtQuick 2.12
import ".."

// The frame that shows which control has the keyboard focus, drawn around
// `target` (the item it sits in, by default). With `takesFocus` the ring is
// itself the focusable part of a control that is only a picture or a
// rectangle: it joins the Tab order, Space and Enter report `activated()`,
// and it carries the control's accessible name and role. Inside a dialog or
// menu (an ancestor with `focusTrap`) Tab is left to that ancestor, which
// keeps the focus among its own controls.
Item {
    id: ring

    property Item target: parent
    property bool takesFocus: false
    // Gap between the control's edge and the frame.
    property int margin: 2
    property alias radius: frame.radius
    // On a dark ground the theme's light ring keeps 3:1 against it.
    property color color: Theme.focusRing
    property string name: ""
    property int role: Accessible.Button
    readonly property bool isFocusRing: true
    readonly property Item focusItem: takesFocus ? ring : target
    readonly property bool shown: takesFocus ? ring.activeFocus : (target !== null && target.activeFocus)

    signal activated()

    function trapOf(item) {
        for (var p = item ? item.parent : null; p; p = p.parent)
            if (p.focusTrap === true)
                return p
        return null
    }

    x: target && target !== parent ? target.x : 0
    y: target && target !== parent ? target.y : 0
    width: target ? target.width : 0
    height: target ? target.height : 0
    z: 100

    Accessible.role: role
    Accessible.name: name
    Accessible.focusable: takesFocus
    Accessible.focused: takesFocus && ring.activeFocus
    Accessible.ignored: !takesFocus
    Accessible.onPressAction: if (takesFocus) ring.activated()

    Keys.onSpacePressed: {
        event.accepted = takesFocus && !event.isAutoRepeat
        if (event.accepted)
            ring.activated()
    }
    Keys.onReturnPressed: {
        event.accepted = takesFocus
        if (event.accepted)
            ring.activated()
    }
    Keys.onEnterPressed: {
        event.accepted = takesFocus
        if (event.accepted)
            ring.activated()
    }

    Component.onCompleted: {
        if (!focusItem)
            return
        if (trapOf(ring) !== null)
            focusItem.activeFocusOnTab = false
        else if (takesFocus)
            ring.activeFocusOnTab = true
    }

    Rectangle {
        id: frame
        objectName: "focusFrame"
        anchors.fill: parent
        anchors.margins: -ring.margin
        visible: ring.shown
        color: Theme.transparent
        border.color: ring.color
        border.width: 2
    }
}
