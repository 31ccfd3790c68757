#include "session/AppSettingsFile.h"

#include "core/Errors.h"
#include "core/FileIO.h"
#include "core/ValueReader.h"
#include "core/ValueWriter.h"

namespace porkane {

AppSettings AppSettings::defaults(QSizeF screenTwips)
{
    AppSettings settings;
    settings.mainTop = float((screenTwips.height() - DefaultMainWidth) / 2);
    settings.mainLeft = float((screenTwips.width() - DefaultMainWidth) / 2);
    return settings;
}

QByteArray writeAppSettings(const AppSettings &settings)
{
    PrintStyleWriter out;
    for (float value : {settings.mainTop, settings.mainLeft, settings.mainWidth}) {
        out.single(value);
        out.endLine();
    }
    const WindowPlace &d = settings.designer;
    const WindowPlace &e = settings.editor;
    const WindowPlace &p = settings.pasteDialog;
    for (qint16 value : {d.left, d.top, d.width, d.height, settings.designerZoom, e.left, e.top, e.width, e.height,
                         p.left, p.top, p.width, p.height}) {
        out.integer(value);
        out.endLine();
    }
    return out.bytes();
}

AppSettings readAppSettings(const QByteArray &bytes)
{
    ValueReader in(bytes, AppSettingsFileName);
    AppSettings settings;
    settings.mainTop = in.single();
    settings.mainLeft = in.single();
    settings.mainWidth = float(in.int32());
    const auto place = [&](WindowPlace &window) {
        window.left = in.int16();
        window.top = in.int16();
        window.width = in.int16();
        window.height = in.int16();
    };
    place(settings.designer);
    settings.designerZoom = in.int16();
    place(settings.editor);
    place(settings.pasteDialog);
    return settings;
}

bool saveAppSettings(const QString &dataFolder, const AppSettings &settings)
{
    try {
        writeFileAtomically(joinPath(dataFolder, AppSettingsFileName), writeAppSettings(settings));
        return true;
    } catch (const UserError &) {
        return false;
    }
}

} // namespace porkane
