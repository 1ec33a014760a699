import QtQuick 2.12
import ".."

// Drop-down menu of the editor's top row. Each entry is {text, event} and may
// name its key in `keys`, shown at its right. A press on an entry hands its
// event to the editor and goes on to the panel, and any press on the panel
// closes the menu. Opened from the keyboard (`focusFirst()`), Up and Down
// walk the entries, Enter or Space runs one, Escape goes back to the button.
Rectangle {
    id: menuPanel

    property var entries: []
    // Width of the keys' column at the right: the widest key text as the
    // language names it ("Control+Mayúsculas+S") and its margins, at least
    // 96; 0 when no entry names a key.
    readonly property int keysWidth: {
        var widest = -1
        for (var i = 0; i < entries.length; ++i)
            if (entries[i].keys)
                widest = Math.max(widest, keysMetrics.advanceWidth(entries[i].keys))
        return widest < 0 ? 0 : Math.max(96, Math.ceil(widest) + 14)
    }

    // Width of the widest entry's text.
    readonly property real labelsWidth: {
        var widest = 0
        for (var i = 0; i < entries.length; ++i)
            widest = Math.max(widest, labelMetrics.advanceWidth(entries[i].text))
        return Math.ceil(widest)
    }

    function focusFirst() {
        trap.focusFirst()
    }

    function run(event) {
        mainlist.doMenuEvent(event)
        mainlist.closeMenuBar()
    }

    // What the longest entry needs, at the type of the other menus.
    readonly property real neededWidth: labelsWidth + keysWidth + 24

    width: Math.max(240, neededWidth)
    // Rows of 28 and the frame; four rows make the 119 of both menus.
    height: Math.max(119, entries.length * 28 + 7)
    color: Theme.panel
    radius: 5
    border.color: Theme.brand
    border.width: 1
    Accessible.role: Accessible.PopupMenu

    FontMetrics {
        id: labelMetrics
        font.family: Theme.fontFamily
        font.pixelSize: Theme.textSize
    }

    FontMetrics {
        id: keysMetrics
        font.family: Theme.fontFamily
        font.pixelSize: Theme.smallSize
    }

    MouseArea {
        anchors.fill: parent
        onPressed: mainlist.closeMenuBar()
    }

    FocusTrap {
        id: trap
        anchors.fill: parent
        arrowKeys: true
        focusWhenShown: false
        onEscapePressed: {
            mainlist.closeMenuBar()
            mainlist.focusMenuButton()
        }

        Column {
            x: 1
            y: 2
            spacing: 1

            Repeater {
                model: menuPanel.entries

                Rectangle {
                    id: entry
                    objectName: "menuEntry" + modelData.event
                    width: menuPanel.width - 2
                    height: 28
                    color: hover.containsMouse || ring.activeFocus ? Theme.brand : Theme.panel

                    Text {
                        objectName: "label"
                        x: 4
                        width: parent.width - menuPanel.keysWidth - 8
                        height: parent.height
                        elide: Text.ElideRight
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        text: modelData.text
                        color: hover.containsMouse || ring.activeFocus ? Theme.panel : Theme.brand
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.textSize
                    }

                    Text {
                        objectName: "keys"
                        visible: menuPanel.keysWidth > 0
                        x: parent.width - menuPanel.keysWidth
                        width: menuPanel.keysWidth - 10
                        height: parent.height
                        horizontalAlignment: Text.AlignRight
                        verticalAlignment: Text.AlignVCenter
                        text: modelData.keys || ""
                        color: hover.containsMouse || ring.activeFocus ? Theme.panel : Theme.muted
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.smallSize
                    }

                    MouseArea {
                        id: hover
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onPressed: {
                            mainlist.doMenuEvent(modelData.event)
                            mouse.accepted = false
                        }
                    }

                    FocusRing {
                        id: ring
                        takesFocus: true
                        margin: -1
                        role: Accessible.MenuItem
                        name: modelData.text
                        onActivated: menuPanel.run(modelData.event)
                        Accessible.description: modelData.keys || ""
                    }
                }
            }
        }
    }
}
