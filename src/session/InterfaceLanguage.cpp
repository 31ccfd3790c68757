#include "session/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>

namespace porkane {

InterfaceLanguage languageFromLocale(const QProcessEnvironment &environment)
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QLatin1String(name));
        if (value.isEmpty())
            continue;
        // language[_territory][.codeset][@modifier]
        const QString language = value.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('.'), 0, 0)
                                     .section(QLatin1Char('@'), 0, 0);
        return language == QLatin1String("en") ? InterfaceLanguage::English : InterfaceLanguage::Japanese;
    }
    return InterfaceLanguage::Japanese;
}

QStringList translationFolders(const QString &programFolder)
{
    const QDir beside(programFolder);
    QStringList folders{QDir::cleanPath(beside.filePath(QStringLiteral("../translations"))),
                        QDir::cleanPath(beside.filePath(QStringLiteral("../share/porkane/translations")))};
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString folder = QDir::cleanPath(data + QStringLiteral("/porkane/translations"));
        if (!folders.contains(folder))
            folders.append(folder);
    }
    return folders;
}

bool InterfaceTranslators::install(InterfaceLanguage language, const QString &programFolder)
{
    remove();
    // Pictures with words come in the default locale's language (the
    // resources' lang="en" variants). The locale is changed only where its
    // language disagrees with the interface's, so that number and date forms
    // stay the user's.
    const bool english = language == InterfaceLanguage::English;
    if (english != (QLocale().language() == QLocale::English))
        QLocale::setDefault(english ? QLocale(QLocale::English, QLocale().territory())
                                    : QLocale(QLocale::Japanese, QLocale::Japan));
    if (english) {
        for (const QString &folder : translationFolders(programFolder))
            if (program_.load(QStringLiteral("porkane_en"), folder))
                return QCoreApplication::installTranslator(&program_);
        return false;
    }
    if (!qt_.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&qt_);
}

void InterfaceTranslators::remove()
{
    QCoreApplication::removeTranslator(&program_);
    QCoreApplication::removeTranslator(&qt_);
}

} // namespace porkane
