// The desk model alone, without a window: every edit as one undo step that
// gives back the exact desk (list order, numbers, sizes, mouse) and file text
// when undone and the same again when redone, the rows signals a view relies
// on (checked throughout by QAbstractItemModelTester), edits that change
// nothing, nested edits as one step, when the desk reads saved, and every
// template loaded through the model saving byte for byte as before.
#include "desk/desk.h"
#include "desk/deskfile.h"
#include "desk/deskmodel.h"
#include "desk/deskreader.h"
#include "desk/deskrules.h"
#include "desk/gridcells.h"
#include "desk/screenarrangement.h"
#include "deskcells.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QJSEngine>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>

char *toString(const Desk &desk)
{
    QStringList rows;
    for (const Monitor &m : desk.monitors)
        rows.append(QStringLiteral("%1,%2:%3/%4 %5x%6 %7")
                        .arg(m.row).arg(m.col).arg(m.port).arg(m.numberText()).arg(m.width).arg(m.height)
                        .arg(m.orientationText()));
    return qstrdup(qPrintable(rows.join(QLatin1String(" | ")) + QLatin1String(" mouse ")
                              + QString::number(desk.mouse.speed)));
}

namespace {

Desk deskOf(const QString &cells)
{
    Desk desk;
    desk.monitors = monitorsOf(cells);
    return desk;
}

int cell(const QString &rowCol)
{
    if (rowCol == QLatin1String("-"))
        return -1;
    const QStringList v = rowCol.split(QLatin1Char(','));
    return (v.value(0).toInt() - 1) * Desk::kGridSize + v.value(1).toInt() - 1;
}

QSize sizeOf(const QString &text)
{
    const QStringList v = text.split(QLatin1Char('x'));
    return QSize(v.value(0).toInt(), v.value(1).toInt());
}

// One action on the model, written as the editor's user does it:
//   select R,C | place R,C [WxH] [h|v] [port] | delete R,C | port R,C P
//   number R,C N | resolution R,C|- WxH | orientation R,C h|v | move R,C R,C
//   undo | redo | save | speed N | reset | upload R,C (that monitor removed,
//   then the desk saved and the history fresh, as an upload leaves it)
// Returns what the model's call returned (true for the others).
bool act(DeskModel &model, const QString &action)
{
    const QStringList a = action.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString op = a.value(0);
    if (op == QLatin1String("select")) {
        model.select(cell(a.value(1)));
        return true;
    }
    if (op == QLatin1String("place")) {
        const int index = cell(a.value(1));
        const QSize size = a.size() > 2 ? sizeOf(a.at(2)) : QSize(1920, 1080);
        return model.place(index / 16 + 1, index % 16 + 1, size.width(), size.height(),
                           a.size() > 3 ? a.at(3) : QStringLiteral("h"), a.size() > 4 ? a.at(4).toInt() : -1);
    }
    if (op == QLatin1String("delete"))
        return model.remove(cell(a.value(1)));
    if (op == QLatin1String("port"))
        return model.setPort(cell(a.value(1)), a.value(2).toInt());
    if (op == QLatin1String("number"))
        return model.swapNumber(cell(a.value(1)), a.value(2).toInt());
    if (op == QLatin1String("resolution")) {
        const QSize size = sizeOf(a.value(2));
        return model.setResolution(cell(a.value(1)), size.width(), size.height());
    }
    if (op == QLatin1String("orientation"))
        return model.setOrientation(cell(a.value(1)), a.value(2));
    if (op == QLatin1String("move"))
        return model.move(cell(a.value(1)), cell(a.value(2)));
    if (op == QLatin1String("undo"))
        return model.undo();
    if (op == QLatin1String("redo"))
        return model.redo();
    if (op == QLatin1String("save")) {
        model.markSaved();
        return true;
    }
    if (op == QLatin1String("speed")) {
        MouseSettings mouse = model.mouse();
        mouse.speed = a.value(1).toInt();
        model.setMouse(mouse);
        return true;
    }
    if (op == QLatin1String("reset")) {
        model.reset();
        return true;
    }
    if (op == QLatin1String("upload")) {
        const bool removed = model.remove(cell(a.value(1)));
        model.markSaved();
        model.clearHistory();
        return removed;
    }
    qFatal("unknown action %s", qPrintable(action));
    return false;
}

// The desk in grid order as "row,col:port/number", with the size when it is
// not 1920 x 1080 and "v" for a vertical monitor.
QStringList summary(const Desk &desk)
{
    QStringList out;
    for (const Monitor &m : DeskRules::inGridOrder(desk.monitors)) {
        QString s = QStringLiteral("%1,%2:%3/%4").arg(m.row).arg(m.col).arg(m.port).arg(m.numberText());
        if (m.width != 1920 || m.height != 1080)
            s += QStringLiteral(" %1x%2").arg(m.width).arg(m.height);
        if (m.orientation == Orientation::Vertical)
            s += QStringLiteral(" v");
        out.append(s);
    }
    return out;
}

QByteArray readSourceFile(const QString &path)
{
    QFile file(QStringLiteral(SEAMRUN_SOURCE_DIR "/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const char *const kFiveMonitors = "1,1,1,1 1,2,1,2 1,3,1,3 1,4,1,4 2,1,2,1";

} // namespace

class tst_DeskModel : public QObject
{
    Q_OBJECT

private slots:
    // ------------------------------------------------------- undo and redo

    // Each edit changes the desk; undone one by one they give back each desk
    // before them exactly (placing order included) and the loaded desk reads
    // saved again; redone they give back each desk after them.
    void undoRedo_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("result");
        const QString five = QLatin1String(kFiveMonitors);
        QTest::newRow("place on the selected monitor's port")
            << five << QStringList{"place 2,2"}
            << QStringList{"1,1:1/01", "1,2:1/02", "1,3:1/03", "1,4:1/04", "2,1:2/01", "2,2:1/05"};
        QTest::newRow("place after selecting")
            << five << QStringList{"select 2,1", "place 2,3"}
            << QStringList{"1,1:1/01", "1,2:1/02", "1,3:1/03", "1,4:1/04", "2,1:2/01", "2,3:2/02"};
        QTest::newRow("place with nothing selected: port 1")
            << five << QStringList{"select -", "place 3,1 0x0"}
            << QStringList{"1,1:1/01", "1,2:1/02", "1,3:1/03", "1,4:1/04", "2,1:2/01", "3,1:1/05 0x0"};
        QTest::newRow("delete renumbers the port")
            << five << QStringList{"delete 1,2"}
            << QStringList{"1,1:1/01", "1,3:1/02", "1,4:1/03", "2,1:2/01"};
        QTest::newRow("port change renumbers both ports")
            << five << QStringList{"port 1,1 2"}
            << QStringList{"1,1:2/02", "1,2:1/01", "1,3:1/02", "1,4:1/03", "2,1:2/01"};
        QTest::newRow("to no port")
            << five << QStringList{"port 1,3 0"}
            << QStringList{"1,1:1/01", "1,2:1/02", "1,3:0/01", "1,4:1/03", "2,1:2/01"};
        QTest::newRow("number swap")
            << five << QStringList{"number 1,1 3"}
            << QStringList{"1,1:1/03", "1,2:1/02", "1,3:1/01", "1,4:1/04", "2,1:2/01"};
        QTest::newRow("resolution fills the monitors without one")
            << "1,1,1,1,0,0 1,2,1,2,0,0 2,1,2,1,1280,1024" << QStringList{"resolution 1,1 1920x1080"}
            << QStringList{"1,1:1/01", "1,2:1/02", "2,1:2/01 1280x1024"};
        QTest::newRow("resolution turned for a vertical monitor")
            << "1,1,1,1,0,0 1,2,1,2,0,0" << QStringList{"orientation 1,2 v", "resolution 1,1 2560x1440"}
            << QStringList{"1,1:1/01 2560x1440", "1,2:1/02 1440x2560 v"};
        QTest::newRow("resolution taken away")
            << five << QStringList{"resolution 1,3 0x0"}
            << QStringList{"1,1:1/01", "1,2:1/02", "1,3:1/03 0x0", "1,4:1/04", "2,1:2/01"};
        QTest::newRow("resolution for every monitor without one")
            << "1,1,1,1,0,0 1,2,1,2,1280,1024" << QStringList{"resolution - 1600x900"}
            << QStringList{"1,1:1/01 1600x900", "1,2:1/02 1280x1024"};
        QTest::newRow("orientation")
            << five << QStringList{"orientation 1,2 v"}
            << QStringList{"1,1:1/01", "1,2:1/02 1080x1920 v", "1,3:1/03", "1,4:1/04", "2,1:2/01"};
        QTest::newRow("move")
            << five << QStringList{"move 2,1 3,3"}
            << QStringList{"1,1:1/01", "1,2:1/02", "1,3:1/03", "1,4:1/04", "3,3:2/01"};
        QTest::newRow("a whole session")
            << five
            << QStringList{"place 2,2", "port 2,2 7", "move 2,2 4,4", "number 1,4 1", "orientation 1,1 v",
                           "delete 1,3", "place 5,5"}
            << QStringList{"1,1:1/03 1080x1920 v", "1,2:1/02", "1,4:1/01", "2,1:2/01", "4,4:7/01", "5,5:1/04"};
    }

    void undoRedo()
    {
        QFETCH(QString, layout);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, result);
        DeskModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.load(deskOf(layout));
        const Desk loaded = model.desk();
        QVERIFY(model.isSaved());
        QVERIFY(!model.undoStack()->canUndo());

        QVector<Desk> before, after;
        for (const QString &step : steps) {
            const Desk then = model.desk();
            QVERIFY2(act(model, step), qPrintable(step));
            if (step.startsWith(QLatin1String("select"))) {
                QCOMPARE(model.desk(), then);
                continue;
            }
            QVERIFY2(model.desk() != then, qPrintable(step));
            before.append(then);
            after.append(model.desk());
            QCOMPARE(model.undoStack()->count(), before.size());
            QCOMPARE(model.text(), DeskFile::text(model.desk()));
        }
        QCOMPARE(summary(model.desk()), result);
        QVERIFY(!model.isSaved());

        for (int i = before.size() - 1; i >= 0; --i) {
            QVERIFY(model.undo());
            QCOMPARE(model.desk(), before.at(i));
            QCOMPARE(model.text(), DeskFile::text(before.at(i)));
        }
        QVERIFY(!model.undo());
        QCOMPARE(model.desk(), loaded);
        QVERIFY2(model.isSaved(), "back at the desk as loaded");

        for (int i = 0; i < after.size(); ++i) {
            QVERIFY(model.redo());
            QCOMPARE(model.desk(), after.at(i));
            QCOMPARE(model.text(), DeskFile::text(after.at(i)));
        }
        QVERIFY(!model.redo());
        QCOMPARE(summary(model.desk()), result);
    }

    // The number swap keeps each number in its row of the monitor list: the
    // two rows exchange their cells.
    void numberSwapExchangesCells()
    {
        DeskModel model;
        model.load(deskOf(QLatin1String(kFiveMonitors)));
        QVERIFY(model.swapNumber(cell("1,1"), 3));
        QCOMPARE(model.get(0).value("gridIndex").toInt(), cell("1,3"));
        QCOMPARE(model.get(0).value("numberText").toString(), QStringLiteral("01"));
        QCOMPARE(model.get(2).value("gridIndex").toInt(), cell("1,1"));
        QCOMPARE(model.get(2).value("numberText").toString(), QStringLiteral("03"));
        QCOMPARE(model.selectedIndex(), cell("1,1"));
        QCOMPARE(model.selectedRow(), 2);
    }

    // What the undo stack and a view see of each edit, its undo and its redo.
    void rowsAndStackSignals_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QList<int>>("inserted"); // rows, on the edit
        QTest::addColumn<QList<int>>("removed");
        QTest::addColumn<QList<int>>("changed");  // rows whose values change
        QTest::newRow("place") << "place 3,3" << QList<int>{5} << QList<int>{} << QList<int>{};
        QTest::newRow("delete") << "delete 1,2" << QList<int>{} << QList<int>{1} << QList<int>{1, 2};
        QTest::newRow("port") << "port 1,2 2" << QList<int>{} << QList<int>{} << QList<int>{1, 2, 3};
        QTest::newRow("number") << "number 1,1 4" << QList<int>{} << QList<int>{} << QList<int>{0, 3};
        QTest::newRow("orientation") << "orientation 2,1 v" << QList<int>{} << QList<int>{} << QList<int>{4};
        QTest::newRow("move") << "move 1,4 2,4" << QList<int>{} << QList<int>{} << QList<int>{3};
    }

