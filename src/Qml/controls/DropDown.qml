import QtQuick 2.12
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4
import QtQuick.Window 2.12
import ".."

// Drop-down of the settings screens and the language list. The wheel never
// changes its choice: a value that changes while the user only scrolls the
// page is a value the user did not pick.
//
// The open list is at most 200 px high, and its rows are low enough for ten
// entries (the languages) to show whole in that height. A longer list (the
// resolutions) shows a scroll bar, and opens scrolled so that the chosen
// entry is in sight. Where the window has no room for the list below the
// drop-down, it opens upward.
ComboBox {
    id: dropDown

    readonly property int maxListHeight: 200
    readonly property int rowHeight: 18
    // Rows plus the list's 1 px frame above and below.
    readonly property int listHeight: Math.min(count * rowHeight, maxListHeight - 2) + 2

    // Puts the list above the drop-down when the window ends too close below it.
    function placeList() {
        if (!Window.window)
            return
        var bottom = mapToItem(null, 0, height).y
        __popup.y = bottom + listHeight > Window.window.height ? -listHeight : height
    }

    height: 26
    onActiveFocusChanged: if (activeFocus) placeList()

    style: ComboBoxStyle {
        background: DropDownFace {
            active: control.enabled
        }
        label: Text {
            text: control.currentText
            // The style leaves 6 px at the right; the arrow needs 16 more.
            rightPadding: 16
            verticalAlignment: Text.AlignVCenter
            color: control.enabled ? Theme.titleBar : Theme.muted
            font.family: Theme.fontFamily
            font.pixelSize: Theme.textSize
            elide: Text.ElideRight
        }
        __dropDownStyle: MenuStyle {
            // The rows' part of the list; the frame takes the rest.
            __maxPopupHeight: dropDown.maxListHeight - 2
            __menuItemType: "comboboxitem"
            frame: Rectangle {
                color: Theme.white
                border.color: Theme.titleBar
                border.width: 1
            }
            // A scroll bar, the grid's look, where the entries do not all fit
            // (in place of the toolkit's arrows, which told nothing of where
            // the list stood).
            __scrollerStyle: ScrollViewStyle {
                transientScrollBars: false
                padding { left: 0; right: 0; top: 0; bottom: 0 }
                frame: Item {}
                corner: Item {}
                incrementControl: Item {}
                decrementControl: Item {}
                scrollBarBackground: Rectangle {
                    implicitWidth: 10
                    implicitHeight: 10
                    color: Theme.panel
                }
                handle: Item {
                    implicitWidth: 10
                    implicitHeight: 20
                    Rectangle {
                        anchors.fill: parent
                        anchors.margins: 2
                        radius: 3
                        color: styleData.hovered || styleData.pressed ? Theme.highlight : Theme.disabled
                    }
                }
            }
            itemDelegate.background: Rectangle {
                color: styleData.selected ? Theme.titleBar : Theme.white
            }
            itemDelegate.label: Text {
                // The row is this plus 4 px.
                height: dropDown.rowHeight - 4
                text: styleData.text
                color: styleData.selected ? Theme.white : Theme.titleBar
                font.family: Theme.fontFamily
                font.pixelSize: Theme.textSize
                verticalAlignment: Text.AlignVCenter
            }
        }
    }

    Accessible.name: currentText

    FocusRing {}

    // Presses go through to the drop-down (after placing its list); the
    // wheel stops here.
    MouseArea {
        objectName: "wheelCatcher"
        anchors.fill: parent
        onPressed: {
            dropDown.placeList()
            mouse.accepted = false
        }
        onWheel: wheel.accepted = true
    }
}
