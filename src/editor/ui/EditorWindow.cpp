#include "editor/ui/EditorWindow.h"

#include <algorithm>
#include <functional>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "session/AppState.h"
#include "session/Messages.h"
#include "session/Prompts.h"
#include "session/RecentFiles.h"
#include "session/WindowHub.h"
#include "widgets/BusyPointer.h"
#include "widgets/HelpGuide.h"
#include "widgets/PictureButton.h"
#include "widgets/WindowPlacement.h"
#include "core/Errors.h"
#include "document/DocumentSource.h"
#include "editor/TextEditing.h"
#include "editor/ui/EditorFiles.h"
#include "editor/ui/EditorTextBox.h"
#include "editor/ui/FormatPanels.h"
#include "format/ui/FormatSettingsDialog.h"
#include "image/ui/ImagePasteDialog.h"
#include "print/ui/PrintPanel.h"

namespace porkane {

EditorWindow::EditorWindow(AppState &state, QWidget *parent)
    : SkinnedWindow(TitleBar | ResizeGrip, parent), state_(state),
      session_(state.document, [&state] { return state.ModalMode != ModalNone; }, state.TwipsPerPixelX,
               state.TwipsPerPixelY),
      files_(state, session_)
{
    Q_ASSERT(state_.prompts && state_.windows);
    setObjectName(QStringLiteral("Form5"));
    setTitle(tr("文字入力"));
    buildControls();
    buildShortcuts();
    connectSession();
    setAcceptDrops(true);
    setMinimumSize(960, 680);
    applyPlace(*this, state_.settings.editor, state_.TwipsPerPixelX, state_.TwipsPerPixelY);
    state_.ModalMode = ModalBusy; // until the first activation is done
    inputPanel_->setFonts(state_.fontCatalogue);
    changePanel_->setFonts(state_.fontCatalogue);
}

EditorWindow::~EditorWindow()
{
    // The controls outlive the session while the window goes: none of their
    // last signals may reach it, and the sheet view goes while it is there.
    session_.blockSignals(true);
    images().blockSignals(true);
    for (QObject *child : findChildren<QObject *>())
        child->blockSignals(true);
    delete viewGroup_;
}

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

    viewGroup_ = new SheetViewGroup(session_, *state_.prompts, this);
    connect(viewGroup_, &SheetViewGroup::textBoxWanted, this,
            [this](Qt::FocusReason reason) { textBox_->setFocus(reason); });
    connect(viewGroup_, &SheetViewGroup::imageMenuWanted, this, [this](const QPoint &at) { imageMenu_->popup(at); });
    connect(viewGroup_, &SheetViewGroup::editImageWanted, this, &EditorWindow::editImage);
    connect(viewGroup_, &SheetViewGroup::deleteImageWanted, this, &EditorWindow::deleteSelectedImage);
    connect(viewGroup_, &SheetViewGroup::renderingFailed, this, &EditorWindow::renderingFailed);
    auto *columns = new QHBoxLayout;
    columns->setSpacing(10);
    columns->addWidget(leftColumn);
    columns->addWidget(viewGroup_, 1);

    toolbar_ = new EditorToolbar(this);
    connect(toolbar_, &EditorToolbar::triggered, this, &EditorWindow::runToolButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 8);
    layout->setSpacing(6);
    layout->addWidget(toolbar_);
    layout->addLayout(columns, 1);
    buildMenus();
}

