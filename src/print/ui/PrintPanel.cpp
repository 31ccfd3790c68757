#include "print/ui/PrintPanel.h"

#include <optional>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/Errors.h"

#include "session/AppState.h"
#include "session/Messages.h"
#include "session/Prompts.h"
#include "widgets/Artwork.h"
#include "widgets/BusyPointer.h"
#include "widgets/HelpGuide.h"
#include "widgets/PictureButton.h"
#include "widgets/WindowFrame.h"
#include "widgets/OffsetSpinner.h"
#include "print/PdfOutputFile.h"
#include "print/PrintPages.h"
#include "print/ui/PrintPreviewDialog.h"

namespace porkane {

namespace {

// A file name, offered as it is.
const QString ProposedPdfName = QStringLiteral("ぽるかね.pdf");


// Puts things back when a job ends, however it ends. The editor takes no
// input meanwhile: every control of it but the panel is disabled (the
// panel's cancel button must stay usable, and a disabled editor would
// disable its child panel too), and so is the panel but for that button.
class JobGuard {
public:
    JobGuard(QWidget *editor, QWidget *panel, QWidget *keptEnabled, bool &printing) : printing_(printing)
    {
        printing_ = true;
        BusyPointer::show();
        if (editor) {
            for (QWidget *child : editor->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (child != panel)
                    disable(child);
        }
        for (QWidget *child : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!child->isAncestorOf(keptEnabled))
                disable(child);
    }
    ~JobGuard()
    {
        for (const QPointer<QWidget> &widget : disabled_)
            if (widget)
                widget->setEnabled(true);
        BusyPointer::clear();
        printing_ = false;
    }
    JobGuard(const JobGuard &) = delete;
    JobGuard &operator=(const JobGuard &) = delete;

private:
    void disable(QWidget *widget)
    {
        // Only what is enabled now is enabled again afterwards.
        if (widget->isWindow() || widget->testAttribute(Qt::WA_Disabled))
            return;
        widget->setEnabled(false);
        disabled_.append(widget);
    }

    bool &printing_;
    QList<QPointer<QWidget>> disabled_;
};

// The choices of the encoding box, in its order.
const TextEncoding Encodings[] = {TextEncoding::Detect, TextEncoding::Utf8, TextEncoding::Cp932};

} // namespace

PrintPanel::PrintPanel(AppState &state, const LabelDocument &document, const PrintOptions &options,
                       StoreOptions store, QWidget *editor)
    : QWidget(editor, editor ? Qt::Widget : Qt::Window | Qt::FramelessWindowHint),
      state_(state),
      document_(document),
      store_(std::move(store)),
      setup_(document, ScreenScale{state.TwipsPerPixelX, state.TwipsPerPixelY})
{
    Q_ASSERT(state_.prompts);
    setObjectName(QStringLiteral("PrintPanel"));
    // Inside the editor, the editor's F1 opens this section while the panel shows.
    if (!editor)
        HelpGuide::addKey(this, GuideSection::Print);
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid #e2b594; border-radius: 6px; margin-top: 9px;"
        " background: rgba(255, 255, 255, 150); padding: 6px 6px 4px 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: #8a3c1c; }"
        "QLabel, QCheckBox, QRadioButton { color: #5a3622; }"
        "QLabel:disabled, QCheckBox:disabled, QRadioButton:disabled { color: #b4a79c; }"
        // The see-through work is shown while the rest of the panel is shut.
        "QLabel#progressMessage:disabled { color: #5a3622; }"
        "QLabel#printerName, QLabel#paperSize, QLabel#orientation, QLabel#ink, QLabel#jobSummary"
        " { color: #1d3f73; }"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setSpacing(6);
    layout->addWidget(buildPrinterFrame());
    layout->addWidget(buildOffsetFrame());
    layout->addWidget(buildContentsFrame());
    layout->addWidget(buildOptionArea());
    layout->addWidget(buildJobArea());
    layout->addWidget(buildButtons(), 0, Qt::AlignHCenter);

    setOptions(options);
    showSettings();
    // The job's progress looks the same on a disabled editor.
    QPalette shown = progress_->palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = QPalette::ColorRole(role);
        shown.setColor(QPalette::Disabled, colourRole, shown.color(QPalette::Active, colourRole));
    }
    progress_->setPalette(shown);
    progressMessage_->setPalette(shown);
    pageProgress_->setPalette(shown);
    pageMessage_->setPalette(shown);

