pragma Singleton
import QtQuick 2.12

// The layout editor's logging category: its console lines read
// "seamrun.editor: port OK", and QT_LOGGING_RULES="seamrun.editor.debug=false"
// silences them.
QtObject {
    readonly property LoggingCategory category: LoggingCategory {
        name: "seamrun.editor"
    }
}
