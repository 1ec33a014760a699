import QtQuick 2.12
import QtQuick.Dialogs 1.3

// The home page's Open dialog; the main window makes it when the user first
// asks for it.
FileDialog {
    title: qsTr("Select a file")
    nameFilters: [qsTr("List Files (*.km)")]
    selectExisting: true
    selectMultiple: false
    onAccepted: main.loadFile(fileUrl)
}
