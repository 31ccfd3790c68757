#pragma once

// The language of the windows, chosen once at start from the locale: English
// when the locale asks for it, Japanese (the source texts) otherwise. Only
// what the windows show changes; file names and the texts written into
// files never do.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace porkane {

enum class InterfaceLanguage { Japanese, English };

// From LC_ALL, LC_MESSAGES and LANG, the first that is set and not empty,
// as the C library reads them for messages: "en", "en_US.UTF-8", "en_GB"
// give English; "ja_JP.UTF-8", "C", "POSIX", any other language or none
// give Japanese.
InterfaceLanguage languageFromLocale(const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

// Folders that may hold the program's translations (porkane_<language>.qm),
// in the order they are tried: the build tree's translations folder beside
// bin/, then the installed share/porkane/translations beside bin/, then the
// system's data folders.
QStringList translationFolders(const QString &programFolder);

// The translators of one run: the program's own texts and Qt's dialogs.
class InterfaceTranslators {
public:
    // Installs the translators the language needs into the application:
    // English takes porkane_en.qm (Qt's own texts are English already);
    // Japanese takes Qt's qtbase_ja for its dialogs. False when a
    // translation the language needs was not found: the windows then show
    // the texts they have. The default locale's language follows when it
    // differs (LANG=en_US with LC_MESSAGES=ja_JP gives ja_JP).
    bool install(InterfaceLanguage language, const QString &programFolder);
    void remove();

private:
    QTranslator program_;
    QTranslator qt_;
};

} // namespace porkane
