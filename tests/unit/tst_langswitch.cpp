#include "langswitch.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtTest>

// Counts the language-change events the application receives: one per
// installed or removed translator.
class LanguageEvents : public QObject
{
public:
    int count = 0;
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

class tst_LangSwitch : public QObject
{
    Q_OBJECT
private slots:
    void catalogueTable_data();
    void catalogueTable();
    void switchesWithoutRestart();
    void keepsOneTranslator();
    void missingCatalogueKeepsTexts();
    void outOfRangeIsEnglish_data();
    void outOfRangeIsEnglish();
    void keyNamesFollowTheLanguage_data();
    void keyNamesFollowTheLanguage();
    void qtCatalogueTable();
};

static QString tr_hello()
{
    return QCoreApplication::translate("tst", "Hello");
}

void tst_LangSwitch::catalogueTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("file");
    const char *const files[] = {"en.qm", "cn_t.qm", "cn.qm", "jp.qm", "de.qm",
                                 "py.qm", "ko.qm", "fr.qm", "es.qm", "po.qm"};
    for (int i = 0; i < 10; ++i)
        QTest::addRow("%d", i) << i << QString::fromLatin1(files[i]);
    QTest::newRow("-1") << -1 << QStringLiteral("en.qm");
    QTest::newRow("10") << 10 << QStringLiteral("en.qm");
    QTest::newRow("INT_MIN") << INT_MIN << QStringLiteral("en.qm");
}

void tst_LangSwitch::catalogueTable()
{
    QFETCH(int, index);
    QFETCH(QString, file);
    QCOMPARE(LangSwitch::catalogueFile(index), file);
}

void tst_LangSwitch::switchesWithoutRestart()
{
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.12\nQtObject { property string text: qsTranslate(\"tst\", \"Hello\") }",
                      QUrl());
    QScopedPointer<QObject> screen(component.create());
    QVERIFY(screen);

    LangSwitch lang(&engine);
    lang.changeLang(3);
    QCOMPARE(screen->property("text").toString(), QStringLiteral("こんにちは"));
    lang.changeLang(4);
    QCOMPARE(screen->property("text").toString(), QStringLiteral("Hallo"));
}

void tst_LangSwitch::keepsOneTranslator()
{
    QQmlEngine engine;
    LangSwitch lang(&engine);
    lang.changeLang(3);
    LanguageEvents events;
    qApp->installEventFilter(&events);
    lang.changeLang(4);
    lang.changeLang(0);
    qApp->removeEventFilter(&events);
    // Each switch removes the previous translators and installs the new
    // ones: ours and Qt's key names for Japanese to German (2 + 2), German
    // to English ours only (2 + 1).
    QCOMPARE(events.count, 7);
    QCOMPARE(tr_hello(), QStringLiteral("Hello (English)"));

    // A second switcher shares the one translator of the process.
    LangSwitch other(&engine);
    other.changeLang(4);
    lang.changeLang(3);
    QCOMPARE(tr_hello(), QStringLiteral("こんにちは"));
}

void tst_LangSwitch::missingCatalogueKeepsTexts()
{
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.12\nQtObject { property string text: qsTranslate(\"tst\", \"Hello\") }",
                      QUrl());
    QScopedPointer<QObject> screen(component.create());
    LangSwitch lang(&engine);
    lang.changeLang(4);
    QCOMPARE(screen->property("text").toString(), QStringLiteral("Hallo"));

    lang.changeLang(7); // fr.qm is not there
    QCOMPARE(screen->property("text").toString(), QStringLiteral("Hallo"));
    // Nothing is installed: texts evaluated from now on are the source texts.
    QCOMPARE(tr_hello(), QStringLiteral("Hello"));

    LangSwitch elsewhere(&engine, QDir::tempPath() + QStringLiteral("/no-such-folder"));
    elsewhere.changeLang(3);
    QCOMPARE(screen->property("text").toString(), QStringLiteral("Hallo"));
}

void tst_LangSwitch::outOfRangeIsEnglish_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("10") << 10;
}

void tst_LangSwitch::outOfRangeIsEnglish()
{
    QFETCH(int, index);
    QQmlEngine engine;
    LangSwitch lang(&engine);
    lang.changeLang(3);
    lang.changeLang(index);
    QCOMPARE(tr_hello(), QStringLiteral("Hello (English)"));
}

// Key names as the platform writes them, from Qt's own catalogue of the
// language; English where Qt or our catalogues have none.
void tst_LangSwitch::keyNamesFollowTheLanguage_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("de menu") << 4 << "Ctrl+Shift+S" << QStringLiteral("Strg+Umschalt+S");
    QTest::newRow("de two chords") << 4 << "Ctrl+Y, Ctrl+Shift+Z" << QStringLiteral("Strg+Y, Strg+Umschalt+Z");
    QTest::newRow("de modifier alone") << 4 << "Ctrl" << QStringLiteral("Strg");
    QTest::newRow("de Tab") << 4 << "Tab, Shift+Tab" << QStringLiteral("Tab, Umschalt+Tab");
    QTest::newRow("en") << 0 << "Ctrl+Shift+S" << QStringLiteral("Ctrl+Shift+S");
    QTest::newRow("ja keeps Latin names") << 3 << "Ctrl+Shift+S" << QStringLiteral("Ctrl+Shift+S");
    // No catalogue of ours for French here: nothing of French is installed.
    QTest::newRow("fr not installed") << 7 << "Ctrl+Shift+S" << QStringLiteral("Ctrl+Shift+S");
    QTest::newRow("not a key") << 4 << "arrow keys" << QStringLiteral("arrow keys");
}

void tst_LangSwitch::keyNamesFollowTheLanguage()
{
    QFETCH(int, index);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.12\nQtObject { property string text: { lang.language; return lang.keyText(\"Ctrl+S\") } }",
                      QUrl());
    LangSwitch lang(&engine);
    engine.rootContext()->setContextProperty(QStringLiteral("lang"), &lang);
    QScopedPointer<QObject> screen(component.create());
    QVERIFY(screen);

    lang.changeLang(index);
    QCOMPARE(lang.keyText(keys), shown);
    // A screen that names a key follows the switch, and back again.
    const int german = 4;
    QCOMPARE(screen->property("text").toString(), index == german ? QStringLiteral("Strg+S") : QStringLiteral("Ctrl+S"));
    lang.changeLang(0);
    QCOMPARE(lang.keyText(keys), keys);
    QCOMPARE(screen->property("text").toString(), QStringLiteral("Ctrl+S"));
}

void tst_LangSwitch::qtCatalogueTable()
{
    // Every language but English has a Qt catalogue where the set-up puts Qt's.
    for (int i = 1; i < 10; ++i) {
        const QString file = QLibraryInfo::location(QLibraryInfo::TranslationsPath) + QLatin1Char('/')
                             + LangSwitch::qtCatalogue(i) + QStringLiteral(".qm");
        QVERIFY2(QFile::exists(file), qPrintable(file));
    }
    QCOMPARE(LangSwitch::qtCatalogue(0), QString());
    QCOMPARE(LangSwitch::qtCatalogue(10), QString());
}

QTEST_MAIN(tst_LangSwitch)
#include "tst_langswitch.moc"
