#pragma once

// Everything the windows share for one run of the program. main() makes one
// and passes it by reference to every window; tests make their own with a
// temporary data folder. There are no globals.

#include <memory>

#include <QString>

#include "session/AppSettingsFile.h"
#include "render/FontCatalogue.h"
#include "document/LabelDocument.h"
#include "format/TextFormat.h"
#include "sheet/SheetTemplate.h"

class QPrinter;

namespace porkane {

class ProductCatalogue;
class Prompts;
class WindowHub;

// How the next window obtains its content.
enum OpenModes : qint16 {
    OpenNothing = 0,
    OpenNewTemplate = 1,  // designer: a new template
    OpenExistingFile = 2, // designer: a .fom; editor: a .fhl
    // Editor: a new document on the .fom at DocumentPath. Designer: the open
    // document's template, from the editor.
    OpenFromTemplate = 3,
};

// Who owns the document while the editor must keep its hands off it.
enum ModalModes : qint16 {
    ModalNone = 0,
    ModalBusy = 1,        // the editor loading, the designer over the editor, the format dialog loading
    ModalImageDialog = 2, // the image paste dialog is up
    // The designer filling itself again from another template file; the
    // same value as the image dialog's, as it always was.
    ModalDesignerReloading = 2,
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
    FontCatalogue fontCatalogue;

    qint16 TwipsPerPixelX = 15;
    qint16 TwipsPerPixelY = 15;

    qint16 OpenMode = OpenNothing;
    qint16 ModalMode = ModalNone;
    QString DocumentPath;
    // The name of the template the open document is on, as the designer
    // opened from the editor shows it: the .fom the document started from,
    // the name the designer committed, or for a label file its base name.
    QString DocumentTemplateName;
    bool DesignerFromEditor = false;
    qint16 FormatForEditor = 0;
    bool ReRenderAll = false;

    // The template the designer holds and the one open document.
    SheetTemplate designerTemplate;
    LabelDocument document;

    // The label products, read when the designer first asks for them.
    std::shared_ptr<const ProductCatalogue> productCatalogue;

    // The printer the print job uses; the printer-setup dialog changes it.
    // Made by the first window that needs it, so this layer does not link
    // printing.
    std::shared_ptr<QPrinter> printer;

    // Set by main() (or a test) before any window is made; not owned.
    Prompts *prompts = nullptr;
    WindowHub *windows = nullptr;
};

} // namespace porkane
