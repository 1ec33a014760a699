#include "langswitch.h"

#include <QCoreApplication>
#include <QQmlEngine>
#include <QTranslator>

namespace {
const char *const kCatalogues[] = {
    "en.qm", "cn_t.qm", "cn.qm", "jp.qm", "de.qm",
    "py.qm", "ko.qm", "fr.qm", "es.qm", "po.qm",
};
const int kCatalogueCount = int(sizeof(kCatalogues) / sizeof(kCatalogues[0]));

// One translator for the whole process, whichever switcher made it.
QTranslator *g_translator = nullptr;
}

LangSwitch::LangSwitch(QQmlEngine *engine, const QString &catalogueDir)
    : m_engine(engine)
    , m_catalogueDir(catalogueDir.isEmpty()
                         ? QCoreApplication::applicationDirPath() + QStringLiteral("/lang/")
                         : catalogueDir)
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

void LangSwitch::changeLang(int index)
{
    if (g_translator) {
        QCoreApplication::removeTranslator(g_translator);
        delete g_translator;
        g_translator = nullptr;
    }
    g_translator = new QTranslator;

    const QString path = m_catalogueDir + catalogueFile(index);
    if (!g_translator->load(path))
        return; // keep what is on screen; nothing to install

    QCoreApplication::installTranslator(g_translator);
    if (m_engine)
        m_engine->retranslate();
}
