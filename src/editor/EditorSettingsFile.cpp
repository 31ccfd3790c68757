#include "editor/EditorSettingsFile.h"

#include <QCoreApplication>
#include <QDir>
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

QString damagedEditorSettingsMessage(const QString &path)
{
    return QCoreApplication::translate("porkane", "設定ファイル「%1」が壊れているため、初期設定を使います。\r"
                                                  "このファイルは次に設定を保存するときに書き直されます。")
        .arg(QDir::toNativeSeparators(path));
}

LoadedEditorSettings loadEditorSettingsReporting(const QString &dataFolder)
{
    const QString path = joinPath(dataFolder, EditorSettingsFileName);
    LoadedEditorSettings loaded;
    if (!QFileInfo::exists(path)) {
        // Delivered with the program; a folder we cannot write to still gets
        // the delivered values for this run.
        saveEditorSettings(dataFolder, loaded.settings);
        return loaded;
    }
    try {
        loaded.settings = readEditorSettings(readWholeFile(path, 64 * 1024));
    } catch (const UserError &) {
        // A damaged settings file is no reason to refuse the user's
        // document: the delivered values stand in, and the window says so.
        loaded.settings = EditorSettings{};
        loaded.problem = damagedEditorSettingsMessage(path);
    }
    return loaded;
}

EditorSettings loadEditorSettings(const QString &dataFolder)
{
    const LoadedEditorSettings loaded = loadEditorSettingsReporting(dataFolder);
    if (loaded.fellBack())
        throw FileError(loaded.problem);
    return loaded.settings;
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
