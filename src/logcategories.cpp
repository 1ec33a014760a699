#include "logcategories.h"

#include <QElapsedTimer>

#include <ctime>

Q_LOGGING_CATEGORY(lcHid, "seamrun.hid")
Q_LOGGING_CATEGORY(lcDevice, "seamrun.device")
Q_LOGGING_CATEGORY(lcFiles, "seamrun.files")
Q_LOGGING_CATEGORY(lcShell, "seamrun.shell")
Q_LOGGING_CATEGORY(lcSwitchStatus, "seamrun.switchstatus")
Q_LOGGING_CATEGORY(lcStartup, "seamrun.startup", QtWarningMsg)

namespace {
// Set while the libraries are loaded, before main runs.
struct StartClock
{
    StartClock() { sinceLoad.start(); }
    QElapsedTimer sinceLoad;
};
const StartClock g_startClock;
} // namespace

void traceStartup(const char *step)
{
    if (!lcStartup().isDebugEnabled())
        return;
    double ms = g_startClock.sinceLoad.nsecsElapsed() / 1e6;
#ifndef Q_OS_WIN
    bool given = false;
    const qint64 launchedAtNs = qEnvironmentVariable("SEAMRUN_BENCH_T0").toLongLong(&given);
    if (given) {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        ms = double(qint64(now.tv_sec) * 1000000000LL + now.tv_nsec - launchedAtNs) / 1e6;
    }
#endif
#ifndef Q_OS_WIN
    // What the calling thread has run so far: time spent waiting shows as
    // the difference.
    timespec cpu{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
    qCDebug(lcStartup, "%8.1f ms  (thread cpu %6.1f ms)  %s", ms,
            double(cpu.tv_sec) * 1e3 + double(cpu.tv_nsec) / 1e6, step);
#else
    qCDebug(lcStartup, "%8.1f ms  %s", ms, step);
#endif
}
