#include "fileEncrypt.h"

fileEncrypt::fileEncrypt(QObject *parent)
    : QObject(parent)
{
}
