#ifndef PROCESSINFO_H
#define PROCESSINFO_H

#include <QByteArrayList>
#include <QObject>

#include <functional>
#include <memory>

// Tells whether the companion program "OrrinKM Extended" is running, by
// searching the image names of the running processes for its name.
class ProcessInfo : public QObject
{
    Q_OBJECT
public:
    static const int kListTimeoutMs = 30000;

    // Lists what to search: one entry per image name. False when no listing
    // can be had.
    using Lister = std::function<bool(QByteArrayList &names)>;

    explicit ProcessInfo(QObject *parent = nullptr);
    ~ProcessInfo() override;

    // For tests only: how long the listing may take before it counts as
    // failed, and where the listing comes from.
    void setListTimeoutMs(int ms) { m_timeoutMs = ms; }
    void setLister(Lister lister);

    // The system's listing: on Windows the output of "tasklist.exe", on
    // Linux the image names read from /proc (see imageNamesOf).
    static bool systemListing(QByteArrayList &names);
#ifndef Q_OS_WIN
    // Image names of one process, from its /proc folder: the name of its
    // executable and the last path part of its first argument, at full
    // length. Never its other arguments. Empty when the process is gone.
    static QByteArrayList imageNamesOf(const QByteArray &procDir);
#endif

public slots:
    bool getDriverProcess();

private:
    struct Listing;
    int m_timeoutMs = kListTimeoutMs;
    Lister m_lister;
    // A listing that outlived its time limit; the next call waits for it
    // instead of starting another one next to it.
    std::shared_ptr<Listing> m_pending;
};

#endif // PROCESSINFO_H
