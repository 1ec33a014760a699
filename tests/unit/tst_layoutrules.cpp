// How the layout rules read what they are given and write numbers. Values
// reach them loosely typed - texts where a model or a layout file keeps
// numbers as texts, members that are missing, JSON of any shape - and every
// caller must get the one reading the editor has always had. The reading
// rows are shared with tst_desk, which runs them on the desk reader itself;
// the rules (checks, numbering, file text, upload arithmetic) are tested in
// tests/qml/tst_layout.qml through the screens' own engine, and typed in
// tst_desk.
#include "layoutrules.h"
#include "readerrows.h"

#include <QJSEngine>
#include <QtTest>

#include <cmath>

class TstLayoutRules : public QObject
{
    Q_OBJECT

private:
    LayoutRules m_rules;

private slots:
    // Number(value): sortNumber(value, 0) is exactly that reading.
    void readsNumbersAsTheScriptDoes_data()
    {
        ReaderRows::scriptNumbers();
    }

    void readsNumbersAsTheScriptDoes()
    {
        QFETCH(QVariant, value);
        QFETCH(double, expected);
        const double got = m_rules.sortNumber(value, 0);
        if (std::isnan(expected))
            QVERIFY2(std::isnan(got), qPrintable(QString::number(got)));
        else
            QCOMPARE(got, expected);
    }

    // A layout file's numbers must be whole numbers, as numbers or texts;
    // a blank text, null or a boolean is none (Number() would say 0 or 1).
    void fileNumbersMustBeWhole_data()
    {
        ReaderRows::wholeFileNumbers();
    }

    void fileNumbersMustBeWhole()
    {
        QFETCH(QString, row);
        QFETCH(bool, accepted);
        const QVariant layout = m_rules.parseLayout(ReaderRows::layoutWithRow(row));
        QCOMPARE(layout.userType() == QMetaType::QVariantList, accepted);
        if (accepted)
            QCOMPARE(m_rules.monitorsFromLayout(layout.toList()).value(0).toMap().value(QStringLiteral("row")).toInt(), 3);
    }

    // JSON that holds no layout record opens as an empty layout (always a
    // list); what is no JSON, or null, or an empty text, is refused.
    void layoutTextsOfAnyShape_data()
    {
        ReaderRows::layoutShapes();
    }

    void layoutTextsOfAnyShape()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        const QVariant layout = m_rules.parseLayout(text);
        if (size < 0) {
            QCOMPARE(layout.userType(), int(QMetaType::Nullptr));
            return;
        }
        QCOMPARE(layout.userType(), int(QMetaType::QVariantList));
        QCOMPARE(layout.toList().size(), size);
        QCOMPARE(m_rules.monitorsFromLayout(layout.toList()), QVariantList());
        QCOMPARE(m_rules.mouseFromLayout(layout.toList()).value(QStringLiteral("mouse_position")).toInt(), 4);
    }

    // Numbers come out as the script writes them.
    void writesNumbersAsTheScriptDoes_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("twoDigits");
        QTest::newRow("one digit") << QVariant(7) << "07";
        QTest::newRow("two digits") << QVariant(16) << "16";
        QTest::newRow("text") << QVariant(QStringLiteral("7")) << "07";
        QTest::newRow("zero") << QVariant(0.0) << "00";
        QTest::newRow("fraction") << QVariant(0.1) << "00.1";
        QTest::newRow("small") << QVariant(1.5e-7) << "01.5e-7";
        QTest::newRow("large integer") << QVariant(1e20) << "100000000000000000000";
        QTest::newRow("exponent") << QVariant(1e21) << "1e+21";
        QTest::newRow("not a number") << QVariant(QStringLiteral("x")) << "NaN";
    }

    void writesNumbersAsTheScriptDoes()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, twoDigits);
        QCOMPARE(m_rules.twoDigits(value), twoDigits);
    }

    // The screens call the rules from a script engine: lists of objects
    // arrive as lists of maps, "none" goes back as null, and texts and
    // numbers mix as they do in the models.
    void calledFromAScriptEngine()
    {
        QJSEngine engine;
        engine.globalObject().setProperty(QStringLiteral("Layout"), engine.newQObject(new LayoutRules));
        const auto run = [&engine](const QString &code) {
            const QJSValue v = engine.evaluate(code);
            return v.isError() ? QStringLiteral("error: ") + v.toString() : v.toString();
        };
        QCOMPARE(run(QStringLiteral("Layout.firstIncomplete([]) === null")), QStringLiteral("true"));
        QCOMPARE(run(QStringLiteral("Layout.checkRule([{row: '1', col: 1, portnum: 1, monitornum: '01', width: 1920, "
                                    "height: 1080}, {row: 3, col: '3', portnum: '2', monitornum: '01', width: 1920, "
                                    "height: 1080}]).errorPort")),
                 QStringLiteral("P1,P2"));
        QCOMPARE(run(QStringLiteral("JSON.stringify(Layout.parseResolutionText('2560 * 1440'))")),
                 QStringLiteral("{\"height\":1440,\"width\":2560}"));
        QCOMPARE(run(QStringLiteral("[10, 9, 1].sort(Layout.sortNumber).join()")), QStringLiteral("1,9,10"));
    }
};

QTEST_GUILESS_MAIN(TstLayoutRules)
#include "tst_layoutrules.moc"
