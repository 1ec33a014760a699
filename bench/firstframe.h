#ifndef FIRSTFRAME_H
#define FIRSTFRAME_H

// Shared by the probes: once the first window has put its first frame on
// screen, print how long that took since the launcher's timestamp
// (SEAMRUN_BENCH_T0, nanoseconds of CLOCK_REALTIME) and quit; print the peak
// resident memory at exit. Also the probes' median and peak memory.
// With SEAMRUN_BENCH_QUIT set, the probe closes the window instead, as the
// user's close would, a moment after the first frame, prints the time of
// that ("close_at_ns", CLOCK_REALTIME) and lets the program end the way it
// always does: the launcher times the rest up to the process's end.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>
#include <sys/resource.h>

namespace firstframe {

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Peak resident memory of this process so far, in KiB.
inline long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The launcher's clock: nanoseconds of CLOCK_REALTIME.
inline qint64 nowNs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

inline double msSinceLaunch()
{
    const qint64 t0 = qEnvironmentVariable("SEAMRUN_BENCH_T0").toLongLong();
    return double(nowNs() - t0) / 1e6;
}

// Closes the window once the start-up has settled, as a click on its close
// button does.
inline void closeLater(QQuickWindow *window)
{
    QTimer::singleShot(500, window, [window] {
        std::printf("close_at_ns %lld\n", static_cast<long long>(nowNs()));
        std::fflush(stdout);
        window->close();
    });
}

inline void watch(QQuickWindow *window)
{
    if (!window) {
        std::fprintf(stderr, "no window to watch\n");
        std::exit(3);
    }
    const bool quitting = qEnvironmentVariableIsSet("SEAMRUN_BENCH_QUIT");
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [window, quitting] {
        static bool seen = false;
        if (seen)
            return;
        seen = true;
        if (quitting) {
            closeLater(window);
            return;
        }
        std::printf("first_frame_ms %.2f\n", msSinceLaunch());
        // Let the event loop settle so late allocations count too.
        QTimer::singleShot(200, [] {
            std::printf("peak_rss_kb %ld\n", peakRssKb());
            std::fflush(stdout);
            std::_Exit(0);
        });
    }, Qt::DirectConnection);
}

} // namespace firstframe

#endif
