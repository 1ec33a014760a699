import QtQuick 2.12
import "templates.js" as Templates

// The layouts of the template configurations, from the template table. The
// main window makes it the first time a template is built, so that the
// table is not read before the first frame.
QtObject {
    function layoutText(modelId) {
        return Templates.layoutText(modelId)
    }
}
