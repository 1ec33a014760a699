// The recent-file list's rules on the stored text, as tables: what counts as
// a usable entry of a hand-edited list, how its URLs decode, and how the list
// changes when a file is used or taken off it.
#include "recentfiles.h"

#include <QSettings>
#include <QtTest>

namespace {

QString listOf(const QStringList &paths)
{
    QStringList entries;
    for (const QString &p : paths)
        entries << QStringLiteral("{\"path\":\"%1\"}").arg(p);
    return QStringLiteral("{\"filelist\":[%1]}").arg(entries.join(QLatin1Char(',')));
}

QStringList numbered(int from, int to)
{
    QStringList paths;
    for (int i = from; i < to; ++i)
        paths << QStringLiteral("file:///d/%1.km").arg(i);
    return paths;
}

} // namespace

class tst_RecentFiles : public QObject
{
    Q_OBJECT
private slots:
    void decode_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("plain") << "file:///a/b.km" << true << "file:///a/b.km";
        QTest::newRow("blank") << "file:///My%20Desk.km" << true << "file:///My Desk.km";
        QTest::newRow("UTF-8") << "file:///%E6%A1%8C%E9%9D%A2.km" << true << QStringLiteral("file:///\u684C\u9762.km");
        QTest::newRow("text as it is") << QStringLiteral("file:///\u684C.km") << true << QStringLiteral("file:///\u684C.km");
        QTest::newRow("lower-case hex") << "file:///a%2fb" << true << "file:///a/b";
        QTest::newRow("cut UTF-8") << "file:///a%E6.km" << false << "";
        QTest::newRow("cut UTF-8 before text") << QStringLiteral("file:///%E6\u00E9") << false << "";
        QTest::newRow("overlong") << "file:///%C0%AF" << false << "";
        QTest::newRow("surrogate") << "file:///%ED%A0%80" << false << "";
        QTest::newRow("percent at the end") << "file:///a%" << false << "";
        QTest::newRow("one digit") << "file:///a%2" << false << "";
        QTest::newRow("no hex") << "file:///a%zz.km" << false << "";
    }

    void decode()
    {
        QFETCH(QString, stored);
        QFETCH(bool, ok);
        QFETCH(QString, decoded);
        QString out;
        QCOMPARE(RecentFiles::decode(stored, &out), ok);
        if (ok)
            QCOMPARE(out, decoded);
    }

    void paths_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("isList");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("absent") << "" << false << QStringList();
        QTest::newRow("not JSON") << "{\"filelist\":[" << false << QStringList();
        QTest::newRow("no list") << "{}" << false << QStringList();
        QTest::newRow("list is no array") << "{\"filelist\":{}}" << false << QStringList();
        QTest::newRow("empty") << "{\"filelist\":[]}" << true << QStringList();
        QTest::newRow("bad entries skipped")
            << "{\"filelist\":[null,{\"path\":\"file:///a.km\"},\"file:///x.km\",{\"path\":3},{},"
               "{\"path\":\"\"},{\"path\":\"file:///%E6.km\"},{\"path\":\"file:///a.km\"},{\"path\":\"file:///b.km\"}]}"
            << true << QStringList{"file:///a.km", "file:///b.km"};
        QTest::newRow("ten thousand: all of them") << listOf(numbered(0, 10000)) << true << numbered(0, 10000);
    }

    void paths()
    {
        QFETCH(QString, stored);
        QFETCH(bool, isList);
        QFETCH(QStringList, paths);
        bool list = !isList;
        QCOMPARE(RecentFiles::paths(stored, &list), paths);
        QCOMPARE(list, isList);
    }

    void withFile_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("after");
        const QString a = QStringLiteral("file:///a.km");
        QTest::newRow("first file") << "" << a << QStringList{a};
        QTest::newRow("not JSON") << "{\"filelist\":[" << a << QStringList{a};
        QTest::newRow("an eleventh drops the last") << listOf(numbered(0, 10)) << a
                                                    << (QStringList{a} + numbered(0, 9));
        QTest::newRow("the third again moves it to the front")
            << listOf(numbered(0, 10)) << numbered(2, 3).first()
            << (numbered(2, 3) + numbered(0, 2) + numbered(3, 10));
        QTest::newRow("bad entries go, good ones stay")
            << "{\"filelist\":[null,{\"path\":\"file:///b.km\"},{\"path\":\"file:///%zz\"}]}" << a
            << QStringList{a, "file:///b.km"};
        QTest::newRow("a hand-made long list shrinks to ten") << listOf(numbered(0, 10000)) << a
                                                              << (QStringList{a} + numbered(0, 9));
    }

    void withFile()
    {
        QFETCH(QString, stored);
        QFETCH(QString, path);
        QFETCH(QStringList, after);
        const QString text = RecentFiles::withFile(stored, path);
        QCOMPARE(text, listOf(after));
    }

    void withoutFile_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("the middle one") << listOf(numbered(0, 3)) << numbered(1, 2).first()
                                        << (numbered(0, 1) + numbered(2, 3));
        QTest::newRow("not listed") << listOf(numbered(0, 2)) << "file:///z.km" << numbered(0, 2);
        QTest::newRow("the last one") << listOf(numbered(0, 1)) << numbered(0, 1).first() << QStringList();
    }

    void withoutFile()
    {
        QFETCH(QString, stored);
        QFETCH(QString, path);
        QFETCH(QStringList, after);
        QCOMPARE(RecentFiles::withoutFile(stored, path), listOf(after));
    }

    void localPath_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("local");
        QTest::newRow("file URL") << "file:///home/me/My%20Desk.km" << "/home/me/My Desk.km";
        QTest::newRow("plain path") << "/home/me/a.km" << "/home/me/a.km";
        QTest::newRow("broken escape") << "file:///a%E6.km" << "";
    }

    void localPath()
    {
        QFETCH(QString, stored);
        QFETCH(QString, local);
        QCOMPARE(RecentFiles::localPath(stored), local);
    }

    // The list as the home page reads it at every start: a stored text that
    // is no list is put back to empty, and one that is empty already (or
    // absent, as before the first file) is left alone, which spares every
    // start a synced write of the settings.
    void entriesRepairOnlyWhatIsBroken_data()
    {
        QTest::addColumn<QVariant>("stored"); // invalid: no value stored
        QTest::addColumn<bool>("keptAsIs");
        QTest::newRow("absent") << QVariant() << true;
        QTest::newRow("empty") << QVariant(QString()) << true;
        QTest::newRow("not a list") << QVariant(QStringLiteral("{broken")) << false;
    }

    void entriesRepairOnlyWhatIsBroken()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, keptAsIs);
        QCoreApplication::setOrganizationName(QStringLiteral("Vesko"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_recentfiles"));
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                           QCoreApplication::organizationName(), QCoreApplication::applicationName());
        settings.clear();
        if (stored.isValid())
            settings.setValue(QStringLiteral("file-recent"), stored);
        settings.sync();

        QCOMPARE(RecentFiles().entries(), QVariantList());
        settings.sync();
        QCOMPARE(settings.contains(QStringLiteral("file-recent")), stored.isValid() || !keptAsIs);
        QCOMPARE(settings.value(QStringLiteral("file-recent")).toString(), keptAsIs ? stored.toString() : QString());
    }
};

QTEST_GUILESS_MAIN(tst_RecentFiles)
#include "tst_recentfiles.moc"
