#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "session/Messages.h"
#include "session/Prompts.h"

using namespace porkane;

namespace {

// A translation into English of the prompts' and messages' texts.
class EnglishTexts : public QTranslator {
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        if (qstrcmp(context, "Prompts") == 0 && text == QStringLiteral("ぽるかね ファイル (*.fhl)"))
            return QStringLiteral("Porkane files (*.fhl)");
        if (qstrcmp(context, "Prompts") == 0 && text == QStringLiteral("ぽるかね"))
            return QStringLiteral("Porkane");
        if (qstrcmp(context, "Messages") == 0 && text == QStringLiteral("ファイルを上書きしますか？"))
            return QStringLiteral("Overwrite the file?");
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

TEST(TranslatedText, PromptTextsFollowTheTranslatorInstalledAfterStart)
{
    // Read before any translator: the Japanese source texts.
    const QString filter = LabelFileFilter;
    EXPECT_EQ(filter, QStringLiteral("ぽるかね ファイル (*.fhl)"));
    EXPECT_EQ(TemplateFileFilter.text(), QStringLiteral("ぽるかね フォームファイル (*.fom)"));
    EXPECT_EQ(PromptTitle.text(), QStringLiteral("ぽるかね"));

    EnglishTexts english;
    ASSERT_TRUE(QCoreApplication::installTranslator(&english));
    EXPECT_EQ(QString(LabelFileFilter), QStringLiteral("Porkane files (*.fhl)"));
    EXPECT_EQ(PromptTitle.text(), QStringLiteral("Porkane"));
    EXPECT_EQ(OverwriteQuestion(), QStringLiteral("Overwrite the file?"));
    // A text the translation lacks stays Japanese.
    EXPECT_EQ(TemplateFileFilter.text(), QStringLiteral("ぽるかね フォームファイル (*.fom)"));
    QCoreApplication::removeTranslator(&english);
    EXPECT_EQ(QString(LabelFileFilter), filter);
}
