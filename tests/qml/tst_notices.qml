import QtQuick 2.12
import QtQuick.Window 2.12
import QtTest 1.12

// The two notices start-up can show instead of the main window, and the mask.
TestCase {
    id: testCase
    name: "Notices"
    when: windowShown

    function findChild(item, name) {
        if (!item)
            return null
        if (item.objectName === name)
            return item
        var kids = item.children || []
        for (var i = 0; i < kids.length; ++i) {
            var hit = findChild(kids[i], name)
            if (hit)
                return hit
        }
        return null
    }

    function texts(item, out) {
        if (item.text !== undefined && typeof item.text === "string" && item.text.length)
            out.push(item.text)
        var kids = item.children || []
        for (var i = 0; i < kids.length; ++i)
            texts(kids[i], out)
        return out
    }

    function open(url) {
        var component = Qt.createComponent(url)
        compare(component.status, Component.Ready, component.errorString())
        var window = component.createObject(null)
        verify(window)
        tryCompare(window, "visible", true)
        waitForRendering(window.contentItem)
        return window
    }

    function clickButton(button) {
        mouseClick(button, button.width / 2, button.height / 2)
    }

    function test_alreadyRunning() {
        var window = open("qrc:/Qml/aprunned.qml")
        verify(window.flags & Qt.FramelessWindowHint)
        verify(window.flags & Qt.WindowMinimizeButtonHint)
        var panel = findChild(window.contentItem, "panel")
        compare(panel.width, 380)
        compare(panel.height, 200)
        compare(panel.color, "#f1f1f1")
        compare(panel.border.color, "#084576")
        // The whole panel is inside its window: nothing is cut off.
        verify(panel.x >= 0 && panel.y >= 0)
        verify(panel.x + panel.width <= window.width && panel.y + panel.height <= window.height)
        verify(texts(panel, []).indexOf("AP is running.") >= 0)
        var ok = findChild(panel, "okButton")
        compare(ok.text, "OK")
        compare(ok.width, 65)
        compare(ok.height, 30)
        clickButton(ok)
        tryCompare(window, "visible", false)
        window.destroy()
    }

    function test_alreadyRunningCloseImage() {
        var window = open("qrc:/Qml/aprunned.qml")
        var close = findChild(window.contentItem, "closeImage")
        compare(close.width, 10)
        compare(close.height, 10)
        mouseClick(close, 5, 5)
        tryCompare(window, "visible", false)
        window.destroy()
    }

    function test_lowResolution() {
        var window = open("qrc:/Qml/foreword.qml")
        compare(window.width, 380)
        compare(window.height, 150)
        var panel = findChild(window.contentItem, "panel")
        compare(panel.width, 380)
        compare(panel.height, 150)
        verify(texts(panel, []).indexOf("We recommend that the video resolution should not be less than 1440 x 900.") >= 0)

        clickButton(findChild(panel, "okButton"))
        compare(panel.visible, false)
        compare(window.width, 1280)
        compare(window.height, 720)
        var loader = findChild(window.contentItem, "mainLoader")
        tryCompare(loader, "status", Loader.Ready)
        var mainWindow = loader.item
        compare(mainWindow.width, 1280)
        compare(mainWindow.height, 755)
        tryCompare(mainWindow, "visible", true)
        verify(window.visible)

        // Closing the main window must not leave the empty notice window behind.
        mainWindow.quitAp()
        tryCompare(window, "visible", false)
        window.destroy()
    }

    Item {
        id: host
        width: 200
        height: 100
        MouseArea {
            id: behind
            property int presses: 0
            property int wheels: 0
            anchors.fill: parent
            onPressed: presses++
            onWheel: wheels++
        }
    }

    function test_mask() {
        var component = Qt.createComponent("qrc:/Qml/controls/Mask.qml")
        var mask = createTemporaryObject(component, host)
        verify(mask)
        compare(mask.width, host.width)
        compare(mask.height, host.height)
        compare(mask.z, 4)
        compare(mask.color, "#000000")
        fuzzyCompare(mask.opacity, 0.2, 0.001)
        mousePress(host, 50, 50)
        mouseRelease(host, 50, 50)
        mouseWheel(host, 50, 50, 0, 120)
        compare(behind.presses, 0)
        compare(behind.wheels, 0)
    }
}
