#ifndef TESTS_SWITCHEMULATOR_H
#define TESTS_SWITCHEMULATOR_H

// The emulated switch as a test sees it. The emulator is preloaded in front of
// hidapi (ctest does that); it reads its settings from SEAMRUN_EMU_*
// variables at every call and appends one JSON line per event to its log.

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QMessageLogContext>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>

const unsigned short kSwitchVid = 0x1209;
const unsigned short kSwitchPid = 0x0001;

class SwitchEmulator
{
public:
    SwitchEmulator()
    {
        reset();
        qputenv("SEAMRUN_EMU_LOG", m_dir.filePath(QStringLiteral("switch.jsonl")).toLocal8Bit());
    }
    ~SwitchEmulator()
    {
        reset();
        qunsetenv("SEAMRUN_EMU_LOG");
    }

    static bool preloaded() { return qgetenv("LD_PRELOAD").contains("seamrun-switch-emulator"); }

    // Back to a healthy switch with default answers.
    static void reset()
    {
        for (const char *name : {"VID", "PID", "VERSION", "CHAIN", "PORT_STATUS", "INIT_FAIL", "ABSENT",
                                 "NO_ACCESS", "FAIL_SEND", "FAIL_READ", "REFUSE", "REFUSE_RECORD", "SHORT",
                                 "UNPLUG_AFTER", "ACCEPT_SHORT_LIST"})
            qunsetenv(QByteArray("SEAMRUN_EMU_").append(name).constData());
    }
    static void set(const char *name, const QByteArray &value)
    {
        qputenv(QByteArray("SEAMRUN_EMU_").append(name).constData(), value);
    }
    // "NAME=value" as a test table holds it, or several joined by ';';
    // empty does nothing.
    static void apply(const QByteArray &settings)
    {
        for (const QByteArray &setting : settings.split(';')) {
            const int eq = setting.indexOf('=');
            if (eq > 0)
                set(setting.left(eq).constData(), setting.mid(eq + 1));
        }
    }

    // Events logged since the last call, optionally only one kind.
    QList<QJsonObject> take(const QString &event = QString())
    {
        QFile file(m_dir.filePath(QStringLiteral("switch.jsonl")));
        QList<QJsonObject> events;
        if (!file.open(QIODevice::ReadOnly))
            return events;
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (int i = m_seen; i < lines.size(); ++i) {
            if (lines[i].isEmpty())
                continue;
            const QJsonObject object = QJsonDocument::fromJson(lines[i]).object();
            if (event.isEmpty() || object.value(QStringLiteral("event")).toString() == event)
                events.append(object);
        }
        m_seen = qMax(m_seen, lines.size() - 1);
        return events;
    }
    // The bytes of every request the switch received since the last call.
    QStringList requests()
    {
        QStringList bytes;
        for (const QJsonObject &request : take(QStringLiteral("request")))
            bytes.append(request.value(QStringLiteral("bytes")).toString());
        return bytes;
    }
    // Kinds of events since the last call, in order ("init", "open", ...).
    QStringList kinds()
    {
        QStringList names;
        for (const QJsonObject &e : take())
            names.append(e.value(QStringLiteral("event")).toString());
        return names;
    }

private:
    QTemporaryDir m_dir;
    int m_seen = 0;
};

// Collects the debug lines written while it lives, with their source file.
class DebugCapture
{
public:
    struct Line {
        QString text;
        QString file;
        QString function;
    };

    DebugCapture()
    {
        lines().clear();
        m_previous = qInstallMessageHandler(handler);
    }
    ~DebugCapture() { qInstallMessageHandler(m_previous); }

    // Texts of the lines from source files whose path ends with `file`.
    QStringList texts(const QString &file = QString()) const
    {
        QStringList out;
        for (const Line &line : lines())
            if (file.isEmpty() || line.file.endsWith(file))
                out.append(line.text);
        return out;
    }
    const QList<Line> &all() const { return lines(); }
    void clear() { lines().clear(); }

private:
    static QList<Line> &lines()
    {
        static QList<Line> captured;
        return captured;
    }
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtDebugMsg)
            lines().append({text, QString::fromUtf8(context.file), QString::fromUtf8(context.function)});
    }

    QtMessageHandler m_previous;
};

#endif // TESTS_SWITCHEMULATOR_H
