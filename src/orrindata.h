#ifndef ORRINDATA_H
#define ORRINDATA_H

#include <QObject>

// The switch as the screens see it (QML type "OrrinData").
class OrrinData : public QObject
{
    Q_OBJECT
public:
    explicit OrrinData(QObject *parent = nullptr);
};

#endif // ORRINDATA_H
