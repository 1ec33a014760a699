#pragma once

#include "CipherExports.h"

#include <QDir>
#include <QString>

#include <string>

// The cipher library takes native wide paths: UTF-16 with the platform's
// separators. One conversion for the program and the tools.
inline std::basic_string<KmPathChar> nativeWide(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
#if defined(_WIN32)
    return native.toStdWString();
#else
    return native.toStdU16String();
#endif
}
