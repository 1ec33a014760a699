// The program's single-instance guard and nothing else, for starting many
// instances at once. It waits for a line on stdin before it builds its
// application object, so a test can let several go at the same moment, then
// prints "first" or "second". A second instance ends at once; a first one
// keeps its server until stdin gives another line or ends.
//
// Every bind() of a local socket waits a moment here. Between an instance's
// look for a running one and its own listen there is otherwise only a few
// microseconds: two starts that both fall into that gap would become first
// instances only now and then. Widened, they would nearly every time, unless
// the guard keeps the look and the listen together.
#include "QSingleApplication.h"

#include <QSocketNotifier>

#include <cstdio>
#include <dlfcn.h>
#include <sys/socket.h>
#include <unistd.h>

extern "C" int bind(int fd, const struct sockaddr *address, socklen_t length)
{
    using Bind = int (*)(int, const struct sockaddr *, socklen_t);
    static const auto real = reinterpret_cast<Bind>(dlsym(RTLD_NEXT, "bind"));
    if (address && address->sa_family == AF_UNIX)
        usleep(50 * 1000);
    return real(fd, address, length);
}

int main(int argc, char **argv)
{
    char line[64];
    if (!std::fgets(line, sizeof line, stdin))
        return 2;
    QSingleApplication app(argc, argv);
    const bool second = app.isRunning();
    std::printf("%s\n", second ? "second" : "first");
    std::fflush(stdout);
    if (second)
        return 0;
    QSocketNotifier notifier(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    return app.exec();
}
