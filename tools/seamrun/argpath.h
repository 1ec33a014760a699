#ifndef SEAMRUN_ARGPATH_H
#define SEAMRUN_ARGPATH_H

#include <QByteArray>
#include <QString>

// File names from the command line. On Unix a name is bytes, and it need not
// be text in the locale's encoding (a file copied from an older system, an
// archive made elsewhere): "bad\xff.km" is a file all the same, and kmcrypt
// opens it by the bytes it was given. Such a name is kept exactly: each byte
// that is not text in the locale's encoding travels inside the QString as one
// stand-in character (U+DC80 + the byte, a lone surrogate that no text
// holds), so the name's bytes come back unchanged for opening it, and it
// prints with those bytes written as "\xFF".

// The command-line argument as the tool handles it.
QString argumentText(const QByteArray &raw);
// The bytes to open: exactly the argument the text came from.
QByteArray nativePath(const QString &text);
// The text for messages and JSON: stand-ins for bytes shown as "\xFF".
QString printableText(const QString &text);

#endif // SEAMRUN_ARGPATH_H
