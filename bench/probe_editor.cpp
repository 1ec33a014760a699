// The layout editor at work: once the home page is on screen, builds the
// 16-monitor template 18-03 as "Build" does and times it to the editor's first
// frame, then repeats each editing action 100 times and prints the median
// (call plus the frame it causes), undo and redo of a step, and the peak
// resident memory at the end.
#include "firstframe.h"
#include "startup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const int kRepeats = 100;

QVariant call(QObject *object, const char *function, const QVariantList &args = {})
{
    QVariant result;
    bool ok = false;
    switch (args.size()) {
    case 0:
        ok = QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result));
        break;
    case 1:
        ok = QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result),
                                       Q_ARG(QVariant, args[0]));
        break;
    case 2:
        ok = QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result),
                                       Q_ARG(QVariant, args[0]), Q_ARG(QVariant, args[1]));
        break;
    case 3:
        ok = QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result),
                                       Q_ARG(QVariant, args[0]), Q_ARG(QVariant, args[1]),
                                       Q_ARG(QVariant, args[2]));
        break;
    }
    if (!ok) {
        std::fprintf(stderr, "cannot call %s\n", function);
        std::printf("peak_rss_kb %ld\n", firstframe::peakRssKb());
        std::fflush(stdout);
        std::_Exit(3);
    }
    return result;
}

// Milliseconds from `action` to the end of the frame it causes.
double timed(QQuickWindow *window, const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    QEventLoop loop;
    QObject::connect(window, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
    QTimer::singleShot(100, &loop, &QEventLoop::quit); // nothing to draw
    window->update();
    loop.exec();
    // The actions run from a timer of the main loop and wait in loops of
    // their own, which leave objects given up with deleteLater() alone;
    // the program's main loop would delete them now, so this does.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return timer.nsecsElapsed() / 1e6;
}

void report(const char *name, const std::vector<double> &times)
{
    std::printf("action_ms %s %.3f\n", name, firstframe::median(times));
}

int cell(int row, int col)
{
    return (row - 1) * 16 + (col - 1);
}

void run(QQmlApplicationEngine &engine)
{
    QObject *root = engine.rootObjects().value(0);
    auto *window = qobject_cast<QQuickWindow *>(root);
    if (!window) {
        std::fprintf(stderr, "no main window\n");
        std::_Exit(3);
    }
    QObject *store = engine.rootContext()->contextProperty(QStringLiteral("regedit")).value<QObject *>();
    QMetaObject::invokeMethod(store, "setRegedit", Q_ARG(QString, QStringLiteral("showTutorial")),
                              Q_ARG(QVariant, QStringLiteral("0")));
    root->findChild<QObject *>(QStringLiteral("dialog_Qml"))->setProperty("visible", false);

    // Build: the editor is made, filled with the template and drawn.
    const double open = timed(window, [&] { call(root, "loadModel", {QStringLiteral("18-03")}); });
    std::printf("open_ms %.3f\n", open);
    std::printf("open_peak_rss_kb %ld\n", firstframe::peakRssKb());
    std::fflush(stdout);
    QObject *editor = root->findChild<QObject *>(QStringLiteral("setQml"))->property("item").value<QObject *>();

    auto fresh = [&] { call(root, "loadModel", {QStringLiteral("18-03")}); };
    std::vector<double> place, select, remove, port, swap, check, undo, redo;

    // Delete a monitor, then place one on the freed cell.
    fresh();
    const int freed = cell(4, 5);
    for (int i = 0; i < kRepeats; ++i) {
        call(editor, "pressCell", {freed, 77, 77});
        remove.push_back(timed(window, [&] { call(editor, "delMonitor", {freed}); }));
        place.push_back(timed(window, [&] { call(editor, "pressCell", {freed, 77, 77}); }));
    }
    // Select two monitors in turn.
    fresh();
    for (int i = 0; i < kRepeats; ++i) {
        const int target = i % 2 ? cell(1, 2) : cell(3, 4);
        select.push_back(timed(window, [&] { call(editor, "pressCell", {target, 77, 77}); }));
    }
    // Move a monitor between two ports, and swap numbers within port 1.
    fresh();
    call(editor, "pressCell", {cell(4, 3), 77, 77});
    for (int i = 0; i < kRepeats; ++i)
        port.push_back(timed(window, [&] { call(editor, "changePort", {i % 2 ? 3 : 2}); }));
    fresh();
    call(editor, "pressCell", {cell(1, 2), 77, 77});
    for (int i = 0; i < kRepeats; ++i) {
        const QString number = i % 2 ? QStringLiteral("01") : QStringLiteral("09");
        swap.push_back(timed(window, [&] { call(editor, "changeMonitorNumber", {number}); }));
    }
    fresh();
    for (int i = 0; i < kRepeats; ++i) {
        check.push_back(timed(window, [&] {
            if (!call(editor, "checkRule").toBool()) {
                std::fprintf(stderr, "the template fails the checks\n");
                std::_Exit(3);
            }
        }));
    }
    // Undo and redo of a step with 16 monitors placed: a port change (both
    // ports renumbered) and a move.
    for (const bool move : {false, true}) {
        fresh();
        call(editor, "pressCell", {cell(4, 3), 77, 77});
        if (move)
            call(editor, "moveMonitor", {cell(4, 3), cell(6, 6)});
        else
            call(editor, "changePort", {2});
        for (int i = 0; i < kRepeats / 2; ++i) {
            undo.push_back(timed(window, [&] { call(editor, "undo"); }));
            redo.push_back(timed(window, [&] { call(editor, "redo"); }));
        }
    }
    std::vector<double> noop;
    fresh();
    for (int i = 0; i < kRepeats; ++i)
        noop.push_back(timed(window, [] {}));
    report("noop", noop);
    // A frame with nothing changed, for reference.
    std::vector<double> frame;
    fresh();
    for (int i = 0; i < kRepeats; ++i)
        frame.push_back(timed(window, [] {}));
    report("frame", frame);
    report("place", place);
    report("select", select);
    report("delete", remove);
    report("port", port);
    report("swap", swap);
    report("checkRule", check);
    report("undo", undo);
    report("redo", redo);

    std::printf("peak_rss_kb %ld\n", firstframe::peakRssKb());
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace

int main(int argc, char *argv[])
{
    return startup::run(argc, argv, [](QQmlApplicationEngine &engine) {
        auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
        if (!window)
            std::_Exit(3);
        // Start once the home page has been drawn, as a user would.
        auto *connection = new QMetaObject::Connection;
        *connection = QObject::connect(window, &QQuickWindow::frameSwapped, window, [&engine, connection] {
            QObject::disconnect(*connection);
            delete connection;
            QTimer::singleShot(200, [&engine] { run(engine); });
        });
    });
}
