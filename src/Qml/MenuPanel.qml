import QtQuick 2.12
import "."

// Drop-down menu of the editor's top row. Each entry is {text, event}; a
// press on an entry hands its event to the editor and goes on to the panel,
// and any press on the panel closes the menu.
Rectangle {
    id: menuPanel

    property var entries: []

    width: 240
    height: 119
    color: Theme.panel
    radius: 5
    border.color: Theme.brand
    border.width: 1

    MouseArea {
        anchors.fill: parent
        onPressed: mainlist.closeMenuBar()
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
                color: hover.containsMouse ? Theme.brand : Theme.panel

                Text {
                    anchors.fill: parent
                    anchors.leftMargin: 4
                    anchors.rightMargin: 4
                    // Narrower type where an entry runs wider than the menu.
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 10
                    elide: Text.ElideRight
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: modelData.text
                    color: hover.containsMouse ? Theme.panel : Theme.brand
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.textSize
                    font.weight: Font.Thin
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
            }
        }
    }
}
