#ifndef REGEDIT_H
#define REGEDIT_H

#include <QObject>
#include <QString>
#include <QVariant>

// The user's preferences ("language", "file-recent", "showTutorial") as text
// values in the platform's native settings store. Every call opens the store
// afresh and every write is on disk before the call returns.
class regedit : public QObject
{
    Q_OBJECT
public:
    explicit regedit(QObject *parent = nullptr);

    Q_INVOKABLE void setRegedit(const QString &key, const QVariant &value);
    Q_INVOKABLE QString readRegedit(const QString &key, const QVariant &defaultValue);
    Q_INVOKABLE QString readRegedit(const QString &key);
};

#endif // REGEDIT_H
