#include "editor/ui/EditorWindow.h"

#include <algorithm>
#include <cmath>

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "session/AppState.h"
#include "session/Messages.h"
#include "session/Prompts.h"
#include "session/WindowHub.h"
#include "widgets/Artwork.h"
#include "widgets/BusyPointer.h"
#include "widgets/PictureButton.h"
#include "widgets/WindowPlacement.h"
#include "core/Errors.h"
#include "core/Rounding.h"
#include "core/Units.h"
#include "document/DocumentSource.h"
#include "document/LabelFile.h"
#include "editor/HitTesting.h"
#include "editor/SaveNames.h"
#include "editor/TextEditing.h"
#include "editor/ui/EditorControls.h"
#include "format/ui/FormatSettingsDialog.h"
#include "image/ui/ImagePasteDialog.h"
#include "print/ui/PrintPanel.h"
#include "editor/ui/EditorTextBox.h"
#include "editor/ui/FormatPanels.h"
#include "editor/ui/SheetView.h"
#include "render/DrawSelectSub.h"

namespace porkane {

namespace {

const QString CloseQuestion = QStringLiteral("保存せずに終了しますか？");
const QString NameMissingMessage = QStringLiteral("ファイル名を入力してください。");
const QString ImageLimitMessage = QStringLiteral("これ以上画像を貼り付けられません。");

// Key steps of a focused image object, in view pixels.
constexpr double ObjectStep = 56.7;
constexpr double ObjectFineStep = 5.67;

struct ToolButtonInfo {
    const char *icon;
    const char *toolTip;
};

// Buttons 1 to 16 of the toolbar.
const std::array<ToolButtonInfo, EditorWindow::ToolButtonCount> ToolButtons = {{
    {"close", "閉じる"},
    {"save", "保存"},
    {"printer", "印刷"},
    {"format", "書式設定"},
    {"template-settings", "テ゜ンプレート設定"},
    {"cut", "切り取り"},
    {"copy", "コピー"},
    {"paste", "貼り付け"},
    {"image-paste", "画像貼り付け"},
    {"image-delete", "画像削除"},
    {"undo", "元に戻す"},
    {"redo", "やり直す"},
    {"attribute-copy", "文字属性コピー"},
    {"toolbar-minimise", "最小化"},
    {"toolbar-maximise", "最大化"},
    {"toolbar-close", "閉じる"},
}};

// A toolbar button acts when released within 0 to 35 on both axes.
constexpr int ToolbarActingBound = 35;

// The colour DrawSelectSub spares on an image without a see-through colour.
const RgbValue UnmarkedColour = rgbValue(249, 249, 249);

QLabel *captionLabel(const QString &text, QWidget *parent) { return new QLabel(text, parent); }

} // namespace

EditorWindow::EditorWindow(AppState &state, QWidget *parent)
    : SkinnedWindow(TitleBar | ResizeGrip, parent), state_(state)
{
    Q_ASSERT(state_.prompts && state_.windows);
    setObjectName(QStringLiteral("Form5"));
    setTitle(QStringLiteral("文字入力"));
    Modified_ = false;
    buildControls();
    setMinimumSize(960, 680);
    applyPlace(*this, state_.settings.editor, state_.TwipsPerPixelX, state_.TwipsPerPixelY);
    state_.ModalMode = ModalBusy; // until the first activation is done
    fillFontLists();
    CurrentLabel_ = 1;
}

EditorWindow::~EditorWindow() = default;

// --- Building the window -----------------------------------------------------------------------

void EditorWindow::buildControls()
{
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid #e2b594; border-radius: 6px; margin-top: 9px;"
        " background: rgba(255, 255, 255, 140); padding: 6px 6px 4px 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: #8a3c1c; }"
        "QLabel { color: #5a3622; }"
        "QLabel#caption { color: #8a5a3c; font-size: 11px; }"
        "QLabel#statusLine { color: #b0302a; }"
        "QCheckBox { color: #5a3622; }"));

    auto *left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(buildTextGroup(), 1);
    formatPanels_ = new QStackedWidget(this);
    formatPanels_->setObjectName(QStringLiteral("formatPanels"));
    inputPanel_ = new InputFormatPanel(*state_.prompts, formatPanels_);
    changePanel_ = new ChangeFormatPanel(*state_.prompts, formatPanels_);
    formatPanels_->addWidget(inputPanel_);
    formatPanels_->addWidget(changePanel_);
    formatPanels_->setCurrentWidget(inputPanel_);
    formatPanels_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    left->addWidget(formatPanels_);
    for (EditorFormatPanel *panel : {static_cast<EditorFormatPanel *>(inputPanel_), static_cast<EditorFormatPanel *>(changePanel_)})
        connect(panel, &EditorFormatPanel::focusBack, this, [this] { textBox_->setFocus(); });
    connect(changePanel_, &ChangeFormatPanel::applyRequested, this, &EditorWindow::applyFormat);

    auto *leftColumn = new QWidget(this);
    leftColumn->setLayout(left);
    left->setContentsMargins(0, 0, 0, 0);
    leftColumn->setFixedWidth(450);

    auto *columns = new QHBoxLayout;
    columns->setSpacing(10);
    columns->addWidget(leftColumn);
    columns->addWidget(buildViewGroup(), 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 8);
    layout->setSpacing(6);
    layout->addWidget(buildToolbar());
    layout->addLayout(columns, 1);

    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("mnuPopup"));
    popupMenu_->addAction(QStringLiteral("元に戻す"), this, &EditorWindow::undo);
    popupMenu_->addAction(QStringLiteral("やり直す"), this, &EditorWindow::redo);
    popupMenu_->addSeparator();
    popupMenu_->addAction(QStringLiteral("貼り付け"), this, &EditorWindow::paste);
    popupMenu_->addAction(QStringLiteral("コピー"), this, &EditorWindow::copy);
    popupMenu_->addAction(QStringLiteral("カット"), this, &EditorWindow::cut);
    popupMenu_->addAction(QStringLiteral("属性コピー"), this, &EditorWindow::attributeCopy);

    imageMenu_ = new QMenu(this);
    imageMenu_->setObjectName(QStringLiteral("mnuPic"));
    imageMenu_->addAction(QStringLiteral("編集"), this, [this] { editImage(ImageEditSlot_); });
    imageMenu_->addAction(QStringLiteral("テキストより前面に移動"), this, [this] { setImageLayer(0); });
    imageMenu_->addAction(QStringLiteral("テキストより背面に移動"), this, [this] { setImageLayer(1); });
    imageMenu_->addSeparator();
    imageMenu_->addAction(QStringLiteral("削除"), this, [this] { runToolButton(DeleteImageButton); });
}

