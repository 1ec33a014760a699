// The switch status poll at rest: runs an event loop for a while, with the
// status object polling the device list ("poll") or without it ("idle"), and
// prints the CPU time the process used. "burst" times back-to-back looks at
// the device list instead, for the cost of one poll.
//   probe_status poll|idle SECONDS
//   probe_status burst COUNT
#include "switchstatus.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/resource.h>

namespace {

double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: probe_status poll|idle SECONDS | burst COUNT\n");
        return 2;
    }
    const char *mode = argv[1];
    const int amount = std::atoi(argv[2]);
    const int vid = 0x1209, pid = 0x0001;

    if (std::strcmp(mode, "burst") == 0) {
        SwitchStatus status;
        status.setVid(vid);
        status.setPid(pid);
        const double start = cpuMs();
        for (int i = 0; i < amount; ++i)
            status.refresh();
        std::printf("poll_cpu_us %.2f\n", (cpuMs() - start) * 1e3 / amount);
        return 0;
    }

    std::unique_ptr<SwitchStatus> status;
    if (std::strcmp(mode, "poll") == 0) {
        status.reset(new SwitchStatus);
        status->setVid(vid);
        status->setPid(pid);
    }
    const double start = cpuMs();
    QTimer::singleShot(amount * 1000, &app, &QCoreApplication::quit);
    app.exec();
    std::printf("cpu_ms %.3f\n", cpuMs() - start);
    return 0;
}
