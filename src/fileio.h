#ifndef FILEIO_H
#define FILEIO_H

#include <QObject>

// Plain-text access to the layout file (published as "io").
class fileIo : public QObject
{
    Q_OBJECT
public:
    explicit fileIo(QObject *parent = nullptr);
};

#endif // FILEIO_H
