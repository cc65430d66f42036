#include "user_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// Built into the window library from translations/*.ts.
const auto CatalogueDirectory = u":/i18n/"_s;
const auto CataloguePrefix = u"trelvin-sondrake_"_s;

void install(const QString &file, const QString &directory)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, directory))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QString CatalogueFor(const QString &messagesLocale, const QStringList &userLanguages,
                     const QStringList &available)
{
    if (messagesLocale.isEmpty() || messagesLocale == u"C"_s || messagesLocale == u"POSIX"_s)
        return {};
    for (const QString &name : userLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::C || locale.language() == QLocale::English)
            return {};
        if (available.contains(locale.name()))
            return locale.name();
        const QString language = locale.name().section(u'_', 0, 0);
        for (const QString &catalogue : available) {
            if (catalogue.section(u'_', 0, 0) == language)
                return catalogue;
        }
    }
    return {};
}

void UseUserLanguage()
{
    QStringList available;
    const QStringList files = QDir(CatalogueDirectory).entryList({CataloguePrefix + u"*.qm"_s});
    for (const QString &file : files)
        available << file.mid(CataloguePrefix.size()).chopped(3);
    QString messagesLocale;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messagesLocale = qEnvironmentVariable(variable);
        if (!messagesLocale.isEmpty())
            break;
    }
    const QString catalogue =
        CatalogueFor(messagesLocale, QLocale::system().uiLanguages(), available);
    if (catalogue.isEmpty())
        return;
    install(CataloguePrefix + catalogue, CatalogueDirectory);
    install(u"qtbase_"_s + catalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
