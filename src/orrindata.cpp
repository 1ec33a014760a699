#include "orrindata.h"

OrrinData::OrrinData(QObject *parent)
    : QObject(parent)
{
}
