// "Save to device" of the 16-monitor template on two chained switches,
// against the emulated switch (preloaded by bench_upload.sh). The main window
// and editor are the program's own; the dialog's three-second wait is left
// out by calling its two halves directly: the next button (driver check and
// open) and what the wait's end runs (queries and the upload). Prints, per
// run, the time of those two halves together and the number of exchanges the
// switch saw; and, as the baseline, the same exchanges sent straight from C++
// through the device object (open, port status, version, sendAllCommand).
// Exits 1 when the switch did not see k+5 exchanges or the target is missed.
#include "firstframe.h"
#include "orrindata.h"
#include "startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char kTemplate[] = "18-03";
const int kMonitors = 16;

// Request lines the switch has logged so far.
int switchRequests()
{
    QFile log(qEnvironmentVariable("SEAMRUN_EMU_LOG"));
    if (!log.open(QIODevice::ReadOnly))
        return -1;
    int n = 0;
    while (!log.atEnd())
        if (log.readLine().contains("\"event\":\"request\""))
            ++n;
    return n;
}

QObject *loaded(QObject *loader)
{
    return loader ? loader->property("item").value<QObject *>() : nullptr;
}

bool call(QObject *target, const char *method, QVariant *result = nullptr,
          const QVariant &arg = QVariant())
{
    QVariant ignored;
    QVariant &ret = result ? *result : ignored;
    if (!target)
        return false;
    return arg.isValid() ? QMetaObject::invokeMethod(target, method, Q_RETURN_ARG(QVariant, ret),
                                                     Q_ARG(QVariant, arg))
                         : QMetaObject::invokeMethod(target, method, Q_RETURN_ARG(QVariant, ret));
}

// The same records as the flow sends, through the device object in one call.
double baselineRun(OrrinData &orrin)
{
    QList<QVariantMap> monitors;
    for (int i = 0; i < kMonitors; ++i)
        monitors.append({{"serialNum", 1 + i % 8}, {"portNum", 1}, {"x", 1 + i / 4}, {"y", 1 + i % 4},
                         {"w_l", 1920 & 255}, {"w_h", 1920 >> 8}, {"h_l", 1080 & 255}, {"h_h", 1080 >> 8}});
    const QVariantMap mouse{{"acceleration", 0}, {"speed", 0}, {"position", 4}, {"duration", 1}};
    QElapsedTimer t;
    t.start();
    const bool ok = orrin.open(0x1209, 0x0001) && orrin.getPortStatus() && orrin.getFWAPProtocolVersion()
                    && orrin.sendAllCommand(kMonitors + 1, monitors, mouse);
    const double ms = t.nsecsElapsed() / 1e6;
    return ok ? ms : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vesko"));
    QCoreApplication::setApplicationName(QStringLiteral("Seamrun Switching Configuration Utility"));
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;

    startup::registerTypes();
    QQmlApplicationEngine engine;
    startup::NativeObjects objects(&engine);
    engine.load(QUrl(QStringLiteral("qrc:/Qml/main.qml")));
    QObject *main = engine.rootObjects().value(0);
    if (!main || !call(main, "loadModel", nullptr, QString::fromLatin1(kTemplate))) {
        std::fprintf(stderr, "cannot open the template\n");
        return 2;
    }
    QObject *dialogs = main->findChild<QObject *>(QStringLiteral("dialog_Qml"));
    QObject *editor = loaded(main->findChild<QObject *>(QStringLiteral("setQml")));
    QObject *uploadLoader = editor ? editor->findChild<QObject *>(QStringLiteral("upload_Qml")) : nullptr;
    if (!editor || !uploadLoader || !dialogs) {
        std::fprintf(stderr, "no editor\n");
        return 2;
    }

    std::vector<double> onNext;
    std::vector<double> afterTheWait;
    std::vector<double> flow;
    std::vector<double> floor;
    int exchanges = -1;
    OrrinData own;
    for (int i = 0; i < runs; ++i) {
        call(editor, "saveDeviceDialog");
        QObject *upload = loaded(uploadLoader);
        QObject *wait = upload ? upload->property("timer").value<QObject *>() : nullptr;
        if (!wait) {
            std::fprintf(stderr, "no connection dialog\n");
            return 2;
        }
        const int before = switchRequests();
        QElapsedTimer t;
        t.start();
        QVariant opened;
        call(upload, "connectDevice", &opened);
        const qint64 beforeWait = t.nsecsElapsed();
        QMetaObject::invokeMethod(wait, "stop");
        QElapsedTimer afterWait;
        afterWait.start();
        call(editor, "checkDeviceNum");
        const double nextMs = beforeWait / 1e6;
        const double afterMs = afterWait.nsecsElapsed() / 1e6;
        exchanges = switchRequests() - before;
        const QString shown = main->property("alert_dialog_info").toMap().value("msg").toString();
        if (!opened.toBool() || shown != QLatin1String("Saved to device successfully.")) {
            std::fprintf(stderr, "upload did not succeed: %s\n", qPrintable(shown));
            return 1;
        }
        dialogs->setProperty("visible", false);
        onNext.push_back(nextMs);
        afterTheWait.push_back(afterMs);
        flow.push_back(nextMs + afterMs);
        floor.push_back(baselineRun(own));
    }

    const double f = firstframe::median(flow);
    const double b = firstframe::median(floor);
    std::printf("template %s: %d monitors, %d runs, medians\n", kTemplate, kMonitors, runs);
    std::printf("exchanges      %d (expected k+5 = %d)\n", exchanges, kMonitors + 5);
    std::printf("on next         %7.2f ms   driver check and open\n", firstframe::median(onNext));
    std::printf("after the wait  %7.2f ms   queries, upload, message\n", firstframe::median(afterTheWait));
    std::printf("beyond the wait %7.2f ms   (target < 50 ms: %s)\n", f, f < 50 ? "met" : "missed");
    std::printf("baseline        %7.2f ms   device object alone, same exchanges\n", b);
    std::printf("ratio           %7.2f\n", b > 0 ? f / b : 0.0);
    return (exchanges == kMonitors + 5 && f < 50) ? 0 : 1;
}
