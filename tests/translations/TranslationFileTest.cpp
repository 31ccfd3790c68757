// The English translation against the sources: every text of src/ is in
// resources/translations/porkane_en.ts with a finished translation that keeps
// its placeholders, the compiled .qm says the same, and nothing the program
// writes into files changes with the language.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

#include "session/AppSettingsFile.h"
#include "document/LabelDocument.h"
#include "document/TextDataFile.h"
#include "editor/EditorSettingsFile.h"
#include "format/DefaultFormatFile.h"
#include "format/SampleSettingsFile.h"
#include "sheet/TemplateFile.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty

    QString key() const { return context + QLatin1Char('\x1f') + source + QLatin1Char('\x1f') + comment; }
    std::string name() const { return (context + QStringLiteral(": ") + source).toStdString(); }
};

// The text of an element, with lupdate's <byte value="xd"/> for characters
// XML cannot hold.
QString elementText(QXmlStreamReader &xml)
{
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() == QLatin1String("byte")) {
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        if (xml.atEnd())
            break;
    }
    return text;
}

std::vector<Message> readTs(const QByteArray &bytes)
{
    std::vector<Message> messages;
    QXmlStreamReader xml(bytes);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("context"))
            context.clear();
        else if (name == QLatin1String("name") && context.isEmpty())
            context = xml.readElementText();
        else if (name == QLatin1String("message"))
            message = Message{context, {}, {}, {}, {}};
        else if (name == QLatin1String("source"))
            message.source = elementText(xml);
        else if (name == QLatin1String("comment"))
            message.comment = elementText(xml);
        else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = elementText(xml);
            messages.push_back(message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

const std::vector<Message> &committed()
{
    static const std::vector<Message> messages = readTs(readBytes(QStringLiteral(PORKANE_TS_FILE)));
    return messages;
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d{1,2}"));
    QSet<QString> found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found.insert(match.captured().remove(QLatin1Char('L')));
    return found;
}

} // namespace

TEST(EnglishTranslation, EveryTextHasAFinishedTranslation)
{
    ASSERT_GT(committed().size(), 300u);
    for (const Message &message : committed()) {
        EXPECT_TRUE(message.type.isEmpty()) << message.name() << " is " << message.type.toStdString();
        EXPECT_FALSE(message.translation.trimmed().isEmpty()) << message.name() << " has no translation";
    }
}

TEST(EnglishTranslation, TranslationsKeepThePlaceholdersAndLeaveNoJapanese)
{
    // Japanese left in an English text is a translation forgotten halfway;
    // the sample lines show how a font draws Japanese and stay as they are,
    // and so do the circled label numbers.
    static const QRegularExpression japanese(QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}]"));
    for (const Message &message : committed()) {
        EXPECT_EQ(placeholders(message.translation), placeholders(message.source)) << message.name();
        if (message.context != QLatin1String("SampleText"))
            EXPECT_FALSE(message.translation.contains(japanese))
                << message.name() << " -> " << message.translation.toStdString();
    }
}

TEST(EnglishTranslation, LupdateFindsNoTextOfTheSourcesMissingFromIt)
{
    TempFolder folder;
    const QString scanned = folder.file(QStringLiteral("porkane_en.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments = QStringLiteral(PORKANE_LUPDATE_OPTIONS).split(QLatin1Char('|'));
    arguments << QStringLiteral(PORKANE_SOURCES) << QStringLiteral("-ts") << scanned;
    lupdate.start(QStringLiteral(PORKANE_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0);
    // lupdate warns when a tr() stands where it cannot tell the context the
    // program will look the text up in (a tr() outside a class that declares
    // it): that text would never show translated.
    const QStringList output = QString::fromUtf8(lupdate.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : output)
        EXPECT_TRUE(line.startsWith(QLatin1String("Scanning directory")) ||
                    line.startsWith(QLatin1String("Updating")) || line.trimmed().startsWith(QLatin1String("Found")))
            << line.toStdString();

    QSet<QString> inTs;
    for (const Message &message : committed())
        inTs.insert(message.key());
    QSet<QString> inSources;
    for (const Message &message : readTs(readBytes(scanned))) {
        inSources.insert(message.key());
        EXPECT_TRUE(inTs.contains(message.key()))
            << message.name() << ": not in resources/translations/porkane_en.ts (run make translations)";
    }
    for (const Message &message : committed())
        EXPECT_TRUE(inSources.contains(message.key()))
            << message.name() << ": no longer in the sources (run make translations)";
}

TEST(EnglishTranslation, TheCompiledTranslationSaysWhatTheTsSays)
{
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(PORKANE_QM_FILE)));
    for (const Message &message : committed()) {
        const QByteArray source = message.source.toUtf8();
        const QByteArray comment = message.comment.toUtf8();
        EXPECT_EQ(translator.translate(message.context.toUtf8().constData(), source.constData(),
                                       comment.isEmpty() ? nullptr : comment.constData()),
                  message.translation)
            << message.name();
    }
}

TEST(EnglishTranslation, FilesAreWrittenTheSameInEitherLanguage)
{
    const auto written = [] {
        SheetTemplate sheet = SheetTemplate::newTemplate();
        LabelDocument document = LabelDocument::fromTemplate(sheet);
        document.setLabelText(1, QStringLiteral("ぽるかね"));
        QMap<QString, QByteArray> files;
        files[QStringLiteral("DefMog.INI")] = writeDefaultFormat(TextFormat{});
        files[QStringLiteral("porkane.INI")] = writeAppSettings(AppSettings{});
        files[QStringLiteral("Shiyosiki.INI")] = writeSampleSettings(SampleSettings{});
        files[QStringLiteral("Shiyosiki2.ini")] = writeEditorSettings(EditorSettings{});
        files[QStringLiteral("NewForm.fom")] = writeTemplateFile(sheet);
        files[QStringLiteral("ptextdat.baf")] = writeTextData(document);
        return files;
    };
    const QMap<QString, QByteArray> japanese = written();
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(PORKANE_QM_FILE)));
    ASSERT_TRUE(QCoreApplication::installTranslator(&english));
    ASSERT_EQ(QCoreApplication::translate("porkane::MainMenuWindow", "新規製作"), QStringLiteral("New"));
    const QMap<QString, QByteArray> inEnglish = written();
    QCoreApplication::removeTranslator(&english);
    for (auto file = japanese.cbegin(); file != japanese.cend(); ++file)
        EXPECT_EQ(inEnglish.value(file.key()), file.value()) << file.key().toStdString();
}
