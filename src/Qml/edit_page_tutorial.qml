import QtQuick 2.12
import "."
import "controls"

// Tutorial of the editor: every port's monitors must form a rectangle. OK
// remembers whether to show it again.
LayoutPage {
    id: tutorial

    panelWidth: 600
    panelHeight: 482
    title: qsTr("Tutorial")

    onOkClicked: regedit.setRegedit("showTutorial", dont_show.checked ? "0" : "1")
    onCloseClicked: {
        if (main.comfirm_dialog_info.closefunc)
            main.comfirm_dialog_info.closefunc()
    }

    Text {
        objectName: "message"
        x: 25
        y: 15
        width: parent.width - 50
        text: qsTr("Reminder: The configuration of particular port is required to set in a rectangular shape.")
        wrapMode: Text.WordWrap
        lineHeight: 1.2
        color: Theme.brand
        font.family: Theme.fontFamily
        font.pixelSize: Theme.textSize
    }

    ExamplePicture {
        objectName: "allowed"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 68
        source: "../Images/tutorial-allowed.png"
    }

    ExamplePicture {
        objectName: "notAllowed"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 214
        source: "../Images/tutorial-not-allowed.png"
        captions: [qsTr("The layout of P1 is not in a rectangular shape."),
                   qsTr("The layout of P1 is divided into two separate rectangles.")]
    }

    SettingsCheckBox {
        id: dont_show
        objectName: "dontShow"
        x: 25
        y: parent.height - 15 - 30 + 7
        checked: false
        text: qsTr("Don't show this again.")
    }
}
