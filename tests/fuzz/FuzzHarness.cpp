#include "FuzzHarness.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

#include <QBuffer>

#include "session/AppSettingsFile.h"
#include "core/Errors.h"
#include "document/BitmapFile.h"
#include "document/LabelArchive.h"
#include "document/TextDataFile.h"
#include "editor/EditorSettingsFile.h"
#include "format/DefaultFormatFile.h"
#include "format/SampleSettingsFile.h"
#include "sheet/TemplateFile.h"

namespace porkane::fuzz {

namespace {

[[noreturn]] void fault(const char *what)
{
    std::fprintf(stderr, "reader fault: %s\n", what);
    std::abort();
}

void require(bool condition, const char *what)
{
    if (!condition)
        fault(what);
}

void archive(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer device(&copy);
    device.open(QIODevice::ReadOnly);
    const ArchiveDirectory directory = readArchiveDirectory(device, copy.size(), QStringLiteral("fuzz.fhl"));
    require(!directory.entries.empty(), "an accepted archive has members");
    for (int position = 0; position < int(directory.entries.size()); ++position) {
        const ArchiveEntry &entry = directory.entries[position];
        require(isPlainMemberName(entry.name), "member names are plain");
        require(directory.dataStart + entry.offset + entry.index + entry.length <= copy.size(),
                "members lie inside the file");
        QByteArray member;
        QBuffer out(&member);
        out.open(QIODevice::WriteOnly);
        extractMember(device, directory, position, out, QStringLiteral("fuzz.fhl"));
        require(member.size() == entry.length, "a member extracts to its length");
    }
}

void textData(const QByteArray &bytes)
{
    const LabelDocument document = readTextData(bytes);
    for (int label = 1; label <= document.labelCount(); ++label)
        require(document.LabelText(label).size() <= LabelDocument::MaxPositions, "texts keep their limit");
    require(document.ImageCount() <= LabelDocument::MaxImages, "images keep their limit");
    // What was read is written again, and that reads back to the same bytes.
    const QByteArray written = writeTextData(document);
    require(writeTextData(readTextData(written)) == written, "a written text-data file reads back unchanged");
}

void templateFile(const QByteArray &bytes)
{
    const SheetTemplate sheet = readTemplateFile(bytes, SheetTemplate{});
    require(sheet.LabelCount >= 0 && sheet.LabelCount <= SheetTemplate::MaxLabels, "label count in range");
    require(readTemplateFile(writeTemplateFile(sheet), SheetTemplate{}) == sheet, "a template reads back");
}

void bitmap(const QByteArray &bytes)
{
    const QImage picture = readBmp(bytes, QStringLiteral("fuzz.bmp"));
    require(!picture.isNull(), "an accepted picture has pixels");
    const QImage again = readBmp(writeBmp(picture), QStringLiteral("again.bmp"));
    require(again.size() == picture.size(), "a written picture reads back");
}

void appSettings(const QByteArray &bytes)
{
    const AppSettings settings = readAppSettings(bytes);
    require(readAppSettings(writeAppSettings(settings)) == settings, "porkane.INI reads back");
}

void defaultFormat(const QByteArray &bytes)
{
    // A face name read from a hand-made file may not survive the trip (one
    // quoted with leading spaces loses them), so only the writing is checked.
    const TextFormat format = readDefaultFormat(bytes);
    try {
        writeDefaultFormat(format);
    } catch (const FileError &) {
    }
}

void sampleSettings(const QByteArray &bytes)
{
    const SampleSettings settings = readSampleSettings(bytes);
    require(readSampleSettings(writeSampleSettings(settings)) == settings, "Shiyosiki.INI reads back");
}

void editorSettings(const QByteArray &bytes)
{
    const EditorSettings settings = readEditorSettings(bytes);
    require(readEditorSettings(writeEditorSettings(settings)) == settings, "Shiyosiki2.ini reads back");
}

const std::map<QString, std::function<void(const QByteArray &)>> &readers()
{
    static const std::map<QString, std::function<void(const QByteArray &)>> table{
        {QStringLiteral("archive"), archive},
        {QStringLiteral("text_data"), textData},
        {QStringLiteral("template"), templateFile},
        {QStringLiteral("bitmap"), bitmap},
        {QStringLiteral("app_settings"), appSettings},
        {QStringLiteral("default_format"), defaultFormat},
        {QStringLiteral("sample_settings"), sampleSettings},
        {QStringLiteral("editor_settings"), editorSettings},
    };
    return table;
}

} // namespace

QStringList readerNames()
{
    QStringList names;
    for (const auto &entry : readers())
        names.append(entry.first);
    return names;
}

Outcome check(const QString &reader, const QByteArray &bytes)
{
    const auto found = readers().find(reader);
    require(found != readers().end(), "a known reader");
    try {
        found->second(bytes);
        return Outcome::Accepted;
    } catch (const FileError &) {
        return Outcome::Refused;
    }
}

} // namespace porkane::fuzz
