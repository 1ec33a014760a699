#include "ProcessInfo.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Each case puts a fake process-listing program first on PATH.
class tst_ProcessInfo : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void listing_data();
    void listing();
    void missingProgramFailsAtOnce();
    void hangingProgramTimesOut();

private:
    void installLister(const QByteArray &script);
    QTemporaryDir m_bin;
    QByteArray m_path;
};

void tst_ProcessInfo::initTestCase()
{
    QVERIFY(m_bin.isValid());
    m_path = qgetenv("PATH");
}

void tst_ProcessInfo::cleanup()
{
    qputenv("PATH", m_path);
    QFile::remove(m_bin.filePath(QStringLiteral("ps")));
}

void tst_ProcessInfo::installLister(const QByteArray &script)
{
    QFile file(m_bin.filePath(QStringLiteral("ps")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + script);
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("PATH", m_bin.path().toLocal8Bit() + ':' + m_path);
}

void tst_ProcessInfo::listing_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("log");
    QTest::newRow("running, long command line")
        << QByteArray("/sbin/init\n/opt/orrin/OrrinKM Extended.exe --tray --minimized\nbash\n")
        << true << QByteArray("find extended ap");
    QTest::newRow("name at the very end, no newline") << QByteArray("xterm\nOrrinKM Extended") << true
                                                     << QByteArray("find extended ap");
    QTest::newRow("other letter case") << QByteArray("orrinkm extended\nORRINKM EXTENDED\n") << false
                                       << QByteArray("no extended ap");
    QTest::newRow("cut at 15 characters") << QByteArray("OrrinKM Extende\n") << false
                                          << QByteArray("no extended ap");
    QTest::newRow("empty listing") << QByteArray() << false << QByteArray("no extended ap");
    QTest::newRow("binary noise around it") << QByteArray("\xff\xfe\x00OrrinKM Extended\x00", 20) << true
                                            << QByteArray("find extended ap");
}

void tst_ProcessInfo::listing()
{
    QFETCH(QByteArray, output);
    QFETCH(bool, found);
    QFETCH(QByteArray, log);
    const QString data = m_bin.filePath(QStringLiteral("listing.bin"));
    QFile file(data);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(output);
    file.close();
    installLister("cat '" + data.toLocal8Bit() + "'\nexit 3\n"); // exit status is ignored

    ProcessInfo probe;
    QTest::ignoreMessage(QtDebugMsg, log.constData());
    QCOMPARE(probe.getDriverProcess(), found);
}

void tst_ProcessInfo::missingProgramFailsAtOnce()
{
    qputenv("PATH", m_bin.path().toLocal8Bit()); // holds no "ps" now
    ProcessInfo probe;
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(probe.getDriverProcess(), false);
    QVERIFY2(timer.elapsed() < 5000, "a missing program must not cost the full time limit");
}

void tst_ProcessInfo::hangingProgramTimesOut()
{
    installLister("echo 'OrrinKM Extended'\nexec sleep 60\n");
    ProcessInfo probe;
    probe.setListTimeoutMs(300);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(probe.getDriverProcess(), false); // found in the output, but it never finished
    QVERIFY(timer.elapsed() >= 300);
    QVERIFY(timer.elapsed() < 10000);
}

QTEST_GUILESS_MAIN(tst_ProcessInfo)
#include "tst_processinfo.moc"
