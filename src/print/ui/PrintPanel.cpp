#include "print/ui/PrintPanel.h"

#include <optional>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "session/AppState.h"
#include "session/Messages.h"
#include "session/Prompts.h"
#include "widgets/Artwork.h"
#include "widgets/BusyPointer.h"
#include "widgets/PictureButton.h"
#include "widgets/WindowFrame.h"
#include "widgets/OffsetSpinner.h"
#include "print/PdfOutputFile.h"

namespace porkane {

namespace {

// A file name, offered as it is.
const QString ProposedPdfName = QStringLiteral("ぽるかね.pdf");


// Puts things back when a job ends, however it ends.
class JobGuard {
public:
    JobGuard(QWidget *editor, bool &printing) : editor_(editor), printing_(printing)
    {
        printing_ = true;
        BusyPointer::show();
        if (editor_)
            editor_->setEnabled(false);
    }
    ~JobGuard()
    {
        if (editor_)
            editor_->setEnabled(true);
        BusyPointer::clear();
        printing_ = false;
    }
    JobGuard(const JobGuard &) = delete;
    JobGuard &operator=(const JobGuard &) = delete;

private:
    QWidget *editor_;
    bool &printing_;
};

} // namespace

PrintPanel::PrintPanel(AppState &state, const LabelDocument &document, const PrintOptions &options,
                       StoreOptions store, QWidget *editor)
    : QWidget(editor, editor ? Qt::Widget : Qt::Window | Qt::FramelessWindowHint),
      state_(state),
      document_(document),
      store_(std::move(store))
{
    Q_ASSERT(state_.prompts);
    setObjectName(QStringLiteral("PrintPanel"));
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid #e2b594; border-radius: 6px; margin-top: 9px;"
        " background: rgba(255, 255, 255, 150); padding: 6px 6px 4px 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: #8a3c1c; }"
        "QLabel, QCheckBox { color: #5a3622; }"
        "QLabel#printerName, QLabel#paperSize, QLabel#orientation, QLabel#ink { color: #1d3f73; }"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setSpacing(6);
    layout->addWidget(buildPrinterFrame());
    layout->addWidget(buildOffsetFrame());
    layout->addWidget(buildOptionArea());
    layout->addWidget(buildButtons(), 0, Qt::AlignHCenter);

    setOptions(options);
    // The job's progress looks the same on a disabled editor.
    QPalette shown = progress_->palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = QPalette::ColorRole(role);
        shown.setColor(QPalette::Disabled, colourRole, shown.color(QPalette::Active, colourRole));
    }
    progress_->setPalette(shown);
    progressMessage_->setPalette(shown);

    setFixedSize(sizeHint().expandedTo(QSize(400, 0)));
    hide();
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
    row->setSpacing(18);
    closeButton_ = artwork::makeCommandButton(buttons, QStringLiteral("closeButton"), QStringLiteral("close"),
                                              tr("閉じる"), tr("印刷パネルを閉じます。"));
    setupButton_ = artwork::makeCommandButton(buttons, QStringLiteral("printerSetupButton"),
                                              QStringLiteral("printer"), tr("プリンタ設定"),
                                              tr("プリンタの設定画面を開きます。"));
    printButton_ = artwork::makeCommandButton(buttons, QStringLiteral("printButton"), QStringLiteral("ok"),
                                              tr("印刷開始"), tr("印刷を開始します。"));
    connect(closeButton_, &PictureButton::clicked, this, &PrintPanel::closePanel);
    connect(setupButton_, &PictureButton::clicked, this, &PrintPanel::setUpPrinter);
    connect(printButton_, &PictureButton::clicked, this, &PrintPanel::startPrinting);
    for (PictureButton *button : {closeButton_, setupButton_, printButton_})
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
    return progress;
}

void PrintPanel::startPrinting()
{
    if (printing_)
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

    PrintOutcome outcome = PrintOutcome::Printed;
    {
        const JobGuard guard(parentWidget(), printing_);
        const PdfFileForJob named(printer, pdfFile);
        outcome = printDocument(printer, document_, options(),
                                ScreenScale{state_.TwipsPerPixelX, state_.TwipsPerPixelY}, jobProgress());
        showSeeThroughProgress(false);
    }
    lastOutcome_ = outcome;
    closePanel();
    if (outcome != PrintOutcome::Printed)
        state_.prompts->tell(printFailureMessage(outcome), PromptIcon::Exclamation);
    emit jobFinished(outcome);
}

void PrintPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    WindowFrame::paintSkin(painter, this);
}

} // namespace porkane
