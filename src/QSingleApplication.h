#ifndef QSINGLEAPPLICATION_H
#define QSINGLEAPPLICATION_H

#include <QApplication>

class QLocalServer;

// The program's application object. While it is constructed it looks for an
// instance that is already running; a second instance hands over its last
// command-line argument and is marked as running, the first one listens so
// that later starts can find it.
class QSingleApplication : public QApplication
{
    Q_OBJECT
public:
    QSingleApplication(int &argc, char **argv);

    bool isRunning();

    // The name the local server listens under. On Unix it is a socket file in
    // the user's private runtime folder, so another account can neither take
    // the name first nor reach our instance.
    static QString serverName();

public slots:
    void newLocalConnection();

private:
    QLocalServer *m_localServer = nullptr;
    bool m_isRunning = false;
};

#endif // QSINGLEAPPLICATION_H