    void rowsAndStackSignals()
    {
        QFETCH(QString, step);
        QFETCH(QList<int>, inserted);
        QFETCH(QList<int>, removed);
        QFETCH(QList<int>, changed);
        DeskModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.load(deskOf(QLatin1String(kFiveMonitors)));
        model.select(-1);
        QUndoStack *stack = model.undoStack();
        QSignalSpy canUndo(stack, &QUndoStack::canUndoChanged);
        QSignalSpy canRedo(stack, &QUndoStack::canRedoChanged);
        QSignalSpy index(stack, &QUndoStack::indexChanged);
        QSignalSpy rowsInserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy rowsRemoved(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy dataChanged(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy saved(&model, &DeskModel::savedChanged);
        const auto rows = [](QSignalSpy &spy) {
            QList<int> out;
            for (const QList<QVariant> &args : spy)
                for (int r = args.at(1).toInt(); r <= args.at(2).toInt(); ++r)
                    if (!out.contains(r))
                        out.append(r);
            std::sort(out.begin(), out.end());
            spy.clear();
            return out;
        };
        const auto changedRows = [](QSignalSpy &spy) {
            QList<int> out;
            for (const QList<QVariant> &args : spy) {
                // Only whole-row changes: the selection's own role is no edit.
                if (!args.at(2).value<QVector<int>>().isEmpty())
                    continue;
                const int r = args.at(0).toModelIndex().row();
                if (!out.contains(r))
                    out.append(r);
            }
            std::sort(out.begin(), out.end());
            spy.clear();
            return out;
        };

        QVERIFY(act(model, step));
        QCOMPARE(rows(rowsInserted), inserted);
        QCOMPARE(rows(rowsRemoved), removed);
        QCOMPARE(changedRows(dataChanged), changed);
        // QUndoStack announces canUndo/canRedo on every move, changed or
        // not: the last value is what a button shows.
        QVERIFY(!canUndo.isEmpty());
        QCOMPARE(canUndo.last().at(0).toBool(), true);
        QCOMPARE(index.count(), 1);
        QCOMPARE(index.takeLast().at(0).toInt(), 1);
        QCOMPARE(saved.count(), 1);

        // Undone: the rows come back where they were.
        QVERIFY(model.undo());
        QCOMPARE(rows(rowsInserted), removed);
        QCOMPARE(rows(rowsRemoved), inserted);
        QCOMPARE(changedRows(dataChanged), changed);
        QCOMPARE(canUndo.last().at(0).toBool(), false);
        QCOMPARE(canRedo.last().at(0).toBool(), true);
        QCOMPARE(index.takeLast().at(0).toInt(), 0);
        QCOMPARE(saved.count(), 2);
        QVERIFY(model.isSaved());

        QVERIFY(model.redo());
        QCOMPARE(rows(rowsInserted), inserted);
        QCOMPARE(rows(rowsRemoved), removed);
        QCOMPARE(changedRows(dataChanged), changed);
        QCOMPARE(canRedo.last().at(0).toBool(), false);
        QCOMPARE(index.takeLast().at(0).toInt(), 1);
        QVERIFY(!model.isSaved());
    }

    // Edits that would change nothing are refused and are no steps.
    void nothingChangedNothingRecorded_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("step");
        const QString five = QLatin1String(kFiveMonitors);
        QTest::newRow("the same port") << five << "port 1,2 1";
        QTest::newRow("a port out of range") << five << "port 1,2 9";
        QTest::newRow("delete an empty cell") << five << "delete 5,5";
        QTest::newRow("move onto a placed cell") << five << "move 1,1 1,2";
        QTest::newRow("move from an empty cell") << five << "move 5,5 6,6";
        QTest::newRow("move onto itself") << five << "move 1,2 1,2";
        QTest::newRow("move off the grid") << five << "move 1,2 17,1";
        QTest::newRow("place on a placed cell") << five << "place 1,1";
        QTest::newRow("place off the grid") << five << "place 17,1";
        QTest::newRow("place with an orientation of no kind") << five << "place 3,3 1920x1080 x";
        QTest::newRow("place while one lacks its resolution") << "1,1,1,1,0,0" << "place 1,2";
        QTest::newRow("place while one lacks its port") << "1,1,0,1" << "place 1,2";
        QTest::newRow("the number it has") << five << "number 1,2 2";
        QTest::newRow("a number the port does not hold") << five << "number 1,2 7";
        QTest::newRow("a number of another port") << five << "number 2,1 2";
        QTest::newRow("the orientation it has") << five << "orientation 1,2 h";
        QTest::newRow("the resolution it has") << five << "resolution 1,2 1920x1080";
        QTest::newRow("a resolution beyond two bytes") << five << "resolution 1,2 70000x1080";
        QTest::newRow("every monitor has a resolution") << five << "resolution - 1280x1024";
        QTest::newRow("undo with no history") << five << "undo";
        QTest::newRow("redo with no history") << five << "redo";
        QString sixteen;
        for (int i = 0; i < 16; ++i)
            sixteen += QStringLiteral("%1,%2,1,%3 ").arg(1 + i / 4).arg(1 + i % 4).arg(1 + i);
        QTest::newRow("a 17th monitor") << sixteen << "place 8,8";
    }

    void nothingChangedNothingRecorded()
    {
        QFETCH(QString, layout);
        QFETCH(QString, step);
        DeskModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.load(deskOf(layout));
        const Desk before = model.desk();
        QSignalSpy changed(&model, &DeskModel::deskChanged);
        QVERIFY(!act(model, step));
        QCOMPARE(model.desk(), before);
        QCOMPARE(model.undoStack()->count(), 0);
        QCOMPARE(changed.count(), 0);
        QVERIFY(model.isSaved());
    }

    // Edits between beginEdit and endEdit, however nested, are one step.
    void nestedEditsAreOneStep()
    {
        DeskModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.load(deskOf(QLatin1String(kFiveMonitors)));
        const Desk loaded = model.desk();
        model.beginEdit(QStringLiteral("Upload"));
        QVERIFY(model.place(3, 3, 1920, 1080));
        model.beginEdit();
        QVERIFY(model.setPort(cell("3,3"), 6));
        QVERIFY(model.remove(cell("1,2")));
        model.endEdit();
        QVERIFY(!model.undo()); // not while a step is being built
        QVERIFY(model.move(cell("3,3"), cell("2,2")));
        model.endEdit();
        const Desk edited = model.desk();
        QCOMPARE(summary(edited), (QStringList{"1,1:1/01", "1,3:1/02", "1,4:1/03", "2,1:2/01", "2,2:6/01"}));
        QCOMPARE(model.undoStack()->count(), 1);
        QCOMPARE(model.undoStack()->undoText(), QStringLiteral("Upload"));
        QCOMPARE(model.selectedIndex(), cell("2,2"));

        QVERIFY(model.undo());
        QCOMPARE(model.desk(), loaded);
        QVERIFY(model.isSaved());
        QCOMPARE(model.selectedIndex(), cell("1,1"));
        QVERIFY(model.redo());
        QCOMPARE(model.desk(), edited);
        QCOMPARE(model.selectedIndex(), cell("2,2"));

        // A step in which nothing changed is none.
        model.beginEdit();
        QVERIFY(!model.remove(cell("9,9")));
        model.endEdit();
        QCOMPARE(model.undoStack()->count(), 1);
        QCOMPARE(model.undoStack()->index(), 1);
    }

    // ---------------------------------------------------------------- saved

    // Saved is the desk's text against the text last saved, loaded or
    // uploaded; "saved" after each action.
    void saved_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("saved");
        QTest::newRow("edit, undo, redo") << QStringList{"place 3,3", "undo", "redo"} << "010";
        QTest::newRow("an edit and its reverse by hand")
            << QStringList{"orientation 1,1 v", "orientation 1,1 h", "move 1,1 5,5", "move 5,5 1,1"} << "0101";
        QTest::newRow("saved in the middle of the history")
            << QStringList{"place 3,3", "save", "place 3,4", "undo", "undo", "redo", "redo"} << "0101010";
        QTest::newRow("the mouse changed since the save")
            << QStringList{"place 3,3", "save", "place 3,4", "speed 3", "undo"} << "01000";
        QTest::newRow("the mouse changed and back") << QStringList{"speed 3", "speed 0"} << "01";
        QTest::newRow("an upload") << QStringList{"place 3,3", "upload 1,1", "undo"} << "011";
        QTest::newRow("reset a saved desk") << QStringList{"reset", "place 1,1", "undo"} << "101";
        QTest::newRow("reset an unsaved desk") << QStringList{"place 3,3", "reset", "place 1,1", "undo"} << "0000";
    }

