#ifndef RECENTFILES_H
#define RECENTFILES_H

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

class QQmlEngine;
class QJSEngine;

// The recent-file list: the one place that reads and writes the settings
// value "file-recent" (through regedit), published to the screens as the
// singleton RecentFiles (module Seamrun.Files). The value is JSON text,
// {"filelist":[{"path":URL}, ...]}, most recent first, as the file dialogs
// give the URLs (percent-encoded). It may have been edited by hand: an entry
// that is no object, has no "path" text, has broken percent-encoding or
// repeats an earlier path is skipped and the good ones are kept; a list of
// thousands shows its first ten.
class RecentFiles : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxFiles = 10;

    explicit RecentFiles(QObject *parent = nullptr);
    static QObject *create(QQmlEngine *engine, QJSEngine *scriptEngine);

    // Rules on the stored text, without the settings or the disk.
    // The usable paths in order, no path twice, all of them. `isList` is
    // false when the text is no JSON object with a "filelist" array.
    static QStringList paths(const QString &stored, bool *isList = nullptr);
    // A stored URL text with its percent-encoding undone, as
    // decodeURIComponent does it; false when the encoding is broken (a "%"
    // without two hex digits, bytes that are no UTF-8).
    static bool decode(const QString &stored, QString *decoded);
    // The local file a stored URL text names ("file:///C:/a.km" -> "C:/a.km"
    // on Windows, "file:///home/a.km" -> "/home/a.km").
    static QString localPath(const QString &stored);
    // The list with `path` first (moved there if listed), at most ten.
    static QString withFile(const QString &stored, const QString &path);
    // The list without `path`.
    static QString withoutFile(const QString &stored, const QString &path);

    // The list as the home page shows it: at most ten entries, each
    // {file: name after the last "/", path: the stored text, missing: no
    // such file now}. A value that is no list at all is reset to "".
    Q_INVOKABLE QVariantList entries() const;
    // `path` used now: first in the list.
    Q_INVOKABLE void add(const QString &path) const;
    // Takes `path` out of the list; false when it was not listed.
    Q_INVOKABLE bool remove(const QString &path) const;
    // Whether the file a stored URL text names is there.
    Q_INVOKABLE bool exists(const QString &path) const;
};

#endif // RECENTFILES_H