    setFixedSize(sizeHint().expandedTo(QSize(400, 0)));
    hide();
}

PrintPreviewDialog *PrintPanel::preview() const { return preview_; }

PrintPanel::~PrintPanel()
{
    // The preview shows pages of this panel's job.
    delete preview_;
}

QWidget *PrintPanel::buildPrinterFrame()
{
    auto *frame = new QGroupBox(tr("現在のプリンタの設定"), this);
    frame->setObjectName(QStringLiteral("printerFrame"));
    auto *grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    const auto addRow = [&](int row, const QString &caption, const QString &name) {
        auto *value = new QLabel(frame);
        value->setObjectName(name);
        value->setTextInteractionFlags(Qt::NoTextInteraction);
        grid->addWidget(new QLabel(caption, frame), row, 0, Qt::AlignRight);
        grid->addWidget(value, row, 1);
        return value;
    };
    printerName_ = addRow(0, tr("プリンタ名："), QStringLiteral("printerName"));
    paperSize_ = addRow(1, tr("用紙サイズ："), QStringLiteral("paperSize"));
    orientation_ = addRow(2, tr("印刷の向き："), QStringLiteral("orientation"));
    ink_ = addRow(3, tr("インク："), QStringLiteral("ink"));
    grid->setColumnStretch(1, 1);
    // Unknown until the panel is shown.
    showPrinterInfo();
    return frame;
}

QWidget *PrintPanel::buildOffsetFrame()
{
    auto *frame = new QGroupBox(tr("オフセット（mm）"), this);
    frame->setObjectName(QStringLiteral("offsetFrame"));
    auto *fields = new QHBoxLayout(frame);
    fields->setSpacing(4);
    const auto addSpinner = [&](const QString &caption, const QString &name) {
        auto *spinner = new OffsetSpinner(frame);
        spinner->setObjectName(name + QStringLiteral("Spinner"));
        spinner->field()->setObjectName(name + QStringLiteral("Field"));
        fields->addWidget(new QLabel(caption, frame));
        fields->addWidget(spinner);
        connect(spinner, &OffsetSpinner::valueChanged, this, [this] { storeOptions(); });
        return spinner;
    };
    offsetLeft_ = addSpinner(tr("左："), QStringLiteral("offsetLeft"));
    fields->addSpacing(16);
    offsetTop_ = addSpinner(tr("上："), QStringLiteral("offsetTop"));
    fields->addStretch(1);
    return frame;
}

QWidget *PrintPanel::buildContentsFrame()
{
    auto *frame = new QGroupBox(tr("印刷する内容"), this);
    frame->setObjectName(QStringLiteral("contentsFrame"));
    contentsFrame_ = frame;
    auto *layout = new QVBoxLayout(frame);
    layout->setSpacing(4);

    auto *modes = new QHBoxLayout;
    asIsMode_ = new QRadioButton(tr("各ラベルそのまま"), frame);
    asIsMode_->setObjectName(QStringLiteral("asIsMode"));
    mergeMode_ = new QRadioButton(tr("差し込み印刷"), frame);
    mergeMode_->setObjectName(QStringLiteral("mergeMode"));
    auto *group = new QButtonGroup(frame);
    group->addButton(asIsMode_);
    group->addButton(mergeMode_);
    asIsMode_->setChecked(true);
    modes->addWidget(asIsMode_);
    modes->addSpacing(12);
    modes->addWidget(mergeMode_);
    modes->addStretch(1);
    layout->addLayout(modes);
    connect(mergeMode_, &QRadioButton::toggled, this, [this] { takeSettings(); });

    // The address list and the design label, used in merge mode only.
    mergeControls_ = new QWidget(frame);
    mergeControls_->setObjectName(QStringLiteral("mergeControls"));
    auto *grid = new QGridLayout(mergeControls_);
    grid->setContentsMargins(18, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    dataFile_ = new QLineEdit(mergeControls_);
    dataFile_->setObjectName(QStringLiteral("dataFile"));
    dataFile_->setReadOnly(true);
    dataFile_->setPlaceholderText(tr("（CSV・TSV ファイル）"));
    chooseData_ = new QPushButton(tr("参照..."), mergeControls_);
    chooseData_->setObjectName(QStringLiteral("chooseDataFile"));
    chooseData_->setToolTip(tr("差し込むデータファイル（1 行目が項目名の CSV・TSV）を選びます。"));
    connect(chooseData_, &QPushButton::clicked, this, &PrintPanel::chooseDataFile);
    encoding_ = new QComboBox(mergeControls_);
    encoding_->setObjectName(QStringLiteral("dataEncoding"));
    encoding_->addItems({tr("自動"), QStringLiteral("UTF-8"), tr("Shift-JIS")});
    connect(encoding_, &QComboBox::currentIndexChanged, this, [this] {
        // The same file again in the encoding now chosen.
        if (!showingSettings_ && !setup_.dataFile().isEmpty())
            loadData(setup_.dataFile());
    });
    designLabel_ = new QSpinBox(mergeControls_);
    designLabel_->setObjectName(QStringLiteral("designLabel"));
    designLabel_->setToolTip(tr("このラベルの文字と書式で、すべてのラベルを印刷します。"));
    grid->addWidget(new QLabel(tr("データ："), mergeControls_), 0, 0, Qt::AlignRight);
    grid->addWidget(dataFile_, 0, 1, 1, 3);
    grid->addWidget(chooseData_, 0, 4);
    grid->addWidget(new QLabel(tr("文字コード："), mergeControls_), 1, 0, Qt::AlignRight);
    grid->addWidget(encoding_, 1, 1);
    grid->addWidget(new QLabel(tr("デザイン：ラベル"), mergeControls_), 1, 2, Qt::AlignRight);
    grid->addWidget(designLabel_, 1, 3);
    grid->setColumnStretch(1, 1);
    layout->addWidget(mergeControls_);

    auto *places = new QHBoxLayout;
    startLabel_ = new QSpinBox(frame);
    startLabel_->setObjectName(QStringLiteral("startLabel"));
    startLabel_->setToolTip(tr("1 枚目のこのラベルから印刷します。使いかけのシートに。"));
    copies_ = new QSpinBox(frame);
    copies_->setObjectName(QStringLiteral("copies"));
    copies_->setRange(1, PrintPlan::MaxCopies);
    places->addWidget(new QLabel(tr("開始位置："), frame));
    places->addWidget(startLabel_);
    places->addSpacing(16);
    places->addWidget(new QLabel(tr("部数："), frame));
    places->addWidget(copies_);
    places->addStretch(1);
    layout->addLayout(places);
    for (QSpinBox *box : {designLabel_, startLabel_, copies_})
        connect(box, &QSpinBox::valueChanged, this, [this] { takeSettings(); });
    return frame;
}

QWidget *PrintPanel::buildJobArea()
{
    // What the job will print, and while it runs the page being made.
    jobArea_ = new QStackedWidget(this);
    jobArea_->setObjectName(QStringLiteral("jobArea"));
    summary_ = new QLabel(jobArea_);
    summary_->setObjectName(QStringLiteral("jobSummary"));
    summary_->setContentsMargins(6, 0, 6, 0);
    jobArea_->addWidget(summary_);

    auto *running = new QWidget(jobArea_);
    auto *row = new QHBoxLayout(running);
    row->setContentsMargins(6, 0, 4, 0);
    row->setSpacing(6);
    pageMessage_ = new QLabel(running);
    pageMessage_->setObjectName(QStringLiteral("pageProgressMessage"));
    pageProgress_ = new QProgressBar(running);
    pageProgress_->setObjectName(QStringLiteral("pageProgressBar"));
    pageProgress_->setTextVisible(false);
    pageProgress_->setFixedHeight(12);
    cancelButton_ = new QPushButton(tr("中止"), running);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setToolTip(tr("印刷を中止します。PDF は保存されません。"));
    connect(cancelButton_, &QPushButton::clicked, this, &PrintPanel::cancelJob);
    row->addWidget(pageMessage_);
    row->addWidget(pageProgress_, 1);
    row->addWidget(cancelButton_);
    jobArea_->addWidget(running);
    jobArea_->setCurrentIndex(0);
    return jobArea_;
}

QWidget *PrintPanel::buildOptionArea()
{
    // The overflow option, and in its place while a see-through image is
    // prepared, the progress of that work.
    auto *area = new QWidget(this);
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(2);
    overflowFrame_ = new QFrame(area);
    overflowFrame_->setObjectName(QStringLiteral("overflowFrame"));
    auto *overflowLayout = new QVBoxLayout(overflowFrame_);
    overflowLayout->setContentsMargins(0, 0, 0, 0);
    overflow_ = new QCheckBox(tr("ラベルからはみ出した文字も強制的に印刷する。"), overflowFrame_);
    overflow_->setObjectName(QStringLiteral("overflowOption"));
    connect(overflow_, &QCheckBox::toggled, this, [this] { storeOptions(); });
    overflowLayout->addWidget(overflow_);
    layout->addWidget(overflowFrame_);

    progressMessage_ = new QLabel(tr("画像を透過処理しています。しばらくお待ちください．．．"), area);
    progressMessage_->setObjectName(QStringLiteral("progressMessage"));
    progress_ = new QProgressBar(area);
    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setFixedHeight(12);
    layout->addWidget(progressMessage_);
    layout->addWidget(progress_);
    layout->addStretch(1);
    // Room for the message and the bar, so the panel keeps its size.
    area->setFixedHeight(progressMessage_->sizeHint().height() + 12 + 2);
    progressMessage_->hide();
    progress_->hide();
    return area;
}

QWidget *PrintPanel::buildButtons()
{
    auto *buttons = new QWidget(this);
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 4, 0, 0);
    row->setSpacing(10);
    closeButton_ = artwork::makeCommandButton(buttons, QStringLiteral("closeButton"), QStringLiteral("close"),
                                              tr("閉じる"), tr("印刷パネルを閉じます。"));
    setupButton_ = artwork::makeCommandButton(buttons, QStringLiteral("printerSetupButton"),
                                              QStringLiteral("printer"), tr("プリンタ設定"),
                                              tr("プリンタの設定画面を開きます。"));
    previewButton_ = artwork::makeCommandButton(buttons, QStringLiteral("previewButton"),
                                                QStringLiteral("print-preview"), tr("印刷プレビュー"),
                                                tr("印刷するページを画面で確かめます。"));
    pdfButton_ = artwork::makeCommandButton(buttons, QStringLiteral("pdfButton"), QStringLiteral("save-pdf"),
                                            tr("PDFに保存"), tr("印刷するページを PDF ファイルに保存します。"));
    printButton_ = artwork::makeCommandButton(buttons, QStringLiteral("printButton"), QStringLiteral("ok"),
                                              tr("印刷開始"), tr("印刷を開始します。"));
    connect(closeButton_, &PictureButton::clicked, this, &PrintPanel::closePanel);
    connect(setupButton_, &PictureButton::clicked, this, &PrintPanel::setUpPrinter);
    connect(previewButton_, &PictureButton::clicked, this, &PrintPanel::showPreview);
    connect(pdfButton_, &PictureButton::clicked, this, &PrintPanel::exportPdf);
    connect(printButton_, &PictureButton::clicked, this, &PrintPanel::startPrinting);
    for (PictureButton *button : {closeButton_, setupButton_, previewButton_, pdfButton_, printButton_})
        row->addWidget(button);
    return buttons;
}

PrintOptions PrintPanel::options() const
{
    PrintOptions options;
    options.offsetLeft = qint16(offsetLeft_->value());
    options.offsetTop = qint16(offsetTop_->value());
    options.overflow = overflow_->isChecked();
    return options;
}

void PrintPanel::setOptions(const PrintOptions &options)
{
    showingOptions_ = true;
    offsetLeft_->setValue(options.offsetLeft);
    offsetTop_->setValue(options.offsetTop);
    overflow_->setChecked(options.overflow);
    showingOptions_ = false;
}

void PrintPanel::storeOptions()
{
    if (!showingOptions_ && store_)
        store_(options());
}

void PrintPanel::refreshPrinterInfo()
{
    porkane::refreshPrinterInfo(info_, readPrinterProperties(ensureCurrentPrinter(state_.printer)));
    showPrinterInfo();
}

void PrintPanel::showPrinterInfo()
{
    printerName_->setText(info_.name);
    paperSize_->setText(info_.paper);
    orientation_->setText(info_.orientation);
    ink_->setText(info_.ink);
}

void PrintPanel::centreOnEditor()
{
    if (QWidget *editor = parentWidget()) {
        move((editor->width() - width()) / 2, (editor->height() - height()) / 2);
        return;
    }
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void PrintPanel::showPanel()
{
    refreshPrinterInfo();
    // The document may have changed since: its labels bound the numbers.
    showSettings();
    // A new shape every time it is shown; closing lets it go.
    setMask(WindowFrame::roundedRegion(size()));
    centreOnEditor();
    show();
    raise();
}

void PrintPanel::closePanel()
{
    if (printing_)
        return;
    hide();
    clearMask();
    emit closed();
}

void PrintPanel::setUpPrinter()
{
    if (printing_)
        return;
    state_.prompts->choosePrinter(ensureCurrentPrinter(state_.printer));
    // Cancelled, the printer is as it was and so is the frame.
    refreshPrinterInfo();
}

void PrintPanel::showSeeThroughProgress(bool shown)
{
    overflowFrame_->setVisible(!shown);
    progressMessage_->setVisible(shown);
    progress_->setVisible(shown);
}

PrintProgress PrintPanel::jobProgress()
{
    PrintProgress progress;
    progress.labelStarting = [](int) { QCoreApplication::processEvents(); };
    progress.seeThroughStarted = [this] {
        centreOnEditor();
        progress_->setValue(0);
        showSeeThroughProgress(true);
        QCoreApplication::processEvents();
    };
    progress.seeThroughAdvanced = [this](int permille) {
        progress_->setValue(permille);
        QCoreApplication::processEvents();
    };
    progress.seeThroughFinished = [this] { showSeeThroughProgress(false); };
    progress.pageStarting = [this](int page, int pages) {
        pageProgress_->setRange(0, pages);
        pageProgress_->setValue(page - 1);
        pageMessage_->setText(tr("%1 / %2 ページ目を作成しています").arg(page).arg(pages));
        QCoreApplication::processEvents();
    };
    progress.cancelled = [this] { return cancelRequested_; };
    return progress;
}

void PrintPanel::cancelJob()
{
    if (printing_)
        cancelRequested_ = true;
}

PrintOutcome PrintPanel::runJob(const std::function<PrintOutcome(const PrintProgress &)> &job)
{
    PrintOutcome outcome = PrintOutcome::Printed;
    {
        const JobGuard guard(parentWidget(), this, cancelButton_, printing_);
        cancelRequested_ = false;
        pageMessage_->clear();
        pageProgress_->setValue(0);
        jobArea_->setCurrentIndex(1);
        outcome = job(jobProgress());
        showSeeThroughProgress(false);
        jobArea_->setCurrentIndex(0);
    }
    cancelRequested_ = false;
    return outcome;
}

void PrintPanel::showSettings()
{
    showingSettings_ = true;
    const int labels = std::max(setup_.labelCount(), 1);
    const bool merging = setup_.mode() == PrintPlan::Mode::Merge;
    asIsMode_->setChecked(!merging);
    mergeMode_->setChecked(merging);
    mergeControls_->setEnabled(merging);
    designLabel_->setRange(1, labels);
    designLabel_->setValue(setup_.designLabel());
    startLabel_->setRange(1, labels);
    startLabel_->setValue(setup_.startLabel());
    copies_->setValue(setup_.copies());
    dataFile_->setText(QFileInfo(setup_.dataFile()).fileName());
    dataFile_->setToolTip(setup_.dataFile());
    const auto chosen = std::find(std::begin(Encodings), std::end(Encodings), setup_.encoding());
    encoding_->setCurrentIndex(int(chosen - std::begin(Encodings)));
    summary_->setText(setup_.summary());
    showingSettings_ = false;
}

void PrintPanel::takeSettings()
{
    if (showingSettings_)
        return;
    setup_.setMode(mergeMode_->isChecked() ? PrintPlan::Mode::Merge : PrintPlan::Mode::AsIs);
    setup_.setDesignLabel(designLabel_->value());
    setup_.setStartLabel(startLabel_->value());
    setup_.setCopies(copies_->value());
    showSettings();
}

void PrintPanel::chooseDataFile()
{
    if (printing_)
        return;
    const std::optional<QString> chosen =
        state_.prompts->openFileName(tr("データファイル (*.csv *.tsv *.txt);;すべてのファイル (*)"));
    if (chosen)
        loadData(*chosen);
}

void PrintPanel::loadData(const QString &path)
{
    const int index = std::clamp(encoding_->currentIndex(), 0, int(std::size(Encodings)) - 1);
    try {
        setup_.loadData(path, Encodings[index]);
    } catch (const FileError &error) {
        showSettings();
        state_.prompts->tell(error.message(), PromptIcon::Exclamation);
        return;
    }
    setup_.setMode(PrintPlan::Mode::Merge);
    showSettings();
}

std::optional<PrintPages> PrintPanel::checkedPages()
{
    takeSettings();
    const PrintJobSetup::Check check = setup_.check();
    if (!check.canPrint()) {
        // When no row merges, the first reasons say why; a message box
        // holds a few of them, and says how many more there are.
        constexpr std::size_t Shown = 10;
        QString message = check.refusal;
        for (std::size_t index = 0; index < std::min(check.problems.size(), Shown); ++index)
            message += QLatin1Char('\r') + check.problems[index].text();
        if (check.problems.size() > Shown)
            message += QLatin1Char('\r') + tr("ほか %1 行").arg(check.problems.size() - Shown);
        state_.prompts->tell(message, PromptIcon::Exclamation);
        return std::nullopt;
    }
    if (!check.problems.empty()) {
        // Nothing is left out without the user seeing it first.
        QStringList problems;
        for (const MergeProblem &problem : check.problems)
            problems << problem.text();
        const QString question = tr("次の %1 行は差し込めないため、印刷されません。\r"
                                    "差し込める %2 行だけで続けますか？")
                                     .arg(check.problems.size())
                                     .arg(check.rows.size());
        if (!state_.prompts->askAboutList(question, problems, PromptIcon::Question, Preselect::No))
            return std::nullopt;
    }
    return setup_.pages(check);
}

QString PrintPanel::proposedPdfName() const
{
    const QString base = QFileInfo(state_.DocumentPath).completeBaseName();
    return (base.isEmpty() ? PrintJobName : base) + QStringLiteral(".pdf");
}

void PrintPanel::showPreview()
{
    if (printing_)
        return;
    std::optional<PrintPages> pages = checkedPages();
    if (!pages)
        return;
    delete preview_;
    preview_ = new PrintPreviewDialog(std::move(*pages), options(),
                                      ScreenScale{state_.TwipsPerPixelX, state_.TwipsPerPixelY}, window());
    preview_->setAttribute(Qt::WA_DeleteOnClose);
    preview_->setWindowModality(Qt::ApplicationModal);
    preview_->show();
}

void PrintPanel::exportPdf()
{
    if (printing_)
        return;
    if (!isVisible())
        showPanel();
    std::optional<PrintPages> pages = checkedPages();
    if (!pages)
        return;
    const std::optional<QString> chosen = state_.prompts->saveFileName(tr("PDF ファイル (*.pdf)"), proposedPdfName());
    if (!chosen)
        return;
    const QString file = pdfFileName(*chosen);
    if (QFile::exists(file) && !state_.prompts->ask(OverwriteQuestion(), PromptIcon::Question, Preselect::No))
        return;
    const PrintOptions chosenOptions = options();
    const ScreenScale screen{state_.TwipsPerPixelX, state_.TwipsPerPixelY};
    const PrintOutcome outcome = runJob(
        [&](const PrintProgress &progress) { return porkane::exportPdf(file, *pages, chosenOptions, screen, progress); });
    lastOutcome_ = outcome;
    if (outcome == PrintOutcome::Printed)
        closePanel();
    else if (outcome != PrintOutcome::Cancelled)
        state_.prompts->tell(printFailureMessage(outcome), PromptIcon::Exclamation);
    emit jobFinished(outcome);
}

void PrintPanel::startPrinting()
{
    if (printing_)
        return;
    std::optional<PrintPages> pages = checkedPages();
    if (!pages)
        return;
    QPrinter &printer = ensureCurrentPrinter(state_.printer);
    QString pdfFile;
    if (asksForPdfFile(printer)) {
        const std::optional<QString> chosen =
            state_.prompts->saveFileName(tr("PDF ファイル (*.pdf)"), ProposedPdfName);
        if (!chosen)
            return;
        pdfFile = pdfFileName(*chosen);
        if (QFile::exists(pdfFile) && !state_.prompts->ask(OverwriteQuestion(), PromptIcon::Question, Preselect::No))
            return;
    }

    const PrintOptions chosenOptions = options();
    const ScreenScale screen{state_.TwipsPerPixelX, state_.TwipsPerPixelY};
    int pagesStarted = 0;
    const PrintOutcome outcome = runJob([&](const PrintProgress &progress) {
        const PdfFileForJob named(printer, pdfFile);
        PrintProgress counted = progress;
        counted.pageStarting = [&](int page, int count) {
            pagesStarted = page;
            progress.pageStarting(page, count);
        };
        return printJob(printer, *pages, chosenOptions, screen, counted);
    });
    lastOutcome_ = outcome;
    // A cancelled job leaves the panel open, to change what was wrong.
    if (outcome != PrintOutcome::Cancelled)
        closePanel();
    if (outcome == PrintOutcome::Cancelled) {
        // A print queue may already hold the pages made before.
        if (!readPrinterProperties(printer).writesPdf && pagesStarted > 0)
            state_.prompts->tell(tr("印刷を中止しました。\r中止の前に作成したページは、"
                                    "プリンタに送られている場合があります。"),
                                 PromptIcon::Information);
    } else if (outcome != PrintOutcome::Printed) {
        state_.prompts->tell(printFailureMessage(outcome), PromptIcon::Exclamation);
    }
    emit jobFinished(outcome);
}

void PrintPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    WindowFrame::paintSkin(painter, this);
}

} // namespace porkane