    void saved()
    {
        QFETCH(QStringList, actions);
        QFETCH(QString, saved);
        DeskModel model;
        model.load(deskOf(QStringLiteral("1,1,1,1 1,2,1,2")));
        QString got;
        for (const QString &action : actions) {
            act(model, action);
            got += model.isSaved() ? QLatin1Char('1') : QLatin1Char('0');
        }
        QCOMPARE(got, saved);
    }

    // Saved can be given up: nothing of this history reads saved any more.
    void savedGivenUp()
    {
        DeskModel model;
        model.load(deskOf(QStringLiteral("1,1,1,1")));
        QSignalSpy spy(&model, &DeskModel::savedChanged);
        model.setSaved(false);
        QVERIFY(!model.isSaved());
        QVERIFY(model.place(1, 2, 1920, 1080));
        QVERIFY(model.undo());
        QVERIFY(!model.isSaved());
        model.setSaved(true);
        QVERIFY(model.isSaved());
        QCOMPARE(spy.count(), 2);
    }

    // After an upload or a load the history starts afresh.
    void freshHistory()
    {
        DeskModel model;
        model.load(deskOf(QStringLiteral("1,1,1,1")));
        QVERIFY(model.place(1, 2, 1920, 1080));
        QVERIFY(model.place(1, 3, 1920, 1080));
        QVERIFY(model.undo());
        QVERIFY(model.undoStack()->canUndo() && model.undoStack()->canRedo());
        model.load(deskOf(QStringLiteral("2,2,1,1")));
        QVERIFY(!model.undoStack()->canUndo());
        QVERIFY(!model.undoStack()->canRedo());
        QVERIFY(!model.undo());
    }

