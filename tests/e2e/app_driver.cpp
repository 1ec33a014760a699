// Runs the program's start-up and then acts on its root screen like a user:
//   SEAMRUN_DRIVER_ACTION=click-ok      press the root screen's OK button
//   SEAMRUN_DRIVER_ACTION=wait-stdin    close every window when a line arrives on stdin
//   SEAMRUN_DRIVER_ACTION=through-notice  OK on the low-resolution notice, then
//                                       close the main window it opened
// It prints "root: <url>" once the root screen is loaded, and on stderr the
// texts that screen shows at that moment ("driver: text: <text>").
#include "startup.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSocketNotifier>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

namespace {

void click(QQuickWindow *window, const char *name)
{
    QQuickItem *item = window->findChild<QQuickItem *>(QLatin1String(name));
    if (!item) {
        std::fprintf(stderr, "driver: no item %s\n", name);
        std::exit(90);
    }
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

void act(QQmlApplicationEngine &engine)
{
    QObject *root = engine.rootObjects().value(0);
    const QString rootUrl = root ? qmlContext(root)->baseUrl().toString() : QStringLiteral("none");
    std::printf("root: %s\n", qPrintable(rootUrl));
    std::fflush(stdout);
    if (root) {
        const auto items = root->findChildren<QQuickItem *>();
        for (QQuickItem *item : items) {
            if (item->inherits("QQuickText"))
                std::fprintf(stderr, "driver: text: %s\n", item->property("text").toString().toUtf8().constData());
        }
    }

    auto *window = qobject_cast<QQuickWindow *>(root);
    const QByteArray action = qgetenv("SEAMRUN_DRIVER_ACTION");
    if (action == "click-ok") {
        QTimer::singleShot(0, [window] {
            if (!QTest::qWaitForWindowExposed(window))
                std::exit(92);
            click(window, "okButton");
        });
    } else if (action == "wait-stdin") {
        auto *notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, qApp);
        QObject::connect(notifier, &QSocketNotifier::activated, [] {
            const auto windows = QGuiApplication::topLevelWindows();
            for (QWindow *w : windows)
                w->close();
        });
    } else if (action == "through-notice") {
        QTimer::singleShot(0, [window, &engine] {
            if (!QTest::qWaitForWindowExposed(window))
                std::exit(92);
            click(window, "okButton");
            QTimer::singleShot(500, [&engine] {
                // The main window is the newest top-level window.
                const auto windows = QGuiApplication::topLevelWindows();
                for (QWindow *w : windows) {
                    if (w->width() == 1280 && w->height() == 755) {
                        std::printf("main window open\n");
                        std::fflush(stdout);
                        QMetaObject::invokeMethod(w, "quitAp");
                        return;
                    }
                }
                std::fprintf(stderr, "driver: no main window\n");
                std::exit(91);
            });
        });
    }
}

} // namespace

int main(int argc, char **argv)
{
    return startup::run(argc, argv, act);
}
