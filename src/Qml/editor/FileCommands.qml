import QtQuick 2.12
import QtQuick.Dialogs 1.3
import Seamrun.Layout 1.0
import Seamrun.Files 1.0
import ".."
import "../filepath.js" as FilePath

// The editor's file commands: leaving for the home page, "New", "Open",
// "Save" and "Save as", with their questions and file dialogs, and writing
// the layout file. Each question before unsaved monitors are dropped has
// the button that keeps them as its default: Enter never discards the
// layout.
Item {
    id: files

    // The editor page (its checks, dialogs and file-name bar) and its desk.
    property Item editor: null
    property DeskModel desk: null

    function hasUnsavedMonitors() {
        return main.is_saved === 0 && files.editor.curmonitornum > 0
    }

    function goHomePage() {
        files.editor.closeMenuBar()
        if (hasUnsavedMonitors()) {
            main.showConfirm({
                msg: qsTr("Do you want to save the change? If yes, please save the configuration before leaving."),
                dobtn: qsTr("Home Page"), cancelbtn: qsTr("OK"),
                dofunc: main.goHome, cancelfunc: null, closefunc: null,
                showicon: 0, icon: 0, defaultbtn: "cancel"
            })
        } else {
            files.editor.hiddenPortlistDialog()
            files.editor.hiddenDelDialog()
            main.goHome()
        }
    }

    function newProfile() {
        if (hasUnsavedMonitors()) {
            main.showConfirm({
                msg: qsTr("Are you sure you want to create a new list without saving?"),
                dobtn: qsTr("Create"), cancelbtn: qsTr("Cancel"),
                dofunc: files.editor.newP, cancelfunc: null, closefunc: null,
                showicon: 0, icon: 0, defaultbtn: "cancel"
            })
        } else {
            newP()
        }
    }

    function loadFileDialog() {
        if (hasUnsavedMonitors()) {
            main.showConfirm({
                msg: qsTr("Are you sure you want to load a file without saving?"),
                dobtn: qsTr("Load"), cancelbtn: qsTr("Cancel"),
                dofunc: openLoadDialog, cancelfunc: null, closefunc: null,
                showicon: 0, icon: 0, defaultbtn: "cancel"
            })
        } else {
            openLoadDialog()
        }
    }

    function openLoadDialog() {
        load_file_Dialog.active = true
        FilePath.openIn(load_file_Dialog.item, main.fileDialogFolder())
    }

    // Saving needs a layout that passes the checks. "Save to local" (mode 1)
    // asks whether to save over the current file or under a new name; the
    // menu's "Save as" (mode 0) asks for the name at once.
    function saveFileDialog(mode) {
        if (!files.editor.checkDataValid(0))
            return
        if (!files.editor.checkRule())
            return
        if (mode === 1) {
            main.showConfirm({
                msg: qsTr("Save Profle"),
                dobtn: qsTr("Save as"), cancelbtn: qsTr("Save"),
                dofunc: select_file, cancelfunc: saveToCurrentFile, closefunc: null,
                showicon: 0, icon: 0
            })
        } else {
            select_file()
        }
    }

    function saveToCurrentFile() {
        var current = main.filePath.toString()
        if (current !== "")
            saveTolocal(current)
        else
            select_file()
    }

    function select_file() {
        save_file_Dialog.active = true
        FilePath.openIn(save_file_Dialog.item, main.fileDialogFolder())
    }

    // Every save goes through here. A name without an extension gets ".km",
    // so that Open lists the file: this Qt's save dialog hands back the name
    // as typed. The dialog only asked about replacing the name as typed, so
    // a file that already has the name with ".km" is replaced only when the
    // user says so (Enter keeps it).
    function saveTolocal(path) {
        var named = FilePath.withSuffix(path, "km")
        if (named !== String(path) && io.exists(named)) {
            main.showConfirm({
                msg: qsTr("%1 already exists. Do you want to replace it?").arg(FilePath.fileName(named)),
                dobtn: qsTr("Replace"), cancelbtn: qsTr("Cancel"),
                dofunc: function () { files.saveTolocal(named) }, cancelfunc: null, closefunc: null,
                showicon: 1, icon: 0, defaultbtn: "cancel"
            })
            return
        }
        path = named
        io.source = encrypt.get_userappdata_path()
        io.text = files.desk.text
        io.write()
        var target = FilePath.localPath(path)
        if (encrypt.encrypt_file(target)) {
            files.desk.markSaved()
            files.editor.syncSaved()
            main.filePath = path
            files.editor.fileTitle = FilePath.fileName(path)
            RecentFiles.add(main.filePath.toString())
            main.showAlert({ msg: qsTr("Save successfully.") + " \r\n" + target,
                             showicon: 1, icon: 1, okfunc: null, closefunc: null, title: "" })
        } else {
            main.showAlert({ msg: qsTr("Failed to save data.") + " \r\n" + target,
                             showicon: 1, icon: 0, okfunc: null, closefunc: null, title: "" })
        }
    }

    // The file dialogs are made the first time they are wanted.
    Loader {
        id: load_file_Dialog
        active: false
        sourceComponent: FileDialog {
            title: qsTr("Select a file")
            nameFilters: [qsTr("List Files (*.km)")]
            selectExisting: true
            selectMultiple: false
            onAccepted: main.loadFile(fileUrl.toString())
        }
    }

    Loader {
        id: save_file_Dialog
        active: false
        sourceComponent: FileDialog {
            title: qsTr("Input the file name")
            nameFilters: [qsTr("List Files (*.km)")]
            // This Qt's widget dialog ignores it; saveTolocal adds ".km" itself.
            defaultSuffix: "km"
            selectExisting: false
            selectMultiple: false
            onAccepted: files.saveTolocal(fileUrl.toString())
        }
    }
}
