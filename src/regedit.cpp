#include "regedit.h"

#include <QCoreApplication>
#include <QSettings>

// Organization "Vesko" and the application name, as the application object
// sets them: HKCU\Software\Vesko\<application> on Windows, the per-user
// configuration file elsewhere.
#define SEAMRUN_SETTINGS(var) \
    QSettings var(QSettings::NativeFormat, QSettings::UserScope, \
                  QCoreApplication::organizationName(), \
                  QCoreApplication::applicationName())

regedit::regedit(QObject *parent)
    : QObject(parent)
{
}

void regedit::setRegedit(const QString &key, const QVariant &value)
{
    SEAMRUN_SETTINGS(settings);
    settings.setValue(key, value.toString());
    settings.sync();
}

QString regedit::readRegedit(const QString &key, const QVariant &defaultValue)
{
    SEAMRUN_SETTINGS(settings);
    return settings.value(key, defaultValue).toString();
}

QString regedit::readRegedit(const QString &key)
{
    return readRegedit(key, QString());
}
