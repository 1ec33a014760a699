#include "langswitch.h"

#include <QCoreApplication>
#include <QQmlComponent>
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
    // Each switch removes the previous translator and installs one.
    QCOMPARE(events.count, 4);
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

QTEST_MAIN(tst_LangSwitch)
#include "tst_langswitch.moc"
