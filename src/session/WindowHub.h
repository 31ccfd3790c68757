#pragma once

// How one window opens, closes or re-enables another without linking it:
// the main menu, the template designer and the editor live in libraries of
// their own. main() provides the real hub; tests may record the calls.
//
// The process-wide values a window hands over (OpenMode, DocumentPath,
// DesignerFromEditor, the committed template) are set in AppState before
// the call.

namespace porkane {

class WindowHub {
public:
    virtual ~WindowHub() = default;

    // Shows the template designer for AppState::OpenMode (1 new template,
    // 2 the .fom at DocumentPath, 3 the open document's template). False when
    // it did not open: the file was refused and the user was told.
    virtual bool openDesigner() = 0;
    // The editor took over the designer's new template: close the designer
    // without its questions.
    virtual void closeDesignerForEditor() = 0;

    // Shows the editor for OpenMode 1 (AppState::designerTemplate), 2 (the
    // .fhl at DocumentPath) or 3 (a new document on the .fom at
    // DocumentPath). False when no editor window opened.
    virtual bool openEditor() = 0;
    // The designer opened from the editor is done: enable the editor again.
    virtual void enableEditor() = 0;

    // Enables and shows the main menu again.
    virtual void showMainMenu() = 0;

    // The format-settings dialog on the DefaultFormat (FormatForEditor 0).
    virtual void openFormatSettings() = 0;

    // Before the program ends: closes every window but the main menu, each
    // asking about its unsaved work as it does on its own close. False when
    // one of them stays open.
    virtual bool closeWindowsForExit() = 0;
    // Ends the program.
    virtual void quit() = 0;
};

} // namespace porkane
