#ifndef FILEENCRYPT_H
#define FILEENCRYPT_H

#include <QObject>

// Save and open pipeline of protected layout files (published as "encrypt").
class fileEncrypt : public QObject
{
    Q_OBJECT
public:
    explicit fileEncrypt(QObject *parent = nullptr);
};

#endif // FILEENCRYPT_H
