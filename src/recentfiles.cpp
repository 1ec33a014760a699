#include "recentfiles.h"

#include "regedit.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTextCodec>
#include <QVariantMap>

namespace {

const QString kKey = QStringLiteral("file-recent");

int hexValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

QString listText(const QStringList &paths)
{
    QJsonArray list;
    for (const QString &path : paths)
        list.append(QJsonObject{{QStringLiteral("path"), path}});
    return QString::fromUtf8(
        QJsonDocument(QJsonObject{{QStringLiteral("filelist"), list}}).toJson(QJsonDocument::Compact));
}

} // namespace

RecentFiles::RecentFiles(QObject *parent)
    : QObject(parent)
{
}

QObject *RecentFiles::create(QQmlEngine *, QJSEngine *)
{
    return new RecentFiles;
}

bool RecentFiles::decode(const QString &stored, QString *decoded)
{
    QByteArray bytes;
    int run = 0; // start of the text since the last escape
    for (int i = 0; i < stored.size(); ++i) {
        if (stored.at(i) != QLatin1Char('%'))
            continue;
        if (i + 2 >= stored.size())
            return false;
        const int high = hexValue(stored.at(i + 1));
        const int low = hexValue(stored.at(i + 2));
        if (high < 0 || low < 0)
            return false;
        bytes += stored.mid(run, i - run).toUtf8();
        bytes += char(high * 16 + low);
        i += 2;
        run = i + 1;
    }
    bytes += stored.mid(run).toUtf8();
    // The escaped bytes must be UTF-8, as the text around them is.
    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForMib(106)->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars != 0 || state.remainingChars != 0)
        return false;
    *decoded = text;
    return true;
}

QStringList RecentFiles::paths(const QString &stored, bool *isList)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(stored.toUtf8(), &error);
    const QJsonValue list = document.isObject() ? document.object().value(QStringLiteral("filelist")) : QJsonValue();
    if (isList)
        *isList = error.error == QJsonParseError::NoError && list.isArray();
    QStringList paths;
    QSet<QString> seen;
    const QJsonArray entries = list.toArray();
    for (const QJsonValue &entry : entries) {
        const QJsonValue path = entry.toObject().value(QStringLiteral("path"));
        QString decoded;
        if (!path.isString() || path.toString().isEmpty() || seen.contains(path.toString())
            || !decode(path.toString(), &decoded))
            continue;
        seen.insert(path.toString());
        paths.append(path.toString());
    }
    return paths;
}

QString RecentFiles::localPath(const QString &stored)
{
    QString path;
    if (!decode(stored, &path))
        return QString();
    if (path.startsWith(QLatin1String("file://"))) {
        path = path.mid(7);
#if defined(Q_OS_WIN)
        if (path.size() >= 3 && path.at(0) == QLatin1Char('/') && path.at(1).isLetter()
            && path.at(2) == QLatin1Char(':'))
            path = path.mid(1);
#endif
    }
    return path;
}

QString RecentFiles::withFile(const QString &stored, const QString &path)
{
    QStringList list = paths(stored);
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > kMaxFiles)
        list.removeLast();
    return listText(list);
}

QString RecentFiles::withoutFile(const QString &stored, const QString &path)
{
    QStringList list = paths(stored);
    list.removeAll(path);
    return listText(list);
}

QVariantList RecentFiles::entries() const
{
    regedit settings;
    bool isList = false;
    const QString stored = settings.readRegedit(kKey);
    const QStringList list = paths(stored, &isList);
    // A text that is no list is put back to empty; an empty one (or none,
    // before the first file) is that already and costs no write.
    if (!isList && !stored.isEmpty())
        settings.setRegedit(kKey, QString());
    QVariantList shown;
    for (const QString &path : list) {
        if (shown.size() == kMaxFiles)
            break;
        QString decoded;
        decode(path, &decoded);
        shown.append(QVariantMap{{QStringLiteral("file"), decoded.mid(decoded.lastIndexOf(QLatin1Char('/')) + 1)},
                                 {QStringLiteral("path"), path},
                                 {QStringLiteral("missing"), !exists(path)}});
    }
    return shown;
}

void RecentFiles::add(const QString &path) const
{
    regedit settings;
    settings.setRegedit(kKey, withFile(settings.readRegedit(kKey), path));
}

bool RecentFiles::remove(const QString &path) const
{
    regedit settings;
    const QString stored = settings.readRegedit(kKey);
    if (!paths(stored).contains(path))
        return false;
    settings.setRegedit(kKey, withoutFile(stored, path));
    return true;
}

bool RecentFiles::exists(const QString &path) const
{
    const QString local = localPath(path);
    return !local.isEmpty() && QFileInfo::exists(local);
}
