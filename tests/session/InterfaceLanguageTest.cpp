#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include "DataFolders.h"
#include "session/InterfaceLanguage.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

QProcessEnvironment environment(std::initializer_list<std::pair<const char *, const char *>> variables)
{
    QProcessEnvironment result;
    for (const auto &[name, value] : variables)
        result.insert(QLatin1String(name), QString::fromUtf8(value));
    return result;
}

QString mainMenuNew() { return QCoreApplication::translate("porkane::MainMenuWindow", "新規製作"); }
// A text of Qt's own dialogs, which qtbase_ja translates.
QString qtCancel() { return QCoreApplication::translate("QPlatformTheme", "Cancel"); }

} // namespace

TEST(InterfaceLanguage, EnglishOnlyWhenTheLocaleForMessagesIsEnglish)
{
    using enum InterfaceLanguage;
    EXPECT_EQ(languageFromLocale(environment({{"LANG", "en_US.UTF-8"}})), English);
    EXPECT_EQ(languageFromLocale(environment({{"LANG", "en_GB"}})), English);
    EXPECT_EQ(languageFromLocale(environment({{"LANG", "en"}})), English);
    EXPECT_EQ(languageFromLocale(environment({{"LANG", "en_IE.UTF-8@euro"}})), English);
    EXPECT_EQ(languageFromLocale(environment({{"LANG", "ja_JP.UTF-8"}})), Japanese);
    EXPECT_EQ(languageFromLocale(environment({{"LANG", "de_DE.UTF-8"}})), Japanese);
    EXPECT_EQ(languageFromLocale(environment({{"LANG", "C.UTF-8"}})), Japanese);
    EXPECT_EQ(languageFromLocale(environment({{"LANG", "POSIX"}})), Japanese);
    EXPECT_EQ(languageFromLocale(environment({{"LANG", "eng"}})), Japanese);
    EXPECT_EQ(languageFromLocale(environment({})), Japanese);

    // LC_ALL before LC_MESSAGES before LANG; an empty one does not count.
    EXPECT_EQ(languageFromLocale(environment({{"LC_ALL", "ja_JP.UTF-8"}, {"LANG", "en_US.UTF-8"}})), Japanese);
    EXPECT_EQ(languageFromLocale(environment({{"LC_ALL", "en_US.UTF-8"}, {"LC_MESSAGES", "ja_JP.UTF-8"}})), English);
    EXPECT_EQ(languageFromLocale(environment({{"LC_MESSAGES", "en_US.UTF-8"}, {"LANG", "ja_JP.UTF-8"}})), English);
    EXPECT_EQ(languageFromLocale(environment({{"LC_MESSAGES", "C"}, {"LANG", "en_US.UTF-8"}})), Japanese);
    EXPECT_EQ(languageFromLocale(environment({{"LC_ALL", ""}, {"LANG", "en_US.UTF-8"}})), English);
    // Other categories say nothing about messages.
    EXPECT_EQ(languageFromLocale(environment({{"LC_NUMERIC", "en_US.UTF-8"}, {"LANG", "ja_JP.UTF-8"}})), Japanese);
}

TEST(InterfaceLanguage, TranslationsAreLookedForInTheBuildTreeThenWhereInstalled)
{
    const QStringList folders = translationFolders(QStringLiteral("/opt/porkane/bin"));
    ASSERT_GE(folders.size(), 2);
    EXPECT_EQ(folders[0], QStringLiteral("/opt/porkane/translations"));
    EXPECT_EQ(folders[1], QStringLiteral("/opt/porkane/share/porkane/translations"));
    EXPECT_EQ(QStringList(folders).removeDuplicates(), 0);
}

TEST(InterfaceLanguage, EnglishTakesTheProgramsTranslationAndJapaneseQtsOwn)
{
    // The test runs from build/bin, beside build/translations.
    const QString programFolder = QCoreApplication::applicationDirPath();
    ASSERT_EQ(mainMenuNew(), QStringLiteral("新規製作"));
    const QString qtSource = qtCancel();
    ASSERT_EQ(qtSource, QStringLiteral("Cancel"));

    const QLocale locale;
    InterfaceTranslators translators;
    ASSERT_TRUE(translators.install(InterfaceLanguage::English, programFolder));
    EXPECT_EQ(mainMenuNew(), QStringLiteral("New"));
    EXPECT_EQ(qtCancel(), QStringLiteral("Cancel"));
    // Pictures with words follow the default locale's language.
    EXPECT_EQ(QLocale().language(), QLocale::English);

    // Switching replaces the English rather than stacking on it.
    ASSERT_TRUE(translators.install(InterfaceLanguage::Japanese, programFolder));
    EXPECT_EQ(mainMenuNew(), QStringLiteral("新規製作"));
    EXPECT_EQ(qtCancel(), QStringLiteral("キャンセル"));
    EXPECT_EQ(QLocale().language(), QLocale::Japanese);

    translators.remove();
    QLocale::setDefault(locale);
    EXPECT_EQ(mainMenuNew(), QStringLiteral("新規製作"));
    EXPECT_EQ(qtCancel(), QStringLiteral("Cancel"));
}

TEST(InterfaceLanguage, WithoutItsTranslationEnglishLeavesTheJapaneseTexts)
{
    TempFolder folder;
    const DataFoldersOnly noInstalledCopy(folder.path());
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("bin")));

    InterfaceTranslators translators;
    EXPECT_FALSE(translators.install(InterfaceLanguage::English, folder.file(QStringLiteral("bin"))));
    EXPECT_EQ(mainMenuNew(), QStringLiteral("新規製作"));
}
