#include "regedit.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QtTest>

class tst_Regedit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void readForms_data();
    void readForms();
    void writeIsOnDiskBeforeReturn();
    void replacesPreviousValue();
    void survivesGarbageStore();

private:
    static QString storePath();
};

void tst_Regedit::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vesko"));
    QCoreApplication::setApplicationName(QStringLiteral("Seamrun Switching Configuration Utility"));
    // Only ever our temporary home.
    QVERIFY(qEnvironmentVariableIsSet("SEAMRUN_TEST_ROOT"));
    QVERIFY(storePath().startsWith(qEnvironmentVariable("SEAMRUN_TEST_ROOT")));
}

void tst_Regedit::init()
{
    QFile::remove(storePath());
}

QString tst_Regedit::storePath()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QCoreApplication::organizationName(), QCoreApplication::applicationName())
        .fileName();
}

void tst_Regedit::readForms_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: never written
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("withDefault");
    QTest::newRow("absent") << QVariant() << QString() << QStringLiteral("fallback");
    QTest::newRow("text") << QVariant(QStringLiteral("1")) << QStringLiteral("1") << QStringLiteral("1");
    QTest::newRow("empty text") << QVariant(QString()) << QString() << QString();
    QTest::newRow("number stored as text") << QVariant(7) << QStringLiteral("7") << QStringLiteral("7");
    QTest::newRow("json") << QVariant(QStringLiteral("{\"filelist\":[{\"path\":\"file:///a%20b.km\"}]}"))
                          << QStringLiteral("{\"filelist\":[{\"path\":\"file:///a%20b.km\"}]}")
                          << QStringLiteral("{\"filelist\":[{\"path\":\"file:///a%20b.km\"}]}");
    QTest::newRow("non-ascii") << QVariant(QStringLiteral("日本語 ü")) << QStringLiteral("日本語 ü")
                               << QStringLiteral("日本語 ü");
}

void tst_Regedit::readForms()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, plain);
    QFETCH(QString, withDefault);
    regedit store;
    if (stored.isValid())
        store.setRegedit(QStringLiteral("showTutorial"), stored);
    QCOMPARE(store.readRegedit(QStringLiteral("showTutorial")), plain);
    QCOMPARE(store.readRegedit(QStringLiteral("showTutorial"), QStringLiteral("fallback")), withDefault);
}

void tst_Regedit::writeIsOnDiskBeforeReturn()
{
    regedit store;
    store.setRegedit(QStringLiteral("language"), QStringLiteral("5"));
    // A separate reader of the file itself, not our object.
    QFile file(storePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("language=5"), text.constData());
}

void tst_Regedit::replacesPreviousValue()
{
    regedit store;
    store.setRegedit(QStringLiteral("language"), QStringLiteral("2"));
    store.setRegedit(QStringLiteral("language"), QStringLiteral("9"));
    QCOMPARE(regedit().readRegedit(QStringLiteral("language")), QStringLiteral("9"));
}

void tst_Regedit::survivesGarbageStore()
{
    QFile file(storePath());
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray garbage("[General\n\x01\x02\xff=\n=====\nlanguage\n[[[\n", 33);
    garbage.append(QByteArray(4096, '\xfe'));
    file.write(garbage);
    file.close();

    regedit store;
    QCOMPARE(store.readRegedit(QStringLiteral("language")), QString());
    store.setRegedit(QStringLiteral("language"), QStringLiteral("4"));
    QCOMPARE(store.readRegedit(QStringLiteral("language")), QStringLiteral("4"));
}

QTEST_MAIN(tst_Regedit)
#include "tst_regedit.moc"
