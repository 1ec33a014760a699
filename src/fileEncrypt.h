#ifndef FILEENCRYPT_H
#define FILEENCRYPT_H

#include <QObject>
#include <QString>

// Save and open pipeline of protected layout files (published as "encrypt").
// The screens write the plain layout into a fixed temporary file in AppData
// through "io"; encrypt_file() turns it into the protected file the user
// chose, decrypt_file() runs the other way and leaves the plain text there.
class fileEncrypt : public QObject
{
    Q_OBJECT
public:
    // Nothing near a layout (or the resolution list) is this big: a larger
    // file is the wrong file, and decrypting it would only stall the screens.
    static constexpr qint64 kMaxProtectedFileSize = 1024 * 1024;

    explicit fileEncrypt(QObject *parent = nullptr);

    // `distFilePath` is a local path with forward slashes; a "file:" URL is
    // accepted as well. Saving to a symbolic link writes the file it leads
    // to, and a file that is replaced keeps its permissions.
    Q_INVOKABLE bool encrypt_file(const QString &distFilePath);
    Q_INVOKABLE bool decrypt_file(const QString &distFilePath);
    Q_INVOKABLE void delete_tempfile();
    Q_INVOKABLE QString get_userdocument_path();
    Q_INVOKABLE QString get_userappdata_path();

    // The same path as a local path, for C++ callers and tests; empty when
    // there is no usable AppData folder.
    static QString plainTempFile();
    static QString layoutFolder();
};

#endif // FILEENCRYPT_H
