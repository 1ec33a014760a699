#ifndef LANGSWITCH_H
#define LANGSWITCH_H

#include <QObject>
#include <QString>

class QQmlEngine;

// Swaps the interface language at run time: loads one of the ten catalogues
// from the "lang" folder beside the executable and has the engine re-evaluate
// every translated text. Beside ours it loads Qt's own catalogue of the
// language, which names the keys ("Strg+Umschalt+S" in German); where Qt has
// none for a language, key names stay English.
class LangSwitch : public QObject
{
    Q_OBJECT
    // Index of the language in force (0 = English until a switch).
    Q_PROPERTY(int language READ language NOTIFY languageChanged)
public:
    // `catalogueDir` defaults to the application directory + "/lang/",
    // `qtCatalogueDir` to Qt's translations folder.
    explicit LangSwitch(QQmlEngine *engine, const QString &catalogueDir = QString(),
                        const QString &qtCatalogueDir = QString());

    // Catalogue file of a language index; any index outside 0..9 is English.
    static QString catalogueFile(int index);
    // Base name of Qt's catalogue for a language index ("qtbase_de"); empty
    // for English and any index outside 0..9.
    static QString qtCatalogue(int index);

    int language() const { return m_language; }

    // A key or key combination written as in the code ("Ctrl+Shift+S",
    // "Ctrl+Y, Ctrl+Shift+Z", or a modifier alone: "Ctrl") the way the
    // platform shows it in the language in force.
    Q_INVOKABLE QString keyText(const QString &keys) const;

public slots:
    void changeLang(int index);

signals:
    void languageChanged();

private:
    QQmlEngine *m_engine;
    QString m_catalogueDir;
    QString m_qtCatalogueDir;
    int m_language = 0;
};

#endif // LANGSWITCH_H
