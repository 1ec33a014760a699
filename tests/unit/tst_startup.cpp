#include "startup.h"
#include "regedit.h"

#include <QCoreApplication>
#include <QQmlContext>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

class tst_Startup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void rootScreen_data();
    void rootScreen();
    void storedLanguage_data();
    void storedLanguage();
    void publishesEveryNameBeforeAnyScreen();
    void screensReachTheDeskModel();
    void appliesStoredLanguage_data();
    void appliesStoredLanguage();
};

void tst_Startup::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vesko"));
    QCoreApplication::setApplicationName(QStringLiteral("Seamrun Switching Configuration Utility"));
}

void tst_Startup::rootScreen_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("url");

    const QString main = QStringLiteral("qrc:/Qml/main.qml");
    const QString notice = QStringLiteral("qrc:/Qml/foreword.qml");
    const QString running = QStringLiteral("qrc:/Qml/aprunned.qml");
    QTest::newRow("exactly 1440x900") << false << QSize(1440, 900) << main;
    QTest::newRow("full hd") << false << QSize(1920, 1080) << main;
    QTest::newRow("one column short") << false << QSize(1439, 1080) << notice;
    QTest::newRow("one row short") << false << QSize(1920, 899) << notice;
    QTest::newRow("laptop 1366x768") << false << QSize(1366, 768) << notice;
    QTest::newRow("no screen") << false << QSize() << notice;
    QTest::newRow("second instance, large screen") << true << QSize(3840, 2160) << running;
    QTest::newRow("second instance, small screen") << true << QSize(800, 600) << running;
}

void tst_Startup::rootScreen()
{
    QFETCH(bool, running);
    QFETCH(QSize, screen);
    QFETCH(QString, url);
    QCOMPARE(startup::chooseRootScreen(running, screen), url);
}

void tst_Startup::storedLanguage_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: key absent
    QTest::addColumn<int>("index");
    QTest::newRow("absent") << QVariant() << 0;
    QTest::newRow("empty") << QVariant(QString()) << 0;
    QTest::newRow("japanese") << QVariant(QStringLiteral("3")) << 3;
    QTest::newRow("not a number") << QVariant(QStringLiteral("jp")) << 0;
    QTest::newRow("trailing junk") << QVariant(QStringLiteral("3x")) << 0;
    // Out-of-range values are passed on; the switcher maps them to English.
    QTest::newRow("negative") << QVariant(QStringLiteral("-1")) << -1;
    QTest::newRow("above 9") << QVariant(QStringLiteral("12")) << 12;
}

void tst_Startup::storedLanguage()
{
    QFETCH(QVariant, stored);
    QFETCH(int, index);
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
              QCoreApplication::applicationName()).clear();
    regedit settings;
    if (stored.isValid())
        settings.setRegedit(QStringLiteral("language"), stored);
    QCOMPARE(startup::NativeObjects::storedLanguage(settings), index);
}

void tst_Startup::publishesEveryNameBeforeAnyScreen()
{
    QQmlEngine engine;
    startup::NativeObjects objects(&engine);
    QQmlContext *context = engine.rootContext();
    const char *const objectNames[] = {"regedit", "encrypt", "io", "com", "process", "lang"};
    for (const char *name : objectNames) {
        QObject *object = context->contextProperty(QString::fromLatin1(name)).value<QObject *>();
        QVERIFY2(object, name);
    }
    QCOMPARE(context->contextProperty(QStringLiteral("mainwindow")).value<QObject *>(), &engine);
    QCOMPARE(context->contextProperty(QStringLiteral("appDirPath")).toString(),
             QCoreApplication::applicationDirPath());
    QVERIFY(!QCoreApplication::applicationDirPath().endsWith(QLatin1Char('/')));

    // The screens see the same names, and can create the device object.
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.12\nimport Qt.Quick.OrrinData 1.0\n"
                      "QtObject { property var names: [typeof regedit, typeof encrypt, typeof io,"
                      " typeof com, typeof mainwindow, typeof appDirPath, typeof process, typeof lang];"
                      " property var device: OrrinData {} }",
                      QUrl());
    QScopedPointer<QObject> probe(component.create());
    QVERIFY2(probe, qPrintable(component.errorString()));
    const QStringList types = probe->property("names").toStringList();
    QCOMPARE(types, QStringList({"object", "object", "object", "object", "object", "string", "object", "object"}));
    QVERIFY(probe->property("device").value<QObject *>());
}

// The desk model is a type the screens can make, and its undo stack's
// state is readable from them (canUndo for the buttons).
void tst_Startup::screensReachTheDeskModel()
{
    QQmlEngine engine;
    startup::NativeObjects objects(&engine);
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.12\nimport Seamrun.Layout 1.0\n"
                      "DeskModel { property var steps: [];"
                      " Component.onCompleted: {"
                      "  steps.push(place(2, 3, 1920, 1080, \"h\"), count, undoStack.canUndo, saved, litPort);"
                      "  steps.push(undo(), count, undoStack.canUndo, undoStack.canRedo, saved) } }",
                      QUrl());
    QScopedPointer<QObject> probe(component.create());
    QVERIFY2(probe, qPrintable(component.errorString()));
    QCOMPARE(probe->property("steps").toList(),
             QVariantList({true, 1, true, false, 1, true, 0, false, true, true}));
}

void tst_Startup::appliesStoredLanguage_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: key absent
    QTest::addColumn<QString>("hello");
    QTest::newRow("absent") << QVariant() << QStringLiteral("Hello (English)");
    QTest::newRow("empty") << QVariant(QString()) << QStringLiteral("Hello (English)");
    QTest::newRow("japanese") << QVariant(QStringLiteral("3")) << QStringLiteral("こんにちは");
    QTest::newRow("german") << QVariant(QStringLiteral("4")) << QStringLiteral("Hallo");
    QTest::newRow("garbage") << QVariant(QStringLiteral("??")) << QStringLiteral("Hello (English)");
    QTest::newRow("above 9") << QVariant(QStringLiteral("10")) << QStringLiteral("Hello (English)");
}

void tst_Startup::appliesStoredLanguage()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, hello);
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
              QCoreApplication::applicationName()).clear();
    regedit settings;
    if (stored.isValid())
        settings.setRegedit(QStringLiteral("language"), stored);
    QCOMPARE(QSettings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                       QCoreApplication::applicationName()).contains(QStringLiteral("language")),
             stored.isValid());
    QQmlEngine engine;
    startup::NativeObjects objects(&engine);
    QCOMPARE(QCoreApplication::translate("tst", "Hello"), hello);
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