void EditorWindow::buildMenus()
{
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("mnuPopup"));
    popupMenu_->addAction(tr("元に戻す"), this, &EditorWindow::undo);
    popupMenu_->addAction(tr("やり直す"), this, &EditorWindow::redo);
    popupMenu_->addSeparator();
    popupMenu_->addAction(tr("貼り付け"), this, &EditorWindow::paste);
    popupMenu_->addAction(tr("コピー"), this, &EditorWindow::copy);
    popupMenu_->addAction(tr("カット"), this, &EditorWindow::cut);
    popupMenu_->addAction(tr("属性コピー"), this, &EditorWindow::attributeCopy);

    imageMenu_ = new QMenu(this);
    imageMenu_->setObjectName(QStringLiteral("mnuPic"));
    imageMenu_->addAction(tr("編集"), this, [this] { editImage(images().editSlot()); });
    imageMenu_->addAction(tr("テキストより前面に移動"), this, [this] { setImageLayer(0); });
    imageMenu_->addAction(tr("テキストより背面に移動"), this, [this] { setImageLayer(1); });
    imageMenu_->addSeparator();
    imageMenu_->addAction(tr("削除"), this, [this] { runToolButton(DeleteImageButton); });

    // The print button's own menu (right click): the panel, or a PDF straight away.
    printMenu_ = new QMenu(this);
    printMenu_->setObjectName(QStringLiteral("mnuPrint"));
    printMenu_->addAction(tr("印刷..."), this, &EditorWindow::showPrintPanel);
    printMenu_->addAction(tr("PDFに保存..."), this, &EditorWindow::savePdf);
    PictureButton *print = toolButton(PrintButton);
    print->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(print, &QWidget::customContextMenuRequested, this,
            [this, print](const QPoint &at) { printMenu_->popup(print->mapToGlobal(at)); });
}

void EditorWindow::buildShortcuts()
{
    const auto shortcut = [this](const QKeySequence &keys, auto run) {
        auto *action = new QAction(this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, run);
        addAction(action);
        return action;
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { saveDocument(); })->setObjectName(QStringLiteral("saveKey"));
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_P), [this] {
        if (session_.canEdit())
            showPrintPanel();
    })->setObjectName(QStringLiteral("printKey"));
    // The print panel lies inside the editor's window: one F1 serves both.
    HelpGuide::addKey(this, [this] {
        return printPanel_ && printPanel_->isVisible() ? GuideSection::Print : GuideSection::Editor;
    })->setObjectName(QStringLiteral("helpKey"));
}

QWidget *EditorWindow::buildTextGroup()
{
    auto *group = new QGroupBox(tr("文字入力"), this);
    group->setObjectName(QStringLiteral("textGroup"));
    auto *layout = new QVBoxLayout(group);
    layout->setSpacing(4);

    textBox_ = new EditorTextBox(group);
    QFont boxFont = textBox_->font();
    boxFont.setPixelSize(16);
    textBox_->setFont(boxFont);
    textBox_->setMinimumHeight(110);
    connect(textBox_, &EditorTextBox::aboutToChange, &session_, &EditorSession::takeUndoCopy);
    connect(textBox_, &QPlainTextEdit::textChanged, this, &EditorWindow::boxTextChanged);
    connect(textBox_, &QPlainTextEdit::selectionChanged, this, &EditorWindow::boxSelectionChanged);
    connect(textBox_, &EditorTextBox::popupMenuRequested, this, &EditorWindow::showPopupMenu);
    connect(textBox_, &EditorTextBox::undoRequested, &session_, &EditorSession::undo);
    connect(textBox_, &EditorTextBox::redoRequested, &session_, &EditorSession::redo);
    connect(textBox_, &EditorTextBox::cutRequested, this, &EditorWindow::cut);
    connect(textBox_, &EditorTextBox::copyRequested, this, &EditorWindow::copy);
    connect(textBox_, &EditorTextBox::pasteRequested, this, &EditorWindow::paste);
    connect(textBox_, &EditorTextBox::textDropped, this,
            [this](int start, int end, int at, bool move) { session_.dropText(start, end, at, move); });
    connect(textBox_, &EditorTextBox::documentDropped, this, &EditorWindow::openDroppedFile, Qt::QueuedConnection);
    layout->addWidget(textBox_, 1);

    statusLine_ = new QLabel(group);
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    statusLine_->setMinimumHeight(statusLine_->fontMetrics().height());
    layout->addWidget(statusLine_);

    rotateBox_ = new QCheckBox(tr("ラベルを１８０度回転する。"), group);
    rotateBox_->setObjectName(QStringLiteral("rotateLabel"));
    connect(rotateBox_, &QCheckBox::clicked, this, [this](bool rotated) {
        if (!ProgrammaticChange_)
            session_.setLabelRotated(rotated);
    });
    layout->addWidget(rotateBox_);
    return group;
}

