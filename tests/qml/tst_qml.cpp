// Qt Quick Test runner: publishes the program's native objects into every
// test engine, exactly as start-up does for the program.
#include "startup.h"

#include <QApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

#include <memory>

class Setup : public QObject
{
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        m_objects.reset();
        m_objects.reset(new startup::NativeObjects(engine));
        // Tests only: where the emulated switch writes its log.
        engine->rootContext()->setContextProperty(QStringLiteral("switchLogPath"),
                                                  qEnvironmentVariable("SEAMRUN_EMU_LOG"));
    }

private:
    std::unique_ptr<startup::NativeObjects> m_objects;
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vesko"));
    QCoreApplication::setApplicationName(QStringLiteral("Seamrun Switching Configuration Utility"));
    startup::registerDeviceType();
    Setup setup;
    return quick_test_main_with_setup(argc, argv, "seamrun", nullptr, &setup);
}

#include "tst_qml.moc"
