// Writes one line through every native logging category by taking an
// ordinary failure path of each subsystem, then exits. tst_logging runs it
// under different QT_LOGGING_RULES and reads what reached stderr.
#include "HIDCommand/hidcommand.h"
#include "ProcessInfo.h"
#include "fileEncrypt.h"
#include "fileio.h"
#include "orrindata.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString missing = QDir::temp().filePath(QStringLiteral("seamrun-no-such-folder/layout.km"));

    // seamrun.hid, debug: a read with no device open.
    HidCommand hid;
    unsigned char reply[8] = {0xC6};
    hid.getReply(reply, 8);

    // seamrun.device, debug: the mouse record logs its focus byte first.
    OrrinData device;
    device.sendOneListOfMouseData(0, 0, 0, 0, 1, 5, 0);

    // seamrun.files, debug and warning: a target folder that does not exist,
    // and a file that does not exist.
    fileEncrypt encrypt;
    encrypt.encrypt_file(missing);
    fileIo io;
    io.setSource(QUrl::fromLocalFile(missing));
    io.read();

    // seamrun.shell, debug: the companion-process probe says what it found.
    ProcessInfo process;
    process.getDriverProcess();
    return 0;
}
