#ifndef LANGSWITCH_H
#define LANGSWITCH_H

#include <QObject>
#include <QString>

class QQmlEngine;

// Swaps the interface language at run time: loads one of the ten catalogues
// from the "lang" folder beside the executable and has the engine re-evaluate
// every translated text.
class LangSwitch : public QObject
{
    Q_OBJECT
public:
    // `catalogueDir` defaults to the application directory + "/lang/".
    explicit LangSwitch(QQmlEngine *engine, const QString &catalogueDir = QString());

    // Catalogue file of a language index; any index outside 0..9 is English.
    static QString catalogueFile(int index);

public slots:
    void changeLang(int index);

private:
    QQmlEngine *m_engine;
    QString m_catalogueDir;
};

#endif // LANGSWITCH_H
