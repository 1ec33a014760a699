#ifndef STARTUP_H
#define STARTUP_H

#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QQmlEngine;
class QQmlApplicationEngine;
class regedit;
class fileEncrypt;
class fileIo;
class comCopyright;
class ProcessInfo;
class LangSwitch;

namespace startup {

// The smallest primary screen the main window is made for.
const int kMinScreenWidth = 1440;
const int kMinScreenHeight = 900;

// Root screen of this process: the already-running notice for a second
// instance, the low-resolution notice for a small screen, else the main window.
QString chooseRootScreen(bool anotherInstanceRunning, const QSize &primaryScreen);

// Registers "OrrinData" (and "SwitchStatus", whether the switch is attached,
// and "DeskUpload", the outcomes of an upload) in "Qt.Quick.OrrinData" 1.0 and the layout rules as the singleton "Layout"
// in "Seamrun.Layout" 1.0; harmless to call again.
void registerTypes();

// The native objects the screens reach by name. Construction creates them in
// order, publishes them into the engine's root context, reads the stored
// language and applies it; destruction runs in the reverse order. The program
// and the QML test runner both go through here, so tests see the same wiring.
class NativeObjects
{
public:
    explicit NativeObjects(QQmlEngine *engine);
    ~NativeObjects();

    NativeObjects(const NativeObjects &) = delete;
    NativeObjects &operator=(const NativeObjects &) = delete;

    // Stored language index, as start-up reads it: 0 when absent or not a number.
    static int storedLanguage(regedit &settings);

private:
    std::unique_ptr<regedit> m_regedit;
    std::unique_ptr<fileEncrypt> m_encrypt;
    std::unique_ptr<fileIo> m_io;
    std::unique_ptr<comCopyright> m_com;
    std::unique_ptr<ProcessInfo> m_process;
    std::unique_ptr<LangSwitch> m_lang;
};

// The whole program: application object, wiring, root screen, event loop.
// `afterLoad` runs once the root screen is loaded (tools that drive the real
// program use it; the program passes nothing).
int run(int &argc, char **argv,
        const std::function<void(QQmlApplicationEngine &)> &afterLoad = {});

} // namespace startup

#endif // STARTUP_H
