import QtQuick 2.12
import "."
import "controls"

// Layout error: the monitors of the ports in main.errorPort do not fill a
// rectangle.
LayoutPage {
    panelWidth: 560
    // Taller by the line that names the monitors, when there is one.
    panelHeight: 300 + picture.y - 72
    title: qsTr("File can not be saved")

    onCloseClicked: {
        if (main.comfirm_dialog_info.closefunc)
            main.comfirm_dialog_info.closefunc()
    }

    Text {
        id: message
        objectName: "message"
        x: 25
        y: 15
        width: parent.width - 50
        text: qsTr("Current configuration of @ is not set in a rectangular shape. Please adjust it and save again.").replace("@", main.errorPortList())
        wrapMode: Text.Wrap
        lineHeight: 1.2
        color: Theme.brand
        font.family: Theme.fontFamily
        font.pixelSize: Theme.textSize
    }

    FaultLine {
        id: fault_line
        y: message.y + message.height + 6
    }

    ExamplePicture {
        id: picture
        anchors.horizontalCenter: parent.horizontalCenter
        y: fault_line.visible ? Math.max(72, fault_line.y + fault_line.height + 12) : 72
        source: "../Images/error-rectangle.png"
    }
}