void EditorWindow::connectSession()
{
    connect(&session_, &EditorSession::documentChanged, this, &EditorWindow::showDocument);
    connect(&session_, &EditorSession::labelSelected, this, &EditorWindow::showLabelInBox);
    connect(&session_, &EditorSession::boxTextReplaced, this, &EditorWindow::setBoxText);
    connect(&session_, &EditorSession::commandsChanged, this, &EditorWindow::updateToolButtons);
    connect(&session_, &EditorSession::statusMessage, statusLine_, &QLabel::setText);
    connect(&session_, &EditorSession::fileUsed, this, [](const QString &path) { noteRecentlyUsed(path); });
    connect(&images(), &ImageObjects::selectionChanged, this, &EditorWindow::updateToolButtons);
    // Text another program copies can be pasted too.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &EditorWindow::updateToolButtons);
}

QSize EditorWindow::sizeHint() const { return QSize(1280, 860); }

// --- Opening -------------------------------------------------------------------------------------

bool EditorWindow::start()
{
    if (session_.isOpen())
        return true;
    renderFailureTold_ = false;
    if (!files_.open())
        return false;
    viewGroup_->showSettings();
    inputPanel_->setValues(InputFormat::from(state_.DefaultFormat));
    if (state_.OpenMode == OpenNewTemplate)
        state_.windows->closeDesignerForEditor();
    state_.ModalMode = ModalNone;
    updateToolButtons();
    textBox_->setFocus();
    BusyPointer::clear();
    files_.tellSettingsProblem();
    return true;
}

void EditorWindow::resume()
{
    if (!session_.isOpen() || !state_.ReRenderAll)
        return;
    state_.ReRenderAll = false;
    session_.templateChanged();
}

// --- What the window shows -----------------------------------------------------------------------

void EditorWindow::showDocument()
{
    // A sheet without labels has nowhere to keep text.
    const bool hasLabels = document().labelCount() > 0;
    shownSelectionStart_ = -1;
    holdCopiedAttributes_ = false;
    textBox_->setEnabled(hasLabels);
    rotateBox_->setEnabled(hasLabels);
    showLabelInBox(session_.currentLabel());
}

void EditorWindow::showLabelInBox(int label)
{
    const bool was = ProgrammaticChange_;
    ProgrammaticChange_ = true;
    const QString boxText = toBoxText(document().LabelText(label));
    setBoxText(boxText, int(boxText.size()));
    rotateBox_->setChecked(document().LabelRotated(label) == 1);
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

void EditorWindow::setPrintOffsets(qint16 left, qint16 top)
{
    EditorSettings settings = session_.settings();
    settings.printOffsetLeft = left;
    settings.printOffsetTop = top;
    session_.setSettings(settings);
}

void EditorWindow::setForcePrintOverrun(bool force)
{
    EditorSettings settings = session_.settings();
    settings.forcePrintOverrun = force ? 1 : 0;
    session_.setSettings(settings);
}

InputFormat EditorWindow::inputFormat() const { return inputPanel_->values(); }

void EditorWindow::setInputFormat(const InputFormat &format) { inputPanel_->setValues(format); }

void EditorWindow::updateToolButtons()
{
    if (!toolbar_)
        return; // still building the window
    const bool selected = session_.isOpen() && textBox_->textCursor().hasSelection();
    for (int index : {CutButton, CopyButton, AttributeCopyButton})
        toolButton(index)->setEnabled(selected);
    toolButton(PasteButton)->setEnabled(session_.canPaste(QGuiApplication::clipboard()->mimeData()));
    toolButton(DeleteImageButton)->setEnabled(images().selected() != 0);
    toolButton(UndoButton)->setEnabled(session_.canUndo());
    toolButton(RedoButton)->setEnabled(session_.canRedo());
}

// --- What the text box and the view's controls report -------------------------------------------------

void EditorWindow::boxTextChanged()
{
    if (!ProgrammaticChange_)
        session_.typed(textBox_->toPlainText(), textBox_->textCursor().position(), inputPanel_->values());
}

void EditorWindow::boxSelectionChanged()
{
    // With text selected, "書式変更" stands over "入力書式".
    const bool selected = textBox_->textCursor().hasSelection();
    formatPanels_->setCurrentWidget(selected ? static_cast<QWidget *>(changePanel_) : inputPanel_);
    showSelectionFormat();
    updateToolButtons();
}

void EditorWindow::showSelectionFormat()
{
    // The change panel starts from the selection's own values, so that an
    // apply button pressed without touching its field changes nothing. A
    // selection growing from the same start keeps what the user set.
    const QTextCursor cursor = textBox_->textCursor();
    const int start = cursor.hasSelection() ? cursor.selectionStart() : -1;
    if (start == shownSelectionStart_)
        return;
    shownSelectionStart_ = start;
    if (holdCopiedAttributes_)
        return;
    if (const std::optional<InputFormat> format = session_.attributesOf(cursor.selectionStart(), cursor.selectionEnd()))
        changePanel_->showSelection(*format);
}

void EditorWindow::renderingFailed()
{
    if (renderFailureTold_)
        return;
    renderFailureTold_ = true;
    // Told once the command that drew has ended, not in the middle of it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            state_.prompts->tell(tr("メモリが足りないため、ラベルの一部を表示できません。\r"
                                    "文字や画像を減らすか、他のプログラムを終了してください。"),
                                 PromptIcon::Exclamation);
        },
        Qt::QueuedConnection);
}