QWidget *EditorWindow::buildToolbar()
{
    auto *toolbar = new QWidget(this);
    toolbar->setObjectName(QStringLiteral("Picture7"));
    auto *row = new QHBoxLayout(toolbar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    for (int index = 1; index <= ToolButtonCount; ++index) {
        const ToolButtonInfo &info = ToolButtons[std::size_t(index - 1)];
        auto *button = new PictureButton(toolbar);
        button->setObjectName(QStringLiteral("toolButton%1").arg(index));
        button->setPictures(artwork::buttonPictures(QLatin1String(info.icon), artwork::ToolbarButtonSize,
                                                    artwork::ButtonShape::Square));
        button->setToolTip(QString::fromUtf8(info.toolTip));
        button->setActingBounds(ToolbarActingBound, ToolbarActingBound);
        connect(button, &PictureButton::clicked, this, [this, index] { runToolButton(index); });
        toolButtons_[std::size_t(index - 1)] = button;
        // Groups: file and windows, clipboard, images, history, window.
        if (index == 6 || index == 9 || index == 11)
            row->addSpacing(12);
        if (index == MinimiseButton)
            row->addStretch(1);
        row->addWidget(button);
    }
    return toolbar;
}

QWidget *EditorWindow::buildTextGroup()
{
    auto *group = new QGroupBox(QStringLiteral("文字入力"), this);
    group->setObjectName(QStringLiteral("textGroup"));
    auto *layout = new QVBoxLayout(group);
    layout->setSpacing(4);

    textBox_ = new EditorTextBox(group);
    QFont boxFont = textBox_->font();
    boxFont.setPixelSize(16);
    textBox_->setFont(boxFont);
    textBox_->setMinimumHeight(110);
    connect(textBox_, &EditorTextBox::aboutToChange, this, &EditorWindow::takeUndoCopy);
    connect(textBox_, &QPlainTextEdit::textChanged, this, &EditorWindow::boxTextChanged);
    connect(textBox_, &QPlainTextEdit::selectionChanged, this, &EditorWindow::selectionChanged);
    connect(textBox_, &EditorTextBox::popupMenuRequested, this, &EditorWindow::showPopupMenu);
    connect(textBox_, &EditorTextBox::undoRequested, this, &EditorWindow::undo);
    connect(textBox_, &EditorTextBox::redoRequested, this, &EditorWindow::redo);
    layout->addWidget(textBox_, 1);

    statusLine_ = new QLabel(group);
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    statusLine_->setMinimumHeight(statusLine_->fontMetrics().height());
    layout->addWidget(statusLine_);

    rotateBox_ = new QCheckBox(QStringLiteral("ラベルを１８０度回転する。"), group);
    rotateBox_->setObjectName(QStringLiteral("rotateLabel"));
    connect(rotateBox_, &QCheckBox::clicked, this, &EditorWindow::rotationClicked);
    layout->addWidget(rotateBox_);
    return group;
}

QWidget *EditorWindow::buildViewGroup()
{
    auto *group = new QGroupBox(QStringLiteral("印刷イメージ"), this);
    group->setObjectName(QStringLiteral("viewGroup"));
    auto *layout = new QVBoxLayout(group);
    layout->setSpacing(6);

    sheetViewport_ = new SheetViewport(group);
    sheetViewport_->setTwipsPerPixel(state_.TwipsPerPixelX, state_.TwipsPerPixelY);
    sheetPicture_ = sheetViewport_->picture();
    sheetPicture_->setImageSource(&sheetImage_.view());
    sheetPicture_->installEventFilter(this);
    layout->addWidget(sheetViewport_, 1);

    zoomField_ = new QLineEdit(QStringLiteral("1"), group);
    zoomField_->setObjectName(QStringLiteral("Text6"));
    zoomField_->setFixedWidth(44);
    zoomField_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    selectAllOnEntry(zoomField_);
    connect(zoomField_, &QLineEdit::textChanged, this, &EditorWindow::zoomTextEdited);
    connect(zoomField_, &QLineEdit::editingFinished, this, [this] {
        // The field shows the zoom in use, also after a value out of range.
        const QSignalBlocker blocker(zoomField_);
        zoomField_->setText(QString::number(zoom_));
    });
    zoomSpinner_ = new EditorUpDown(group);
    zoomSpinner_->setObjectName(QStringLiteral("UpDown15"));
    zoomSpinner_->setRange(MinZoomPercent, MaxZoomPercent);
    zoomSpinner_->setValue(100);
    zoomSpinner_->setSingleStep(50);
    connect(zoomSpinner_, &EditorUpDown::pressed, this, [this](EditorUpDown::Direction direction) {
        // From 100 the lower arrow goes to 80, not to 50.
        if (direction == EditorUpDown::Down && zoomSpinner_->value() <= 100)
            zoomSpinner_->setSingleStep(20);
    });
    connect(zoomSpinner_, &EditorUpDown::valueChanged, this, &EditorWindow::zoomStepped);
    connect(zoomSpinner_, &EditorUpDown::stepped, this,
            [this] { zoomSpinner_->setSingleStep(zoomSpinner_->value() > 99 ? 50 : 20); });

    gridBox_ = new QCheckBox(QStringLiteral("グリッド表示"), group);
    gridBox_->setObjectName(QStringLiteral("Check4"));
    connect(gridBox_, &QCheckBox::toggled, this, &EditorWindow::viewSettingChanged);
    gridSpacing_ = makeNumberField(group, QStringLiteral("UpDown20"), 1, 10, 1);
    gridSpacing_->setFixedWidth(48);
    gridSpacing_->setValue(5);
    connect(gridSpacing_, &QSpinBox::valueChanged, this, &EditorWindow::viewSettingChanged);

    const auto makeSwatch = [&](const QString &name) {
        auto *swatch = newSwatch(group);
        swatch->setObjectName(name);
        connect(swatch, &ColourSwatch::clicked, this, [this, swatch] { chooseViewColour(swatch); });
        return swatch;
    };
    gridColour_ = makeSwatch(QStringLiteral("Label3"));
    backgroundColour_ = makeSwatch(QStringLiteral("Label19"));
    labelColour_ = makeSwatch(QStringLiteral("Label15"));

    imageFirstBox_ = new QCheckBox(QStringLiteral("画像選択優先"), group);
    imageFirstBox_->setObjectName(QStringLiteral("imageFirst"));

    // Two rows, so that the window's narrowest width shows them whole.
    auto *viewRow = new QHBoxLayout;
    viewRow->setSpacing(4);
    viewRow->addWidget(captionLabel(QStringLiteral("表示倍率："), group));
    viewRow->addWidget(zoomField_);
    viewRow->addWidget(zoomSpinner_);
    viewRow->addSpacing(16);
    viewRow->addWidget(gridBox_);
    viewRow->addSpacing(6);
    viewRow->addWidget(captionLabel(QStringLiteral("間隔："), group));
    viewRow->addWidget(gridSpacing_);
    viewRow->addSpacing(6);
    viewRow->addWidget(captionLabel(QStringLiteral("色："), group));
    viewRow->addWidget(gridColour_);
    viewRow->addStretch(1);
    auto *colourRow = new QHBoxLayout;
    colourRow->setSpacing(4);
    colourRow->addWidget(captionLabel(QStringLiteral("背景色："), group));
    colourRow->addWidget(backgroundColour_);
    colourRow->addSpacing(16);
    colourRow->addWidget(captionLabel(QStringLiteral("ラベル色："), group));
    colourRow->addWidget(labelColour_);
    colourRow->addStretch(1);
    colourRow->addWidget(imageFirstBox_);
    layout->addLayout(viewRow);
    layout->addLayout(colourRow);
    return group;
}

void EditorWindow::fillFontLists()
{
    const QStringList faceNames = state_.fontCatalogue.faceNames();
    inputPanel_->setFaceNames(faceNames);
    changePanel_->setFaceNames(faceNames);
}

QSize EditorWindow::sizeHint() const { return QSize(1280, 860); }

// --- Opening -------------------------------------------------------------------------------------

bool EditorWindow::refuseToOpen()
{
    state_.ModalMode = ModalNone;
    BusyPointer::clear();
    state_.prompts->tell(BrokenFileMessage(), PromptIcon::Critical);
    // Over a new template the designer is still there, with the template.
    if (state_.OpenMode != OpenNewTemplate)
        state_.windows->showMainMenu();
    return false;
}

bool EditorWindow::start()
{
    if (started_)
        return true;
    // Everything is read before anything is shown: a file that cannot be
    // read leaves the open document and the controls as they were.
    EditorSettings settings;
    LabelDocument document;
    try {
        settings = loadEditorSettings(state_.dataFolder);
        switch (state_.OpenMode) {
        case OpenExistingFile:
            document = openLabelFile(state_.DocumentPath);
            break;
        case OpenFromTemplate:
            document = newDocumentOnTemplateFile(state_.DocumentPath);
            break;
        default:
            document = LabelDocument::fromTemplate(state_.designerTemplate);
            break;
        }
    } catch (const UserError &) {
        return refuseToOpen();
    }

    gridBox_->setChecked(settings.gridVisible != 0);
    backgroundColour_->setColour(settings.backgroundColour);
    gridColour_->setColour(settings.gridColour);
    labelColour_->setColour(settings.labelColour);
    gridSpacing_->setValue(settings.gridSpacing);
    printOffsetLeft_ = settings.printOffsetLeft;
    printOffsetTop_ = settings.printOffsetTop;
    forcePrintOverrun_ = settings.forcePrintOverrun;
    inputPanel_->setValues(InputFormat::from(state_.DefaultFormat));

    state_.document = std::move(document);
    if (state_.OpenMode == OpenNewTemplate)
        state_.windows->closeDesignerForEditor();
    imageFirstBox_->setChecked(state_.document.ImageCount() > 0);
    history_.clear();
    started_ = true;
    showDocument();
    Modified_ = false;
    state_.ModalMode = ModalNone;
    repaintSheet();
    updateToolButtons();
    textBox_->setFocus();
    BusyPointer::clear();
    return true;
}

void EditorWindow::showDocument()
{
    const SheetTemplate &sheet = state_.document.sheet();
    canvases_.reset(sheet, state_.TwipsPerPixelX, state_.TwipsPerPixelY);
    sheetViewport_->setViewSize(SheetImage::sheetSize(sheet, zoom_, state_.TwipsPerPixelX, state_.TwipsPerPixelY));
    renderAllLabels(state_.document, canvases_, TextScale::screen(state_.TwipsPerPixelX, state_.TwipsPerPixelY));
    if (CurrentLabel_ < 1 || CurrentLabel_ > std::max<int>(1, sheet.LabelCount))
        CurrentLabel_ = 1;
    // A sheet without labels has nowhere to keep text.
    textBox_->setEnabled(sheet.LabelCount > 0);
    rotateBox_->setEnabled(sheet.LabelCount > 0);
    showLabelInBox(CurrentLabel_);
    updateGuides();
}

void EditorWindow::showLabelInBox(int label)
{
    const QString &text = state_.document.LabelText(label);
    const bool was = ProgrammaticChange_;
    ProgrammaticChange_ = true;
    setBoxText(toBoxText(text), int(toBoxText(text).size()));
    rotateBox_->setChecked(state_.document.LabelRotated(label) == 1);
    ProgrammaticChange_ = was;
}

void EditorWindow::setBoxText(const QString &boxText, int caret)
{
    const bool was = ProgrammaticChange_;
    ProgrammaticChange_ = true;
    textBox_->setPlainText(boxText);
    QTextCursor cursor = textBox_->textCursor();
    cursor.setPosition(std::clamp(caret, 0, int(boxText.size())));
    textBox_->setTextCursor(cursor);
    ProgrammaticChange_ = was;
}

void EditorWindow::resume()
{
    if (!started_ || !state_.ReRenderAll)
        return;
    state_.ReRenderAll = false;
    // The template changed under the document: that is a change to save.
    Modified_ = true;
    rerenderAll();
}

void EditorWindow::rerenderAll()
{
    if (!started_)
        return;
    clearImageSelection();
    showDocument();
    repaintSheet();
}

// --- The eight settings and the print panel's values ---------------------------------------------

EditorSettings EditorWindow::settings() const
{
    EditorSettings settings;
    settings.gridVisible = gridBox_->isChecked() ? 1 : 0;
    settings.backgroundColour = backgroundColour_->colour();
    settings.gridColour = gridColour_->colour();
    settings.labelColour = labelColour_->colour();
    settings.gridSpacing = qint16(gridSpacing_->value());
    settings.printOffsetLeft = printOffsetLeft_;
    settings.printOffsetTop = printOffsetTop_;
    settings.forcePrintOverrun = forcePrintOverrun_;
    return settings;
}

void EditorWindow::setPrintOffsets(qint16 left, qint16 top)
{
    printOffsetLeft_ = left;
    printOffsetTop_ = top;
}

void EditorWindow::setForcePrintOverrun(bool force) { forcePrintOverrun_ = force ? 1 : 0; }

InputFormat EditorWindow::inputFormat() const { return inputPanel_->values(); }

void EditorWindow::setInputFormat(const InputFormat &format) { inputPanel_->setValues(format); }

// --- Text entry -------------------------------------------------------------------------------------

void EditorWindow::takeUndoCopy()
{
    if (!started_)
        return;
    history_.takeUndoCopy(state_.document, CurrentLabel_);
    updateToolButtons();
}

void EditorWindow::boxTextChanged()
{
    if (!started_ || state_.ModalMode != ModalNone || ProgrammaticChange_)
        return;
    LabelDocument &document = state_.document;
    const QString before = document.LabelText(CurrentLabel_);
    const QString boxText = textBox_->toPlainText();
    const QString after = normalisedInput(boxText);
    const TextChange change = textChangeBetween(before, after);
    if (change.isEmpty())
        return;

    const QString refusal = refusalOf(document, CurrentLabel_, change);
    if (!refusal.isEmpty()) {
        // The box goes back to the label's text: every character keeps its record.
        setBoxText(toBoxText(before), toBoxPosition(before, change.start));
        showStatus(refusal);
        return;
    }
    applyTextChange(document, CurrentLabel_, change, inputPanel_->values());
    history_.discardRedo();
    Modified_ = true;
    if (toBoxText(after) != boxText) // a double quote came in by a paste or an input method
        setBoxText(toBoxText(after), textBox_->textCursor().position());
    showStatus(QString());
    renderCurrentLabel();
    updateToolButtons();
}

void EditorWindow::showStatus(const QString &message) { statusLine_->setText(message); }

std::pair<int, int> EditorWindow::selectedRange() const
{
    const QTextCursor cursor = textBox_->textCursor();
    const QString &text = state_.document.LabelText(CurrentLabel_);
    const int start = toLabelPosition(text, cursor.selectionStart());
    const int end = toLabelPosition(text, cursor.selectionEnd());
    return {start, end - start};
}

void EditorWindow::selectionChanged()
{
    // With text selected, "書式変更" stands over "入力書式".
    const bool selected = textBox_->textCursor().hasSelection();
    formatPanels_->setCurrentWidget(selected ? static_cast<QWidget *>(changePanel_) : inputPanel_);
    updateToolButtons();
}

void EditorWindow::updateToolButtons()
{
    if (!toolButtons_.back())
        return; // still building the window
    const bool selected = started_ && textBox_->textCursor().hasSelection();
    toolButton(CutButton)->setEnabled(selected);
    toolButton(CopyButton)->setEnabled(selected);
    toolButton(AttributeCopyButton)->setEnabled(selected);
    toolButton(PasteButton)->setEnabled(!clipboard_.isEmpty());
    toolButton(DeleteImageButton)->setEnabled(SelectedImage_ != 0);
    toolButton(UndoButton)->setEnabled(history_.canUndo());
    toolButton(RedoButton)->setEnabled(history_.canRedo());
}

void EditorWindow::showPopupMenu(const QPoint &globalPosition)
{
    const QList<QAction *> actions = popupMenu_->actions();
    const bool selected = textBox_->textCursor().hasSelection();
    actions[0]->setEnabled(history_.canUndo());
    actions[1]->setEnabled(history_.canRedo());
    actions[3]->setEnabled(!clipboard_.isEmpty());
    actions[4]->setEnabled(selected);
    actions[5]->setEnabled(selected);
    actions[6]->setEnabled(selected);
    popupMenu_->popup(globalPosition);
}

// --- Undo, redo and the editor's clipboard ---------------------------------------------------------------

void EditorWindow::afterHistoryChange(int label)
{
    Modified_ = true;
    if (label != CurrentLabel_) {
        // The undo copy belongs to another label: show that one.
        CurrentLabel_ = label;
        showLabelInBox(label);
    } else {
        const QString text = toBoxText(state_.document.LabelText(label));
        setBoxText(text, int(text.size()));
    }
    renderCurrentLabel();
    updateToolButtons();
}

void EditorWindow::undo()
{
    if (!started_ || state_.ModalMode != ModalNone)
        return;
    if (const int label = history_.undo(state_.document))
        afterHistoryChange(label);
}

void EditorWindow::redo()
{
    if (!started_ || state_.ModalMode != ModalNone)
        return;
    if (const int label = history_.redo(state_.document))
        afterHistoryChange(label);
}

void EditorWindow::copy()
{
    if (!started_)
        return;
    const auto [start, length] = selectedRange();
    if (length == 0)
        return;
    clipboard_.copy(state_.document, CurrentLabel_, start, length);
    updateToolButtons();
}

void EditorWindow::cut()
{
    if (!started_ || state_.ModalMode != ModalNone)
        return;
    const auto [start, length] = selectedRange();
    if (length == 0)
        return;
    // Undo after a cut brings the cut text back.
    history_.takeUndoCopy(state_.document, CurrentLabel_);
    const int caret = clipboard_.cut(state_.document, CurrentLabel_, start, length);
    history_.discardRedo();
    Modified_ = true;
    const QString &text = state_.document.LabelText(CurrentLabel_);
    setBoxText(toBoxText(text), toBoxPosition(text, caret));
    renderCurrentLabel();
    updateToolButtons();
}

void EditorWindow::paste()
{
    if (!started_ || state_.ModalMode != ModalNone || clipboard_.isEmpty())
        return;
    LabelDocument &document = state_.document;
    const QString &before = document.LabelText(CurrentLabel_);
    const int caret = toLabelPosition(before, textBox_->textCursor().position());
    const QString refusal = refusalOf(document, CurrentLabel_, {caret, 0, clipboard_.text()});
    if (!refusal.isEmpty()) {
        showStatus(refusal);
        return;
    }
    history_.takeUndoCopy(document, CurrentLabel_);
    const int after = clipboard_.paste(document, CurrentLabel_, caret);
    history_.discardRedo();
    Modified_ = true;
    const QString &text = document.LabelText(CurrentLabel_);
    setBoxText(toBoxText(text), toBoxPosition(text, after));
    showStatus(QString());
    renderCurrentLabel();
    updateToolButtons();
}

// --- The change panel ---------------------------------------------------------------------------------

void EditorWindow::applyFormat(FormatCommand command)
{
    if (!started_ || state_.ModalMode != ModalNone)
        return;
    const auto [start, length] = selectedRange();
    history_.takeUndoCopy(state_.document, CurrentLabel_);
    ApplyFormat(state_.document, CurrentLabel_, command, start, length, changePanel_->values(),
                state_.TwipsPerPixelY);
    history_.discardRedo();
    Modified_ = true;
    renderCurrentLabel();
    updateToolButtons();
    textBox_->setFocus();
}

void EditorWindow::attributeCopy()
{
    if (!started_)
        return;
    // The first selected character lends its format.
    const auto [start, length] = selectedRange();
    if (length == 0)
        return;
    changePanel_->showAttributes(formatAt(state_.document, CurrentLabel_, start + 1));
}

// --- Drawing ---------------------------------------------------------------------------------------

SheetViewState EditorWindow::viewState() const
{
    SheetViewState state;
    state.currentLabel = CurrentLabel_;
    state.selectedImage = SelectedImage_;
    state.zoom = zoom_;
    state.twipsPerPixelX = state_.TwipsPerPixelX;
    state.twipsPerPixelY = state_.TwipsPerPixelY;
    return state;
}

SheetViewStyle EditorWindow::viewStyle() const
{
    SheetViewStyle style;
    style.backgroundColour = backgroundColour_->colour();
    style.labelColour = labelColour_->colour();
    style.gridColour = gridColour_->colour();
    style.gridVisible = gridBox_->isChecked();
    style.gridSpacing = gridSpacing_->value();
    return style;
}

void EditorWindow::renderCurrentLabel()
{
    if (!started_)
        return;
    RenderLabel(state_.document, CurrentLabel_, canvases_.canvas(CurrentLabel_),
                TextScale::screen(state_.TwipsPerPixelX, state_.TwipsPerPixelY));
    if (state_.ModalMode == ModalNone)
        repaintSheet();
}

void EditorWindow::repaintSheet()
{
    if (!started_)
        return;
    sheetImage_.RePaint(state_.document, canvases_, viewStyle(), viewState());
    ProgrammaticChange_ = false;
    updateMarks();
    sheetPicture_->update();
}

void EditorWindow::updateGuides()
{
    // Where printing starts inside each label, on the edges that match its
    // orientation; only where the template gives an offset.
    std::vector<QLineF> guides;
    const SheetTemplate &sheet = state_.document.sheet();
    const double scaleX = TwipsPerMillimetre / state_.TwipsPerPixelX * zoom_;
    const double scaleY = TwipsPerMillimetre / state_.TwipsPerPixelY * zoom_;
    for (int label = 1; label <= std::min<int>(sheet.LabelCount, SheetTemplate::MaxLabels); ++label) {
        const SheetTemplate::Geometry &g = sheet.LabelGeometry[std::size_t(label)];
        const bool rotated = state_.document.LabelRotated(label) == 1;
        const double left = g[LeftOffset] * scaleX;
        const double top = g[TopOffset] * scaleY;
        const double right = (g[LeftOffset] + g[LabelWidth]) * scaleX;
        const double bottom = (g[TopOffset] + g[LabelHeight]) * scaleY;
        if (g[HorizontalPrintStart] != 0) {
            const double x = rotated ? right - g[HorizontalPrintStart] * scaleX : left + g[HorizontalPrintStart] * scaleX;
            guides.emplace_back(x, top, x, bottom);
        }
        if (g[VerticalPrintStart] != 0) {
            const double y = rotated ? bottom - g[VerticalPrintStart] * scaleY : top + g[VerticalPrintStart] * scaleY;
            guides.emplace_back(left, y, right, y);
        }
    }
    sheetPicture_->setGuides(std::move(guides));
}

void EditorWindow::updateMarks()
{
    if (SelectedImage_ == 0 || selectionMarks_.isNull()) {
        sheetPicture_->clearMarks();
        return;
    }
    const ImagePlacementRow &place = state_.document.ImagePlacement(SelectedImage_);
    const bool dragging = DragArmed_ && dragMoved_;
    const double left = dragging ? drag_.DragLeft : place[PlacementLeft];
    const double top = dragging ? drag_.DragTop : place[PlacementTop];
    sheetPicture_->setMarks(selectionMarks_, QRectF(left * zoom_, top * zoom_, selectionMarks_.width() * zoom_,
                                                    selectionMarks_.height() * zoom_));
}

// --- The view's controls ------------------------------------------------------------------------------

void EditorWindow::zoomTextEdited(const QString &text)
{
    bool isNumber = false;
    const double typed = text.trimmed().toDouble(&isNumber);
    if (!isNumber || !(typed > 0))
        return; // the zoom stays as it was until the field holds a number
    zoom_ = std::clamp(typed, MinZoomPercent / 100.0, MaxZoomPercent / 100.0);
    {
        const QSignalBlocker blocker(zoomSpinner_);
        zoomSpinner_->setValue(int(roundHalfEven(zoom_ * 100)));
    }
    applyZoom();
}

void EditorWindow::zoomStepped(int percent)
{
    zoom_ = percent / 100.0;
    {
        const QSignalBlocker blocker(zoomField_);
        zoomField_->setText(QString::number(zoom_));
    }
    applyZoom();
}

void EditorWindow::applyZoom()
{
    sheetViewport_->setViewSize(SheetImage::sheetSize(state_.document.sheet(), zoom_, state_.TwipsPerPixelX,
                                                      state_.TwipsPerPixelY));
    updateGuides();
    repaintSheet();
}

void EditorWindow::chooseViewColour(ColourSwatch *swatch)
{
    if (const std::optional<qint32> colour = state_.prompts->chooseColour(swatch->colour())) {
        swatch->setColour(*colour);
        repaintSheet();
    }
    textBox_->setFocus();
}

void EditorWindow::viewSettingChanged()
{
    if (state_.ModalMode == ModalNone)
        repaintSheet();
}

void EditorWindow::rotationClicked(bool rotated)
{
    if (!started_ || ProgrammaticChange_ || state_.document.sheet().LabelCount < 1)
        return;
    state_.document.setLabelRotated(CurrentLabel_, rotated ? 1 : 0);
    Modified_ = true;
    updateGuides();
    renderCurrentLabel();
}

// --- Pointer selection --------------------------------------------------------------------------------

void EditorWindow::selectLabel(int label)
{
    if (!started_ || label < 1 || label > state_.document.sheet().LabelCount)
        return;
    CurrentLabel_ = label;
    ProgrammaticChange_ = true;
    showLabelInBox(label);
    repaintSheet(); // clears ProgrammaticChange
}

void EditorWindow::sheetPressed(QMouseEvent *event)
{
    if (!started_ || state_.ModalMode != ModalNone)
        return;
    const QPointF point = event->position();
    if (imageFirstBox_->isChecked()) {
        if (const int image = imageAt(state_.document, point, zoom_)) {
            hitImage(image, event);
            return;
        }
    }
    if (const int label = labelAt(state_.document.sheet(), point, zoom_, state_.TwipsPerPixelX)) {
        selectLabel(label);
    } else if (const int image = imageAt(state_.document, point, zoom_)) {
        hitImage(image, event);
        return;
    }
    textBox_->setFocus(Qt::MouseFocusReason);
}

void EditorWindow::hitImage(int imageNumber, QMouseEvent *event)
{
    const qint32 index = state_.document.ImageSlot(imageNumber);
    if (SelectedImage_ != 0 && SelectedImage_ != index)
        clearImageSelection();
    selectImage(index);
    const ImagePlacementRow &place = state_.document.ImagePlacement(index);
    const QSize size = state_.document.picture(index).size();
    DragArmed_ = event->button() == Qt::LeftButton;
    dragMoved_ = false;
    drag_.DragWidth = size.width();
    drag_.DragHeight = size.height();
    drag_.DragStartLeft = place[PlacementLeft];
    drag_.DragStartTop = place[PlacementTop];
    drag_.DragLeft = qint32(roundHalfEven(place[PlacementLeft] * zoom_));
    drag_.DragTop = qint32(roundHalfEven(place[PlacementTop] * zoom_));
    DragOffsetX_ = drag_.DragLeft - qint32(std::floor(event->position().x()));
    DragOffsetY_ = drag_.DragTop - qint32(std::floor(event->position().y()));
    // The image's object now has the keyboard.
    objectFocused_ = true;
    objectLeft_ = place[PlacementLeft] * zoom_;
    objectTop_ = place[PlacementTop] * zoom_;
    ImageEditSlot_ = index;
    if (event->button() == Qt::RightButton)
        showImageMenu(event->globalPosition().toPoint());
}

void EditorWindow::imageDoubleClicked(QMouseEvent *event)
{
    if (!started_ || state_.ModalMode != ModalNone || SelectedImage_ == 0 || event->button() != Qt::LeftButton)
        return;
    const ImagePlacementRow &place = state_.document.ImagePlacement(SelectedImage_);
    const QSize size = state_.document.picture(SelectedImage_).size();
    const QRectF object(place[PlacementLeft] * zoom_, place[PlacementTop] * zoom_, size.width() * zoom_,
                        size.height() * zoom_);
    if (object.contains(event->position())) {
        DragArmed_ = false;
        editImage(SelectedImage_);
    }
}

void EditorWindow::selectImage(qint32 pictureIndex)
{
    if (!started_ || pictureIndex < 1 || pictureIndex > LabelDocument::MaxImages + 1)
        return;
    SelectedImage_ = pictureIndex;
    objectFocused_ = false;
    // The marks: DrawSelectSub's dots over the picture, sparing its
    // see-through colour (or the near-white of a picture without one).
    const QImage &picture = state_.document.picture(pictureIndex);
    selectionMarks_ = QImage();
    if (!picture.isNull()) {
        const ImagePlacementRow &place = state_.document.ImagePlacement(pictureIndex);
        const RgbValue spared = place[PlacementTransparent] == 1 ? place[PlacementColour] : UnmarkedColour;
        const QImage original = picture.convertToFormat(QImage::Format_RGB32);
        QImage marked = original.copy();
        DrawSelectSub(marked, 0, 0, marked.width(), marked.height(), 2, spared);
        selectionMarks_ = QImage(original.size(), QImage::Format_ARGB32);
        selectionMarks_.fill(Qt::transparent);
        for (int y = 0; y < original.height(); ++y) {
            const auto *before = reinterpret_cast<const QRgb *>(original.constScanLine(y));
            const auto *after = reinterpret_cast<const QRgb *>(marked.constScanLine(y));
            auto *marks = reinterpret_cast<QRgb *>(selectionMarks_.scanLine(y));
            for (int x = 0; x < original.width(); ++x)
                if (before[x] != after[x])
                    marks[x] = after[x] | 0xFF000000;
        }
    }
    sheetPicture_->setFocus(Qt::MouseFocusReason);
    updateToolButtons();
    repaintSheet();
}

void EditorWindow::clearImageSelection()
{
    if (SelectedImage_ == 0)
        return;
    SelectedImage_ = 0;
    DragArmed_ = false;
    objectFocused_ = false;
    selectionMarks_ = QImage();
    updateToolButtons();
    repaintSheet();
}

void EditorWindow::sheetMoved(QMouseEvent *event)
{
    if (!DragArmed_ || !(event->buttons() & Qt::LeftButton) || SelectedImage_ == 0)
        return;
    drag_.DragLeft = qint32(roundHalfEven((event->position().x() + DragOffsetX_) / zoom_));
    drag_.DragTop = qint32(roundHalfEven((event->position().y() + DragOffsetY_) / zoom_));
    dragMoved_ = true;
    sheetImage_.RedrawDraggedImage(state_.document, drag_, viewState());
    updateMarks();
    sheetPicture_->update();
}

void EditorWindow::sheetReleased(QMouseEvent *event)
{
    if (!DragArmed_ || event->button() != Qt::LeftButton)
        return;
    DragArmed_ = false;
    if (dragMoved_ && SelectedImage_ != 0) {
        ImagePlacementRow &place = state_.document.ImagePlacement(SelectedImage_);
        place[PlacementLeft] = drag_.DragLeft;
        place[PlacementTop] = drag_.DragTop;
        objectLeft_ = place[PlacementLeft] * zoom_;
        objectTop_ = place[PlacementTop] * zoom_;
        Modified_ = true;
    }
    dragMoved_ = false;
    repaintSheet();
}

bool EditorWindow::sheetKeyPressed(QKeyEvent *event)
{
    if (SelectedImage_ == 0 || state_.ModalMode != ModalNone)
        return false;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        textBox_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    // Delete removes the image from the document, not just from the view.
    if (event->key() == Qt::Key_Delete) {
        deleteSelectedImage();
        return true;
    }
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        return false;
    }
    const bool fine = event->modifiers() & Qt::ShiftModifier;
    if (objectFocused_)
        return moveFocusedObject(dx, dy, fine);
    const int step = fine ? 1 : 10;
    ImagePlacementRow &place = state_.document.ImagePlacement(SelectedImage_);
    place[PlacementLeft] += dx * step;
    place[PlacementTop] += dy * step;
    Modified_ = true;
    repaintSheet();
    return true;
}

