// The layout rules library as the command-line tool uses it: evaluated in a
// bare QJSEngine, with no QML around it (no Qt object, no qsTr, no imports).
// The rules themselves are tested in tests/qml/tst_layout.qml; here every
// function is called once so a QML-only name anywhere in them shows up.
#include <QFile>
#include <QJSEngine>
#include <QtTest>

class TstLayoutEngine : public QObject
{
    Q_OBJECT

private:
    QJSEngine m_engine;

    QString run(const QString &expression)
    {
        const QJSValue value = m_engine.evaluate(expression);
        if (value.isError())
            return QStringLiteral("error: ") + value.toString();
        return value.toString();
    }

private slots:
    void initTestCase()
    {
        QFile file(QStringLiteral(SEAMRUN_SOURCE_DIR "/src/Qml/layout.js"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
        const QJSValue result = m_engine.evaluate(QString::fromUtf8(file.readAll()), file.fileName());
        QVERIFY2(!result.isError(), qPrintable(result.toString()));
    }

    void everyFunction_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("expected");
        const QString monitors = QStringLiteral(
            "[{gridindex:18,row:2,col:3,portnum:1,monitornum:'01',width:1920,height:1080},"
            " {gridindex:19,row:2,col:4,portnum:1,monitornum:'02',width:1280,height:1024},"
            " {gridindex:20,row:2,col:5,portnum:6,monitornum:'01',width:1920,height:1080}]");
        QTest::newRow("constants") << "[GRID_SIZE, MAX_MONITORS, DEVICE_PORTS].join()" << "16,16,4";
        QTest::newRow("portName") << "portName(6)" << "S2";
        QTest::newRow("twoDigits") << "twoDigits(7)" << "07";
        QTest::newRow("nextMonitorNumber") << "nextMonitorNumber(" + monitors + ", 1)" << "03";
        QTest::newRow("renumberAfterRemoval")
            << "JSON.stringify(renumberAfterRemoval(" + monitors + ", 1, '01'))"
            << R"([{"gridindex":19,"monitornum":"01"}])";
        QTest::newRow("firstIncomplete") << "JSON.stringify(firstIncomplete(" + monitors + "))" << "null";
        QTest::newRow("checkRule") << "checkRule(" + monitors + ").errorPort" << "P1";
        QTest::newRow("isolatedPorts") << "isolatedPorts(" + monitors + ").length" << "0";
        QTest::newRow("nonRectangularPorts") << "nonRectangularPorts(" + monitors + ").length" << "0";
        QTest::newRow("mixedResolutionPorts") << "mixedResolutionPorts(" + monitors + ").join()" << "1";
        QTest::newRow("layoutText")
            << "layoutText({acceleration_flag:0,mouse_speed:0,mouse_position:4,switching_focus:0,"
               "duration_time:1,keep_awake:0}, " + monitors + ".slice(2))"
            << R"([{"acceleration":"0","speed":"0","position":"4","switching_focus":0,"duration_time":1,)"
               R"("keep_awake":0,"monitorlist":[{"row":"2","col":"5","width":"1920","height":"1080",)"
               R"("portnum":"6","monitornum":"01"}]}])";
        QTest::newRow("parseLayout refuses") << "String(parseLayout('[{\"monitorlist\":[{\"row\":\"1\"}]}]'))"
                                             << "null";
        QTest::newRow("monitorsFromLayout")
            << "monitorsFromLayout(parseLayout('[{\"monitorlist\":[{\"row\":\"1\",\"col\":\"2\",\"width\":\"1080\","
               "\"height\":\"1920\",\"portnum\":\"1\",\"monitornum\":\"01\"}]}]'))[0].orientation"
            << "v";
        QTest::newRow("mouseFromLayout") << "JSON.stringify(mouseFromLayout([{speed:'12'}]))"
                                         << R"({"acceleration_flag":0,"mouse_speed":10,"mouse_position":4,)"
                                            R"("switching_focus":0,"duration_time":1,"keep_awake":0})";
        QTest::newRow("resolutionEntries") << "resolutionEntries('[{\"width\":1920,\"height\":1080}]', 'v').join()"
                                           << "1080 * 1920";
        QTest::newRow("parseResolutionText") << "JSON.stringify(parseResolutionText('2560 * 1440'))"
                                             << R"({"width":2560,"height":1440})";
        QTest::newRow("chainFromVersion") << "chainFromVersion('10612')" << "2";
        QTest::newRow("uploadDecision") << "JSON.stringify(uploadDecision(" + monitors + ", 1))"
                                        << R"({"action":"confirm","ports":4})";
        QTest::newRow("recalculatePositions")
            << "JSON.stringify(recalculatePositions(" + monitors + ")[2])"
            << R"({"relative_row":1,"relative_col":3,"main_relative_row":1,"main_relative_col":2})";
        QTest::newRow("sortNumber") << "[10, 9, 1].sort(sortNumber).join()" << "1,9,10";
        QTest::newRow("portRecordArgs")
            << "portRecordArgs(" + monitors + "[1], recalculatePositions(" + monitors + ")[1]).join()"
            << "1,2,1,2,0,5,0,4,0,0";
    }

    void everyFunction()
    {
        QFETCH(QString, expression);
        QFETCH(QString, expected);
        QCOMPARE(run(expression), expected);
    }
};

QTEST_GUILESS_MAIN(TstLayoutEngine)
#include "tst_layout_engine.moc"