void EditorWindow::showPopupMenu(const QPoint &globalPosition)
{
    const QList<QAction *> actions = popupMenu_->actions();
    const bool selected = textBox_->textCursor().hasSelection();
    actions[0]->setEnabled(session_.canUndo());
    actions[1]->setEnabled(session_.canRedo());
    actions[3]->setEnabled(session_.canPaste(QGuiApplication::clipboard()->mimeData()));
    for (int item : {4, 5, 6})
        actions[item]->setEnabled(selected);
    popupMenu_->popup(globalPosition);
}

void EditorWindow::copy()
{
    const QTextCursor cursor = textBox_->textCursor();
    if (!cursor.hasSelection())
        return;
    session_.copy(cursor.selectionStart(), cursor.selectionEnd());
    // Other programs get the text; a paste here knows it for its own.
    if (std::unique_ptr<QMimeData> data = session_.systemClipboardData())
        QGuiApplication::clipboard()->setMimeData(data.release());
}

void EditorWindow::cut()
{
    const QTextCursor cursor = textBox_->textCursor();
    if (!cursor.hasSelection() || !session_.canEdit())
        return;
    session_.cut(cursor.selectionStart(), cursor.selectionEnd());
    if (std::unique_ptr<QMimeData> data = session_.systemClipboardData())
        QGuiApplication::clipboard()->setMimeData(data.release());
}

void EditorWindow::paste()
{
    const QTextCursor cursor = textBox_->textCursor();
    session_.paste(cursor.selectionStart(), cursor.selectionEnd(), QGuiApplication::clipboard()->mimeData(),
                   inputPanel_->values());
}

void EditorWindow::applyFormat(FormatCommand command)
{
    const QTextCursor cursor = textBox_->textCursor();
    session_.applyFormat(command, cursor.selectionStart(), cursor.selectionEnd(), changePanel_->values());
    holdCopiedAttributes_ = false;
    textBox_->setFocus();
}

void EditorWindow::attributeCopy()
{
    const QTextCursor cursor = textBox_->textCursor();
    if (const std::optional<InputFormat> format =
            session_.attributesOf(cursor.selectionStart(), cursor.selectionEnd())) {
        changePanel_->showAttributes(*format);
        holdCopiedAttributes_ = true;
    }
}

void EditorWindow::setImageLayer(qint32 layer)
{
    images().setLayer(layer);
    textBox_->setFocus(Qt::OtherFocusReason);
}

void EditorWindow::deleteSelectedImage()
{
    if (images().deleteSelected())
        textBox_->setFocus(Qt::OtherFocusReason);
}

// --- Toolbar ---------------------------------------------------------------------------------------------

void EditorWindow::runToolButton(int index)
{
    // By button number, 1 to 16, in the order of EditorToolButton.
    const std::array<std::function<void()>, EditorToolbar::ButtonCount> commands = {
        [this] { close(); },
        [this] { saveDocument(); },
        [this] { showPrintPanel(); },
        [this] { openFormatSettings(); },
        [this] { openDesigner(); },
        [this] { cut(); },
        [this] { copy(); },
        [this] { paste(); },
        [this] { pasteImage(); },
        [this] { deleteSelectedImage(); },
        [this] { undo(); },
        [this] { redo(); },
        [this] { attributeCopy(); },
        [this] { showMinimized(); },
        [this] { toggleMaximised(); },
        [this] { close(); },
    };
    static_assert(WindowCloseButton == EditorToolbar::ButtonCount);
    if (index >= CloseButton && index <= WindowCloseButton)
        commands[std::size_t(index - 1)]();
}

