.pragma library

// File URLs as the file dialogs and the recent-file list hold them
// ("file:///C:/My%20Desk/a.km" on Windows, "file:///home/me/a.km" here),
// turned into what the native objects open and what the user reads.

// Local path of a file URL, percent-decoding undone. Only the scheme is cut:
// on Unix the path keeps its leading "/", on Windows the "/" before the drive
// letter goes. Text that is not valid percent-encoding is kept as it is
// rather than failing.
function localPath(url) {
    var text = String(url)
    if (text.indexOf("file://") === 0) {
        text = text.substring(7)
        if (/^\/[A-Za-z]:/.test(text))
            text = text.substring(1)
    }
    try {
        return decodeURIComponent(text)
    } catch (e) {
        return text
    }
}

// The name a file is shown under: the decoded text after the last "/".
function fileName(url) {
    var text = String(url)
    try {
        text = decodeURIComponent(text)
    } catch (e) {
    }
    return text.substring(text.lastIndexOf("/") + 1)
}

// Folder of a file as the user reads it: its local path up to the last "/".
function folderPath(url) {
    var path = localPath(url)
    var cut = path.lastIndexOf("/")
    return cut > 0 ? path.substring(0, cut) : path.substring(0, cut + 1)
}

// URL of the folder holding a file URL, for a file dialog's start folder.
function folderUrl(url) {
    var text = String(url)
    var cut = text.lastIndexOf("/")
    return cut >= 0 ? text.substring(0, cut) : text
}

// A file URL whose name has no extension gets ".`suffix`": "office" becomes
// "office.km" and "office." too; "office.km" and "office.v2" stay. A dot
// that only starts a name (".office") is no extension.
function withSuffix(url, suffix) {
    var text = String(url)
    var name = text.substring(text.lastIndexOf("/") + 1)
    if (name === "")
        return text
    var dot = name.lastIndexOf(".")
    if (dot > 0 && dot < name.length - 1)
        return text
    return text + (dot > 0 ? "" : ".") + suffix
}

// Opens a file dialog listing `folder`. This Qt's file dialog only comes into
// being when it is first opened and ignores a folder it was given before
// that; a folder given once it is open takes effect. It is given both ways,
// so the dialog starts there on every platform and at every opening.
function openIn(dialog, folder) {
    dialog.folder = folder
    dialog.open()
    dialog.folder = folder
}