    // ------------------------------------------------------- rows and roles

    void roles()
    {
        DeskModel model;
        model.load(deskOf(QStringLiteral("3,2,6,2,1080,1920 3,1,6,1")));
        const QVariantMap m = model.get(0);
        QCOMPARE(m.value("row").toInt(), 3);
        QCOMPARE(m.value("col").toInt(), 2);
        QCOMPARE(m.value("gridIndex").toInt(), 33);
        QCOMPARE(m.value("port").toInt(), 6);
        QCOMPARE(m.value("portName").toString(), QStringLiteral("S2"));
        QCOMPARE(m.value("number").toInt(), 2);
        QCOMPARE(m.value("numberText").toString(), QStringLiteral("02"));
        QCOMPARE(m.value("width").toInt(), 1080);
        QCOMPARE(m.value("height").toInt(), 1920);
        QCOMPARE(m.value("orientation").toString(), QStringLiteral("v"));
        QCOMPARE(m.value("isMain").toBool(), false);
        QCOMPARE(m.value("selected").toBool(), true);
        QCOMPARE(m.value("hasPort").toBool(), true);
        QCOMPARE(m.value("hasResolution").toBool(), true);
        QCOMPARE(model.get(1).value("isMain").toBool(), true);
        QCOMPARE(model.litPort(), 6);
        QCOMPARE(model.rowOf(32), 1);
        QCOMPARE(model.rowOf(0), -1);
        QCOMPARE(model.portCount(6), 2);
        QCOMPARE(model.nextNumber(6), 3);
        const QVariantList onPort = model.monitorsOnPort(6);
        QCOMPARE(onPort.size(), 2);
        QCOMPARE(onPort.at(0).toMap().value("numberText").toString(), QStringLiteral("01"));

        // Selecting follows the monitor's port; an empty cell lights none.
        model.select(32, true);
        QCOMPARE(model.selectedRow(), 1);
        QVERIFY(model.selectionAlert());
        model.select(0);
        QCOMPARE(model.selectedRow(), -1);
        QCOMPARE(model.litPort(), 0);
    }

