#ifndef SEAMRUN_TESTS_DESKCELLS_H
#define SEAMRUN_TESTS_DESKCELLS_H

// Desks written as short texts for test tables: monitors as
// "row,col,port,number[,width,height]", separated by spaces, in placing
// order; 1920 x 1080 unless given, standing as their size says.

#include "desk/desk.h"
#include "desk/deskrules.h"

#include <QString>
#include <QStringList>
#include <QVector>

inline QVector<Monitor> monitorsOf(const QString &cells)
{
    QVector<Monitor> list;
    for (const QString &item : cells.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList v = item.split(QLatin1Char(','));
        Monitor m;
        m.row = v.value(0).toInt();
        m.col = v.value(1).toInt();
        m.port = v.value(2).toInt();
        m.number = v.value(3).toInt();
        m.width = v.size() > 4 ? v.at(4).toInt() : 1920;
        m.height = v.size() > 5 ? v.at(5).toInt() : 1080;
        m.orientation = DeskRules::orientationOf(m.width, m.height);
        list.append(m);
    }
    return list;
}

#endif // SEAMRUN_TESTS_DESKCELLS_H
