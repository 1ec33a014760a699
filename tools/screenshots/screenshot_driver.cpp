// Starts the real program (same wiring, same screens) and walks it through
// the screens worth looking at: the home page and its template pages, the
// configurations of a template, the About box and the list of keys, the
// notices and questions, the editor page with both menus, the four settings
// dialogs, and the editor at work (a 16-monitor template, its port and number
// lists, the delete prompt, each error page, the tutorial, the smallest zoom,
// the questions of "This computer's screens"), the questions of the editor
// and of "Save to device", the connection dialog, the open language list, and
// the two notices that stand in for the main window (low resolution, second
// start).
//
// For every screen it prints one line "shot NAME WINDOW_ID" and waits for one
// line on stdin before going on, so that a script can photograph the window
// as the X server shows it. Answering "grab" makes the driver save the window
// itself as OUTPUT_DIR/NAME.png instead. "shot NAME root" asks for the whole
// screen (for pop-up lists, which are windows of their own).
//
//   screenshot_driver OUTPUT_DIR [LANGUAGE]
//   screenshot_driver --check-fit LANGUAGE
//
// LANGUAGE is a catalogue name ("en", "cn_t", "de", ...); the program starts in
// that language as if the user had chosen it before.
//
// With --check-fit nothing is photographed: at every screen the driver looks
// at each text shown (see fitcheck.h), prints one line per fault as
// "LANGUAGE | SCREEN | ITEM | "TEXT" | WHAT", and ends with status 1 if
// there was any.
//
// With the switch emulator preloaded (SEAMRUN_EMU_VERSION set), the walk ends
// with a "Save to device" that succeeds, and the side panel after it. Until
// then the switch is kept away (SEAMRUN_EMU_ABSENT), so the screens show the
// connection dialog as without a switch.
#include "fileEncrypt.h"
#include "fitcheck.h"
#include "langswitch.h"
#include "startup.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPointer>
#include <QJsonDocument>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTimer>
#include <QVariant>
#include <QtTest>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

QString g_outputDir;
bool g_checkFit = false;
QString g_language = QStringLiteral("en");
QStringList g_faults;
int g_screens = 0;

// Checks the screen instead of photographing it: the window with the pop-up
// windows it has open, or with a null window every window shown.
void checkScreen(QQuickWindow *window, const char *name)
{
    QTest::qWait(300);
    ++g_screens;
    QStringList faults;
    if (!window) {
        faults = fitcheck::checkAll(QLatin1String(name));
    } else {
        faults = fitcheck::check(window, QLatin1String(name));
        const auto windows = QGuiApplication::topLevelWindows();
        for (QWindow *other : windows) {
            auto *popup = qobject_cast<QQuickWindow *>(other);
            if (popup && popup != window && popup->isVisible() && popup->transientParent() == window)
                faults << fitcheck::check(popup, QLatin1String(name));
        }
    }
    for (const QString &fault : faults) {
        const QString line = g_language + QStringLiteral(" | ") + fault;
        g_faults << line;
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    }
}

[[noreturn]] void fail(const QString &why)
{
    std::fprintf(stderr, "screenshot_driver: %s\n", qPrintable(why));
    std::fflush(stderr);
    std::exit(2);
}

QQuickItem *findItem(QQuickItem *item, const QString &name);

// Items a Repeater makes (the template configuration tiles) hang in the visual
// tree only, not in the object tree.
QObject *find(QObject *root, const char *name)
{
    QObject *object = root->findChild<QObject *>(QLatin1String(name));
    if (!object)
        if (auto *window = qobject_cast<QQuickWindow *>(root))
            object = findItem(window->contentItem(), QLatin1String(name));
    if (!object)
        fail(QStringLiteral("no item %1").arg(QLatin1String(name)));
    return object;
}

void call(QObject *object, const char *function, const QVariant &argument = QVariant())
{
    const bool ok = argument.isValid()
            ? QMetaObject::invokeMethod(object, function, Q_ARG(QVariant, argument))
            : QMetaObject::invokeMethod(object, function);
    if (!ok)
        fail(QStringLiteral("cannot call %1").arg(QLatin1String(function)));
}

