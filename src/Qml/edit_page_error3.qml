import QtQuick 2.12
import "."
import "controls"

// Layout error: the monitors of the ports in main.errorPort differ in
// resolution.
LayoutPage {
    panelWidth: 560
    panelHeight: 300
    title: qsTr("File can not be saved")

    onOkClicked: {
        if (main.alert_dialog_info.okfunc)
            main.alert_dialog_info.okfunc()
    }

    Text {
        objectName: "message"
        x: 25
        y: 15
        width: parent.width - 50
        text: qsTr("Screens that configured to @ are not set in the same resolution. Please adjust it and save again.").replace("@", main.errorPortList())
        wrapMode: Text.Wrap
        lineHeight: 1.2
        color: Theme.brand
        font.family: Theme.fontFamily
        font.pixelSize: Theme.textSize
    }

    ExamplePicture {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 72
        source: "../Images/error-resolution.png"
    }
}
