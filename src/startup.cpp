#include "startup.h"

#include "QSingleApplication.h"
#include "ProcessInfo.h"
#include "copyright.h"
#include "desk/gridcells.h"
#include "desk/deskmodel.h"
#include "fileEncrypt.h"
#include "fileio.h"
#include "langswitch.h"
#include "logcategories.h"
#include "layoutrules.h"
#include "orrindata.h"
#include "recentfiles.h"
#include "regedit.h"
#include "switchstatus.h"
#include "tooltip.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QScreen>
#include <QUndoStack>
#include <QUrl>
#include <QtQml>

namespace startup {

QString chooseRootScreen(bool anotherInstanceRunning, const QSize &primaryScreen)
{
    if (anotherInstanceRunning)
        return QStringLiteral("qrc:/Qml/aprunned.qml");
    if (primaryScreen.width() < kMinScreenWidth || primaryScreen.height() < kMinScreenHeight)
        return QStringLiteral("qrc:/Qml/foreword.qml");
    return QStringLiteral("qrc:/Qml/main.qml");
}

void registerTypes()
{
    static bool registered = false;
    if (registered)
        return;
    qmlRegisterType<OrrinData>("Qt.Quick.OrrinData", 1, 0, "OrrinData");
    // The outcomes of orrin.uploadDesk, by name (DeskUpload.Uploaded, ...).
    qmlRegisterUncreatableMetaObject(DeskUpload::staticMetaObject, "Qt.Quick.OrrinData", 1, 0, "DeskUpload",
                                     QStringLiteral("DeskUpload only names the outcomes of an upload"));
    qmlRegisterType<SwitchStatus>("Qt.Quick.OrrinData", 1, 0, "SwitchStatus");
    qmlRegisterSingletonType<LayoutRules>("Seamrun.Layout", 1, 0, "Layout", &LayoutRules::create);
    // The desk being edited, with its undo stack (reached through the
    // model's undoStack property, never made from QML).
    qmlRegisterType<DeskModel>("Seamrun.Layout", 1, 0, "DeskModel");
    qmlRegisterAnonymousType<QUndoStack>("Seamrun.Layout", 1);
    // The editor's grid cells as read from the desk (its gridModel).
    qmlRegisterType<GridCells>("Seamrun.Layout", 1, 0, "GridCells");
    qmlRegisterSingletonType<RecentFiles>("Seamrun.Files", 1, 0, "RecentFiles", &RecentFiles::create);
    qmlRegisterSingletonType<ToolTip>("Seamrun.Shell", 1, 0, "ToolTip", &ToolTip::create);
    registered = true;
}

int NativeObjects::storedLanguage(regedit &settings)
{
    bool ok = false;
    const int index = settings.readRegedit(QStringLiteral("language")).toInt(&ok, 10);
    return ok ? index : 0;
}

NativeObjects::NativeObjects(QQmlEngine *engine)
    : m_regedit(new regedit)
    , m_encrypt(new fileEncrypt)
    , m_io(new fileIo)
    , m_com(new comCopyright)
    , m_process(new ProcessInfo)
{
    registerTypes();

    QQmlContext *context = engine->rootContext();
    context->setContextProperty(QStringLiteral("regedit"), m_regedit.get());
    context->setContextProperty(QStringLiteral("encrypt"), m_encrypt.get());
    context->setContextProperty(QStringLiteral("io"), m_io.get());
    context->setContextProperty(QStringLiteral("com"), m_com.get());
    context->setContextProperty(QStringLiteral("mainwindow"), engine);
    context->setContextProperty(QStringLiteral("appDirPath"), QCoreApplication::applicationDirPath());
    context->setContextProperty(QStringLiteral("process"), m_process.get());
    traceStartup("service objects published");

    const int language = storedLanguage(*m_regedit);
    traceStartup("settings: stored language read");
    m_lang.reset(new LangSwitch(engine));
    context->setContextProperty(QStringLiteral("lang"), m_lang.get());
    m_lang->changeLang(language);
    traceStartup("catalogue of the language loaded");
}

// Members go in reverse order of declaration: language switcher, probe,
// company name, layout file access, file protection, settings store.
NativeObjects::~NativeObjects() = default;

namespace {
// Runs `action` on the first emission of `signal` only. Queued, it runs
// after the work the emission reports; emissions queued before it ran find
// it done.
template <typename Signal, typename Action>
void onFirst(QQuickWindow *window, Signal signal, Qt::ConnectionType type, Action action)
{
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(window, signal, window, [connection, action] {
        if (!*connection)
            return;
        QObject::disconnect(*connection);
        *connection = QMetaObject::Connection();
        action();
    }, type);
}

// The first frame's steps, on the timeline of "seamrun.startup".
void traceFirstFrame(QQuickWindow *window)
{
    if (!window || !lcStartup().isDebugEnabled())
        return;
    onFirst(window, &QQuickWindow::beforeSynchronizing, Qt::DirectConnection,
            [] { traceStartup("first frame: scene synchronising"); });
    onFirst(window, &QQuickWindow::beforeRendering, Qt::DirectConnection,
            [] { traceStartup("first frame: rendering"); });
    onFirst(window, &QQuickWindow::frameSwapped, Qt::DirectConnection,
            [] { traceStartup("first frame on screen"); });
}

// The window's icon (drawn from the same picture as the desktop menu's).
// Decoding it costs the first frame a millisecond and a half; the window
// gets it as soon as that frame is on screen.
void setIconAfterFirstFrame(QQuickWindow *window)
{
    const auto setIcon = [] {
        QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/Images/seamrun-config.png")));
    };
    if (window)
        onFirst(window, &QQuickWindow::frameSwapped, Qt::QueuedConnection, setIcon);
    else
        setIcon();
}
} // namespace

int run(int &argc, char **argv, const std::function<void(QQmlApplicationEngine &)> &afterLoad)
{
    // Where the window system gives no frame pacing (X11 without a
    // compositor, the software renderer), Qt waits 5 ms of idle time before
    // every repaint. The screens change on a press or a key, never in a
    // stream, so a change is drawn on the next turn of the event loop
    // instead; animations keep their own timer. The user's own setting wins.
    if (!qEnvironmentVariableIsSet("QT_QPA_UPDATE_IDLE_TIME"))
        qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    traceStartup("main entered");
    QSingleApplication app(argc, argv);
    traceStartup("application object and single-instance probe");
    // The desktop entry a Wayland compositor matches the window with.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vesko_peripherals.SeamrunConfig"));
    registerTypes();
    QQmlApplicationEngine engine;
    traceStartup("QML engine");
    int exitCode = 0;
    {
        NativeObjects objects(&engine);

        QSize screenSize;
        if (QScreen *screen = QGuiApplication::primaryScreen())
            screenSize = screen->geometry().size();
        engine.load(QUrl(chooseRootScreen(app.isRunning(), screenSize)));
        traceStartup("root screen loaded: QML types and components");
        auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
        traceFirstFrame(window);
        setIconAfterFirstFrame(window);
        if (afterLoad)
            afterLoad(engine);

        exitCode = app.exec();
        traceStartup("quit: event loop ended");

        // The screens go before the objects they call: a closed window still
        // holds bindings on "com", "regedit" and the rest, and would evaluate
        // them against objects that are already gone.
        const QList<QObject *> screens = engine.rootObjects();
        for (QObject *screen : screens)
            delete screen;
        traceStartup("quit: screens destroyed");
    }
    traceStartup("quit: native objects destroyed");
    return exitCode;
}

} // namespace startup
