import QtQuick 2.12
import Seamrun.Layout 1.0
import ".."
import "../filepath.js" as FilePath

// The resolution drop-down's entries {resolution, arrange}: "Select
// Resolution" first, then the resolutions shipped with the program
// (resolution.res) as a monitor standing `arrange` ("h" or "v") shows them.
ListModel {
    id: choices

    // The shipped list as read, a JSON text; empty when it could not be.
    property string json: ""
    // The first entry follows the language in force.
    readonly property string noResolutionText: qsTr("Select Resolution")

    function load() {
        io.source = encrypt.get_userappdata_path()
        if (encrypt.decrypt_file(FilePath.localPath(appDirPath) + "/resolution.res")) {
            io.read()
            json = io.text
            encrypt.delete_tempfile()
        }
    }

    // The entries for orientation `arrange`. A missing or damaged list
    // leaves only "Select Resolution".
    function fill(arrange) {
        var entries = Layout.resolutionEntries(json, arrange)
        if (entries === null) {
            console.log(EditorLog.category, "parsing resource failed")
            entries = []
        }
        var rows = [{ resolution: noResolutionText, arrange: arrange }]
        for (var i = 0; i < entries.length; ++i)
            rows.push({ resolution: entries[i], arrange: arrange })
        clear()
        append(rows)
    }

    // The entry that shows width x height; 0 ("Select Resolution") for none.
    function entryOf(width, height) {
        if (width === 0)
            return 0
        var text = width + " * " + height
        for (var i = 1; i < count; ++i)
            if (get(i).resolution === text)
                return i
        return 0
    }

    onNoResolutionTextChanged: {
        if (count > 0)
            setProperty(0, "resolution", noResolutionText)
    }
}
