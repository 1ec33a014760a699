#ifndef FIRSTFRAME_H
#define FIRSTFRAME_H

// Shared by the probes: once the first window has put its first frame on
// screen, print how long that took since the launcher's timestamp
// (SEAMRUN_BENCH_T0, nanoseconds of CLOCK_REALTIME) and quit; print the peak
// resident memory at exit. Also the probes' median and peak memory.
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

inline double msSinceLaunch()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const qint64 t0 = qEnvironmentVariable("SEAMRUN_BENCH_T0").toLongLong();
    const qint64 t = qint64(now.tv_sec) * 1000000000LL + now.tv_nsec;
    return double(t - t0) / 1e6;
}

inline void watch(QQuickWindow *window)
{
    if (!window) {
        std::fprintf(stderr, "no window to watch\n");
        std::exit(3);
    }
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [] {
        static bool seen = false;
        if (seen)
            return;
        seen = true;
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
