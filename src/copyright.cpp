#include "copyright.h"

comCopyright::comCopyright(QObject *parent)
    : QObject(parent)
{
}

QString comCopyright::getCompanyName()
{
    return QStringLiteral("Vesko");
}
