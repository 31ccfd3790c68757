#pragma once

#include <functional>

#include <QWidget>

#include "print/CurrentPrinter.h"
#include "print/PrintGeometry.h"
#include "print/PrintJob.h"

class QCheckBox;
class QFrame;
class QLabel;
class QProgressBar;

namespace porkane {

struct AppState;
class LabelDocument;
class OffsetSpinner;
class PictureButton;

// The print panel: a rounded panel shown over the editor's sheet view. It
// shows the current printer ("現在のプリンタの設定"), holds the print
// offsets and the overflow option, opens the printer dialog and runs the
// print job on the current printer (AppState::printer, made from the
// system's default printer when there is none yet).
//
// During a job the editor (the panel's parent) is disabled and the pointer
// is the hourglass; both are restored whatever the job's outcome, and a
// job that does not print is reported through AppState::prompts.
class PrintPanel : public QWidget {
    Q_OBJECT
public:
    // Called with the offsets and the option whenever the user changes one,
    // so the editor keeps them for Shiyosiki2.ini.
    using StoreOptions = std::function<void(const PrintOptions &)>;

    // A hidden panel over `editor` (its parent; nullptr makes it a window
    // of its own). `document` is what 印刷開始 prints, as it is then;
    // `options` are the editor's current offsets and option.
    PrintPanel(AppState &state, const LabelDocument &document, const PrintOptions &options, StoreOptions store,
               QWidget *editor);

    // Reads the printer information, gives the panel its rounded shape,
    // centres it on the editor and shows it on top.
    void showPanel();
    // "閉じる": hides the panel and lets its shape go.
    void closePanel();
    // "プリンタ設定": the printer dialog on the current printer, then the
    // printer information again.
    void setUpPrinter();
    // "印刷開始": the print job, then the panel closes. A PDF printer first
    // asks where to write the file; cancelling that prints nothing and
    // leaves the panel open.
    void startPrinting();

    PrintOptions options() const;
    // Shows other offsets and option (without storing them).
    void setOptions(const PrintOptions &options);
    const PrinterInfoTexts &printerInfo() const { return info_; }
    bool isPrinting() const { return printing_; }
    // What the last job came to.
    PrintOutcome lastOutcome() const { return lastOutcome_; }

    static constexpr int CornerDiameter = 20;

signals:
    // After every job, printed or not, once the editor is enabled again.
    void jobFinished(porkane::PrintOutcome outcome);
    // The panel has hidden itself (閉じる or the end of a job).
    void closed();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *buildPrinterFrame();
    QWidget *buildOffsetFrame();
    QWidget *buildOptionArea();
    QWidget *buildButtons();
    void refreshPrinterInfo();
    void showPrinterInfo();
    void centreOnEditor();
    void storeOptions();
    // Shown instead of the overflow option while a see-through image is
    // prepared for the printer.
    void showSeeThroughProgress(bool shown);
    PrintProgress jobProgress();

    AppState &state_;
    const LabelDocument &document_;
    StoreOptions store_;
    PrinterInfoTexts info_;
    bool printing_ = false;
    bool showingOptions_ = false;
    PrintOutcome lastOutcome_ = PrintOutcome::Printed;

    QLabel *printerName_ = nullptr;
    QLabel *paperSize_ = nullptr;
    QLabel *orientation_ = nullptr;
    QLabel *ink_ = nullptr;
    OffsetSpinner *offsetLeft_ = nullptr;
    OffsetSpinner *offsetTop_ = nullptr;
    QFrame *overflowFrame_ = nullptr;
    QCheckBox *overflow_ = nullptr;
    QProgressBar *progress_ = nullptr;
    QLabel *progressMessage_ = nullptr;
    PictureButton *closeButton_ = nullptr;
    PictureButton *setupButton_ = nullptr;
    PictureButton *printButton_ = nullptr;
};

} // namespace porkane
