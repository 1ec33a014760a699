#ifndef TESTS_READERROWS_H
#define TESTS_READERROWS_H

// Rows about reading loosely typed layout values, shared by the test of the
// desk reader itself (tst_desk) and of the script-facing rules that read
// through it (tst_layoutrules): the same cases, checked on both layers.

#include <QString>
#include <QVariant>
#include <QtTest>

#include <limits>

namespace ReaderRows {

// Number(value): columns value (QVariant), expected (double; NaN for none).
inline void scriptNumbers()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("number") << QVariant(3) << 3.0;
    QTest::newRow("text") << QVariant(QStringLiteral("3")) << 3.0;
    QTest::newRow("text with spaces") << QVariant(QStringLiteral(" \t3 \n")) << 3.0;
    QTest::newRow("decimal text") << QVariant(QStringLiteral(".5e1")) << 5.0;
    QTest::newRow("hexadecimal text") << QVariant(QStringLiteral("0x10")) << 16.0;
    QTest::newRow("blank text is 0") << QVariant(QStringLiteral("  ")) << 0.0;
    QTest::newRow("text with a unit") << QVariant(QStringLiteral("3px")) << nan;
    QTest::newRow("comma decimal") << QVariant(QStringLiteral("1,5")) << nan;
    QTest::newRow("signed hexadecimal") << QVariant(QStringLiteral("-0x10")) << nan;
    QTest::newRow("Infinity") << QVariant(QStringLiteral("-Infinity")) << -inf;
    QTest::newRow("too large") << QVariant(QStringLiteral("1e999")) << inf;
    QTest::newRow("null is 0") << QVariant::fromValue(nullptr) << 0.0;
    QTest::newRow("missing") << QVariant() << nan;
    QTest::newRow("true") << QVariant(true) << 1.0;
    QTest::newRow("list of one") << QVariant(QVariantList{QStringLiteral("7")}) << 7.0;
    QTest::newRow("list of two") << QVariant(QVariantList{1, 2}) << nan;
    QTest::newRow("object") << QVariant(QVariantMap{{QStringLiteral("a"), 1}}) << nan;
}

// A one-monitor layout text whose row is written as `row` (JSON).
inline QString layoutWithRow(const QString &row)
{
    return QStringLiteral("[{\"monitorlist\":[{\"row\":%1,\"col\":\"1\",\"width\":\"1920\","
                          "\"height\":\"1080\",\"portnum\":\"1\",\"monitornum\":\"01\"}]}]")
        .arg(row);
}

// A layout file's numbers must be whole numbers, as numbers or texts; a
// blank text, null or a boolean is none (Number() would say 0 or 1).
// Columns row (the JSON of the row member), accepted (then the row is 3).
inline void wholeFileNumbers()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("text") << "\"3\"" << true;
    QTest::newRow("number") << "3" << true;
    QTest::newRow("padded text") << "\" 3 \"" << true;
    QTest::newRow("3.0") << "\"3.0\"" << true;
    QTest::newRow("3.5") << "\"3.5\"" << false;
    QTest::newRow("blank text") << "\"\"" << false;
    QTest::newRow("null") << "null" << false;
    QTest::newRow("true") << "true" << false;
    QTest::newRow("list") << "[3]" << false;
    QTest::newRow("off the grid") << "17" << false;
}

// JSON that holds no layout record opens as an empty layout (always a
// list); what is no JSON, or null, or an empty text, is refused. Columns
// text, size (of the parsed list; -1: refused).
inline void layoutShapes()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::newRow("number") << "5" << 0;
    QTest::newRow("object") << "{\"monitorlist\":[]}" << 0;
    QTest::newRow("list of a number") << "[5]" << 1;
    QTest::newRow("empty list") << " [ ] " << 0;
    QTest::newRow("null") << "null" << -1;
    QTest::newRow("empty JSON text") << "\"\"" << -1;
    QTest::newRow("nothing") << "" << -1;
    QTest::newRow("two values") << "1,2" << -1;
    QTest::newRow("byte order mark") << QString(QChar(0xFEFF)) + "[]" << -1;
    QTest::newRow("broken") << "[{\"monitorlist\":[}]" << -1;
    QTest::newRow("entry without monitornum") << "[{\"monitorlist\":[{\"row\":\"1\"}]}]" << -1;
}

} // namespace ReaderRows

#endif // TESTS_READERROWS_H
