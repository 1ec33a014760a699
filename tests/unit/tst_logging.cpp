// Every native subsystem logs under its own category, so QT_LOGGING_RULES
// silences or raises each on its own. The rules are read once, when the
// application starts, so each case runs the probe program afresh.
#include <QProcess>
#include <QtTest>

class tst_Logging : public QObject
{
    Q_OBJECT
private slots:
    void rules_data();
    void rules();

private:
    static QStringList probe(const QString &rules);
};

// "category/type" of every line the probe wrote, in order.
QStringList tst_Logging::probe(const QString &rules)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (rules.isEmpty())
        env.remove(QStringLiteral("QT_LOGGING_RULES"));
    else
        env.insert(QStringLiteral("QT_LOGGING_RULES"), rules);
    env.remove(QStringLiteral("QT_LOGGING_CONF"));
    // stderr even where Qt would hand the lines to the journal.
    env.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("@@%{category}/%{type}"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(SEAMRUN_LOG_PROBE), QStringList());
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {QStringLiteral("probe failed: ") + QString::fromLocal8Bit(process.readAllStandardError())};
    QStringList lines;
    for (const QByteArray &line : process.readAllStandardError().split('\n'))
        if (line.startsWith("@@"))
            lines.append(QString::fromUtf8(line.mid(2)));
    return lines;
}

void tst_Logging::rules_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QStringList>("lines");

    const QString hid = QStringLiteral("seamrun.hid/debug");
    const QString device = QStringLiteral("seamrun.device/debug");
    const QString files = QStringLiteral("seamrun.files/debug");
    const QString filesWarning = QStringLiteral("seamrun.files/warning");
    const QString shell = QStringLiteral("seamrun.shell/debug");

    QTest::newRow("no rules: every subsystem speaks")
        << QString() << QStringList{hid, device, files, filesWarning, shell};
    QTest::newRow("transport silenced")
        << "seamrun.hid.debug=false" << QStringList{device, files, filesWarning, shell};
    QTest::newRow("device silenced")
        << "seamrun.device.debug=false" << QStringList{hid, files, filesWarning, shell};
    QTest::newRow("shell silenced, every level")
        << "seamrun.shell=false" << QStringList{hid, device, files, filesWarning};
    QTest::newRow("files: debug off, warnings kept")
        << "seamrun.files.debug=false" << QStringList{hid, device, filesWarning, shell};
    QTest::newRow("all of ours quiet but warnings")
        << "seamrun.*.debug=false" << QStringList{filesWarning};
    QTest::newRow("everything quiet, device raised")
        << "*.debug=false;seamrun.device.debug=true" << QStringList{device, filesWarning};
}

void tst_Logging::rules()
{
    QFETCH(QString, rules);
    QFETCH(QStringList, lines);
    QCOMPARE(probe(rules), lines);
}

QTEST_GUILESS_MAIN(tst_Logging)
#include "tst_logging.moc"
