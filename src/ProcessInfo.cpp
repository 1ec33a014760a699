#include "ProcessInfo.h"
#include "logcategories.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#ifdef Q_OS_WIN
#  include <QProcess>
#else
#  include <cctype>
#  include <cstring>
#  include <dirent.h>
#  include <fcntl.h>
#  include <unistd.h>
#endif

namespace {
const char kMarker[] = "OrrinKM Extended";

#ifndef Q_OS_WIN
QByteArray lastPathPart(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}
#endif
} // namespace

// One run of the lister. It runs on a thread of its own, so a listing that
// hangs (a /proc read stuck behind a process in uninterruptible sleep, a
// tasklist.exe that never ends) costs the caller the time limit and no more.
struct ProcessInfo::Listing
{
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool ok = false;
    QByteArrayList names;
};

ProcessInfo::ProcessInfo(QObject *parent)
    : QObject(parent)
    , m_lister(&ProcessInfo::systemListing)
{
}

// A listing still running keeps its own share of the state and ends on its own.
ProcessInfo::~ProcessInfo() = default;

void ProcessInfo::setLister(Lister lister)
{
    m_lister = lister ? std::move(lister) : Lister(&ProcessInfo::systemListing);
    m_pending.reset();
}

bool ProcessInfo::getDriverProcess()
{
    std::shared_ptr<Listing> listing = m_pending;
    if (listing) {
        std::lock_guard<std::mutex> lock(listing->mutex);
        if (listing->finished)
            listing.reset(); // its result is old by now; list afresh
    }
    if (!listing) {
        listing = std::make_shared<Listing>();
        try {
            std::thread([listing, lister = m_lister] {
                QByteArrayList names;
                const bool ok = lister(names);
                std::lock_guard<std::mutex> lock(listing->mutex);
                listing->ok = ok;
                listing->names = std::move(names);
                listing->finished = true;
                listing->done.notify_all();
            }).detach();
        } catch (const std::system_error &) {
            return false; // no thread to list with: as if the listing failed
        }
    }

    std::unique_lock<std::mutex> lock(listing->mutex);
    if (!listing->done.wait_for(lock, std::chrono::milliseconds(m_timeoutMs),
                                [&] { return listing->finished; })) {
        m_pending = listing;
        return false; // not finished in time: as if the companion were not running
    }
    m_pending.reset();
    if (!listing->ok)
        return false;
    for (const QByteArray &name : qAsConst(listing->names)) {
        if (name.contains(kMarker)) {
            qCDebug(lcShell) << "find extended ap";
            return true;
        }
    }
    qCDebug(lcShell) << "no extended ap";
    return false;
}

#ifdef Q_OS_WIN

bool ProcessInfo::systemListing(QByteArrayList &names)
{
    QProcess lister;
    lister.setProcessChannelMode(QProcess::SeparateChannels);
    lister.start(QStringLiteral("tasklist.exe"), QStringList(), QIODevice::ReadOnly);
    if (!lister.waitForStarted(kListTimeoutMs))
        return false;
    if (!lister.waitForFinished(kListTimeoutMs)) {
        // Stop it here: destroying a running process object only warns.
        lister.kill();
        lister.waitForFinished(kListTimeoutMs);
        return false;
    }
    names = {lister.readAllStandardOutput()};
    return true;
}

#else

QByteArrayList ProcessInfo::imageNamesOf(const QByteArray &procDir)
{
    QByteArrayList names;

    // The executable itself. Reading the link needs the right to inspect the
    // process; other accounts' processes may refuse it.
    QByteArray target(4096, '\0');
    const ssize_t length = readlink((procDir + "/exe").constData(), target.data(), size_t(target.size()));
    if (length > 0 && length < target.size())
        names += lastPathPart(target.left(int(length)));

    // The first argument only: it names the program as it was started (a
    // link, a script's interpreter name). What follows it are arguments,
    // file names among them, and never count.
    const int fd = ::open((procDir + "/cmdline").constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        QByteArray first;
        char buffer[4096];
        ssize_t n;
        // A name has at most a few KiB; stop at its end or at 64 KiB.
        while (first.size() < 65536 && (n = ::read(fd, buffer, sizeof buffer)) > 0) {
            const void *end = memchr(buffer, '\0', size_t(n));
            if (end) {
                first.append(buffer, int(static_cast<const char *>(end) - buffer));
                break;
            }
            first.append(buffer, int(n));
        }
        ::close(fd);
        if (!first.isEmpty())
            names += lastPathPart(first);
    }
    return names;
}

bool ProcessInfo::systemListing(QByteArrayList &names)
{
    DIR *proc = opendir("/proc");
    if (!proc)
        return false;
    while (const dirent *entry = readdir(proc)) {
        const char *p = entry->d_name;
        bool pid = *p != '\0';
        for (; *p; ++p)
            pid = pid && std::isdigit(static_cast<unsigned char>(*p));
        if (pid)
            names += imageNamesOf(QByteArray("/proc/") + entry->d_name);
    }
    closedir(proc);
    return true;
}

#endif
