.pragma library
.import "templatedata.js" as TemplateData

// The template table shipped with the program (data/templates.json, built
// into the script templatedata.js): the home page's template list and the
// monitors of every template configuration, by model id ("07-02"). Read once
// per engine and shared by every screen that imports this file.

var table = null

function load() {
    if (table !== null)
        return table
    var parsed = TemplateData.table
    if (parsed && typeof parsed.configurations === "object" && parsed.configurations !== null) {
        table = parsed
    } else {
        // Without a usable table no template can be built; the program
        // itself keeps working.
        console.warn("templates: the template table has no configurations")
        table = { pages: [], configurations: {} }
    }
    return table
}

// The configuration of a model id, or null when the table has none. Only the
// table's own members count: "constructor" or "__proto__" are no model ids.
function configuration(modelId) {
    var all = load().configurations
    var id = String(modelId)
    return Object.prototype.hasOwnProperty.call(all, id) ? all[id] : null
}

// The layout file text of a configuration: the mouse settings of a fresh
// layout and the monitors in the table's order, every value a JSON string.
// Empty for an unknown model id.
function layoutText(modelId) {
    var config = configuration(modelId)
    if (config === null || !Array.isArray(config.monitorlist))
        return ""
    var text = "[{\"acceleration\":\"0\",\"speed\":\"0\",\"position\":\"4\",\"monitorlist\":["
    var members = ["row", "col", "width", "height", "portnum", "monitornum"]
    var monitors = config.monitorlist
    for (var i = 0; i < monitors.length; ++i) {
        var parts = []
        for (var m = 0; m < members.length; ++m)
            parts.push(JSON.stringify(members[m]) + ":" + JSON.stringify(String(monitors[i][members[m]])))
        text += "{" + parts.join(",") + "},"
    }
    // Only a trailing comma goes: a configuration without monitors must not
    // lose the list's opening bracket.
    if (text.charAt(text.length - 1) === ",")
        text = text.substring(0, text.length - 1)
    return text + "]}]"
}
