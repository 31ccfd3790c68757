#pragma once

// Everything the windows share for one run of the program. main() makes one
// and passes it by reference to every window; tests make their own with a
// temporary data folder. There are no globals.

#include <QString>

#include "app/AppSettingsFile.h"
#include "document/LabelDocument.h"
#include "format/TextFormat.h"
#include "sheet/SheetTemplate.h"

namespace porkane {

// How the next window obtains its content.
enum OpenModes : qint16 {
    OpenNewTemplate = 1,         // designer: a new template
    OpenExistingFile = 2,        // designer: a .fom; editor: a .fhl
    OpenDocumentFromTemplate = 3 // editor: a new document on the .fom at DocumentPath
};

// Who owns the document while the editor must keep its hands off it.
enum ModalModes : qint16 {
    ModalNone = 0,
    ModalBusy = 1,        // the editor loading, the designer over the editor, the format dialog loading
    ModalImageDialog = 2, // the image paste dialog is up
};

struct AppState {
    // The per-user data folder ("the program's folder"): settings files live
    // there. It is created when missing.
    explicit AppState(QString dataFolder);

    // ~/.config/porkane (following XDG_CONFIG_HOME).
    static QString standardDataFolder();

    QString dataFolder;

    AppSettings settings;    // porkane.INI
    TextFormat DefaultFormat; // DefMog.INI

    qint16 TwipsPerPixelX = 15;
    qint16 TwipsPerPixelY = 15;

    qint16 OpenMode = 0;
    qint16 ModalMode = ModalNone;
    QString DocumentPath;
    bool DesignerFromEditor = false;
    qint16 FormatForEditor = 0;
    bool ReRenderAll = false;

    // The template the designer holds and the one open document.
    SheetTemplate designerTemplate;
    LabelDocument document;
};

} // namespace porkane
