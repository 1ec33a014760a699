import QtQuick 2.12
import QtQuick.Window 2.12
import Qt.Quick.OrrinData 1.0
import "filepath.js" as FilePath
import "templatepages.js" as TemplatePages
import Seamrun.Layout 1.0
import Seamrun.Files 1.0
import "."
import "controls"

// The main window: title bar, home page (recent files, templates, language),
// the layout editor page, footer, and the loaders every pop-up screen uses.
// It owns the state all screens share: the mouse settings, the unsaved flag,
// the current file and the dialog requests.
Window {
    id: main

    property url filePath: ""
    property var filedata: ""
    property int is_saved: 1
    property int ismain: 1
    property int first: 1
    property int lastLanguage: 0
    property var comfirm_dialog_info: ({
        msg: "", dobtn: qsTr("OK"), cancelbtn: qsTr("Cancel"),
        dofunc: null, cancelfunc: null, closefunc: null, showicon: 0, icon: 0
    })
    property var alert_dialog_info: ({
        msg: "", showicon: 0, icon: 1, okfunc: null, closefunc: null, title: ""
    })
    property int mouse_speed: 0
    property int acceleration_flag: 0
    property int mouse_position: 4
    property int switching_focus: 0
    property int duration_time: 1
    property int keep_awake: 0
    property string frame_color: "#33FF33"
    // The switch's USB ids, from the open-source hardware test range.
    property int vid: 0x1209
    property int pid: 0x0001
    property string phase: "R1"
    property int select_dialog_type: 0
    // The question of "This computer's screens" when no switch tells the
    // port (port_question.qml): {ports: [{port, name}], chosen, done}.
    property var port_question: ({ ports: [], chosen: 0, done: null })
    property int template_page: 1
    property string template_data: "0"
    property string errorPort: ""
    // The monitors the last failed check points at ({row, col, portName,
    // numberText}, grid order), named on its page.
    property var faultMonitors: []

    // Keys of the File commands, as the shortcuts take them.
    readonly property var shortcutKeys: ({
        newLayout: "Ctrl+N", open: "Ctrl+O", save: "Ctrl+S", saveAs: "Ctrl+Shift+S", quit: "Ctrl+Q",
        thisScreens: "Ctrl+Shift+D"
    })
    // The same keys as the menus show them: the platform's names in the
    // language in force ("Strg+Umschalt+S" in German).
    readonly property var shortcutText: {
        lang.language // named again whenever the language changes
        var texts = {}
        for (var name in shortcutKeys)
            texts[name] = lang.keyText(shortcutKeys[name])
        return texts
    }
    // A pop-up covers the page: the page takes no keys until it closes.
    readonly property bool overlayShown: dialog_Qml.visible || error_Qml.visible
    // The page's control that had the keyboard last; it gets it back when a
    // pop-up closes.
    property Item pageFocus: null

    signal hiddenPortDialog()
    signal cleanGridData()

    // Stored language index as a list index: anything that is not one of the
    // ten languages counts as English, which is what the switcher applies then.
    function storedLanguage() {
        var value = parseInt(regedit.readRegedit("language"), 10)
        return (isNaN(value) || value < 0 || value >= language_model.count) ? 0 : value
    }

    function showAlert(info) {
        main.alert_dialog_info = info
        dialog_Qml.source = ""
        dialog_Qml.source = "alert_dialog_control.qml"
        dialog_Qml.visible = true
    }

    function showConfirm(info) {
        main.comfirm_dialog_info = info
        dialog_Qml.source = ""
        dialog_Qml.source = "confirm_dialog_control.qml"
        dialog_Qml.visible = true
    }

    // Opens a layout file into the editor. A file the editor could only apply
    // half-way (see Layout.parseLayout) is refused like an unreadable one, and
    // the layout on screen stays as it was.
    function loadFile(path) {
        var target = FilePath.localPath(path)
        var result = null
        if (encrypt.decrypt_file(target)) {
            io.source = encrypt.get_userappdata_path()
            io.read()
            encrypt.delete_tempfile()
            result = Layout.parseLayout(io.text)
        }
        if (result === null) {
            // A recent file that is gone leaves the list as it is found out,
            // rather than stay there to be tried again.
            var gone = !RecentFiles.exists(String(path)) && RecentFiles.remove(String(path))
            if (gone)
                loadFilelist()
            showAlert({ msg: gone ? qsTr("The file no longer exists. It has been removed from the recent files.")
                                  : qsTr("The file is invalid."),
                        showicon: 1, icon: 0, okfunc: null, closefunc: null, title: "" })
            return
        }
        main.filePath = path
        main.filedata = result
        gotoEditLayoutUI()
    }

    // Where the Open and Save dialogs start: the folder of the layout being
    // edited, or the layout folder among the documents when it has no file
    // or its folder is gone (a dialog on a missing folder shows nothing).
    function fileDialogFolder() {
        var current = main.filePath.toString()
        var folder = current !== "" ? FilePath.folderUrl(current) : ""
        return folder !== "" && io.exists(folder) ? folder : encrypt.get_userdocument_path()
    }

    function gotoEditLayoutUI() {
        if (setQml.source.toString() === "")
            setQml.source = "mainWidget.qml"
        else
            main.cleanGridData()
        setQml.visible = true
        setQml.z = 1
        main.ismain = 0
    }

    function goHome() {
        main.ismain = 1
        setQml.visible = false
        loadFilelist()
    }

    // Recent files, most recent first, at most ten (RecentFiles skips what a
    // hand-edited list holds that is no file). The row keeps the stored URL
    // text as it is, so that opening it again gives the editor the same text
    // the list holds and the list is not filled with decoded duplicates.
    function loadFilelist() {
        var entries = RecentFiles.entries()
        file_list_model.clear()
        for (var i = 0; i < entries.length; ++i)
            file_list_model.append({ file: entries[i].file, show: false, path: entries[i].path,
                                     missing: entries[i].missing })
        recent_list.currentIndex = -1
    }

    // Takes a file off the recent list on the user's request; the row below
    // becomes the current one, so that the next one can go the same way.
    function removeRecentFile(index) {
        if (index < 0 || index >= file_list_model.count)
            return
        RecentFiles.remove(file_list_model.get(index).path)
        loadFilelist()
        recent_list.choose(Math.min(index, file_list_model.count - 1))
    }

    // The home page's template pages, from the same table that builds the
    // layouts and draws the pictures.
    function initTemplate() {
        var pages = TemplatePages.pages
        var models = [tempModel_page1, tempModel_page2, tempModel_page3]
        for (var p = 0; p < models.length; ++p) {
            models[p].clear()
            var page = pages[p] || []
            var rows = []
            for (var i = 0; i < page.length; ++i)
                rows.push({ tempNum: page[i].tempNum, configCount: page[i].configCount })
            // One insertion a page: its tiles are made in one go.
            models[p].append(rows)
        }
    }

    function initConfig(data) {
        template_pages.visible = false
        main.template_data = data
        // The screen reads template_data when it is made: one still loaded for
        // another template must be made afresh.
        load_templates.source = ""
        load_templates.source = "template_config.qml"
        load_templates.visible = true
        focusInto(load_templates)
    }

    function closeConfig() {
        load_templates.visible = false
        load_templates.source = ""
        template_pages.visible = true
        shownTemplatePage().focusCurrent()
    }

    // A template configuration as a new, unsaved layout: no file behind it,
    // so the editor names it "Template". An unknown model id opens nothing.
    // The ports of errorPort ("P1,P2") as the language writes a list.
    function errorPortList() {
        return errorPort.split(",").reduce(function (list, port) {
            //: A list and one more item, as in "P1, P2"
            return qsTr("%1, %2").arg(list).arg(port)
        })
    }

    // The monitors of faultMonitors as one line: "P2 01 at row 3, column 5"
    // for each, listed as the language lists.
    function faultMonitorList() {
        if (!faultMonitors || faultMonitors.length === 0)
            return ""
        return faultMonitors.map(function (m) {
            //: A monitor a failed check points at: port, monitor number, row, column
            return qsTr("%1 %2 at row %3, column %4").arg(m.portName).arg(m.numberText).arg(m.row).arg(m.col)
        }).reduce(function (list, item) {
            //: A list of monitors and one more, as in "P1 01 at row 2, column 3; P1 02 at row 2, column 5"
            return qsTr("%1; %2").arg(list).arg(item)
        })
    }

    // The template table, made the first time a template is built.
    property QtObject templateLayouts: null

    function loadModel(model_id) {
        if (!templateLayouts)
            templateLayouts = Qt.createComponent("TemplateLayouts.qml").createObject(main)
        var text = templateLayouts.layoutText(model_id)
        if (text === "")
            return
        main.filedata = JSON.parse(text)
        main.filePath = ""
        gotoEditLayoutUI()
    }

    function showExitWindow() {
        if (main.ismain !== 0) {
            showConfirm({ msg: qsTr("Do you want to quit?"),
                          dobtn: qsTr("OK"), cancelbtn: qsTr("Cancel"),
                          dofunc: main.quitAp, cancelfunc: null, closefunc: null,
                          showicon: 0, icon: 0 })
        } else {
            // Quitting here can lose the layout: Enter stays.
            showConfirm({ msg: qsTr("Do you want to save the change? If yes, please save the configuration before leaving."),
                          dobtn: qsTr("Quit"), cancelbtn: qsTr("OK"),
                          dofunc: main.quitAp, cancelfunc: null, closefunc: null,
                          showicon: 0, icon: 0, defaultbtn: "cancel" })
        }
    }

    // A hidden item keeps the keyboard unless it is given elsewhere: after a
    // pop-up or a page change the page in front takes it back.
    function focusPage() {
        // The editor's connection dialog is modal: while it is open, the
        // keyboard goes back to it, never to the page behind it.
        if (setQml.visible && setQml.item && setQml.item.focusUploadDialog())
            return
        if (pageFocus && pageFocus.visible && pageFocus.enabled) {
            pageFocus.forceActiveFocus()
        } else if (setQml.visible && setQml.item) {
            setQml.item.focusGrid()
        } else {
            open_button.forceActiveFocus()
        }
    }

    function inOverlay(item) {
        for (var p = item; p; p = p.parent)
            if (p === dialog_Qml || p === error_Qml || p.objectName === "upload_Qml")
                return true
        return false
    }

    // The first control inside `container` takes the keyboard.
    function focusInto(container) {
        var next = container.nextItemInFocusChain(true)
        for (var p = next; p; p = p.parent) {
            if (p === container) {
                next.forceActiveFocus()
                return
            }
        }
    }

    // The template pages by keyboard: the keyboard stays on the templates.
    // Page Up and Page Down land on the new page's first tile.
    function turnTemplatePage(step) {
        var page = Math.max(1, Math.min(3, main.template_page + step))
        if (page === main.template_page)
            return
        main.template_page = page
        shownTemplatePage().focusFirst()
    }

    // Left past a page's first tile goes to the previous page's last one,
    // Right past its last tile to the next page's first one.
    function crossTemplatePage(step) {
        var page = main.template_page + step
        if (page < 1 || page > 3)
            return
        main.template_page = page
        if (step > 0)
            shownTemplatePage().focusFirst()
        else
            shownTemplatePage().focusLast()
    }

    // A page button from the keyboard: it turns the page, and where that
    // brings it to the end (the button no longer works) the keyboard goes
    // to the other one.
    function pressPageButton(step) {
        var page = main.template_page + step
        if (page < 1 || page > 3)
            return
        main.template_page = page
        if (page === 1 || page === 3)
            (step > 0 ? arrow_left_ring : arrow_right_ring).forceActiveFocus()
    }

    function shownTemplatePage() {
        return [template_page1, template_page2, template_page3][main.template_page - 1]
    }

    function show_About() {
        dialog_Qml.source = ""
        dialog_Qml.source = "about_control.qml"
        dialog_Qml.visible = true
    }

    // The list of keys (F1 anywhere, "?" on the grid). It never covers
    // another pop-up: that one's question would be lost under it.
    function showKeyHelp() {
        if (main.overlayShown)
            return
        dialog_Qml.source = ""
        dialog_Qml.source = "key_help.qml"
        dialog_Qml.visible = true
    }

    // The item named `name` inside `item`, or null.
    function findItem(item, name) {
        if (!item)
            return null
        if (item.objectName === name)
            return item
        var kids = item.children
        for (var i = 0; i < kids.length; ++i) {
            var hit = findItem(kids[i], name)
            if (hit)
                return hit
        }
        return null
    }

    function quitAp() {
        main.close()
    }

    function changeLanguage() {
        var index = language_list.currentIndex
        regedit.setRegedit("language", String(index))
        lang.changeLang(index)
        main.lastLanguage = index
    }

    function restoreLanguage() {
        main.first = 1
        language_list.currentIndex = main.lastLanguage
        main.first = 0
    }

    width: 1280
    height: 755
    visible: true
    flags: Qt.FramelessWindowHint | Qt.WindowMinimizeButtonHint | Qt.Window
    title: qsTr("Seamrun Switching Configuration Utility")
    color: Theme.panel

    onActiveFocusItemChanged: {
        // The page loader holds the keyboard only for a moment, when the
        // control inside that had it goes; it is no control to go back to.
        if (activeFocusItem && activeFocusItem !== contentItem && activeFocusItem !== setQml
                && !inOverlay(activeFocusItem))
            pageFocus = activeFocusItem
    }
    onOverlayShownChanged: {
        if (!overlayShown)
            focusPage()
    }

    Component.onCompleted: {
        var stored = regedit.readRegedit("language")
        if (stored === "")
            regedit.setRegedit("language", "0")
        else
            main.lastLanguage = storedLanguage()
        main.first = 0
        loadFilelist()
        initTemplate()
        showAlert({ msg: qsTr("Before using Seamrun Switching, please turn off mouse acceleration in the operating system."),
                    showicon: 0, icon: 0, okfunc: null, closefunc: null, title: "" })
    }

    OrrinData {
        id: orrin
        objectName: "orrin"
        // What an upload read from the switch, for the switch status.
        onVersionChanged: switch_status.version = version
    }

    // Whether the switch is attached, from the device list; never opens it.
    SwitchStatus {
        id: switch_status
        objectName: "switch_status"
        vid: main.vid
        pid: main.pid
    }

    Shortcut {
        sequence: main.shortcutKeys.quit
        enabled: !main.overlayShown
        onActivated: main.showExitWindow()
    }
    Shortcut {
        sequence: main.shortcutKeys.open
        enabled: !main.overlayShown && !setQml.visible
        onActivated: open_button.clicked()
    }
    // A blank layout, as "Add blank canvas" opens it.
    Shortcut {
        sequence: main.shortcutKeys.newLayout
        enabled: !main.overlayShown && !setQml.visible
        onActivated: {
            main.filePath = ""
            main.filedata = ""
            main.gotoEditLayoutUI()
        }
    }

    Shortcut {
        sequence: "F1"
        enabled: !main.overlayShown
        onActivated: main.showKeyHelp()
    }

    ListModel { id: file_list_model }
    ListModel { id: tempModel_page1 }
    ListModel { id: tempModel_page2 }
    ListModel { id: tempModel_page3 }

    // The languages under their own names, in the switcher's index order.
    ListModel {
        id: language_model
        ListElement { text: "English" }
        ListElement { text: "中文(繁體)" }
        ListElement { text: "中文(简体)" }
        ListElement { text: "日本語" }
        ListElement { text: "Deutsch" }
        ListElement { text: "русский" }
        ListElement { text: "한국어" }
        ListElement { text: "français" }
        ListElement { text: "Español" }
        ListElement { text: "Português" }
    }

    // The Open dialog, made the first time it is wanted: neither it nor its
    // module is loaded before the first frame.
    Loader {
        id: open_file_Dialog
        active: false
        source: "OpenFileDialog.qml"
    }

    Loader {
        id: head_part
        objectName: "head_part"
        x: 0
        y: 0
        width: parent.width
        height: 33
        source: "../HeadControl.qml"
    }

    // Home page.
    Item {
        id: home_page
        objectName: "home_page"
        x: 0
        y: head_part.height
        width: parent.width
        height: parent.height - head_part.height - footer.height
        // Hidden under the editor page, so the keyboard cannot reach it.
        visible: !setQml.visible

        // Left panel: logo, device, open, recent files, language.
        Rectangle {
            id: left_panel
            x: 0
            y: 0
            width: 318
            height: parent.height
            color: Theme.white

            Rectangle {
                anchors.right: parent.right
                width: 1
                height: parent.height
                color: Theme.divider
            }

            Image {
                id: logo
                objectName: "logo"
                x: 39
                y: 30
                width: 240
                height: 60
                source: "../Images/logo.png"
                fillMode: Image.PreserveAspectFit

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: main.show_About()
                }
                FocusRing {
                    takesFocus: true
                    name: qsTr("Seamrun Switching Configuration Utility")
                    onActivated: main.show_About()
                }
            }

            Column {
                x: 39
                y: 130
                width: 240
                spacing: 8

                Heading {
                    text: qsTr("KM Switch Device")
                }
                Text {
                    text: " " + qsTr("OrrinKM")
                    color: Theme.highlight
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.titleSize
                    font.bold: true
                }
                SwitchStatusLine {
                    objectName: "home_switch_status"
                    x: 4
                    width: 236
                    connected: switch_status.connected
                    accessDenied: switch_status.accessDenied
                    version: switch_status.version
                }
                Item { width: 1; height: 20 }
                Text {
                    text: qsTr("Load from file")
                    color: Theme.brand
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.textSize
                    font.bold: true
                }
                DialogButton {
                    id: open_button
                    objectName: "open_button"
                    width: 100
                    text: qsTr("Open")
                    onClicked: {
                        open_file_Dialog.active = true
                        FilePath.openIn(open_file_Dialog.item, main.fileDialogFolder())
                    }
                }
                Item { width: 1; height: 20 }
                Text {
                    text: qsTr("Open recent file")
                    color: Theme.brand
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.textSize
                    font.bold: true
                }
                Rectangle {
                    width: 182
                    height: 202
                    color: Theme.white
                    border.color: Theme.disabled

                    ListView {
                        id: recent_list
                        objectName: "recent_list"
                        x: 1
                        y: 1
                        width: 180
                        height: 200
                        clip: true
                        currentIndex: -1
                        model: file_list_model
                        highlightMoveDuration: 0
                        highlight: Rectangle { color: Theme.highlight }
                        // Keyboard: Up and Down as a press on the row, Enter opens it.
                        activeFocusOnTab: true
                        Accessible.role: Accessible.List
                        Accessible.name: qsTr("Open recent file")
                        Accessible.description: qsTr("Enter opens the chosen file, Delete removes it from the list.")
                        function choose(i) {
                            if (i < 0 || i >= count)
                                return
                            for (var j = 0; j < file_list_model.count; ++j)
                                file_list_model.setProperty(j, "show", j === i)
                            currentIndex = i
                        }
                        Keys.onUpPressed: choose(Math.max(0, currentIndex - 1))
                        Keys.onDownPressed: choose(currentIndex + 1)
                        Keys.onReturnPressed: if (currentIndex >= 0) main.loadFile(file_list_model.get(currentIndex).path)
                        Keys.onEnterPressed: if (currentIndex >= 0) main.loadFile(file_list_model.get(currentIndex).path)
                        Keys.onDeletePressed: main.removeRecentFile(currentIndex)

                        delegate: Item {
                            id: row
                            width: recent_list.width
                            height: 20

                            Text {
                                x: 4
                                // Clear of the marker, or of the row's controls.
                                width: (missing_marker.visible ? missing_marker.x - 4
                                        : parent.width - (row.ListView.isCurrentItem ? 44 : 28)) - x
                                height: parent.height
                                verticalAlignment: Text.AlignVCenter
                                text: model.file
                                // A file's name may be of any length.
                                readonly property bool elidesUserText: true
                                elide: Text.ElideMiddle
                                color: row.ListView.isCurrentItem ? Theme.white
                                                                  : model.missing ? Theme.muted : Theme.brand
                                font.family: Theme.fontFamily
                                font.pixelSize: Theme.listSize
                            }

                            // A file that is no longer there says so.
                            Text {
                                id: missing_marker
                                objectName: "missingMarker"
                                anchors.right: parent.right
                                anchors.rightMargin: row.ListView.isCurrentItem ? 44 : 4
                                height: parent.height
                                // Whole in every language; the name before it keeps
                                // room enough to be told apart.
                                width: Math.min(implicitWidth, parent.width - anchors.rightMargin - 64)
                                visible: model.missing
                                verticalAlignment: Text.AlignVCenter
                                text: qsTr("not found")
                                elide: Text.ElideRight
                                color: row.ListView.isCurrentItem ? Theme.white : Theme.missingFile
                                font.family: Theme.fontFamily
                                font.pixelSize: Theme.smallSize
                                font.italic: true
                            }

                            MouseArea {
                                anchors.fill: parent
                                onPressed: {
                                    for (var i = 0; i < file_list_model.count; ++i)
                                        file_list_model.setProperty(i, "show", i === index)
                                    recent_list.currentIndex = index
                                }
                                onDoubleClicked: main.loadFile(model.path)
                            }

                            // Takes the file off the list (the Delete key does the same).
                            Text {
                                objectName: "removeButton"
                                x: parent.width - 40
                                width: 16
                                height: parent.height
                                visible: model.show
                                text: "\u00D7"
                                horizontalAlignment: Text.AlignHCenter
                                verticalAlignment: Text.AlignVCenter
                                color: Theme.white
                                font.family: Theme.fontFamily
                                font.pixelSize: Theme.titleSize
                                font.bold: true
                                Accessible.role: Accessible.Button
                                Accessible.name: qsTr("Remove from the list")

                                MouseArea {
                                    anchors.fill: parent
                                    cursorShape: Qt.PointingHandCursor
                                    onPressed: main.removeRecentFile(index)
                                }
                            }

                            Image {
                                objectName: "openIcon"
                                x: parent.width - 20
                                y: 2
                                width: 16
                                height: 16
                                visible: model.show
                                source: "../Images/icon-open.png"

                                MouseArea {
                                    anchors.fill: parent
                                    cursorShape: Qt.PointingHandCursor
                                    onPressed: main.loadFile(model.path)
                                }
                            }
                        }
                    }
                    FocusRing {
                        target: recent_list
                    }
                }
            }

            Text {
                anchors.left: language_list.left
                anchors.bottom: language_list.top
                anchors.bottomMargin: 6
                text: qsTr("Language setting")
                color: Theme.brand
                font.family: Theme.fontFamily
                font.pixelSize: Theme.textSize
                font.bold: true
            }

            // On the closed list the arrow keys open it rather than step to
            // the next language: a language is asked for only when the user
            // picks one in the list (Enter or a click).
            ChoiceList {
                id: language_list
                objectName: "language_list"
                x: 39
                y: parent.height - 70
                width: 150
                model: language_model
                textRole: "text"
                currentIndex: main.storedLanguage()
                onCurrentIndexChanged: {
                    if (main.first !== 0 || currentIndex < 0)
                        return
                    main.showConfirm({
                        //: A label and its value, as in "Language setting: Deutsch"
                        msg: qsTr("%1: %2").arg(qsTr("Language setting")).arg(language_model.get(currentIndex).text),
                        dobtn: qsTr("OK"), cancelbtn: qsTr("Cancel"),
                        dofunc: main.changeLanguage,
                        cancelfunc: main.restoreLanguage,
                        closefunc: main.restoreLanguage,
                        showicon: 0, icon: 0
                    })
                }
            }
        }

        // Right panel: the template pages.
        Item {
            id: right_panel
            x: left_panel.width
            y: 0
            width: parent.width - left_panel.width
            height: parent.height

            Heading {
                x: 21
                y: 30
                text: qsTr("Select Template")
            }

            Item {
                id: template_pages
                objectName: "template_pages"
                x: 21
                y: 80
                width: 920
                height: 450

                TemplatePage {
                    id: template_page1
                    objectName: "template_page1"
                    onTurn: main.turnTemplatePage(step)
                    onCross: main.crossTemplatePage(step)
                    visible: main.template_page === 1
                    model: tempModel_page1
                    columns: 4
                    cellWidth: 230
                }
                TemplatePage {
                    id: template_page2
                    objectName: "template_page2"
                    onTurn: main.turnTemplatePage(step)
                    onCross: main.crossTemplatePage(step)
                    visible: main.template_page === 2
                    model: tempModel_page2
                    columns: 3
                    cellWidth: 300
                }
                TemplatePage {
                    id: template_page3
                    objectName: "template_page3"
                    onTurn: main.turnTemplatePage(step)
                    onCross: main.crossTemplatePage(step)
                    visible: main.template_page === 3
                    model: tempModel_page3
                    columns: 3
                    cellWidth: 300
                }
            }

            Row {
                id: page_arrows
                anchors.horizontalCenter: template_pages.horizontalCenter
                y: template_pages.y + template_pages.height + 40
                spacing: 24
                visible: template_pages.visible

                Image {
                    id: arrow_left
                    objectName: "arrow_left"
                    width: 32
                    height: 32
                    property bool atEnd: main.template_page <= 1
                    source: atEnd ? "../Images/arrow-left-disabled.png" : "../Images/arrow-left.png"
                    MouseArea {
                        anchors.fill: parent
                        enabled: !arrow_left.atEnd
                        cursorShape: enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
                        onClicked: main.template_page -= 1
                    }
                    // At the end the button is no Tab stop.
                    FocusRing {
                        id: arrow_left_ring
                        takesFocus: true
                        enabled: !arrow_left.atEnd
                        name: qsTr("Select Template") + " " + (main.template_page - 1)
                        onActivated: main.pressPageButton(-1)
                    }
                }

                Row {
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 8
                    Repeater {
                        model: 3
                        Rectangle {
                            width: 8
                            height: 8
                            radius: 4
                            color: main.template_page === index + 1 ? Theme.brand : Theme.disabled
                        }
                    }
                }

                Image {
                    id: arrow_right
                    objectName: "arrow_right"
                    width: 32
                    height: 32
                    property bool atEnd: main.template_page >= 3
                    source: atEnd ? "../Images/arrow-right-disabled.png" : "../Images/arrow-right.png"
                    MouseArea {
                        anchors.fill: parent
                        enabled: !arrow_right.atEnd
                        cursorShape: enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
                        onClicked: main.template_page += 1
                    }
                    FocusRing {
                        id: arrow_right_ring
                        takesFocus: true
                        enabled: !arrow_right.atEnd
                        name: qsTr("Select Template") + " " + (main.template_page + 1)
                        onActivated: main.pressPageButton(1)
                    }
                }
            }

            Loader {
                id: load_templates
                objectName: "load_templates"
                x: 0
                y: 0
                width: parent.width
                height: parent.height
                visible: false
            }
        }
    }

    // Editor page, created on first use and kept afterwards.
    Loader {
        id: setQml
        objectName: "setQml"
        x: 0
        y: head_part.height
        width: parent.width
        height: parent.height - head_part.height - footer.height
        visible: false
        // The page in front takes the keyboard, unless a pop-up has it.
        onVisibleChanged: {
            main.pageFocus = null
            if (!main.overlayShown)
                main.focusPage()
        }
    }

    Loader {
        id: footer
        objectName: "footer"
        x: 0
        y: parent.height - height
        width: parent.width
        height: 20
        source: "../FootControl.qml"
    }

    Loader {
        id: error_Qml
        objectName: "error_Qml"
        anchors.fill: parent
        z: 3
        visible: false
    }

    Loader {
        id: dialog_Qml
        objectName: "dialog_Qml"
        anchors.fill: parent
        z: 3
        visible: false
    }
}
