#include "format/SampleSettingsFile.h"

#include "core/Errors.h"
#include "core/FileIO.h"
#include "core/ValueReader.h"
#include "core/ValueWriter.h"

namespace porkane {

QByteArray writeSampleSettings(const SampleSettings &settings)
{
    PrintStyleWriter out;
    for (qint32 value : {settings.backgroundColour, settings.gridColour, settings.gridInterval}) {
        out.integer(value);
        out.endLine();
    }
    return out.bytes();
}

SampleSettings readSampleSettings(const QByteArray &bytes)
{
    ValueReader in(bytes, SampleSettingsFileName);
    SampleSettings settings;
    settings.backgroundColour = in.int32();
    settings.gridColour = in.int32();
    settings.gridInterval = in.int32();
    return settings;
}

SampleSettings loadSampleSettings(const QString &dataFolder)
{
    try {
        return readSampleSettings(readWholeFile(joinPath(dataFolder, SampleSettingsFileName), 64 * 1024));
    } catch (const UserError &) {
        return SampleSettings{};
    }
}

bool saveSampleSettings(const QString &dataFolder, const SampleSettings &settings)
{
    try {
        writeFileAtomically(joinPath(dataFolder, SampleSettingsFileName), writeSampleSettings(settings));
        return true;
    } catch (const UserError &) {
        return false;
    }
}

} // namespace porkane
