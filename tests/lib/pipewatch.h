#pragma once

// Stands at the other end of a named pipe while the code under test runs. A
// reader or writer that opens a named pipe waits until the other side comes;
// code that opened the test's pipe would hang the test for ever. The watch
// notices such an open, lets the code go on (by being the other side) and
// reports it, so the test fails instead of hanging. Code that leaves the pipe
// alone, as it should, never meets the watch.

#include <QByteArray>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

class PipeWatch
{
public:
    // What the code under test might do with the pipe.
    enum Side { CodeReads, CodeWrites };

    PipeWatch(const QByteArray &path, Side side)
        : m_path(path)
        , m_side(side)
    {
        // Waiting for a writer: hold the reading end from the start (opening
        // it never waits), so that a writer's open returns and its bytes or
        // its close show.
        if (m_side == CodeWrites)
            m_reader = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        m_thread = std::thread([this] { run(); });
    }

    ~PipeWatch()
    {
        m_stop = true;
        m_thread.join();
        if (m_reader >= 0)
            ::close(m_reader);
    }

    PipeWatch(const PipeWatch &) = delete;
    PipeWatch &operator=(const PipeWatch &) = delete;

    // Whether the code opened the pipe (the watch had to stand in for the
    // other side).
    bool opened() const { return m_opened; }
    bool ready() const { return m_side == CodeReads || m_reader >= 0; }

private:
    void run()
    {
        while (!m_stop) {
            if (m_side == CodeReads) {
                // Opening for writing without waiting succeeds only while
                // something holds the reading end: the code under test.
                const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    m_opened = true;
                    ::close(fd); // the reader sees the end of the data
                }
                ::usleep(10 * 1000);
            } else {
                // Bytes, or the close of a writer that was there (the hang-up
                // shows only once a writer has come and gone).
                pollfd p{m_reader, POLLIN, 0};
                if (::poll(&p, 1, 10) > 0 && (p.revents & (POLLIN | POLLHUP))) {
                    m_opened = true;
                    char buffer[4096];
                    while (::read(m_reader, buffer, sizeof buffer) > 0) {
                    }
                    if (p.revents & POLLHUP)
                        ::usleep(10 * 1000);
                }
            }
        }
    }

    QByteArray m_path;
    Side m_side;
    int m_reader = -1;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_opened{false};
    std::thread m_thread;
};