void click(QQuickWindow *window, const char *name)
{
    auto *item = qobject_cast<QQuickItem *>(find(window, name));
    if (!item)
        fail(QStringLiteral("%1 is not an item").arg(QLatin1String(name)));
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

void hideDialog(QObject *root)
{
    find(root, "dialog_Qml")->setProperty("visible", false);
}

// Lets the window settle, then hands the picture to the caller's script.
void shot(QQuickWindow *window, const char *name)
{
    if (g_checkFit) {
        checkScreen(window, name);
        return;
    }
    QTest::qWait(400);
    std::printf("shot %s 0x%llx\n", name, static_cast<unsigned long long>(window->winId()));
    std::fflush(stdout);
    std::string answer;
    if (!std::getline(std::cin, answer))
        fail(QStringLiteral("no answer for %1").arg(QLatin1String(name)));
    if (answer == "grab") {
        const QImage image = window->grabWindow();
        const QString path = QDir(g_outputDir).filePath(QLatin1String(name) + QStringLiteral(".png"));
        if (image.isNull() || !image.save(path))
            fail(QStringLiteral("cannot save %1").arg(path));
    }
}

// A key as the user types it: to the window that has the keyboard, or to
// `window` where none has it (on a display without a window manager). A
// press may close the window it went to: the release then goes to nothing
// rather than to a window that is gone.
void keyTo(QWindow *window, Qt::Key key)
{
    QPointer<QWindow> target = QGuiApplication::focusWindow();
    if (!target)
        target = window;
    QTest::keyPress(target.data(), key);
    if (target)
        QTest::keyRelease(target.data(), key);
}

// The same screen's pop-up list, photographed with the whole screen.
void shotScreen(const char *name)
{
    if (g_checkFit) {
        checkScreen(nullptr, name);
        return;
    }
    QTest::qWait(400);
    std::printf("shot %s root\n", name);
    std::fflush(stdout);
    std::string answer;
    if (!std::getline(std::cin, answer) || answer != "next")
        fail(QStringLiteral("no picture of the screen for %1").arg(QLatin1String(name)));
}

// A screen's text in the language in force, for notices the driver shows itself.
QString tr(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text);
}

QVariantMap alertInfo(const QString &msg, int icon, const QString &title = QString())
{
    QVariantMap info;
    info.insert(QStringLiteral("msg"), msg);
    info.insert(QStringLiteral("showicon"), 1);
    info.insert(QStringLiteral("icon"), icon);
    info.insert(QStringLiteral("title"), title);
    return info;
}

QVariantMap confirmInfo(const QString &msg, const QString &dobtn, const QString &cancelbtn, int showicon)
{
    QVariantMap info;
    info.insert(QStringLiteral("msg"), msg);
    info.insert(QStringLiteral("dobtn"), dobtn);
    info.insert(QStringLiteral("cancelbtn"), cancelbtn);
    info.insert(QStringLiteral("showicon"), showicon);
    info.insert(QStringLiteral("icon"), 0);
    return info;
}

// Opens the editor on a layout given as layout file text, as a template would.
void openLayout(QObject *root, const char *text)
{
    const QJsonDocument layout = QJsonDocument::fromJson(QByteArray(text));
    if (layout.isNull())
        fail(QStringLiteral("bad layout text in the driver"));
    root->setProperty("filePath", QUrl());
    root->setProperty("filedata", layout.toVariant());
    call(root, "gotoEditLayoutUI");
}

// Repeater delegates are items of their visual parent only: search the item tree.
QQuickItem *findItem(QQuickItem *item, const QString &name)
{
    if (item->objectName() == name)
        return item;
    const auto children = item->childItems();
    for (QQuickItem *child : children)
        if (QQuickItem *hit = findItem(child, name))
            return hit;
    return nullptr;
}

QObject *gridCell(QObject *editor, int index)
{
    QQuickItem *cell = findItem(qobject_cast<QQuickItem *>(editor), QStringLiteral("cell%1").arg(index));
    if (!cell)
        fail(QStringLiteral("no cell %1").arg(index));
    return cell;
}

QObject *editorPage(QObject *root)
{
    QObject *editor = find(root, "setQml")->property("item").value<QObject *>();
    if (!editor)
        fail(QStringLiteral("the editor page did not load"));
    return editor;
}