void EditorWindow::saveDocument() { files_.save(); }

void EditorWindow::openDesigner()
{
    if (!session_.canEdit())
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

// --- The dialogs the editor opens: the print panel, the format dialog, the image paste dialog ------------

PrintPanel *EditorWindow::printPanel() const { return printPanel_; }

void EditorWindow::showPrintPanel()
{
    textBox_->setFocus();
    const EditorSettings &settings = session_.settings();
    const PrintOptions options{settings.printOffsetLeft, settings.printOffsetTop, settings.forcePrintOverrun != 0};
    if (!printPanel_) {
        printPanel_ = new PrintPanel(
            state_, document(), options,
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

void EditorWindow::savePdf()
{
    if (!session_.canEdit())
        return;
    showPrintPanel();
    printPanel_->exportPdf();
}

void EditorWindow::openFormatSettings()
{
    FormatSettingsDialog *dialog = FormatSettingsDialog::openOnInputFormat(state_, inputFormat(), this);
    connect(dialog, &FormatSettingsDialog::inputFormatApplied, this,
            [this](const InputFormat &format) { setInputFormat(format); });
}

ImagePasteDialog *EditorWindow::imageDialog() const { return imageDialog_.data(); }

void EditorWindow::pasteImage()
{
    if (imageDialog_ || !session_.canEdit())
        return;
    if (!images().beginNewImage()) {
        state_.prompts->tell(tr("これ以上画像を貼り付けられません。"), PromptIcon::Exclamation);
        return;
    }
    openImageDialog(new ImagePasteDialog(state_, this));
}

void EditorWindow::editImage(qint32 pictureIndex)
{
    if (imageDialog_ || !images().beginEditing(pictureIndex))
        return;
    const qint32 slot = images().editSlot();
    const ImagePlacementRow &place = document().ImagePlacement(slot);
    openImageDialog(new ImagePasteDialog(state_, document().picture(slot), place[PlacementTransparent] == 1,
                                         place[PlacementColour], this, document().pictureSource(slot)));
}

void EditorWindow::openImageDialog(ImagePasteDialog *dialog)
{
    imageDialog_ = dialog;
    connect(dialog, &ImagePasteDialog::finished, this, [this, dialog](bool accepted) {
        imageDialog_ = nullptr;
        if (accepted)
            images().receive(dialog->picture(), dialog->transparent(), dialog->transparentColour(),
                             viewGroup_->viewOffsetTwips(), viewGroup_->zoom(), dialog->pictureSource());
        dialog->deleteLater();
    });
    dialog->open();
}

// --- Window events ----------------------------------------------------------------------------------------

void EditorWindow::changeEvent(QEvent *event)
{
    SkinnedWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && toolbar_) {
        toolbar_->showMaximised(isMaximized());
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        resume();
    }
}

void EditorWindow::openDroppedFile(const QString &path)
{
    if (!session_.canEdit() || imageDialog_)
        return;
    renderFailureTold_ = false;
    if (!files_.openDropped(path))
        return;
    updateToolButtons();
    activateWindow();
    textBox_->setFocus();
}

void EditorWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedDocumentFile(event->mimeData()->urls()).isEmpty())
        event->acceptProposedAction();
}

void EditorWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppedDocumentFile(event->mimeData()->urls());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Asked and opened once the drag has ended.
    QMetaObject::invokeMethod(this, [this, path] { openDroppedFile(path); }, Qt::QueuedConnection);
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (!session_.isOpen()) {
        event->accept();
        return;
    }
    if (session_.isModified() &&
        !state_.prompts->ask(tr("保存せずに終了しますか？"), PromptIcon::Question, Preselect::No)) {
        event->ignore();
        return;
    }
    state_.settings.editor = placeOf(*this, state_.TwipsPerPixelX, state_.TwipsPerPixelY);
    // From here on the controls may still change, but no longer the document.
    ProgrammaticChange_ = true;
    session_.close();
    state_.windows->showMainMenu();
    event->accept();
}

} // namespace porkane
