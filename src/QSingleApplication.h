#ifndef QSINGLEAPPLICATION_H
#define QSINGLEAPPLICATION_H

#include <QApplication>

class QLocalServer;

// The program's application object. While it is constructed it looks for an
// instance that is already running; a second instance hands over its last
// command-line argument and is marked as running, the first one listens so
// that later starts can find it. Starts at the same moment take turns (a lock
// file beside the socket), so exactly one of them becomes the first.
class QSingleApplication : public QApplication
{
    Q_OBJECT
public:
    QSingleApplication(int &argc, char **argv);

    bool isRunning();

    // The name the local server listens under. On Unix it is a socket file in
    // a private folder found from the user id alone ("/tmp/seamrun-<uid>"), so
    // every start of the user finds it and another account can neither take
    // the name first nor reach our instance. Empty when that folder is not
    // safe to use.
    static QString serverName();

#ifndef Q_OS_WIN
    static QString instanceFolder();
    // Creates the folder (0700) or checks the one there: a folder, not a
    // link, owned by us; narrowed to 0700. The folder, or empty when unsafe.
    static QString prepareInstanceFolder(const QString &folder);
#endif

    // Brings this instance's shown windows to the front: un-minimised, raised
    // and activated, the last created (a dialog over the main window) on top.
    // Run when a later start hands over, so the user finds the program.
    static void raiseWindows();

public slots:
    void newLocalConnection();

private:
    QLocalServer *m_localServer = nullptr;
    bool m_isRunning = false;
};

#endif // QSINGLEAPPLICATION_H
