// The ten interface catalogues against the screens as they are now: every
// text the screens mark for translation is in every catalogue, finished, and
// nothing else is; and no translation loses or adds a part that the screens
// fill in or join on ("@", "%1", line breaks, blanks at either end) or a name
// that stays the same in every language.
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const char *const kCatalogues[] = {"en", "cn_t", "cn", "jp", "de", "py", "ko", "fr", "es", "po"};

struct Message
{
    QString context;
    QString source;
    QString comment;
    QString type; // "" when finished; "unfinished", "vanished", "obsolete"
    QStringList translations; // one, or one per plural form
};

QString keyOf(const Message &m)
{
    return m.context + QLatin1String(" | ") + m.source
           + (m.comment.isEmpty() ? QString() : QLatin1String(" | ") + m.comment);
}

// Messages of a catalogue in lupdate's format; `error` says why it could not be read.
QList<Message> parse(const QByteArray &xml, QString *error)
{
    QList<Message> messages;
    QXmlStreamReader reader(xml);
    QString context;
    Message current;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const QStringRef name = reader.name();
        if (name == QLatin1String("context")) {
            context.clear();
        } else if (name == QLatin1String("name")) {
            context = reader.readElementText();
        } else if (name == QLatin1String("message")) {
            current = Message();
            current.context = context;
        } else if (name == QLatin1String("source")) {
            current.source = reader.readElementText();
        } else if (name == QLatin1String("comment")) {
            current.comment = reader.readElementText();
        } else if (name == QLatin1String("translation")) {
            current.type = reader.attributes().value(QLatin1String("type")).toString();
            QString text;
            bool plural = false;
            while (reader.readNext() != QXmlStreamReader::EndElement || reader.name() != QLatin1String("translation")) {
                if (reader.atEnd())
                    break;
                if (reader.isStartElement() && reader.name() == QLatin1String("numerusform")) {
                    plural = true;
                    current.translations << reader.readElementText();
                } else if (reader.isCharacters()) {
                    text += reader.text();
                }
            }
            if (!plural)
                current.translations << text;
            messages << current;
        }
    }
    if (reader.hasError())
        *error = reader.errorString();
    return messages;
}

// What the screens fill in or join on, counted per kind, and the names that
// stay as they are.
QMap<QString, int> fixedParts(const QString &text)
{
    QMap<QString, int> parts;
    parts[QStringLiteral("\"@\"")] = text.count(QLatin1Char('@'));
    parts[QStringLiteral("CR LF")] = text.count(QLatin1String("\r\n"));
    parts[QStringLiteral("LF")] = text.count(QLatin1Char('\n'));
    static const QRegularExpression arg(QStringLiteral("%L?(\\d+)"));
    for (auto it = arg.globalMatch(text); it.hasNext();)
        ++parts[QLatin1Char('%') + it.next().captured(1)];
    static const QRegularExpression names(QStringLiteral("Seamrun|OrrinKM|Vesko|\\b[PS][1-4]\\b"));
    for (auto it = names.globalMatch(text); it.hasNext();)
        ++parts[it.next().captured(0)];
    static const QRegularExpression lead(QStringLiteral("^\\s*")), trail(QStringLiteral("\\s*$"));
    parts[QStringLiteral("leading blanks")] = lead.match(text).capturedLength();
    parts[QStringLiteral("trailing blanks")] = trail.match(text).capturedLength();
    return parts;
}

