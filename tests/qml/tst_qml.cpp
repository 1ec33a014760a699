// Qt Quick Test runner: publishes the program's native objects into every
// test engine, exactly as start-up does for the program.
#include "startup.h"
#include "../lib/sleepcopy.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

#include <memory>

// Tests only, published as "switchSetup": sets the emulated switch up per
// test case. The switch reads its SEAMRUN_EMU_* variables at every call, so
// a change holds from the next exchange on. It also runs a stand-in for the
// extended desktop driver: a copy of `sleep` under the driver's program name.
class SwitchSetup : public QObject
{
    Q_OBJECT
public:
    SwitchSetup()
    {
        const QStringList names = QProcess::systemEnvironment();
        for (const QString &entry : names)
            if (entry.startsWith(QLatin1String("SEAMRUN_EMU_")))
                m_initial.insert(entry.section(QLatin1Char('='), 0, 0).toLatin1(),
                                 entry.section(QLatin1Char('='), 1).toLocal8Bit());
    }
    ~SwitchSetup() override { stopCompanion(); }

public slots:
    // set("CHAIN", "2") sets SEAMRUN_EMU_CHAIN; an empty value removes it.
    void set(const QString &name, const QString &value)
    {
        const QByteArray key = "SEAMRUN_EMU_" + name.toLatin1();
        if (value.isEmpty())
            qunsetenv(key.constData());
        else
            qputenv(key.constData(), value.toLocal8Bit());
    }

    // Back to the variables the runner was started with.
    void reset()
    {
        const QStringList names = QProcess::systemEnvironment();
        for (const QString &entry : names) {
            const QByteArray key = entry.section(QLatin1Char('='), 0, 0).toLatin1();
            if (key.startsWith("SEAMRUN_EMU_") && !m_initial.contains(key))
                qunsetenv(key.constData());
        }
        for (auto it = m_initial.constBegin(); it != m_initial.constEnd(); ++it)
            qputenv(it.key().constData(), it.value());
    }

    bool startCompanion()
    {
        stopCompanion();
        const QString copy = copyOfSleep(QDir::temp().filePath(QStringLiteral("OrrinKM Extended")));
        if (copy.isEmpty())
            return false;
        m_companion.reset(new QProcess);
        m_companion->start(copy, {QStringLiteral("300")});
        return m_companion->waitForStarted(10000);
    }

    void stopCompanion()
    {
        if (!m_companion)
            return;
        m_companion->kill();
        m_companion->waitForFinished(10000);
        m_companion.reset();
    }

private:
    QMap<QByteArray, QByteArray> m_initial;
    std::unique_ptr<QProcess> m_companion;
};

// Tests only, published as "fileDialogs": the file dialog the screens have
// put up, read and answered as the user would. Under the offscreen platform
// QtQuick.Dialogs shows a QFileDialog; what matters to the user is where that
// dialog really stands and what name it hands back, not what the QML object's
// properties were set to.
class FileDialogs : public QObject
{
    Q_OBJECT
public slots:
    // The folder the shown dialog lists, as a file URL; empty when no file
    // dialog is shown.
    QString shownFolder() const
    {
        QFileDialog *dialog = shown();
        return dialog ? QUrl::fromLocalFile(dialog->directory().absolutePath()).toString() : QString();
    }

    // Types `name` into the shown dialog's file name field and accepts it,
    // as Enter there does. False when no dialog is shown, and when a save
    // dialog is given the name of a file that exists: it would ask about it
    // in a window of its own.
    bool accept(const QString &name)
    {
        QFileDialog *dialog = shown();
        if (!dialog)
            return false;
        if (dialog->acceptMode() == QFileDialog::AcceptSave
            && QFileInfo::exists(dialog->directory().filePath(name)))
            return false;
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!field)
            return false;
        field->setText(name);
        return QMetaObject::invokeMethod(dialog, "accept");
    }

    // Leaves the file dialog open somewhere else, as a user who browsed away.
    bool goTo(const QString &folder)
    {
        QFileDialog *dialog = shown();
        if (!dialog)
            return false;
        dialog->setDirectoryUrl(QUrl(folder));
        return true;
    }

    void reject()
    {
        if (QFileDialog *dialog = shown())
            dialog->reject();
    }

private:
    static QFileDialog *shown()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            auto *dialog = qobject_cast<QFileDialog *>(window);
            if (dialog && dialog->isVisible())
                return dialog;
        }
        return nullptr;
    }
};

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
        engine->rootContext()->setContextProperty(QStringLiteral("switchSetup"), &m_switch);
        engine->rootContext()->setContextProperty(QStringLiteral("fileDialogs"), &m_fileDialogs);
    }

private:
    SwitchSetup m_switch;
    FileDialogs m_fileDialogs;
    std::unique_ptr<startup::NativeObjects> m_objects;
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vesko"));
    QCoreApplication::setApplicationName(QStringLiteral("Seamrun Switching Configuration Utility"));
    startup::registerTypes();
    Setup setup;
    return quick_test_main_with_setup(argc, argv, "seamrun", nullptr, &setup);
}

#include "tst_qml.moc"
