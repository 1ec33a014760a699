#include "langswitch.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QLibraryInfo>
#include <QQmlEngine>
#include <QTranslator>

namespace {
const char *const kCatalogues[] = {
    "en.qm", "cn_t.qm", "cn.qm", "jp.qm", "de.qm",
    "py.qm", "ko.qm", "fr.qm", "es.qm", "po.qm",
};
const int kCatalogueCount = int(sizeof(kCatalogues) / sizeof(kCatalogues[0]));

// Qt's catalogues of the same languages, in the same order. Qt has one
// Portuguese catalogue, the Brazilian one; its key names are those of
// Portugal too.
const char *const kQtCatalogues[] = {
    "", "qtbase_zh_TW", "qtbase_zh_CN", "qtbase_ja", "qtbase_de",
    "qtbase_ru", "qtbase_ko", "qtbase_fr", "qtbase_es", "qtbase_pt_BR",
};
static_assert(sizeof(kQtCatalogues) / sizeof(kQtCatalogues[0]) == sizeof(kCatalogues) / sizeof(kCatalogues[0]),
              "one Qt catalogue entry per language");

// One translator of each kind for the whole process, whichever switcher made it.
QTranslator *g_translator = nullptr;
QTranslator *g_qtTranslator = nullptr;

void drop(QTranslator *&translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

// Loads `file` from `dir` and installs it; false, with nothing installed,
// when the file is not there or not a catalogue.
bool install(QTranslator *&translator, const QString &file, const QString &dir)
{
    auto *loaded = new QTranslator;
    if (!loaded->load(file, dir)) {
        delete loaded;
        return false;
    }
    translator = loaded;
    QCoreApplication::installTranslator(translator);
    return true;
}
}

LangSwitch::LangSwitch(QQmlEngine *engine, const QString &catalogueDir, const QString &qtCatalogueDir)
    : m_engine(engine)
    , m_catalogueDir(catalogueDir.isEmpty()
                         ? QCoreApplication::applicationDirPath() + QStringLiteral("/lang/")
                         : catalogueDir)
    , m_qtCatalogueDir(qtCatalogueDir.isEmpty() ? QLibraryInfo::location(QLibraryInfo::TranslationsPath)
                                                : qtCatalogueDir)
{
    if (!m_catalogueDir.endsWith(QLatin1Char('/')))
        m_catalogueDir += QLatin1Char('/');
}

QString LangSwitch::catalogueFile(int index)
{
    if (index < 0 || index >= kCatalogueCount)
        index = 0;
    return QString::fromLatin1(kCatalogues[index]);
}

QString LangSwitch::qtCatalogue(int index)
{
    if (index < 0 || index >= kCatalogueCount)
        index = 0;
    return QString::fromLatin1(kQtCatalogues[index]);
}

QString LangSwitch::keyText(const QString &keys) const
{
    // A modifier on its own, as in "Ctrl+arrow keys": Qt names it in the
    // same context as in a whole combination.
    static const char *const kModifiers[] = {"Ctrl", "Shift", "Alt", "Meta"};
    for (const char *modifier : kModifiers)
        if (keys == QLatin1String(modifier))
            return QCoreApplication::translate("QShortcut", modifier);

    // Anything that is not a key combination is shown as given.
    const QKeySequence sequence = QKeySequence::fromString(keys, QKeySequence::PortableText);
    if (sequence.isEmpty())
        return keys;
    for (int i = 0; i < sequence.count(); ++i)
        if ((sequence[i] & ~Qt::KeyboardModifierMask) == Qt::Key_unknown)
            return keys;
    return sequence.toString(QKeySequence::NativeText);
}

void LangSwitch::changeLang(int index)
{
    drop(g_translator);
    drop(g_qtTranslator);

    if (!install(g_translator, catalogueFile(index), m_catalogueDir))
        return; // keep what is on screen; nothing to install

    const QString qtFile = qtCatalogue(index);
    if (!qtFile.isEmpty())
        install(g_qtTranslator, qtFile, m_qtCatalogueDir);

    if (index < 0 || index >= kCatalogueCount)
        index = 0;
    const bool changed = index != m_language;
    m_language = index;
    if (m_engine)
        m_engine->retranslate();
    if (changed)
        emit languageChanged();
}
