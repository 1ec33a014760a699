#include "fileio.h"

fileIo::fileIo(QObject *parent)
    : QObject(parent)
{
}
