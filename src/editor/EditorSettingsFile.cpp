#include "editor/EditorSettingsFile.h"

#include <QFileInfo>

#include "core/Errors.h"
#include "core/FileIO.h"
#include "core/ValueReader.h"
#include "core/ValueWriter.h"

namespace porkane {

QByteArray writeEditorSettings(const EditorSettings &settings)
{
    PrintStyleWriter out;
    for (qint32 value : {qint32(settings.gridVisible), settings.backgroundColour, settings.gridColour,
                         settings.labelColour, qint32(settings.gridSpacing), qint32(settings.printOffsetLeft),
                         qint32(settings.printOffsetTop), qint32(settings.forcePrintOverrun)}) {
        out.integer(value);
        out.endLine();
    }
    return out.bytes();
}

EditorSettings readEditorSettings(const QByteArray &bytes)
{
    ValueReader in(bytes, EditorSettingsFileName);
    EditorSettings settings;
    settings.gridVisible = in.int16();
    settings.backgroundColour = in.int32();
    settings.gridColour = in.int32();
    settings.labelColour = in.int32();
    settings.gridSpacing = in.int16();
    settings.printOffsetLeft = in.int16();
    settings.printOffsetTop = in.int16();
    settings.forcePrintOverrun = in.int16();
    return settings;
}

EditorSettings loadEditorSettings(const QString &dataFolder)
{
    const QString path = joinPath(dataFolder, EditorSettingsFileName);
    if (!QFileInfo::exists(path)) {
        // Delivered with the program; a folder we cannot write to still gets
        // the delivered values for this run.
        const EditorSettings delivered;
        saveEditorSettings(dataFolder, delivered);
        return delivered;
    }
    return readEditorSettings(readWholeFile(path, 64 * 1024));
}

bool saveEditorSettings(const QString &dataFolder, const EditorSettings &settings)
{
    try {
        writeFileAtomically(joinPath(dataFolder, EditorSettingsFileName), writeEditorSettings(settings));
        return true;
    } catch (const UserError &) {
        return false;
    }
}

} // namespace porkane