    // --------------------------------------------------------------- files

    // Every template, loaded through the model as the screens hand it over,
    // saves the bytes it has always saved as.
    void templatesSaveAsBefore_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("saved");
        const QJsonObject configurations =
            QJsonDocument::fromJson(readSourceFile(QStringLiteral("data/templates.json")))
                .object()
                .value(QStringLiteral("configurations"))
                .toObject();
        const QList<QByteArray> lines =
            readSourceFile(QStringLiteral("tests/fixtures/desk/templates-saved.txt")).split('\n');
        int rows = 0;
        for (const QByteArray &line : lines) {
            const int space = line.indexOf(' ');
            if (space <= 0)
                continue;
            const QString id = QString::fromUtf8(line.left(space));
            // As the home page gives a template to the editor.
            const QJsonObject record{
                {QStringLiteral("acceleration"), QStringLiteral("0")},
                {QStringLiteral("speed"), QStringLiteral("0")},
                {QStringLiteral("position"), QStringLiteral("4")},
                {QStringLiteral("monitorlist"),
                 configurations.value(id).toObject().value(QStringLiteral("monitorlist"))}};
            QTest::newRow(qPrintable(id))
                << QString::fromUtf8(QJsonDocument(QJsonArray{record}).toJson(QJsonDocument::Compact))
                << QString::fromUtf8(line.mid(space + 1));
            ++rows;
        }
        QCOMPARE(rows, 58);
    }

    void templatesSaveAsBefore()
    {
        QFETCH(QString, input);
        QFETCH(QString, saved);
        QVariant layout;
        QVERIFY(DeskReader::parseJson(input, &layout));
        DeskModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(model.loadLayout(layout));
        QCOMPARE(model.text(), saved);
        QVERIFY(model.isSaved());
        QVERIFY(model.count() > 0);
        QCOMPARE(model.selectedRow(), 0);
    }

    // Each row answers for one cell: what no cell can hold stays out.
    void loadLeavesOutWhatDoesNotFit()
    {
        DeskModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QString seventeen;
        for (int i = 0; i < 17; ++i)
            seventeen += QStringLiteral("%1,%2,1,%3 ").arg(1 + i / 4).arg(1 + i % 4).arg(1 + i % 16);
        model.load(deskOf(QStringLiteral("1,1,1,1 0,3,1,2 1,1,2,1 17,1,2,1 2,2,2,1")));
        QCOMPARE(summary(model.desk()), (QStringList{"1,1:1/01", "2,2:2/01"}));
        model.load(deskOf(seventeen));
        QCOMPARE(model.count(), 16);
        QVERIFY(model.isSaved());
    }

    // A blank text is a blank desk; a file the editor refuses still loads
    // what came before its first bad monitor, as the editor applied it.
    void loadLayout()
    {
        DeskModel model;
        QVERIFY(model.loadLayout(QString()));
        QCOMPARE(model.count(), 0);
        QCOMPARE(model.mouse(), MouseSettings());
        QCOMPARE(model.selectedIndex(), -1);
        QVariant layout;
        QVERIFY(DeskReader::parseJson(
            QStringLiteral("[{\"speed\":\"5\",\"monitorlist\":[{\"row\":\"1\",\"col\":\"1\",\"width\":\"1920\","
                           "\"height\":\"1080\",\"portnum\":\"1\",\"monitornum\":\"01\"},{\"row\":\"1\"}]}]"),
            &layout));
        QVERIFY(!model.loadLayout(layout));
        QCOMPARE(summary(model.desk()), QStringList{"1,1:1/01"});
        QCOMPARE(model.mouseSettingsMap().value("mouse_speed").toInt(), 5);
    }

    // A desk loaded over another keeps the rows it can: the views keep their
    // items for them, and only the rows that come or go are made or dropped.
    void loadKeepsRows_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("inserted");
        QTest::addColumn<int>("removed");
        QTest::newRow("as many") << "1,1,1,1 1,2,1,2" << "3,3,2,1 3,4,2,2" << 0 << 0;
        QTest::newRow("more") << "1,1,1,1" << "3,3,2,1 3,4,2,2 3,5,2,3" << 2 << 0;
        QTest::newRow("fewer") << "1,1,1,1 1,2,1,2 1,3,1,3" << "5,5,4,1" << 0 << 2;
        QTest::newRow("none") << "1,1,1,1 1,2,1,2" << "" << 0 << 2;
    }

    void loadKeepsRows()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, inserted);
        QFETCH(int, removed);
        DeskModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.load(deskOf(before));
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy insertions(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removals(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy replaced(&model, &DeskModel::deskReplaced);
        model.load(deskOf(after));
        QCOMPARE(resets.count(), 0);
        int in = 0, out = 0;
        for (const QList<QVariant> &args : insertions)
            in += args.at(2).toInt() - args.at(1).toInt() + 1;
        for (const QList<QVariant> &args : removals)
            out += args.at(2).toInt() - args.at(1).toInt() + 1;
        QCOMPARE(in, inserted);
        QCOMPARE(out, removed);
        QCOMPARE(replaced.count(), 1);
        QCOMPARE(summary(model.desk()), summary(deskOf(after)));
        QCOMPARE(model.selectedIndex(), after.isEmpty() ? -1 : model.desk().monitors.first().gridIndex());
        QVERIFY(model.get(0).value("selected").toBool() || after.isEmpty());
    }

    // The editor hands over the layout as its script parsed it.
    void loadLayoutFromScript()
    {
        QJSEngine engine;
        const QJSValue layout = engine.evaluate(QStringLiteral(
            "[{\"speed\":\"5\",\"monitorlist\":[{\"row\":\"1\",\"col\":\"2\",\"width\":\"1920\","
            "\"height\":\"1080\",\"portnum\":\"3\",\"monitornum\":\"01\"}]}]"));
        QVERIFY(layout.isArray());
        DeskModel model;
        QVERIFY(model.loadLayout(QVariant::fromValue(layout)));
        QCOMPARE(summary(model.desk()), QStringList{"1,2:3/01"});
        QCOMPARE(model.mouseSettingsMap().value("mouse_speed").toInt(), 5);
    }

    // ------------------------------------------------------ for the screens

    // The monitors in grid order under the rules' names, and the checks on
    // the desk as it stands.
    void checks_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("placed");
        QTest::addColumn<QVariant>("incomplete");
        QTest::addColumn<QVariantList>("isolated");
        QTest::addColumn<QVariantList>("nonRectangular");
        QTest::addColumn<QVariantList>("mixed");
        const QVariant none = QVariant::fromValue(nullptr);
        QTest::newRow("passes") << "1,2,1,2 1,1,1,1" << "0:1/01 1:1/02" << none << QVariantList()
                                << QVariantList() << QVariantList();
        QTest::newRow("no port, first in grid order")
            << "3,1,0,1 1,3,0,1 1,1,1,1" << "0:1/01 2:0/01 32:0/01"
            << QVariant(QVariantMap{{"gridindex", 2}, {"missing", 0}}) << QVariantList{1, 0, 0}
            << QVariantList{0} << QVariantList();
        QTest::newRow("no resolution") << "1,1,1,1,0,0" << "0:1/01"
                                       << QVariant(QVariantMap{{"gridindex", 0}, {"missing", 1}})
                                       << QVariantList() << QVariantList() << QVariantList();
        QTest::newRow("L shape, two sizes")
            << "1,1,1,1 1,2,1,2,1280,1024 2,1,1,3 2,2,2,1" << "0:1/01 1:1/02 16:1/03 17:2/01" << none
            << QVariantList() << QVariantList{1} << QVariantList{1};
    }

    void checks()
    {
        QFETCH(QString, layout);
        QFETCH(QString, placed);
        QFETCH(QVariant, incomplete);
        QFETCH(QVariantList, isolated);
        QFETCH(QVariantList, nonRectangular);
        QFETCH(QVariantList, mixed);
        DeskModel model;
        model.load(deskOf(layout));
        QStringList seen;
        for (const QVariant &v : model.placedMonitors()) {
            const QVariantMap m = v.toMap();
            QCOMPARE(m.value("gridindex").toInt(), (m.value("row").toInt() - 1) * 16 + m.value("col").toInt() - 1);
            seen.append(QStringLiteral("%1:%2/%3").arg(m.value("gridindex").toInt())
                            .arg(m.value("portnum").toInt()).arg(m.value("monitornum").toString()));
        }
        QCOMPARE(seen.join(' '), placed);
        QCOMPARE(model.firstIncomplete(), incomplete);
        QCOMPARE(model.isolatedPorts(), isolated);
        QCOMPARE(model.nonRectangularPorts(), nonRectangular);
        QCOMPARE(model.mixedResolutionPorts(), mixed);
    }

    // The grid's cells as the screens read them, always those of the desk.
    void gridCells_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("at");
        QTest::addColumn<QString>("fields");
        // fields: display portnum portname monitornum showmonlist width height
        // orientation showborder bordercolor
        QTest::newRow("placed, selected") << "" << "1,1" << "1 6 S2 01 1 1080 1920 v 1 1";
        QTest::newRow("placed") << "" << "1,2" << "1 6 S2 02 1 1080 1920 v 0 1";
        QTest::newRow("no port") << "" << "2,1" << "1 0 -- 01 0 1920 1080 h 0 1";
        QTest::newRow("empty") << "" << "3,3" << "0 0 -- 00 1 0 0 h 0 1";
        QTest::newRow("marked in red") << "select 3,3 red" << "3,3" << "0 0 -- 00 1 0 0 h 1 0";
        QTest::newRow("emptied by a move") << "move 1,2 4,4" << "1,2" << "0 0 -- 00 1 0 0 h 0 1";
        QTest::newRow("filled by a move") << "move 1,2 4,4" << "4,4" << "1 6 S2 02 1 1080 1920 v 1 1";
        QTest::newRow("renumbered by a deletion") << "delete 1,1" << "1,2" << "1 6 S2 01 1 1080 1920 v 0 1";
    }

    void gridCells()
    {
        QFETCH(QString, action);
        QFETCH(QString, at);
        QFETCH(QString, fields);
        DeskModel model;
        GridCells cells;
        QAbstractItemModelTester tester(&cells, QAbstractItemModelTester::FailureReportingMode::QtTest);
        cells.setDesk(&model);
        model.load(deskOf(QStringLiteral("1,1,6,1,1080,1920 1,2,6,2,1080,1920 2,1,0,1")));
        QSignalSpy changed(&cells, &QAbstractItemModel::dataChanged);
        const QStringList a = action.split(' ', Qt::SkipEmptyParts);
        if (a.value(0) == QLatin1String("select"))
            model.select(cell(a.at(1)), a.value(2) == QLatin1String("red"));
        else if (a.value(0) == QLatin1String("move"))
            QVERIFY(model.move(cell(a.at(1)), cell(a.at(2))));
        else if (a.value(0) == QLatin1String("delete"))
            QVERIFY(model.remove(cell(a.at(1))));
        QCOMPARE(changed.isEmpty(), action.isEmpty());

        const int index = cell(at);
        const QVariantMap c = cells.get(index);
        QCOMPARE(c.size(), 20);
        QCOMPARE(c.value("id").toInt(), index);
        QCOMPARE(c.value("row").toInt(), index / 16 + 1);
        QCOMPARE(c.value("col").toInt(), index % 16 + 1);
        QCOMPARE(c.value("bgcolor"), c.value("display"));
        QCOMPARE(c.value("enable").toBool(), true);
        QCOMPARE(c.value("showadd").toBool(), false);
        const QStringList seen{
            QString::number(c.value("display").toInt()),   c.value("portnum").toString(),
            c.value("portname").toString(),                c.value("monitornum").toString(),
            QString::number(c.value("showmonlist").toInt()), c.value("width").toString(),
            c.value("height").toString(),                  c.value("orientation").toString(),
            QString::number(c.value("showborder").toInt()), c.value("bordercolor").toString()};
        QCOMPARE(seen.join(' '), fields);
    }

    // get() is a copy; an upload's coordinates stay with their cells until
    // another desk is loaded.
    void gridCellsPositions()
    {
        DeskModel model;
        GridCells cells;
        cells.setDesk(&model);
        model.load(deskOf(QStringLiteral("2,3,1,1")));
        QVariantMap copy = cells.get(cell("2,3"));
        QCOMPARE(copy.value("relative_row").toInt(), 2);
        QCOMPARE(copy.value("relative_col").toInt(), 3);
        QCOMPARE(copy.value("main_relative_col").toInt(), 0);
        copy.insert("display", false);
        QVERIFY(cells.get(cell("2,3")).value("display").toBool());
        QVERIFY(cells.get(-1).isEmpty());
        QVERIFY(cells.get(256).isEmpty());

        cells.setPositions({QVariantMap{{"gridindex", cell("2,3")}, {"relative_row", 1}, {"relative_col", 1},
                                        {"main_relative_row", 1}, {"main_relative_col", 1}}});
        QCOMPARE(cells.get(cell("2,3")).value("relative_row").toInt(), 1);
        QCOMPARE(cells.get(cell("2,3")).value("main_relative_col").toInt(), 1);
        model.place(5, 5);
        QCOMPARE(cells.get(cell("2,3")).value("relative_col").toInt(), 1);
        model.load(deskOf(QStringLiteral("2,3,1,1")));
        QCOMPARE(cells.get(cell("2,3")).value("relative_row").toInt(), 2);
        QCOMPARE(cells.get(cell("2,3")).value("main_relative_col").toInt(), 0);
    }

    // ------------------------------------------------ this computer's screens

    // The desktop's screens as cells: "x,y WxH[@ratio][*]" each (* the
    // primary), then the cells as "row,col WxH" in numbering order.
    void screenCells_data()
    {
        QTest::addColumn<QString>("screens");
        QTest::addColumn<QString>("cells");
        QTest::newRow("one") << "0,0 1920x1080*" << "0,0 1920x1080";
        QTest::newRow("two side by side, the primary on the right")
            << "0,0 1920x1080 1920,0 1920x1080*" << "0,1 1920x1080 | 0,0 1920x1080";
        QTest::newRow("a portrait beside a landscape, middles level")
            << "0,0 1920x1080* 1920,-420 1080x1920" << "0,0 1920x1080 | 0,1 1080x1920";
        QTest::newRow("2 x 2") << "1920,1080 1920x1080 0,0 1920x1080* 1920,0 1920x1080 0,1080 1920x1080"
                               << "0,0 1920x1080 | 0,1 1920x1080 | 1,0 1920x1080 | 1,1 1920x1080";
        QTest::newRow("an L") << "0,0 1920x1080* 0,1080 1920x1080 1920,1080 1920x1080"
                              << "0,0 1920x1080 | 1,0 1920x1080 | 1,1 1920x1080";
        QTest::newRow("stacked") << "0,1080 2560x1440 0,0 1920x1080*" << "0,0 1920x1080 | 1,0 2560x1440";
        QTest::newRow("mixed pixel ratios: device pixels")
            << "0,0 1920x1080* 1920,0 1280x720@2 3200,0 1440x900@1.5"
            << "0,0 1920x1080 | 0,1 2560x1440 | 0,2 2160x1350";
        QTest::newRow("a mirror is one screen") << "0,0 1920x1080* 0,0 1920x1080" << "0,0 1920x1080";
        QTest::newRow("no primary: grid order") << "1920,0 1920x1080 0,0 1920x1080" << "0,0 1920x1080 | 0,1 1920x1080";
    }

    void screenCells()
    {
        QFETCH(QString, screens);
        QFETCH(QString, cells);
        QVector<DesktopScreen> desktop;
        const QStringList words = screens.split(QLatin1Char(' '));
        for (int i = 0; i + 1 < words.size(); i += 2) {
            DesktopScreen s;
            const QStringList at = words.at(i).split(QLatin1Char(','));
            QString size = words.at(i + 1);
            s.primary = size.endsWith(QLatin1Char('*'));
            size.remove(QLatin1Char('*'));
            const QStringList ratio = size.split(QLatin1Char('@'));
            s.pixelRatio = ratio.size() > 1 ? ratio.at(1).toDouble() : 1;
            const QSize logical = sizeOf(ratio.at(0));
            s.geometry = QRectF(at.at(0).toDouble(), at.at(1).toDouble(), logical.width(), logical.height());
            desktop.append(s);
        }
        QStringList found;
        for (const ScreenCell &c : ScreenArrangement::cells(desktop))
            found.append(QStringLiteral("%1,%2 %3x%4").arg(c.row).arg(c.col).arg(c.width).arg(c.height));
        QCOMPARE(found.join(QStringLiteral(" | ")), cells);
    }

    // Placed on their port in one step: the port's monitors replaced, the
    // primary number 1, at the marked empty cell or the first area that fits.
    void placeScreens_data()
    {
        QTest::addColumn<QString>("desk");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("after"); // the desk in grid order, "R,C,port,number,WxH,o"
        QTest::newRow("blank desk, first free area")
            << "" << 2 << -1 << "placed" << "1,1,2,2,1920x1080,h 1,2,2,1,1080x1920,v";
        QTest::newRow("at the marked empty cell")
            << "" << 3 << cell("4,5") << "placed" << "4,5,3,2,1920x1080,h 4,6,3,1,1080x1920,v";
        QTest::newRow("the port's monitors replaced, the others kept")
            << "1,1,2,1 1,2,2,2 1,3,2,3 2,1,1,1" << 2 << -1 << "placed"
            << "1,1,2,2,1920x1080,h 1,2,2,1,1080x1920,v 2,1,1,1,1920x1080,h";
        QTest::newRow("the marked cell has no room: the first area")
            << "1,1,1,1 1,3,1,2" << 4 << cell("1,2") << "placed"
            << "1,1,1,1,1920x1080,h 1,3,1,2,1920x1080,h 1,4,4,2,1920x1080,h 1,5,4,1,1080x1920,v";
        QTest::newRow("more than 16") << "1,1,1,1 1,2,1,2 1,3,1,3 1,4,1,4 1,5,1,5 1,6,1,6 1,7,1,7 1,8,1,8 "
                                         "2,1,1,9 2,2,1,10 2,3,1,11 2,4,1,12 2,5,1,13 2,6,1,14 2,7,1,15"
                                      << 2 << -1 << "too-many" << QString();
        QTest::newRow("another monitor lacks its resolution")
            << "1,1,1,1,0,0" << 2 << -1 << "incomplete" << QString();
    }

    void placeScreens()
    {
        QFETCH(QString, desk);
        QFETCH(int, port);
        QFETCH(int, anchor);
        QFETCH(QString, result);
        QFETCH(QString, after);
        DeskModel model;
        const Desk before = deskOf(desk);
        model.load(before);
        // A landscape on the left and the primary, a portrait, on its right.
        const QVector<ScreenCell> screens =
            ScreenArrangement::cells({{QRectF(0, 0, 1920, 1080), 1, false}, {QRectF(1920, -420, 1080, 1920), 1, true}});
        QCOMPARE(model.placeScreens(screens, port, anchor), result);
        if (after.isEmpty()) {
            QCOMPARE(model.desk(), before);
            QCOMPARE(model.undoStack()->count(), 0);
            return;
        }
        QStringList found;
        for (const Monitor &m : DeskRules::inGridOrder(model.desk().monitors))
            found.append(QStringLiteral("%1,%2,%3,%4,%5x%6,%7").arg(m.row).arg(m.col).arg(m.port).arg(m.number)
                              .arg(m.width).arg(m.height).arg(m.orientationText()));
        QCOMPARE(found.join(QLatin1Char(' ')), after);
        QVERIFY(!model.isSaved());
        QCOMPARE(model.undoStack()->count(), 1);
        QVERIFY(model.undo());
        QCOMPARE(model.desk(), before);
        QVERIFY(model.isSaved());
    }
};

QTEST_GUILESS_MAIN(tst_DeskModel)
#include "tst_deskmodel.moc"
