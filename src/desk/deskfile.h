#ifndef DESKFILE_H
#define DESKFILE_H

// The plain text of a layout file ("*.km" before protection), both ways.
//
// The text is compact JSON: an array with one object whose members come in
// this order: "acceleration", "speed", "position" (the mouse's first three
// values, as JSON strings), "switching_focus", "duration_time", "keep_awake"
// (JSON numbers) and "monitorlist", one object per monitor in grid order
// with "row", "col", "width", "height", "portnum" (decimal texts) and
// "monitornum" (two digits). The orientation is not stored. Files written by
// older versions and by hand may differ in every way the reader accepts
// (deskreader.h); what is written is always this form.

#include "desk/desk.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace DeskFile {

// The layout file text of a desk.
QString text(const Desk &desk);

// The desk of a layout file text; nothing when the editor would refuse the
// file as invalid (no JSON, or a monitor list it cannot hold: see
// DeskReader::acceptable).
std::optional<Desk> read(const QString &text);

// The parsed JSON of a layout file text, when the editor opens it: the form
// the screens keep as the loaded layout (main.filedata). Content that is no
// list at all opens as an empty list.
bool parse(const QString &text, QVariant *layout);

} // namespace DeskFile

#endif // DESKFILE_H
