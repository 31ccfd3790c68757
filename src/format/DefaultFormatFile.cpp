#include "format/DefaultFormatFile.h"

#include "core/Errors.h"
#include "core/FileIO.h"
#include "core/ValueReader.h"
#include "core/ValueWriter.h"
#include "document/LabelDocument.h"

namespace porkane {

namespace {
constexpr qint64 MaximumSettingsFileSize = 64 * 1024;

// A face name is written as it is, except that one holding a comma goes in
// double quotes: read plainly, the comma would end it and every later value
// would slip by one, losing the whole default format at the next start.
// Quoted, the sequential reader takes it whole. A name that also holds a
// double quote cannot be quoted and is written as it is.
QString shownFaceName(const QString &faceName)
{
    if (faceName.contains(QLatin1Char(',')) && !faceName.contains(QLatin1Char('"')))
        return QLatin1Char('"') + faceName + QLatin1Char('"');
    return faceName;
}
} // namespace

QByteArray writeDefaultFormat(const TextFormat &format)
{
    PrintStyleWriter out;
    const auto line = [&](auto write) {
        write();
        out.endLine();
    };
    line([&] { out.integer(format.textColour); });
    line([&] { out.integer(format.charWidth); });
    line([&] { out.integer(format.charHeight); });
    line([&] { out.single(format.letterSpacing); });
    line([&] { out.single(format.lineSpacing); });
    line([&] { out.integer(format.charRotation); });
    line([&] { out.integer(format.lineRotation); });
    line([&] { out.integer(format.bold); });
    line([&] { out.integer(format.italic); });
    line([&] { out.integer(format.underline); });
    line([&] { out.integer(format.strikeOut); });
    line([&] { out.text(shownFaceName(format.faceName)); });
    line([&] { out.integer(format.boldWeight); });
    line([&] { out.integer(format.shadowColour); });
    line([&] { out.integer(format.effectColour); });
    line([&] { out.single(format.shiftHorizontal); });
    line([&] { out.single(format.shiftVertical); });
    line([&] { out.integer(format.effectCode); });
    return out.bytes();
}

TextFormat readDefaultFormat(const QByteArray &bytes)
{
    ValueReader in(bytes, DefaultFormatFileName);
    TextFormat format;
    format.textColour = in.int32();
    format.charWidth = in.int16();
    format.charHeight = in.int16();
    format.letterSpacing = in.single();
    format.lineSpacing = in.single();
    format.charRotation = in.int16();
    format.lineRotation = in.int16();
    format.bold = in.int16();
    format.italic = in.int16();
    format.underline = in.int16();
    format.strikeOut = in.int16();
    // Plain, the name ends at a comma; a quoted name (one holding a comma)
    // is read whole.
    format.faceName = in.string();
    format.boldWeight = in.int16();
    format.shadowColour = in.int32();
    format.effectColour = in.int32();
    format.shiftHorizontal = in.single();
    format.shiftVertical = in.single();
    format.effectCode = in.int16();
    // Held to what a character's record may hold, as the label files are:
    // a value beyond it is damage, and the built-in format takes over.
    const std::pair<AttrSlot, double> values[] = {
        {CharWidthSlot, format.charWidth},         {CharHeightSlot, format.charHeight},
        {LetterSpacingSlot, format.letterSpacing}, {LineSpacingSlot, format.lineSpacing},
        {CharRotationSlot, format.charRotation},   {LineRotationSlot, format.lineRotation},
        {FontWeightSlot, format.boldWeight},       {EffectCodeSlot, format.effectCode},
        {ShiftVerticalSlot, format.shiftVertical}, {ShiftHorizontalSlot, format.shiftHorizontal},
    };
    for (const auto &[slot, value] : values) {
        if (const std::optional<QString> why = slotOutOfRange(slot, Variant(value)))
            throw FileError(QStringLiteral("%1: %2").arg(DefaultFormatFileName, *why));
    }
    return format;
}

TextFormat loadDefaultFormat(const QString &dataFolder)
{
    return readDefaultFormat(readWholeFile(joinPath(dataFolder, DefaultFormatFileName), MaximumSettingsFileSize));
}

bool saveDefaultFormat(const QString &dataFolder, const TextFormat &format)
{
    try {
        writeFileAtomically(joinPath(dataFolder, DefaultFormatFileName), writeDefaultFormat(format));
        return true;
    } catch (const UserError &) {
        return false;
    }
}

} // namespace porkane
