import QtQuick 2.12
import QtQuick.Window 2.12
import ".."

// A drop-down for a short list that shows whole when open (the languages),
// made of Qt Quick items alone: the home page shows it in its first frame,
// and the toolkit's drop-down (DropDown) would load its whole menu and
// scroll-view machinery for it first. It looks and answers as DropDown does.
//
// A press on the box, or Up, Down or Space on it, opens the list. In the
// open list the arrows move the highlight, Enter (or a click on a row) picks
// the entry, Escape or a press beside the list closes it without a change.
// The wheel never changes the choice. `currentIndex` changes only when an
// entry is picked (or when a caller sets it).
FocusScope {
    id: list

    property var model: null
    property string textRole: "text"
    property int currentIndex: 0
    readonly property int count: model ? model.count : 0
    readonly property string currentText: textAt(currentIndex)
    readonly property bool listShown: popup.visible

    readonly property int rowHeight: 18
    // Rows plus the list's 1 px frame above and below.
    readonly property int listHeight: count * rowHeight + 2

    function textAt(index) {
        if (!model || index < 0 || index >= count)
            return ""
        return model.get(index)[textRole]
    }

    function openList() {
        var window = list.Window.contentItem
        if (!window || count === 0)
            return
        popup.parent = window
        var below = list.mapToItem(window, 0, list.height)
        // Below the box where the window has room for it, above it otherwise.
        popup.x = below.x
        popup.y = below.y + listHeight > window.height ? below.y - list.height - listHeight : below.y
        popup.highlighted = currentIndex
        popup.visible = true
        // The rows made just now have their places at once.
        rows.forceLayout()
        popup.forceActiveFocus()
    }

    function closeList() {
        if (!popup.visible)
            return
        var hadKeys = popup.activeFocus
        popup.visible = false
        if (hadKeys)
            box.forceActiveFocus()
    }

    function pick(index) {
        closeList()
        if (index < 0 || index >= count)
            return
        currentIndex = index
    }

    implicitWidth: 150
    height: 26
    activeFocusOnTab: true

    Accessible.role: Accessible.ComboBox
    Accessible.name: currentText
    Accessible.onPressAction: openList()

    DropDownFace {
        id: box
        anchors.fill: parent
        active: list.enabled
        focus: true

        Text {
            x: 6
            // The arrow and its margins take the last 22 px.
            width: parent.width - x - 22
            height: parent.height
            text: list.currentText
            verticalAlignment: Text.AlignVCenter
            color: list.enabled ? Theme.titleBar : Theme.muted
            font.family: Theme.fontFamily
            font.pixelSize: Theme.textSize
            elide: Text.ElideRight
        }

        Keys.onUpPressed: list.openList()
        Keys.onDownPressed: list.openList()
        Keys.onSpacePressed: list.openList()
    }

    FocusRing {
        target: box
    }

    MouseArea {
        objectName: "wheelCatcher"
        anchors.fill: parent
        onPressed: {
            list.forceActiveFocus()
            list.openList()
        }
        onWheel: wheel.accepted = true
    }

    // The open list, laid over the whole window (it is moved to the window's
    // content item when it opens). A press beside it closes it and goes no
    // further, as with the toolkit's drop-downs.
    FocusScope {
        id: popup
        objectName: "choiceListPopup"

        property int highlighted: -1

        visible: false
        // Above the pages and their dialogs.
        z: 1000
        width: list.width + 2
        height: list.listHeight

        // Keys stay with the open list: the window's shortcuts wait until it
        // is closed.
        Keys.onShortcutOverride: event.accepted = true
        Keys.onUpPressed: highlighted = Math.max(0, highlighted - 1)
        Keys.onDownPressed: highlighted = Math.min(list.count - 1, highlighted + 1)
        Keys.onReturnPressed: list.pick(highlighted)
        Keys.onEnterPressed: list.pick(highlighted)
        Keys.onSpacePressed: list.pick(highlighted)
        Keys.onEscapePressed: list.closeList()
        Keys.onTabPressed: list.closeList()
        Keys.onBacktabPressed: list.closeList()
        Keys.onPressed: {
            if (event.key === Qt.Key_Home || event.key === Qt.Key_PageUp)
                highlighted = 0
            else if (event.key === Qt.Key_End || event.key === Qt.Key_PageDown)
                highlighted = list.count - 1
            else
                return
            event.accepted = true
        }
        onActiveFocusChanged: if (!activeFocus && visible) visible = false

        Accessible.role: Accessible.List
        Accessible.name: list.currentText

        MouseArea {
            objectName: "outside"
            // The whole window around the list.
            x: -popup.x
            y: -popup.y
            width: popup.parent ? popup.parent.width : 0
            height: popup.parent ? popup.parent.height : 0
            onPressed: list.closeList()
            onWheel: wheel.accepted = true
        }

        Rectangle {
            anchors.fill: parent
            color: Theme.white
            border.color: Theme.titleBar
            border.width: 1
        }

        Column {
            id: rows
            x: 1
            y: 1
            width: parent.width - 2
            Repeater {
                // The rows are made when the list opens.
                model: popup.visible ? list.model : null
                delegate: Rectangle {
                    objectName: "choice_" + index
                    readonly property bool highlighted: index === popup.highlighted
                    width: parent.width
                    height: list.rowHeight
                    color: highlighted ? Theme.titleBar : Theme.white
                    Accessible.role: Accessible.ListItem
                    Accessible.name: label.text
                    Accessible.selected: highlighted

                    Text {
                        id: label
                        x: 6
                        width: parent.width - 2 * x
                        height: parent.height
                        verticalAlignment: Text.AlignVCenter
                        text: model[list.textRole]
                        color: parent.highlighted ? Theme.white : Theme.titleBar
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.textSize
                        elide: Text.ElideRight
                    }

                    MouseArea {
                        anchors.fill: parent
                        hoverEnabled: true
                        onEntered: popup.highlighted = index
                        onClicked: list.pick(index)
                    }
                }
            }
        }
    }
}
