import QtQuick 2.12
import QtQuick.Window 2.12
import QtTest 1.12

// The template configuration screen over the home page's template area, and
// building a layout from a template configuration.
MainWindowCase {
    id: templatesCase

    name: "TemplatesScreen"

    readonly property string portNotice: "* The system will apply the settings to all PC ports."

    // A window of its own for a tile loaded without its screen.
    Component {
        id: tileHost
        Window { width: 400; height: 200; visible: true }
    }

    // Opens the screen the way the home page does, through initConfig.
    function openConfig(data) {
        openMain({})
        dismissStartNotice()
        window.initConfig(data)
        return configScreen()
    }

    function configScreen() {
        var loader = child("load_templates")
        tryCompare(loader, "status", 1 /* Loader.Ready */)
        verify(loader.visible)
        return loader.item
    }

    function tile(screen, count) {
        var item = findChild(screen, "config_tile_" + count)
        verify(item, "no tile " + count)
        return item
    }

    // The row's tiles, without the Repeater that makes them.
    function tiles(screen) {
        var kids = findChild(screen, "config_list").children
        var out = []
        for (var i = 0; i < kids.length; ++i) {
            if (kids[i].objectName.indexOf("config_tile_") === 0)
                out.push(kids[i])
        }
        return out
    }

    function selectedCounts(screen) {
        var out = []
        var all = tiles(screen)
        for (var i = 0; i < all.length; ++i) {
            if (all[i].isSelect)
                out.push(all[i].count)
        }
        return out
    }

    function pictureName(item) {
        var source = findChild(item, "picture").source.toString()
        return source.substring(source.lastIndexOf("/") + 1)
    }

    // As a hand does it: the mouse arrives over the tile before pressing, so
    // hover follows it as it would on screen.
    function press(item) {
        mouseMove(item, item.width / 2, item.height / 2)
        mousePress(item, item.width / 2, item.height / 2)
        mouseRelease(item, item.width / 2, item.height / 2)
    }

    // The monitors of the built layout in the notation row,col:port/number.
    function builtMonitors() {
        var list = window.filedata[0].monitorlist
        var out = []
        for (var i = 0; i < list.length; ++i)
            out.push(list[i].row + "," + list[i].col + ":" + list[i].portnum + "/" + list[i].monitornum)
        return out.join(" ")
    }

    function editorTitle() {
        var page = child("setQml")
        tryCompare(page, "status", 1 /* Loader.Ready */)
        return findChild(page.item, "file_name_text").text
    }

    function test_opening_data() {
        return [
            { tag: "13, one configuration", data: "13-01", count: 1, width: 150,
              built: "2,3:1/01 2,4:2/01 2,5:3/01 3,2:4/01 3,3:5/01 3,4:6/01 3,5:7/01 3,6:8/01" },
            { tag: "07, four", data: "07-04", count: 4, width: 150,
              built: "2,3:1/01 2,4:2/01 3,3:3/01 3,4:4/01" },
            { tag: "11, six", data: "11-06", count: 6, width: 150,
              built: "1,3:1/01 1,4:2/01 2,3:3/01 2,4:4/01 3,3:5/01 3,4:6/01" },
            { tag: "20, wide", data: "20-02", count: 2, width: 300,
              built: "2,1:1/01 2,2:1/02 2,3:1/03 2,4:1/04 2,5:1/05 2,6:1/06 2,7:1/07 2,8:1/08" }
        ]
    }

    // The first configuration is chosen at once, the tiles sit side by side
    // inside the screen, and "Build" without a press builds configuration 01.
    function test_opening(data) {
        var screen = openConfig(data.data)
        var template = data.data.split("-")[0]
        compare(screen.template_index, template)
        compare(screen.config_count, data.data.split("-")[1])
        compare(screen.current_config, template + "-01")
        compare(selectedCounts(screen), ["01"])
        verify(!child("template_pages").visible)

        var all = tiles(screen)
        compare(all.length, data.count)
        for (var i = 0; i < all.length; ++i) {
            var item = tile(screen, "0" + (i + 1))
            compare(item.index, template)
            compare([item.width, item.height], [data.width, 120])
            compare(pictureName(item), "config_" + template + "_0" + (i + 1) + (i === 0 ? "_hover.png" : ".png"))
            tryCompare(findChild(item, "picture"), "status", Image.Ready)
            var left = item.mapToItem(screen, 0, 0).x
            verify(left + item.width <= screen.width, "tile " + item.count + " leaves the screen")
            if (i > 0) {
                var before = tile(screen, "0" + i)
                verify(before.mapToItem(screen, 0, 0).x + before.width < left,
                       "tile " + item.count + " covers its neighbour")
            }
        }

        clickItem(findChild(screen, "build_button"))
        compare(builtMonitors(), data.built)
        verify(child("setQml").visible)
        compare(window.ismain, 0)
    }

    function test_selection() {
        var screen = openConfig("07-04")
        var third = tile(screen, "03")
        press(third)
        compare(selectedCounts(screen), ["03"])
        compare(screen.current_config, "07-03")
        // The chosen tile keeps its highlight once the mouse leaves it; the
        // one given up shows its normal picture again.
        mouseMove(findChild(screen, "config_title"), 5, 5)
        compare(pictureName(third), "config_07_03_hover.png")
        compare(pictureName(tile(screen, "01")), "config_07_01.png")

        press(third)
        compare(selectedCounts(screen), ["03"])
        compare(screen.current_config, "07-03")

        press(tile(screen, "04"))
        compare(selectedCounts(screen), ["04"])
        compare(screen.current_config, "07-04")
        mouseMove(findChild(screen, "config_title"), 5, 5)
        compare(pictureName(third), "config_07_03.png")

        clickItem(findChild(screen, "build_button"))
        compare(builtMonitors(), "2,3:1/01 2,4:2/01 3,3:1/02 3,4:2/02")
    }

    function test_texts_data() {
        var all = ["01-01", "02-01", "03-01", "04-01", "05-01", "06-01", "07-04", "08-04", "09-04",
                   "10-04", "11-06", "12-04", "13-01", "14-05", "15-04", "16-04", "17-04", "18-03",
                   "19-03", "20-02"]
        var rows = []
        for (var i = 0; i < all.length; ++i) {
            var template = all[i].split("-")[0]
            rows.push({ tag: template, data: all[i], notice: Number(template) >= 15 })
        }
        return rows
    }

    // Templates 15 and above drive every PC port; only they carry the note.
    function test_texts(data) {
        var screen = openConfig(data.data)
        var shown = texts(screen, [])
        compare(shown.indexOf("Template") >= 0, true)
        compare(shown.indexOf("Select Configuration") >= 0, true)
        compare(shown.indexOf("View other layout") >= 0, true)
        compare(shown.indexOf("Build") >= 0, true)
        compare(shown.indexOf(portNotice) >= 0, data.notice)
        var picture = findChild(screen, "template_picture")
        verify(picture.source.toString().indexOf("/Images/template_" + data.tag + "_hover.png") > 0)
        tryCompare(picture, "status", Image.Ready)
        compare(picture.height, 120)
    }

    function test_loadModel_data() {
        return [
            { tag: "07-02", id: "07-02", file: "",
              text: '[{"acceleration":"0","speed":"0","position":"4","monitorlist":['
                    + '{"row":"2","col":"3","width":"1920","height":"1080","portnum":"1","monitornum":"01"},'
                    + '{"row":"2","col":"4","width":"1920","height":"1080","portnum":"1","monitornum":"02"},'
                    + '{"row":"3","col":"3","width":"1920","height":"1080","portnum":"1","monitornum":"03"},'
                    + '{"row":"3","col":"4","width":"1920","height":"1080","portnum":"1","monitornum":"04"}]}]' },
            { tag: "09-04 over an open file", id: "09-04", file: "file:///home/me/desk.km",
              text: '[{"acceleration":"0","speed":"0","position":"4","monitorlist":['
                    + '{"row":"1","col":"4","width":"1920","height":"1080","portnum":"1","monitornum":"01"},'
                    + '{"row":"2","col":"4","width":"1920","height":"1080","portnum":"2","monitornum":"01"},'
                    + '{"row":"3","col":"4","width":"1920","height":"1080","portnum":"2","monitornum":"02"},'
                    + '{"row":"4","col":"4","width":"1920","height":"1080","portnum":"2","monitornum":"03"}]}]' },
            { tag: "18-03, ports 5 to 8 last", id: "18-03", file: "",
              monitors: "1,2:1/01 1,3:1/02 1,4:1/03 2,2:1/04 2,3:1/05 2,4:1/06 3,2:1/07 3,3:1/08 3,4:1/09 "
                        + "4,2:2/01 4,3:3/01 4,4:4/01 1,5:5/01 2,5:6/01 3,5:7/01 4,5:8/01" }
        ]
    }

    // The built layout is a new one: no file behind it, the mouse settings of
    // a fresh layout, every value a text, and the editor names it "Template".
    function test_loadModel(data) {
        openMain({})
        dismissStartNotice()
        if (data.file !== "") {
            window.filePath = data.file
            window.filedata = [{ acceleration: "1", speed: "6", position: "2", monitorlist: [] }]
            window.gotoEditLayoutUI()
            compare(editorTitle(), "desk.km")
            window.goHome()
        }
        window.loadModel(data.id)
        if (data.text)
            compare(JSON.stringify(window.filedata), data.text)
        else
            compare(builtMonitors(), data.monitors)
        var list = window.filedata[0].monitorlist
        for (var i = 0; i < list.length; ++i) {
            compare(Object.keys(list[i]), ["row", "col", "width", "height", "portnum", "monitornum"])
            for (var key in list[i])
                compare(typeof list[i][key], "string")
        }
        compare(window.filePath.toString(), "")
        compare(editorTitle(), "Template")
        verify(child("setQml").visible)
        compare(window.ismain, 0)
        compare([window.acceleration_flag, window.mouse_speed, window.mouse_position], [0, 0, 4])
    }

    function test_unknownModel_data() {
        return [
            { tag: "empty", id: "" },
            { tag: "no template 21", id: "21-01" },
            { tag: "no configuration 05 of 07", id: "07-05" },
            { tag: "blank canvas", id: "00-00" },
            { tag: "one digit", id: "7-2" },
            { tag: "object member", id: "constructor" },
            { tag: "prototype", id: "__proto__" }
        ]
    }

    function test_unknownModel(data) {
        openMain({})
        dismissStartNotice()
        window.filePath = "file:///home/me/desk.km"
        window.loadModel(data.id)
        compare(window.filedata, "")
        compare(window.filePath.toString(), "file:///home/me/desk.km")
        compare(child("setQml").source.toString(), "")
        compare(child("setQml").visible, false)
        compare(window.ismain, 1)
    }

    // A tile needs nothing from the screen around it: loaded alone it shows
    // its picture, reports a press through its signal, and steps back only
    // for another configuration's number.
    function test_tileAlone() {
        var host = tileHost.createObject(null)
        verify(host)
        tryCompare(host, "visible", true)
        var component = Qt.createComponent("qrc:/Qml/config.qml")
        compare(component.status, Component.Ready, component.errorString())
        var item = component.createObject(host.contentItem, { index: "07", count: "02" })
        verify(item)
        waitForRendering(host.contentItem)
        compare(pictureName(item), "config_07_02.png")
        var spy = Qt.createQmlObject("import QtTest 1.12; SignalSpy { signalName: \"selectChanged\" }", templatesCase)
        spy.target = item

        press(item)
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], "07-02")
        verify(item.isSelect)
        press(item)
        compare(spy.count, 2)
        verify(item.isSelect)

        item.unselect("07-02")
        verify(item.isSelect)
        item.unselect("07-03")
        verify(!item.isSelect)
        mouseMove(host.contentItem, 390, 190)
        compare(pictureName(item), "config_07_02.png")
        spy.destroy()
        host.destroy()
    }

    // From a template cell to its configurations and back to the pages.
    function test_backToTemplates() {
        openMain({})
        dismissStartNotice()
        clickItem(child("template_07"))
        compare(window.template_data, "07-04")
        var screen = configScreen()
        compare(tiles(screen).length, 4)
        compare(child("template_pages").visible, false)
        compare(child("arrow_left").visible, false)

        clickItem(findChild(screen, "back_button"))
        var loader = child("load_templates")
        tryCompare(loader, "status", 0 /* Loader.Null */)
        compare(loader.visible, false)
        compare(loader.source.toString(), "")
        verify(child("template_pages").visible)
        verify(child("arrow_left").visible)

        window.template_page = 2
        clickItem(child("template_13"))
        screen = configScreen()
        compare(screen.template_index, "13")
        compare(tiles(screen).length, 1)
    }

    // The tile the mouse picked has the keyboard when its configurations
    // are left: the focus ring is there, not on the page's first tile.
    function test_pickedTileKeepsTheKeyboard_data() {
        return [
            { tag: "page 1, third tile", page: 1, tile: "03" },
            { tag: "page 2", page: 2, tile: "12" },
            { tag: "page 3, last tile", page: 3, tile: "18" }
        ]
    }

    function test_pickedTileKeepsTheKeyboard(data) {
        openMain({})
        dismissStartNotice()
        window.template_page = data.page
        var first = findChild(child("template_page" + data.page), "template_" + ["00", "19", "15"][data.page - 1])
        first.focusTile()
        var picked = child("template_" + data.tile)
        press(picked)
        var screen = configScreen()
        clickItem(findChild(screen, "back_button"))
        verify(child("template_pages").visible)
        var focused = window.activeFocusItem
        while (focused && focused !== picked)
            focused = focused.parent
        compare(focused, picked, "the keyboard is on the picked tile")
        verify(findChild(picked, "focusFrame").visible)
        verify(!findChild(first, "focusFrame").visible)
    }

    // "Build" leaves the screen where it was: home shows it again, and a new
    // template shown over it starts afresh.
    function test_buildThenHome() {
        var screen = openConfig("11-06")
        press(tile(screen, "05"))
        clickItem(findChild(screen, "build_button"))
        verify(child("setQml").visible)
        window.goHome()
        compare(configScreen(), screen)
        compare(screen.current_config, "11-05")
        compare(child("template_pages").visible, false)

        window.initConfig("19-03")
        screen = configScreen()
        compare(screen.template_index, "19")
        compare(screen.current_config, "19-01")
        compare(tiles(screen).length, 3)
        compare(selectedCounts(screen), ["01"])
    }
}
