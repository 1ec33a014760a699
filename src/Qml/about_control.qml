import QtQuick 2.12
import "."
import "controls"

// About box: maker, program, version, web site and company.
Item {
    id: about

    function close() {
        about.parent.visible = false
    }

    anchors.fill: parent

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        onWheel: wheel.accepted = true
    }

    Mask {}

    DialogPanel {
        id: panel
        objectName: "panel"
        z: 5
        width: 400
        height: 180
        anchors.centerIn: parent
        // OK has the keyboard first; Tab reaches the address too.
        defaultButton: about_ok
        onCloseClicked: about.close()

        // Each line is as high as its font size asks, whatever line gap the
        // font in use adds, so that the five lines fit the panel.
        Column {
            x: 25
            y: 15

            Text {
                objectName: "maker"
                height: 18
                verticalAlignment: Text.AlignVCenter
                text: "Vesko"
                color: Theme.brand
                font.family: Theme.fontFamily
                font.pixelSize: Theme.textSize
                font.bold: true
            }
            Item { width: 1; height: 5 }
            Text {
                objectName: "product"
                height: 18
                verticalAlignment: Text.AlignVCenter
                width: 350
                text: qsTr("Seamrun Switching Configuration Utility")
                // Narrower type where the name runs longer than the line.
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 11
                color: Theme.brand
                font.family: Theme.fontFamily
                font.pixelSize: Theme.textSize
                elide: Text.ElideRight
            }
            Item { width: 1; height: 5 }
            Text {
                objectName: "version"
                height: 18
                verticalAlignment: Text.AlignVCenter
                text: qsTr("Version") + " V1.0.068"
                color: Theme.brand
                font.family: Theme.fontFamily
                font.pixelSize: Theme.textSize
            }
            Item { width: 1; height: 25 }
            Text {
                id: website
                objectName: "website"
                height: 18
                verticalAlignment: Text.AlignVCenter
                text: qsTr("www.vesko-peripherals.com")
                color: Theme.link
                font.family: Theme.fontFamily
                font.pixelSize: Theme.textSize
                font.underline: link.containsMouse || link_ring.activeFocus

                // The address is shown without its scheme; the browser
                // needs one.
                function open() {
                    Qt.openUrlExternally(/^[a-z]+:\/\//i.test(text) ? text : "https://" + text)
                }

                FocusRing {
                    id: link_ring
                    objectName: "websiteRing"
                    takesFocus: true
                    name: website.text
                    role: Accessible.Link
                    onActivated: website.open()
                }

                MouseArea {
                    id: link
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: website.open()
                }
            }
            Item { width: 1; height: 5 }
            Text {
                objectName: "company"
                height: 18
                verticalAlignment: Text.AlignVCenter
                text: qsTr("Vesko Peripheral Systems Co., Ltd.")
                color: Theme.brand
                font.family: Theme.fontFamily
                font.pixelSize: Theme.textSize
            }
        }

        DialogButton {
            id: about_ok
            objectName: "okButton"
            anchors.right: parent.right
            anchors.rightMargin: 15
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 15
            text: qsTr("OK")
            onClicked: about.close()
        }
    }
}
