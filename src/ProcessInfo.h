#ifndef PROCESSINFO_H
#define PROCESSINFO_H

#include <QObject>

// Tells whether the companion program "OrrinKM Extended" is running, by
// searching the system's process listing for its name.
class ProcessInfo : public QObject
{
    Q_OBJECT
public:
    static const int kListTimeoutMs = 30000;

    explicit ProcessInfo(QObject *parent = nullptr);

    // For tests only: how long the listing may take before it counts as failed.
    void setListTimeoutMs(int ms) { m_timeoutMs = ms; }

public slots:
    bool getDriverProcess();

private:
    int m_timeoutMs = kListTimeoutMs;
};

#endif // PROCESSINFO_H