bool EditorWindow::moveFocusedObject(int dx, int dy, bool fine)
{
    const double step = fine ? ObjectFineStep : ObjectStep;
    objectLeft_ += dx * step;
    objectTop_ += dy * step;
    ImagePlacementRow &place = state_.document.ImagePlacement(SelectedImage_);
    place[PlacementLeft] = roundToInt32(objectLeft_ / zoom_);
    place[PlacementTop] = roundToInt32(objectTop_ / zoom_);
    Modified_ = true;
    repaintSheet();
    return true;
}

void EditorWindow::showImageMenu(const QPoint &globalPosition) { imageMenu_->popup(globalPosition); }

void EditorWindow::setImageLayer(qint32 layer)
{
    if (SelectedImage_ == 0)
        return;
    state_.document.ImagePlacement(SelectedImage_)[PlacementLayer] = layer;
    Modified_ = true;
    textBox_->setFocus(Qt::OtherFocusReason);
    repaintSheet();
}

bool EditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != sheetPicture_)
        return SkinnedWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        sheetPressed(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseMove:
        sheetMoved(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonRelease:
        sheetReleased(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonDblClick:
        imageDoubleClicked(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::KeyPress:
        return sheetKeyPressed(static_cast<QKeyEvent *>(event));
    case QEvent::FocusOut: {
        // The image's own menu and a switch to another window keep it selected.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            clearImageSelection();
        return false;
    }
    default:
        return SkinnedWindow::eventFilter(watched, event);
    }
}

// --- Toolbar ---------------------------------------------------------------------------------------------

void EditorWindow::showPrintPanel()
{
    textBox_->setFocus();
    const PrintOptions options{printOffsetLeft_, printOffsetTop_, forcePrintOverrun_ != 0};
    if (!printPanel_) {
        printPanel_ = new PrintPanel(
            state_, state_.document, options,
            [this](const PrintOptions &changed) {
                setPrintOffsets(changed.offsetLeft, changed.offsetTop);
                setForcePrintOverrun(changed.overflow);
            },
            this);
    } else {
        printPanel_->setOptions(options);
    }
    printPanel_->showPanel();
}

void EditorWindow::openFormatSettings()
{
    FormatSettingsDialog *dialog = FormatSettingsDialog::openOnInputFormat(state_, inputFormat(), this);
    connect(dialog, &FormatSettingsDialog::inputFormatApplied, this,
            [this](const InputFormat &format) { setInputFormat(format); });
}

void EditorWindow::runToolButton(int index)
{
    switch (index) {
    case CloseButton:
    case WindowCloseButton:
        close();
        break;
    case SaveButton:
        saveDocument();
        break;
    case PrintButton:
        showPrintPanel();
        break;
    case FormatSettingsButton:
        openFormatSettings();
        break;
    case TemplateButton:
        openDesigner();
        break;
    case CutButton:
        cut();
        break;
    case CopyButton:
        copy();
        break;
    case PasteButton:
        paste();
        break;
    case PasteImageButton:
        pasteImage();
        break;
    case DeleteImageButton:
        deleteSelectedImage();
        break;
    case UndoButton:
        undo();
        break;
    case RedoButton:
        redo();
        break;
    case AttributeCopyButton:
        attributeCopy();
        break;
    case MinimiseButton:
        showMinimized();
        break;
    case MaximiseButton:
        toggleMaximised();
        break;
    default:
        break;
    }
}

// --- Image objects ---------------------------------------------------------------------------------------

ImagePasteDialog *EditorWindow::imageDialog() const { return imageDialog_.data(); }

void EditorWindow::pasteImage()
{
    if (!started_ || state_.ModalMode != ModalNone || imageDialog_)
        return;
    if (state_.document.ImageCount() >= LabelDocument::MaxImages) {
        state_.prompts->tell(ImageLimitMessage, PromptIcon::Exclamation);
        return;
    }
    ImageEditSlot_ = 0;
    openImageDialog(new ImagePasteDialog(state_, this));
}

void EditorWindow::editImage(qint32 pictureIndex)
{
    if (pictureIndex == 0)
        pictureIndex = SelectedImage_;
    if (!started_ || state_.ModalMode != ModalNone || imageDialog_ || pictureIndex < 1 ||
        pictureIndex > LabelDocument::MaxImages || state_.document.picture(pictureIndex).isNull())
        return;
    ImageEditSlot_ = pictureIndex;
    const ImagePlacementRow &place = state_.document.ImagePlacement(pictureIndex);
    openImageDialog(new ImagePasteDialog(state_, state_.document.picture(pictureIndex),
                                         place[PlacementTransparent] == 1, place[PlacementColour], this));
}

void EditorWindow::openImageDialog(ImagePasteDialog *dialog)
{
    imageDialog_ = dialog;
    connect(dialog, &ImagePasteDialog::finished, this, [this, dialog](bool accepted) {
        receiveImage(dialog, accepted);
        dialog->deleteLater();
    });
    dialog->open();
}

void EditorWindow::receiveImage(ImagePasteDialog *dialog, bool accepted)
{
    imageDialog_ = nullptr;
    const QImage picture = dialog->picture();
    if (!started_ || !accepted || picture.isNull())
        return;
    const qint32 flag = dialog->transparent() ? 1 : 0;
    const RgbValue colour = dialog->transparentColour();
    qint32 index = ImageEditSlot_;
    if (index == 0) {
        if (state_.document.ImageCount() >= LabelDocument::MaxImages)
            return;
        // A new image starts at the top left of the part of the sheet in view.
        const qint32 left = roundToInt32(-sheetViewport_->viewLeftTwips() / double(state_.TwipsPerPixelX) / zoom_);
        const qint32 top = roundToInt32(-sheetViewport_->viewTopTwips() / double(state_.TwipsPerPixelY) / zoom_);
        const int number = state_.document.addImage(picture, {left, top, flag, colour, 0});
        index = state_.document.ImageSlot(number);
    } else {
        state_.document.setPicture(index, picture);
        ImagePlacementRow &place = state_.document.ImagePlacement(index);
        place[PlacementTransparent] = flag;
        place[PlacementColour] = colour;
    }
    ImageEditSlot_ = 0;
    Modified_ = true;
    imageFirstBox_->setChecked(true);
    if (SelectedImage_ != 0 && SelectedImage_ != index)
        clearImageSelection();
    selectImage(index);
}

void EditorWindow::deleteSelectedImage()
{
    if (!started_ || SelectedImage_ == 0 || state_.ModalMode != ModalNone)
        return;
    const qint32 deleting = SelectedImage_;
    for (int number = 1; number <= state_.document.ImageCount(); ++number) {
        if (state_.document.ImageSlot(number) == deleting) {
            state_.document.deleteImage(number);
            Modified_ = true;
            break;
        }
    }
    if (ImageEditSlot_ == deleting)
        ImageEditSlot_ = 0;
    clearImageSelection();
    textBox_->setFocus(Qt::OtherFocusReason);
}

void EditorWindow::openDesigner()
{
    if (!started_ || state_.ModalMode != ModalNone)
        return;
    state_.DesignerFromEditor = true;
    state_.ModalMode = ModalBusy;
    state_.OpenMode = OpenFromTemplate;
    setEnabled(false);
    if (!state_.windows->openDesigner()) {
        state_.DesignerFromEditor = false;
        state_.ModalMode = ModalNone;
        setEnabled(true);
    }
}

void EditorWindow::saveDocument()
{
    if (!started_ || state_.ModalMode != ModalNone)
        return;
    const std::optional<QString> chosen =
        state_.prompts->saveFileName(LabelFileFilter, proposedFileName(state_.document, CurrentLabel_));
    if (!chosen)
        return;
    if (chosen->isEmpty()) {
        state_.prompts->tell(NameMissingMessage, PromptIcon::Question);
        return;
    }
    const QString target = labelFileTarget(*chosen);
    if (QFileInfo::exists(target) && !state_.prompts->ask(OverwriteQuestion(), PromptIcon::Question, Preselect::No))
        return;
    BusyPointer::show();
    try {
        // The earlier file is replaced only by a complete new one.
        saveLabelFile(state_.document, target);
    } catch (const UserError &) {
        BusyPointer::clear();
        state_.prompts->tell(SaveFailedMessage() + QLatin1Char('\r') + target, PromptIcon::Critical);
        return;
    }
    state_.DocumentPath = target;
    Modified_ = false;
    BusyPointer::clear();
}

// --- Window events ----------------------------------------------------------------------------------------

void EditorWindow::changeEvent(QEvent *event)
{
    SkinnedWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        const bool maximised = isMaximized();
        PictureButton *button = toolButton(MaximiseButton);
        button->setPictures(artwork::buttonPictures(maximised ? QStringLiteral("toolbar-restore")
                                                              : QStringLiteral("toolbar-maximise"),
                                                    artwork::ToolbarButtonSize, artwork::ButtonShape::Square));
        button->setToolTip(maximised ? QStringLiteral("元のサイズに戻す") : QStringLiteral("最大化"));
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        resume();
    }
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (!started_) {
        event->accept();
        return;
    }
    if (Modified_ && !state_.prompts->ask(CloseQuestion, PromptIcon::Question, Preselect::No)) {
        event->ignore();
        return;
    }
    state_.settings.editor = placeOf(*this, state_.TwipsPerPixelX, state_.TwipsPerPixelY);
    // From here on the controls may still change, but no longer the document.
    started_ = false;
    ProgrammaticChange_ = true;
    state_.document.discard();
    saveEditorSettings(state_.dataFolder, settings());
    state_.windows->showMainMenu();
    event->accept();
}

} // namespace porkane
