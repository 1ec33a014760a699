#include "desk/deskfile.h"

#include "desk/deskreader.h"
#include "desk/deskrules.h"

namespace DeskFile {

QString text(const Desk &desk)
{
    const MouseSettings &mouse = desk.mouse;
    QString out;
    out.reserve(160 + 96 * desk.monitors.size());
    out += QLatin1String("[{\"acceleration\":\"") + QString::number(mouse.acceleration)
           + QLatin1String("\",\"speed\":\"") + QString::number(mouse.speed)
           + QLatin1String("\",\"position\":\"") + QString::number(mouse.position)
           + QLatin1String("\",\"switching_focus\":") + QString::number(mouse.focus)
           + QLatin1String(",\"duration_time\":") + QString::number(mouse.duration)
           + QLatin1String(",\"keep_awake\":") + QString::number(mouse.awake)
           + QLatin1String(",\"monitorlist\":[");
    bool first = true;
    for (const Monitor &m : DeskRules::inGridOrder(desk.monitors)) {
        if (!first)
            out += QLatin1Char(',');
        first = false;
        out += QLatin1String("{\"row\":\"") + QString::number(m.row)
               + QLatin1String("\",\"col\":\"") + QString::number(m.col)
               + QLatin1String("\",\"width\":\"") + QString::number(m.width)
               + QLatin1String("\",\"height\":\"") + QString::number(m.height)
               + QLatin1String("\",\"portnum\":\"") + QString::number(m.port)
               + QLatin1String("\",\"monitornum\":\"") + m.numberText() + QLatin1String("\"}");
    }
    out += QLatin1String("]}]");
    return out;
}

bool parse(const QString &text, QVariant *layout)
{
    QVariant parsed;
    if (!DeskReader::parseJson(text, &parsed) || !DeskReader::acceptable(parsed))
        return false;
    // Whatever is not a list holds no layout record: an empty layout, kept as
    // a list so every reader takes it as one.
    *layout = parsed.userType() == QMetaType::QVariantList ? parsed : QVariant(QVariantList());
    return true;
}

std::optional<Desk> read(const QString &text)
{
    QVariant layout;
    if (!parse(text, &layout))
        return std::nullopt;
    return DeskReader::desk(layout);
}

} // namespace DeskFile
