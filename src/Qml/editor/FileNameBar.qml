import QtQuick 2.12
import ".."
import "../filepath.js" as FilePath

// The bar above the grid with the name of the layout being edited; the
// mouse over it shows the file's folder in a tip below it.
Rectangle {
    id: bar

    property string title: ""
    // The layout file, empty for a layout with no file behind it.
    property url filePath: ""

    color: Theme.fileBar

    Text {
        id: file_name_text
        objectName: "file_name_text"
        x: 20
        width: parent.width - 40
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        text: bar.title
        elide: Text.ElideMiddle
        color: Theme.brand
        font.family: Theme.fontFamily
        font.pixelSize: Theme.textSize
        font.bold: true
    }

    MouseArea {
        id: file_name_hover
        objectName: "file_name_hover"
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.NoButton
    }

    Rectangle {
        id: path_tip
        objectName: "path_tip"
        x: 20
        y: bar.height
        width: Math.min(path_text.implicitWidth + 16, bar.width - x)
        height: 22
        visible: file_name_hover.containsMouse && bar.filePath.toString() !== ""
        color: Theme.tipBackground
        border.color: Theme.muted

        Text {
            id: path_text
            objectName: "path_text"
            x: 8
            width: parent.width - 16
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: bar.filePath.toString() !== "" ? FilePath.folderPath(bar.filePath) : ""
            elide: Text.ElideRight
            color: Theme.tipText
            font.family: Theme.fontFamily
            font.pixelSize: Theme.smallSize
        }
    }
}