void clickIn(QQuickWindow *window, QObject *parent, const char *name)
{
    auto *item = findItem(qobject_cast<QQuickItem *>(parent), QLatin1String(name));
    if (!item || !item->isVisible())
        fail(QStringLiteral("no visible %1").arg(QLatin1String(name)));
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

// The editor at work: a 16-monitor template, its lists and prompt, the
// checks' pages, the tutorial, and the grid at its smallest zoom.
void walkEditor(QQuickWindow *window, QObject *root)
{
    QObject *errors = find(root, "error_Qml");
    call(root, "loadModel", QStringLiteral("18-03"));
    QObject *editor = editorPage(root);
    QTest::mouseMove(window, QPoint(1100, 580));
    shot(window, "editor-template-16");

    QObject *cell = gridCell(editor, 18); // row 2, column 3: a P1 monitor
    clickIn(window, cell, "portButton");
    shot(window, "editor-port-list");
    call(editor, "hiddenPortlistDialog");
    clickIn(window, cell, "numberButton");
    shot(window, "editor-number-list");
    call(editor, "hiddenPortlistDialog");
    clickIn(window, gridCell(editor, 20), "deleteButton");
    shot(window, "editor-delete-prompt");
    call(editor, "hiddenDelDialog");

    // The keyboard: the grid's cursor beside the selection, a focused
    // button's ring, and the File menu with its keys.
    call(editor, "focusGrid");
    QTest::keyClick(window, Qt::Key_Right);
    QTest::keyClick(window, Qt::Key_Down);
    shot(window, "editor-keyboard-cursor");
    QTest::keyClick(window, Qt::Key_Tab);
    QTest::keyClick(window, Qt::Key_Tab);
    shot(window, "editor-focus-ring");
    QTest::keyClick(window, Qt::Key_Backtab);
    QTest::keyClick(window, Qt::Key_Backtab);
    QTest::keyClick(window, Qt::Key_Backtab);
    QTest::keyClick(window, Qt::Key_Backtab);
    QTest::keyClick(window, Qt::Key_Space);
    shot(window, "editor-file-menu-keys");
    QTest::keyClick(window, Qt::Key_Escape);

    // One layout per check that fails, checked as "Save to device" does.
    const char *failing[][2] = {
        {"editor-error-rectangle",
         "[{\"acceleration\":\"0\",\"speed\":\"0\",\"position\":\"4\",\"monitorlist\":["
         "{\"row\":\"2\",\"col\":\"2\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"1\",\"monitornum\":\"01\"},"
         "{\"row\":\"2\",\"col\":\"3\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"1\",\"monitornum\":\"02\"},"
         "{\"row\":\"3\",\"col\":\"2\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"1\",\"monitornum\":\"03\"},"
         "{\"row\":\"3\",\"col\":\"3\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"2\",\"monitornum\":\"01\"}]}]"},
        {"editor-error-blank",
         "[{\"acceleration\":\"0\",\"speed\":\"0\",\"position\":\"4\",\"monitorlist\":["
         "{\"row\":\"2\",\"col\":\"2\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"1\",\"monitornum\":\"01\"},"
         "{\"row\":\"2\",\"col\":\"4\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"2\",\"monitornum\":\"01\"}]}]"},
        {"editor-error-resolution",
         "[{\"acceleration\":\"0\",\"speed\":\"0\",\"position\":\"4\",\"monitorlist\":["
         "{\"row\":\"2\",\"col\":\"2\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"1\",\"monitornum\":\"01\"},"
         "{\"row\":\"2\",\"col\":\"3\",\"width\":\"1280\",\"height\":\"1024\",\"portnum\":\"1\",\"monitornum\":\"02\"},"
         "{\"row\":\"2\",\"col\":\"4\",\"width\":\"1280\",\"height\":\"1024\",\"portnum\":\"1\",\"monitornum\":\"03\"}]}]"},
    };
    for (const auto &layout : failing) {
        openLayout(root, layout[1]);
        call(editor, "saveDeviceDialog");
        shot(window, layout[0]);
        errors->setProperty("visible", false);
    }

    errors->setProperty("source", QString());
    errors->setProperty("source", QStringLiteral("qrc:/Qml/edit_page_tutorial.qml"));
    errors->setProperty("visible", true);
    shot(window, "editor-tutorial");
    errors->setProperty("visible", false);

    call(root, "loadModel", QStringLiteral("18-03"));
    editor->setProperty("zoomValue", 1);
    shot(window, "editor-zoom-smallest");
    editor->setProperty("zoomValue", 100);

    // "This computer's screens": the port asked when no switch answers, and
    // the question before a port's monitors are replaced.
    const QVariant vid = root->property("vid");
    root->setProperty("vid", 0x1234);
    call(editor, "doMenuEvent", 9);
    shot(window, "editor-port-question");
    hideDialog(root);
    root->setProperty("vid", vid);
    call(root, "showConfirm", confirmInfo(tr("ScreensCommand", "%1 has monitors on the desk already. Replace them "
                                                               "with this computer's screens?").arg(QStringLiteral("P3")),
                                          tr("ScreensCommand", "Replace"), tr("ScreensCommand", "Cancel"), 1));
    shot(window, "confirm-replace-screens");
    hideDialog(root);
}

// "Save to device": the connection dialog, and the same dialog once the
// switch could not be opened (there is no switch here).
void walkUpload(QQuickWindow *window, QObject *root)
{
    call(root, "loadModel", QStringLiteral("01-01"));
    QObject *editor = editorPage(root);
    click(window, "save_device_button");
    QObject *upload = find(editor, "upload_Qml");
    if (!upload->property("visible").toBool())
        fail(QStringLiteral("the connection dialog did not open"));
    QTest::mouseMove(window, QPoint(1100, 580));
    shot(window, "upload-connect");
    QObject *dialog = upload->property("item").value<QObject *>();
    clickIn(window, dialog, "ok_btn");
    QTest::mouseMove(window, QPoint(1100, 580));
    shot(window, "upload-not-ready");
    upload->setProperty("visible", false);
    hideDialog(root);

    if (!qEnvironmentVariableIsSet("SEAMRUN_EMU_VERSION"))
        return;
    // The switch comes: the 16-monitor template goes out, and the side
    // panel shows what the upload read (firmware, chain).
    qunsetenv("SEAMRUN_EMU_ABSENT");
    call(root, "loadModel", QStringLiteral("18-03"));
    editor = editorPage(root);
    click(window, "save_device_button");
    upload = find(editor, "upload_Qml");
    dialog = upload->property("item").value<QObject *>();
    if (!dialog)
        fail(QStringLiteral("the connection dialog did not open for the upload"));
    clickIn(window, dialog, "ok_btn");
    QObject *notice = find(root, "dialog_Qml");
    if (!QTest::qWaitFor([&] { return notice->property("visible").toBool(); }, 15000))
        fail(QStringLiteral("the upload ended without a word"));
    QTest::mouseMove(window, QPoint(1100, 580));
    shot(window, "upload-done");
    hideDialog(root);
    shot(window, "editor-after-upload");
}

// The notices that start-up shows instead of the main window, made in the
// same engine so that they speak the same language.
void walkNotices(QQmlApplicationEngine &engine)
{
    const char *notices[][2] = {{"qrc:/Qml/foreword.qml", "notice-low-resolution"},
                                {"qrc:/Qml/aprunned.qml", "notice-already-running"}};
    for (const auto &notice : notices) {
        QQmlComponent component(&engine, QUrl(QLatin1String(notice[0])));
        auto *window = qobject_cast<QQuickWindow *>(component.create());
        if (!window)
            fail(QStringLiteral("cannot show %1: %2").arg(QLatin1String(notice[0]), component.errorString()));
        window->setPosition(40, 40);
        if (!QTest::qWaitForWindowExposed(window))
            fail(QStringLiteral("%1 was never shown").arg(QLatin1String(notice[0])));
        shot(window, notice[1]);
        delete window;
    }
}

void walk(QQmlApplicationEngine &engine)
{
    QObject *root = engine.rootObjects().value(0);
    auto *window = qobject_cast<QQuickWindow *>(root);
    if (!window || !root->property("template_page").isValid())
        fail(QStringLiteral("the root screen is not the main window (is the screen at least 1440 x 900?)"));
    if (!QTest::qWaitForWindowExposed(window))
        fail(QStringLiteral("the main window was never shown"));
    window->setPosition(0, 0);

    // Start: the notice about mouse acceleration over the home page.
    shot(window, "start-notice");
    hideDialog(root);

    // A few recent files, one of them picked, as after some use; the last
    // one has gone meanwhile, and says so.
    QObject *store = engine.rootContext()->contextProperty(QStringLiteral("regedit")).value<QObject *>();
    if (!store)
        fail(QStringLiteral("no settings object"));
    const QString folder = fileEncrypt::layoutFolder();
    QDir().mkpath(folder);
    QStringList entries;
    for (const char *name : {"Office desk.km", "Trading floor - six screens.km", "Studio.km"}) {
        const QString file = folder + QLatin1String(name);
        if (QLatin1String(name) != QLatin1String("Studio.km")) {
            QFile made(file);
            if (!made.open(QIODevice::WriteOnly))
                fail(QStringLiteral("cannot make %1").arg(file));
        }
        entries << QStringLiteral("{\"path\":\"%1\"}").arg(QString::fromUtf8(QUrl::fromLocalFile(file).toEncoded()));
    }
    const QString recent = QStringLiteral("{\"filelist\":[%1]}").arg(entries.join(QLatin1Char(',')));
    QMetaObject::invokeMethod(store, "setRegedit", Q_ARG(QString, QStringLiteral("file-recent")),
                              Q_ARG(QVariant, recent));
    // The tutorial gets a picture of its own; the editor's pictures go without.
    QMetaObject::invokeMethod(store, "setRegedit", Q_ARG(QString, QStringLiteral("showTutorial")),
                              Q_ARG(QVariant, QStringLiteral("0")));
    call(root, "loadFilelist");
    auto *recentList = qobject_cast<QQuickItem *>(find(root, "recent_list"));
    const QPointF secondRow = recentList->mapToScene(QPointF(40, 30));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, secondRow.toPoint());
    for (int page = 1; page <= 3; ++page) {
        root->setProperty("template_page", page);
        const QByteArray name = page == 1 ? QByteArray("home") : "template-page-" + QByteArray::number(page);
        shot(window, name.constData());
    }
    root->setProperty("template_page", 1);

    // The configurations of a template: the most tiles with another than the
    // first one picked, the wide tiles of template 20, and a template that
    // carries the note about all PC ports.
    call(root, "initConfig", QStringLiteral("11-06"));
    click(window, "config_tile_03");
    shot(window, "template-config");
    // Off the tiles, so that no tile under the mouse looks chosen.
    QTest::mouseMove(window, QPoint(900, 560));
    call(root, "initConfig", QStringLiteral("20-02"));
    shot(window, "template-config-wide");
    call(root, "initConfig", QStringLiteral("15-04"));
    shot(window, "template-config-notice");
    call(root, "closeConfig");

    call(root, "show_About");
    shot(window, "about");
    hideDialog(root);
    call(root, "showKeyHelp");
    shot(window, "key-help");
    hideDialog(root);

    call(root, "showAlert", alertInfo(tr("main", "The file is invalid."), 0));
    shot(window, "alert-failure");
    call(root, "showAlert", alertInfo(tr("FileCommands", "Save successfully.")
                                      + QStringLiteral(" \r\n/home/user/Documents/OrrinKM/desk.km"), 1));
    shot(window, "alert-success");
    // The longest notices, one of them with a title.
    call(root, "showAlert", alertInfo(tr("UploadFlow", "To save and apply the layout configuration to OrrinKM, "
                                                       "please connect your computer to the Primary OrrinKM device."),
                                      0, tr("UploadFlow", "Save failed!")));
    shot(window, "alert-primary-switch");
    call(root, "showAlert", alertInfo(tr("UploadFlow", "The extended desktop driver ap is running. "
                                                       "Please close it and upload again."), 0));
    shot(window, "alert-driver-running");
    call(root, "showConfirm", confirmInfo(tr("UploadFlow", "Only one OrrinKM is connected. We save port 1-4 "
                                                           "monitor layout only. Do you want to continue?"),
                                          tr("UploadFlow", "Cancel"), tr("UploadFlow", "Continue"), 1));
    shot(window, "confirm-one-switch");
    call(root, "showConfirm", confirmInfo(tr("FileCommands", "Are you sure you want to create a new list without saving?"),
                                          tr("FileCommands", "Create"), tr("FileCommands", "Cancel"), 0));
    shot(window, "confirm-new");
    call(root, "showConfirm", confirmInfo(tr("FileCommands", "Are you sure you want to load a file without saving?"),
                                          tr("FileCommands", "Load"), tr("FileCommands", "Cancel"), 0));
    shot(window, "confirm-load");
    call(root, "showConfirm", confirmInfo(tr("FileCommands", "Save Profle"),
                                          tr("FileCommands", "Save as"), tr("FileCommands", "Save"), 0));
    shot(window, "confirm-save-profile");
    hideDialog(root);

    // The language list, open, with the highlight moved to the last entry,
    // and the question that choosing asks.
    auto *languages = qobject_cast<QQuickItem *>(find(root, "language_list"));
    const int language = languages->property("currentIndex").toInt();
    click(window, "language_list");
    QTest::qWait(200);
    for (int i = 0; i < 9; ++i)
        keyTo(window, Qt::Key_Down);
    shotScreen("language-list");
    keyTo(window, Qt::Key_Escape);
    QTest::qWait(200);
    languages->setProperty("currentIndex", language == 4 ? 3 : 4);
    shot(window, "confirm-language");
    call(root, "restoreLanguage");
    hideDialog(root);

    call(root, "showExitWindow");
    shot(window, "confirm-quit-home");
    hideDialog(root);

    QObject *dialog = find(root, "dialog_Qml");
    for (int type = 0; type <= 1; ++type) {
        root->setProperty("select_dialog_type", type);
        dialog->setProperty("source", QString());
        dialog->setProperty("source", QStringLiteral("qrc:/Qml/selectDialog.qml"));
        dialog->setProperty("visible", true);
        shot(window, type == 0 ? "select-number" : "select-resolution");
        hideDialog(root);
    }

    // The editor page, with a file so that the file-name bar shows a name.
    root->setProperty("filePath", QUrl(QStringLiteral("file:///home/user/Documents/OrrinKM/My%20desk.km")));
    QVariantMap layout;
    layout.insert(QStringLiteral("acceleration"), QStringLiteral("0"));
    layout.insert(QStringLiteral("speed"), QStringLiteral("0"));
    layout.insert(QStringLiteral("position"), QStringLiteral("4"));
    layout.insert(QStringLiteral("monitorlist"), QVariantList());
    root->setProperty("filedata", QVariantList{layout});
    call(root, "gotoEditLayoutUI");
    shot(window, "editor");
    call(root, "showExitWindow");
    shot(window, "confirm-quit-editor");
    hideDialog(root);

    click(window, "file_button");
    shot(window, "menu-file");
    click(window, "settings_button");
    shot(window, "menu-settings");
    click(window, "settings_button");

    QObject *editor = find(root, "setQml")->property("item").value<QObject *>();
    if (!editor)
        fail(QStringLiteral("the editor page did not load"));
    const char *settings[] = {"setting-acceleration", "setting-position", "setting-focus", "setting-keep-awake"};
    root->setProperty("acceleration_flag", 1);
    root->setProperty("mouse_speed", 6);
    root->setProperty("switching_focus", 1);
    for (int n = 0; n < 4; ++n) {
        call(editor, "doMenuEvent", 5 + n);
        shot(window, settings[n]);
        hideDialog(root);
    }

    walkEditor(window, root);
    walkUpload(window, root);
    walkNotices(engine);

    if (g_checkFit) {
        std::printf("%d screens checked in %s, %d faults\n", g_screens, qPrintable(g_language),
                    int(g_faults.size()));
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(g_faults.isEmpty() ? 0 : 1); });
        return;
    }
    std::printf("done\n");
    std::fflush(stdout);
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [LANGUAGE]\n       %s --check-fit LANGUAGE\n", argv[0], argv[0]);
        return 1;
    }
    g_checkFit = std::strcmp(argv[1], "--check-fit") == 0;
    if (g_checkFit && argc != 3) {
        std::fprintf(stderr, "screenshot_driver: --check-fit needs a language\n");
        return 1;
    }
    g_outputDir = QString::fromLocal8Bit(argv[1]);
    // No switch until the walk asks for one (harmless without the emulator).
    if (qEnvironmentVariableIsSet("SEAMRUN_EMU_VERSION"))
        qputenv("SEAMRUN_EMU_ABSENT", "1");
    if (argc == 3) {
        g_language = QString::fromLocal8Bit(argv[2]);
        const QString wanted = QString::fromLocal8Bit(argv[2]) + QStringLiteral(".qm");
        int index = 0;
        while (index < 10 && LangSwitch::catalogueFile(index) != wanted)
            ++index;
        if (index == 10) {
            std::fprintf(stderr, "screenshot_driver: no language %s\n", argv[2]);
            return 1;
        }
        // Stored where the program reads it at start (the script runs us in a
        // throw-away home).
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Vesko"),
                           QStringLiteral("Seamrun Switching Configuration Utility"));
        settings.setValue(QStringLiteral("language"), QString::number(index));
        settings.sync();
    }
    // The program takes its last argument as a file to hand over; keep the
    // output folder to ourselves.
    int programArgc = 1;
    return startup::run(programArgc, argv, walk);
}
