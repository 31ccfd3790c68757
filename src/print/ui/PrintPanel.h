#pragma once

#include <functional>

#include <QPointer>
#include <QWidget>

#include "print/CurrentPrinter.h"
#include "print/PrintGeometry.h"
#include "print/PrintJob.h"
#include "print/PrintJobSetup.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

namespace porkane {

struct AppState;
class LabelDocument;
class OffsetSpinner;
class PictureButton;
class PrintPages;
class PrintPreviewDialog;

// The print panel: a rounded panel shown over the editor's sheet view. It
// shows the current printer ("現在のプリンタの設定"), holds the print
// offsets and the overflow option, opens the printer dialog and runs the
// print job on the current printer (AppState::printer, made from the
// system's default printer when there is none yet).
//
// What prints: every label as it is ("各ラベルそのまま") or an address list
// merged on a design label ("差し込み印刷"), from a starting label
// ("開始位置") and in copies ("部数"); the rules live in PrintJobSetup. The
// same job is shown in the print preview ("印刷プレビュー") and written as
// a PDF of the sheet's paper ("PDFに保存").
//
// During a job the editor (the panel's parent) takes no input and the
// pointer is the hourglass; the panel shows the page being made and a
// button that ends the job. Both are restored whatever the job's outcome,
// and a job that does not print is reported through AppState::prompts.
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
    ~PrintPanel() override;

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
    // What the job is set to print.
    const PrintJobSetup &jobSetup() const { return setup_; }
    // The preview while it is open.
    PrintPreviewDialog *preview() const;

    static constexpr int CornerDiameter = 20;

public slots:
    // "PDFに保存" (also the editor toolbar's): asks for a file and writes
    // the job as a PDF of the sheet's paper, without any printer. Shows the
    // panel first when it is hidden, for its settings and progress.
    void exportPdf();
    // "印刷プレビュー": every page of the job, in a window of its own.
    void showPreview();
    // Ends the running job after the page or label being drawn.
    void cancelJob();

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
    QWidget *buildContentsFrame();
    QWidget *buildOptionArea();
    QWidget *buildJobArea();
    QWidget *buildButtons();
    void refreshPrinterInfo();
    void showPrinterInfo();
    void centreOnEditor();
    void storeOptions();
    // Shown instead of the overflow option while a see-through image is
    // prepared for the printer.
    void showSeeThroughProgress(bool shown);
    PrintProgress jobProgress();

    // The job's settings from the controls, and back.
    void chooseDataFile();
    void loadData(const QString &path);
    void takeSettings();
    void showSettings();
    // The pages to print after the user has seen the rows that cannot be
    // merged; nothing when the job cannot run or the user stops it.
    std::optional<PrintPages> checkedPages();
    // Runs `job` with the editor shut off and the page progress shown.
    PrintOutcome runJob(const std::function<PrintOutcome(const PrintProgress &)> &job);
    QString proposedPdfName() const;

    AppState &state_;
    const LabelDocument &document_;
    StoreOptions store_;
    PrintJobSetup setup_;
    PrinterInfoTexts info_;
    bool printing_ = false;
    bool cancelRequested_ = false;
    bool showingOptions_ = false;
    bool showingSettings_ = false;
    PrintOutcome lastOutcome_ = PrintOutcome::Printed;
    QPointer<PrintPreviewDialog> preview_;

    QLabel *printerName_ = nullptr;
    QLabel *paperSize_ = nullptr;
    QLabel *orientation_ = nullptr;
    QLabel *ink_ = nullptr;
    OffsetSpinner *offsetLeft_ = nullptr;
    OffsetSpinner *offsetTop_ = nullptr;
    QWidget *contentsFrame_ = nullptr;
    QRadioButton *asIsMode_ = nullptr;
    QRadioButton *mergeMode_ = nullptr;
    QWidget *mergeControls_ = nullptr;
    QLineEdit *dataFile_ = nullptr;
    QPushButton *chooseData_ = nullptr;
    QComboBox *encoding_ = nullptr;
    QSpinBox *designLabel_ = nullptr;
    QSpinBox *startLabel_ = nullptr;
    QSpinBox *copies_ = nullptr;
    QFrame *overflowFrame_ = nullptr;
    QCheckBox *overflow_ = nullptr;
    QProgressBar *progress_ = nullptr;
    QLabel *progressMessage_ = nullptr;
    QStackedWidget *jobArea_ = nullptr;
    QLabel *summary_ = nullptr;
    QLabel *pageMessage_ = nullptr;
    QProgressBar *pageProgress_ = nullptr;
    QPushButton *cancelButton_ = nullptr;
    PictureButton *closeButton_ = nullptr;
    PictureButton *setupButton_ = nullptr;
    PictureButton *previewButton_ = nullptr;
    PictureButton *pdfButton_ = nullptr;
    PictureButton *printButton_ = nullptr;
};

} // namespace porkane
