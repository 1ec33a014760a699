import QtQuick 2.12
import "."
import "controls"

// Connection dialog of "Save to device". The next button looks for the
// extended desktop driver, opens the switch and, once it is open, waits three
// seconds with the waiting animation before the editor reads the switch and
// uploads the layout (mainlist.checkDeviceNum). Loaded afresh into the
// editor's upload_Qml for every upload and unloaded by mainlist.closeUpload;
// the close button only hides it.
Item {
    id: upload_item

    // The wait before the switch is read; tests shorten it.
    property alias timer: timer

    // False when the driver is running (the dialog stays as it is); otherwise
    // whether the switch could be opened.
    function connectDevice() {
        if (process.getDriverProcess()) {
            main.showAlert({
                msg: qsTr("The extended desktop driver ap is running. Please close it and upload again."),
                showicon: 1, icon: 0, okfunc: null, closefunc: null, title: ""
            })
            return false
        }
        if (orrin.open(main.vid, main.pid)) {
            wait_img.visible = true
            connect_img.visible = false
            ok_btn.visible = false
            message_txt.visible = false
            timer.start()
            return true
        }
        // The next button stays: the user plugs the switch in and tries again.
        connect_img.source = "../Images/img-check-f.png"
        message_txt.text = qsTr("Device connection is not ready, Please try again.")
        // Attached, but this user may not open it: the cause and its remedy
        // instead of the picture of a cable fault, which this is not.
        access_txt.visible = orrin.accessDenied
        connect_img.visible = !orrin.accessDenied
        return false
    }

    // Closes the switch and hides the dialog. A wait already running still
    // ends in mainlist.checkDeviceNum, whose queries then fail.
    function closePage() {
        orrin.close()
        upload_item.parent.visible = false
    }

    // The next button, by press or by key. Only a dialog that is open and
    // still shows the button goes on: once the switch is open the keyboard
    // leaves the hidden button for the dialog itself, where Escape still
    // closes it and nothing else starts the wait again.
    function pressNext() {
        if (!upload_item.visible || !upload_item.enabled || !ok_btn.visible)
            return false
        var opened = connectDevice()
        if (opened)
            panel.forceActiveFocus()
        return opened
    }

    // The keyboard into the dialog: the next button, or the dialog itself
    // while it waits.
    function focusDialog() {
        panel.focusFirst()
    }

    anchors.fill: parent

    // Modal: nothing behind the dialog takes a press.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        hoverEnabled: true
        onWheel: wheel.accepted = true
    }

    Mask {}

    // The keyboard stays in the dialog; Escape does what the close button does.
    FocusTrap {
        id: panel
        objectName: "panel"
        z: 5
        width: 380
        height: 195
        anchors.centerIn: parent
        Accessible.role: Accessible.Dialog
        Accessible.name: access_txt.visible ? message_txt.text + " " + access_txt.text : message_txt.text
        onEscapePressed: upload_item.closePage()

        Rectangle {
            id: title
            objectName: "title"
            x: 0
            y: 0
            width: 380
            height: 25
            color: Theme.brand
        }

        Image {
            id: close_btn
            objectName: "close_btn"
            x: panel.width - width - 10
            y: 7
            width: 10
            height: 10
            source: "../Images/close.png"

            MouseArea {
                anchors.fill: parent
                anchors.margins: -5
                cursorShape: Qt.PointingHandCursor
                onClicked: upload_item.closePage()
            }
        }

        Rectangle {
            id: content_rec
            objectName: "content_rec"
            x: 0
            y: title.height
            width: 380
            height: 170
            color: Theme.panel
            border.color: Theme.brand
            border.width: 1

            Text {
                id: message_txt
                objectName: "message_txt"
                x: 25
                y: 15
                width: 350
                height: 100
                text: qsTr("Please check connection before saving to device.")
                color: Theme.brand
                font.family: Theme.fontFamily
                font.pixelSize: Theme.textSize
                wrapMode: Text.WordWrap
                elide: Text.ElideRight
            }

            // Clear of the next button at the lower right.
            Text {
                id: access_txt
                objectName: "access_txt"
                x: message_txt.x
                y: message_txt.y + message_txt.contentHeight + 8
                width: 290
                visible: false
                text: qsTr("This user may not open the switch: install its udev rule (see Troubleshooting in the README), then unplug the switch and plug it in again.")
                color: Theme.brand
                font.family: Theme.fontFamily
                font.pixelSize: Theme.smallSize
                wrapMode: Text.WordWrap
            }

            Image {
                id: connect_img
                objectName: "connect_img"
                x: message_txt.x
                y: 60
                width: 260
                height: 86
                source: "../Images/img-check-s.png"
            }

            Item {
                id: ok_btn
                objectName: "ok_btn"
                anchors.right: parent.right
                anchors.rightMargin: 20
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 20
                width: 32
                height: 32

                Image {
                    id: img
                    objectName: "img"
                    anchors.fill: parent
                    source: next_area.containsMouse ? "../Images/btn-next-h.png" : "../Images/btn-next-n.png"
                }

                MouseArea {
                    id: next_area
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onPressed: upload_item.pressNext()
                }

                FocusRing {
                    takesFocus: true
                    radius: 16
                    name: qsTr("Next")
                    onActivated: upload_item.pressNext()
                }
            }
        }

        AnimatedImage {
            id: wait_img
            objectName: "wait_img"
            anchors.centerIn: parent
            width: 200
            height: 200
            visible: false
            playing: visible
            source: "../Images/img-uploading.gif"
        }
    }

    Timer {
        id: timer
        interval: 3000
        repeat: false
        running: false
        onTriggered: mainlist.checkDeviceNum()
    }
}