// Everything wrong with `catalogue` measured against the screens' `current`
// texts, one line per fault.
QStringList faults(const QList<Message> &current, const QList<Message> &catalogue)
{
    QStringList found;
    QSet<QString> wanted;
    for (const Message &m : current)
        wanted.insert(keyOf(m));
    QSet<QString> present;
    for (const Message &m : catalogue) {
        const QString key = keyOf(m);
        present.insert(key);
        if (!wanted.contains(key)) {
            found << QStringLiteral("not on any screen: ") + key;
            continue;
        }
        if (!m.type.isEmpty()) {
            found << m.type + QStringLiteral(": ") + key;
            continue;
        }
        const QMap<QString, int> expected = fixedParts(m.source);
        for (const QString &translation : m.translations) {
            if (translation.trimmed().isEmpty()) {
                found << QStringLiteral("empty: ") + key;
                continue;
            }
            const QMap<QString, int> got = fixedParts(translation);
            QSet<QString> kinds;
            for (auto it = expected.cbegin(); it != expected.cend(); ++it)
                kinds.insert(it.key());
            for (auto it = got.cbegin(); it != got.cend(); ++it)
                kinds.insert(it.key());
            for (const QString &kind : kinds) {
                // Not QString::arg(): the kinds and texts hold "%1" themselves.
                if (expected.value(kind) != got.value(kind))
                    found << kind + QLatin1Char(' ') + QString::number(got.value(kind)) + QStringLiteral(" times, not ")
                                 + QString::number(expected.value(kind)) + QStringLiteral(": ") + key
                                 + QStringLiteral(" -> ") + translation;
            }
        }
    }
    for (const Message &m : current)
        if (!present.contains(keyOf(m)))
            found << QStringLiteral("missing: ") + keyOf(m);
    return found;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace

class tst_catalogues : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QList<Message> m_current;

private slots:
    // The screens' texts as they are now, read by the same script that
    // refreshes the catalogues.
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString screens = m_dir.filePath(QStringLiteral("screens.ts"));
        QProcess update;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LUPDATE"), QStringLiteral(SEAMRUN_LUPDATE));
        update.setProcessEnvironment(env);
        update.setProcessChannelMode(QProcess::MergedChannels);
        update.start(QStringLiteral("sh"), {QStringLiteral(SEAMRUN_SOURCE_DIR "/scripts/update-translations.sh"),
                                            QStringLiteral("--into"), screens});
        QVERIFY2(update.waitForFinished(120000), "lupdate did not finish");
        QVERIFY2(update.exitStatus() == QProcess::NormalExit && update.exitCode() == 0,
                 update.readAll().constData());
        QString error;
        m_current = parse(readFile(screens), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // Far more than a handful: the screens were really read.
        QVERIFY2(m_current.size() > 50, qPrintable(QString::number(m_current.size())));
    }

    void catalogue_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : kCatalogues)
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void catalogue()
    {
        QFETCH(QString, name);
        const QByteArray xml = readFile(QStringLiteral(SEAMRUN_SOURCE_DIR "/lang/") + name + QStringLiteral(".ts"));
        QVERIFY2(!xml.isEmpty(), "no catalogue");
        QString error;
        const QList<Message> messages = parse(xml, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QStringList found = faults(m_current, messages);
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("\n") + found.join(QLatin1Char('\n'))));
    }

    // The Chinese, Japanese and Korean catalogues leave no English sentence
    // as it is: names, addresses and key names may stay, a text with two or
    // more lower-case words ("All rights reserved.") may not.
    void noEnglishLeft_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"cn_t", "cn", "jp", "ko"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void noEnglishLeft()
    {
        QFETCH(QString, name);
        QString error;
        const QList<Message> messages =
            parse(readFile(QStringLiteral(SEAMRUN_SOURCE_DIR "/lang/") + name + QStringLiteral(".ts")), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        static const QRegularExpression lowerWord(QStringLiteral("(^|\\s)[a-z]"));
        QStringList english;
        for (const Message &m : messages) {
            if (m.source.count(lowerWord) >= 2 && m.translations.contains(m.source))
                english.append(m.context + QStringLiteral(" | ") + m.source);
        }
        QVERIFY2(english.isEmpty(), qPrintable(QStringLiteral("\n") + english.join(QLatin1Char('\n'))));
    }

    // The check itself, on catalogues made faulty on purpose from the
    // screens' own texts.
    void faultsFound_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("fault");

        QTest::newRow("well translated") << "Current configuration of @ is %1." << "Konfiguration von @ ist %1." << "" << "";
        QTest::newRow("unfinished") << "Open" << "" << "unfinished" << "unfinished";
        QTest::newRow("empty") << "Open" << "  " << "" << "empty";
        QTest::newRow("\"@\" lost") << "Current configuration of @" << "Konfiguration" << "" << "\"@\"";
        QTest::newRow("\"@\" added") << "Open" << "@ öffnen" << "" << "\"@\"";
        QTest::newRow("%1 lost") << "Copyright %1 Ltd." << "Copyright Ltd." << "" << "%1";
        QTest::newRow("%2 for %1") << "Copy %1" << "Kopie %2" << "" << "%1";
        QTest::newRow("CR LF lost") << "Saved.\r\nAgain" << "Gespeichert. Nochmal" << "" << "CR LF";
        QTest::newRow("leading blank lost") << " Peripheral" << "Peripheral" << "" << "leading blanks";
        QTest::newRow("trailing blank added") << "Version" << "Version " << "" << "trailing blanks";
        QTest::newRow("name translated") << "Only one OrrinKM" << "Nur ein Umschalter" << "" << "OrrinKM";
        QTest::newRow("port renamed") << "The layout of P1" << "Das Layout von Port 1" << "" << "P1";
    }

    void faultsFound()
    {
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(QString, type);
        QFETCH(QString, fault);
        Message wanted;
        wanted.context = QStringLiteral("screen");
        wanted.source = source;
        Message given = wanted;
        given.type = type;
        given.translations << translation;
        const QStringList found = faults({wanted}, {given});
        if (fault.isEmpty()) {
            QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
        } else {
            bool named = false;
            for (const QString &line : found)
                named = named || line.startsWith(fault);
            QVERIFY2(named, qPrintable(found.join(QLatin1Char('\n'))));
        }
    }

    // A text the screens show that a catalogue lacks, and one the screens no
    // longer show that it still holds.
    void entriesMatched()
    {
        QVERIFY(m_current.size() > 1);
        QList<Message> catalogue = m_current;
        for (Message &m : catalogue) {
            m.type.clear();
            m.translations = QStringList{m.source};
        }
        QVERIFY(faults(m_current, catalogue).isEmpty());
        const Message dropped = catalogue.takeAt(1);
        Message gone = dropped;
        gone.source = QStringLiteral("A text no screen shows");
        catalogue << gone;
        const QStringList found = faults(m_current, catalogue);
        QCOMPARE(found.size(), 2);
        QVERIFY(found.contains(QStringLiteral("missing: ") + keyOf(dropped)));
        QVERIFY(found.contains(QStringLiteral("not on any screen: ") + keyOf(gone)));
    }
};

QTEST_GUILESS_MAIN(tst_catalogues)
#include "tst_catalogues.moc"
