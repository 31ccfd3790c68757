#include "sheet/ui/TemplateDesignerWindow.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "session/AppState.h"
#include "session/Messages.h"
#include "session/Prompts.h"
#include "session/RecentFiles.h"
#include "session/WindowHub.h"
#include "widgets/Artwork.h"
#include "widgets/BusyPointer.h"
#include "widgets/HelpGuide.h"
#include "widgets/PictureButton.h"
#include "widgets/WindowPlacement.h"
#include "core/Errors.h"
#include "sheet/ProductCatalogue.h"
#include "sheet/TemplateFile.h"
#include "sheet/ui/DialogLook.h"
#include "sheet/ui/LabelGridDialog.h"
#include "sheet/ui/ProductChooserDialog.h"
#include "sheet/ui/ProductSaveDialog.h"
#include "sheet/ui/TemplateFields.h"
#include "sheet/ui/TemplatePreview.h"

namespace porkane {

TemplateDesignerWindow::TemplateDesignerWindow(AppState &state, QWidget *parent)
    : SkinnedWindow(TitleBar | MinimiseButton | MaximiseButton | CloseButton | ResizeGrip, parent), state_(state)
{
    Q_ASSERT(state_.prompts && state_.windows);
    setObjectName(QStringLiteral("Form3"));
    setTitle(tr("フォームの設定"));
    HelpGuide::addKey(this, GuideSection::Designer);
    openMode_ = state_.OpenMode;
    fromEditor_ = state_.DesignerFromEditor || openMode_ == OpenFromTemplate;
    draft_.setKeepsLabels(fromEditor_);
    buildControls();
    connectDraft();
    if (minimiseButton())
        minimiseButton()->setObjectName(QStringLiteral("toolButton4"));
    if (maximiseButton())
        maximiseButton()->setObjectName(QStringLiteral("toolButton5"));
    if (closeButton())
        closeButton()->setObjectName(QStringLiteral("toolButton6"));

    applyPlace(*this, state_.settings.designer, state_.TwipsPerPixelX, state_.TwipsPerPixelY);
    state_.ModalMode = ModalBusy;
}

void TemplateDesignerWindow::buildControls()
{
    setStyleSheet(designerStyleSheet());

    auto *columns = new QHBoxLayout;
    columns->setSpacing(10);
    fields_ = new TemplateFields(draft_, this);
    connect(fields_, &TemplateFields::deleteRequested, this, &TemplateDesignerWindow::deleteLabel);
    columns->addWidget(fields_, 0);
    columns->addWidget(buildPreviewGroup(), 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 8);
    layout->setSpacing(6);
    layout->addWidget(buildToolbar());
    layout->addLayout(columns, 1);
}

QWidget *TemplateDesignerWindow::buildToolbar()
{
    auto *toolbar = new QWidget(this);
    toolbar->setObjectName(QStringLiteral("toolbar"));
    auto *row = new QHBoxLayout(toolbar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    const bool opensFile = openMode_ == OpenExistingFile;
    const QString firstToolTip = opensFile    ? tr("他のフォームファイルを開きます。")
                                 : fromEditor_ ? tr("このフォームを文字入力画面に反映します。")
                                               : tr("このフォームで文字入力を始めます。");
    toolButtons_[0] = artwork::makeCommandButton(toolbar, QStringLiteral("toolButton1"),
                                                 opensFile ? QStringLiteral("open-file") : QStringLiteral("ok"),
                                                 fromEditor_ ? tr("Ｏ   Ｋ") : tr("開    く"), firstToolTip);
    toolButtons_[1] = artwork::makeCommandButton(toolbar, QStringLiteral("toolButton2"), QStringLiteral("save"),
                                                 tr("保    存"), tr("フォームファイルを保存します。"));
    toolButtons_[2] = artwork::makeCommandButton(toolbar, QStringLiteral("toolButton3"), QStringLiteral("close"),
                                                 tr("閉 じ る"), tr("フォームの設定を閉じます。"));
    connect(toolButtons_[0], &PictureButton::clicked, this, &TemplateDesignerWindow::openOrCommit);
    connect(toolButtons_[1], &PictureButton::clicked, this, &TemplateDesignerWindow::saveTemplate);
    connect(toolButtons_[2], &PictureButton::clicked, this, &QWidget::close);
    for (PictureButton *button : toolButtons_)
        row->addWidget(button);
    row->addStretch(1);
    // The label-sheet commands share the row, apart from the six buttons.
    row->addWidget(buildSheetCommands(toolbar));
    return toolbar;
}

QWidget *TemplateDesignerWindow::buildSheetCommands(QWidget *parent)
{
    auto *commands = new QWidget(parent);
    commands->setObjectName(QStringLiteral("sheetCommands"));
    auto *row = new QHBoxLayout(commands);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    PictureButton *choose = artwork::makeCommandButton(commands, QStringLiteral("chooseProductButton"),
                                                       QStringLiteral("product-choose"), tr("製品から選ぶ"),
                                                       tr("市販のラベル用紙を製品番号などで探して、そのままフォームにします。"));
    PictureButton *grid = artwork::makeCommandButton(commands, QStringLiteral("labelGridButton"),
                                                     QStringLiteral("label-grid"), tr("格子で配置"),
                                                     tr("列と行、ラベルの大きさ、余白とピッチからラベルを並べます。"));
    PictureButton *save = artwork::makeCommandButton(commands, QStringLiteral("saveProductButton"),
                                                     QStringLiteral("product-save"), tr("製品として保存"),
                                                     tr("このフォームを「製品から選ぶ」の一覧に加えます。"));
    connect(choose, &PictureButton::clicked, this, &TemplateDesignerWindow::chooseProduct);
    connect(grid, &PictureButton::clicked, this, &TemplateDesignerWindow::layOutGrid);
    connect(save, &PictureButton::clicked, this, &TemplateDesignerWindow::saveAsProduct);
    row->addWidget(choose);
    row->addWidget(grid);
    row->addWidget(save);
    return commands;
}

QWidget *TemplateDesignerWindow::buildPreviewGroup()
{
    auto *group = new QGroupBox(tr("フォームイメージ"), this);
    auto *layout = new QVBoxLayout(group);

    preview_ = new TemplatePreview(group);
    connect(preview_, &TemplatePreview::rectanglePressed, this, &TemplateDesignerWindow::beginDrag);
    connect(preview_, &TemplatePreview::rectangleMoved, this, &TemplateDesignerWindow::followDrag);
    connect(preview_, &TemplatePreview::rectangleReleased, this, [this] {
        if (draft_.isDragging())
            endDrag();
    });

    auto *zoomRow = new QHBoxLayout;
    zoomRow->addStretch(1);
    zoomRow->addWidget(new QLabel(tr("倍率："), group));
    zoomField_ = new QSpinBox(group);
    zoomField_->setObjectName(QStringLiteral("zoom"));
    zoomField_->setRange(TemplateDraft::MinZoom, TemplateDraft::MaxZoom);
    zoomField_->setSingleStep(1);
    zoomField_->setValue(draft_.zoom());
    zoomField_->setFixedWidth(60);
    connect(zoomField_, &QSpinBox::valueChanged, &draft_, &TemplateDraft::setZoom);
    zoomRow->addWidget(zoomField_);

    layout->addWidget(preview_, 1);
    layout->addLayout(zoomRow);
    return group;
}

void TemplateDesignerWindow::connectDraft()
{
    connect(&draft_, &TemplateDraft::replaced, this, &TemplateDesignerWindow::showDraft);
    connect(&draft_, &TemplateDraft::labelAdded, this, [this](int label) {
        preview_->addRectangle(label, draft_.labelPreviewPixels(label, state_.TwipsPerPixelX, state_.TwipsPerPixelY));
    });
    connect(&draft_, &TemplateDraft::labelDeleted, preview_, &TemplatePreview::removeRectangle);
    connect(&draft_, &TemplateDraft::currentLabelChanged, preview_, &TemplatePreview::setCurrent);
    connect(&draft_, &TemplateDraft::geometryChanged, this, &TemplateDesignerWindow::placeRectangle);
    connect(&draft_, &TemplateDraft::sheetSizeChanged, this, &TemplateDesignerWindow::showSheetSize);
    connect(&draft_, &TemplateDraft::zoomChanged, this, [this] {
        if (zoomField_->value() != draft_.zoom())
            zoomField_->setValue(draft_.zoom());
        showSheetSize();
        for (int label = 1; label <= draft_.labelCount(); ++label)
            placeRectangle(label);
    });
}

// --- Opening -------------------------------------------------------------

bool TemplateDesignerWindow::start()
{
    if (started_)
        return true;
    SheetTemplate sheet;
    QString name;
    switch (openMode_) {
    case OpenExistingFile:
        try {
            sheet = loadTemplateFile(state_.DocumentPath, SheetTemplate{});
        } catch (const UserError &error) {
            // Nothing half-read is shown: the designer never opens.
            state_.ModalMode = ModalNone;
            state_.OpenMode = OpenNothing;
            BusyPointer::clear();
            state_.prompts->tell(OpenRefusedMessage(DocumentKind::Template, state_.DocumentPath, error),
                                 PromptIcon::Critical);
            return false;
        }
        name = QFileInfo(state_.DocumentPath).fileName();
        noteRecentlyUsed(state_.DocumentPath);
        break;
    case OpenFromTemplate:
        sheet = state_.document.sheet();
        name = state_.DocumentTemplateName;
        break;
    default:
        sheet = SheetTemplate::newTemplate();
        name = QString::fromLatin1(NewTemplateName);
        break;
    }
    started_ = true;
    draft_.reset(sheet, name);
    zoomField_->setValue(state_.settings.designerZoom);
    // Over the editor the document stays in the designer's hands until it closes.
    state_.ModalMode = fromEditor_ ? ModalBusy : ModalNone;
    BusyPointer::clear();
    return true;
}

void TemplateDesignerWindow::showEvent(QShowEvent *event)
{
    SkinnedWindow::showEvent(event);
    if (!started_ && !start())
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

// --- Showing the draft ---------------------------------------------------------

void TemplateDesignerWindow::showDraft()
{
    preview_->removeAllRectangles();
    for (int label = 1; label <= draft_.labelCount(); ++label)
        preview_->addRectangle(label, draft_.labelPreviewPixels(label, state_.TwipsPerPixelX, state_.TwipsPerPixelY));
    showSheetSize();
    preview_->setCurrent(draft_.currentLabel());
}

void TemplateDesignerWindow::showSheetSize()
{
    preview_->setSheetSize(draft_.sheetPreviewPixels(state_.TwipsPerPixelX, state_.TwipsPerPixelY));
}

LabelRectangle *TemplateDesignerWindow::labelRectangle(int label) const { return preview_->rectangle(label); }

void TemplateDesignerWindow::placeRectangle(int label)
{
    preview_->placeRectangle(label, draft_.labelPreviewPixels(label, state_.TwipsPerPixelX, state_.TwipsPerPixelY));
}

// --- Label commands ------------------------------------------------------------

void TemplateDesignerWindow::selectLabel(int label) { draft_.selectLabel(label); }

void TemplateDesignerWindow::addLabel() { draft_.addLabel(); }

void TemplateDesignerWindow::deleteLabel()
{
    if (draft_.deleteCurrentLabel() == TemplateDraft::Deletion::FirstLabel)
        state_.prompts->tell(tr("ラベル①は、削除できません"), PromptIcon::Exclamation);
}

// --- Label sheets --------------------------------------------------------------

void TemplateDesignerWindow::chooseProduct()
{
    if (draft_.isDragging())
        return;
    ProductChooserDialog dialog(state_, draft_.minimumLabelCount(), this);
    if (dialog.exec() != QDialog::Accepted || !dialog.chosenProduct())
        return;
    useProduct(*dialog.chosenProduct());
}

bool TemplateDesignerWindow::useProduct(const LabelProduct &product)
{
    if (!replaceTemplate(templateFromProduct(product), product.displayName()))
        return false;
    const QString leftOut = labelsLeftOutMessage(product);
    if (!leftOut.isEmpty())
        state_.prompts->tell(leftOut, PromptIcon::Information);
    return true;
}

void TemplateDesignerWindow::layOutGrid()
{
    if (draft_.isDragging())
        return;
    LabelGridDialog dialog(draft_.toTemplate(), draft_.minimumLabelCount(), this);
    if (dialog.exec() != QDialog::Accepted || !dialog.problem().isEmpty())
        return;
    replaceTemplate(dialog.laidOut(), std::nullopt);
}

bool TemplateDesignerWindow::replaceTemplate(const SheetTemplate &sheet, const std::optional<QString> &name)
{
    switch (draft_.replaceTemplate(sheet, name)) {
    case TemplateDraft::Replacement::Replaced:
        return true;
    case TemplateDraft::Replacement::TooFewLabels:
        state_.prompts->tell(TemplateDraft::tooFewLabelsMessage(draft_.minimumLabelCount()), PromptIcon::Exclamation);
        return false;
    case TemplateDraft::Replacement::NoLabels:
        break;
    }
    return false;
}

void TemplateDesignerWindow::saveAsProduct()
{
    if (draft_.isDragging())
        return;
    QString code = draft_.name().trimmed();
    if (code.endsWith(QLatin1String(".fom"), Qt::CaseInsensitive))
        code.chop(4);
    ProductSaveDialog dialog(QString(), code, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString shownName = dialog.maker() + QLatin1Char(' ') + dialog.code();
    // The user's product takes the place of one of the same name in the list.
    if (const LabelProduct *same = productCatalogue(state_)->find(dialog.maker(), dialog.code())) {
        const QString question =
            same->fromUser ? tr("製品「%1」はすでに保存されています。\r上書きしますか？").arg(shownName)
                           : tr("製品「%1」はカタログにあります。\r一覧ではこの保存した製品に置き換わります。保存しますか？")
                                 .arg(shownName);
        if (!state_.prompts->ask(question, PromptIcon::Question, Preselect::No))
            return;
    }
    try {
        saveUserProduct(ProductCatalogue::userProductFolder(state_.dataFolder), dialog.maker(), dialog.code(),
                        dialog.description(), draft_.toTemplate());
    } catch (const UserError &error) {
        state_.prompts->tell(SaveFailedMessage() + QLatin1Char('\r') + error.message(), PromptIcon::Critical);
        return;
    }
    forgetProductCatalogue(state_);
    state_.prompts->tell(tr("製品「%1」を保存しました。\r「製品から選ぶ」で選べます。").arg(shownName),
                         PromptIcon::Information);
}

// --- Toolbar -------------------------------------------------------------------

void TemplateDesignerWindow::openOrCommit()
{
    if (draft_.isDragging())
        return;
    switch (openMode_) {
    case OpenExistingFile:
        openAnotherTemplate();
        break;
    case OpenFromTemplate:
        commitToDocument();
        break;
    default:
        // The editor starts a new document on this template and closes the
        // designer; if it does not open, the designer stays as it is.
        state_.designerTemplate = draft_.toTemplate();
        state_.DocumentTemplateName = draft_.name();
        state_.ModalMode = ModalBusy;
        if (!state_.windows->openEditor())
            state_.ModalMode = ModalNone;
        break;
    }
}

void TemplateDesignerWindow::commitToDocument()
{
    SheetTemplate &sheet = state_.document.sheet();
    const SheetTemplate committed = draft_.toTemplate();
    sheet.SheetWidth = committed.SheetWidth;
    sheet.SheetHeight = committed.SheetHeight;
    sheet.LabelCount = committed.LabelCount;
    sheet.LabelGeometry = committed.LabelGeometry;
    state_.DocumentTemplateName = draft_.name();
    state_.ReRenderAll = true;
    committed_ = true;
    close();
}

void TemplateDesignerWindow::openAnotherTemplate()
{
    if (draft_.isModified() &&
        !state_.prompts->ask(tr("データが編集されています。\r保存せずに他のフォームを開きますか？"),
                             PromptIcon::Question, Preselect::No))
        return;
    const std::optional<QString> path = state_.prompts->openFileName(TemplateFileFilter);
    if (!path) {
        BusyPointer::clear();
        state_.ModalMode = ModalNone;
        return;
    }
    SheetTemplate sheet;
    try {
        sheet = loadTemplateFile(*path, draft_.toTemplate());
    } catch (const UserError &error) {
        // The template being designed stays as it was.
        state_.prompts->tell(OpenRefusedMessage(DocumentKind::Template, *path, error), PromptIcon::Critical);
        return;
    }
    noteRecentlyUsed(*path);
    state_.DocumentPath = *path;
    state_.OpenMode = OpenExistingFile;
    BusyPointer::show();
    state_.ModalMode = ModalDesignerReloading;
    draft_.reset(sheet, QFileInfo(*path).fileName());
    state_.ModalMode = ModalNone;
    BusyPointer::clear();
}

void TemplateDesignerWindow::saveTemplate()
{
    if (draft_.isDragging())
        return;
    if (!draft_.hasName()) {
        state_.prompts->tell(tr("フォーム名を入力してください。"), PromptIcon::Exclamation);
        fields_->nameField()->setFocus();
        return;
    }
    const QString name = draft_.name();
    const SheetTemplate sheet = draft_.toTemplate();
    // Over the editor the document's template changes only by "Ｏ   Ｋ".
    if (!fromEditor_) {
        state_.DocumentPath = name;
        state_.designerTemplate = sheet;
    }
    const std::optional<QString> path = state_.prompts->saveFileName(TemplateFileFilter, name);
    if (!path || path->isEmpty())
        return;
    if (QFileInfo::exists(*path) && !state_.prompts->ask(OverwriteQuestion(), PromptIcon::Question, Preselect::No))
        return;
    try {
        saveTemplateFile(*path, sheet);
    } catch (const UserError &) {
        state_.prompts->tell(SaveFailedMessage() + QLatin1Char('\r') + *path, PromptIcon::Critical);
        return;
    }
    noteRecentlyUsed(*path);
    draft_.markSaved();
}

// --- Closing -------------------------------------------------------------------

void TemplateDesignerWindow::closeForEditor()
{
    closingForEditor_ = true;
    close();
}

void TemplateDesignerWindow::closeEvent(QCloseEvent *event)
{
    if (draft_.isDragging())
        endDrag();
    const bool asks = started_ && draft_.isModified() && !closingForEditor_ && !committed_;
    if (asks && !state_.prompts->ask(tr("データが編集されています。\rこのまま終了しますか？"), PromptIcon::Question,
                                     Preselect::No)) {
        event->ignore();
        return;
    }
    state_.ModalMode = ModalNone;
    state_.OpenMode = OpenNothing;
    if (started_) {
        state_.settings.designer = placeOf(*this, state_.TwipsPerPixelX, state_.TwipsPerPixelY);
        state_.settings.designerZoom = qint16(draft_.zoom());
    }
    if (fromEditor_)
        state_.windows->enableEditor();
    else if (!closingForEditor_)
        state_.windows->showMainMenu();
    state_.DesignerFromEditor = false;
    event->accept();
}

// --- Dragging labels in the preview ------------------------------------------------

void TemplateDesignerWindow::beginDrag(int label, QPointF grabPoint)
{
    draft_.beginDrag(label);
    grabPoint_ = grabPoint;
    preview_->showDragFrame(label);
    showDragInfo(QString());
}

void TemplateDesignerWindow::followDrag(int label, QPointF pointer)
{
    if (!draft_.isDragging())
        return;
    // The rectangle stays put while the frame moves, so its coordinates are
    // a fixed reference for the pointer.
    const QPointF moved = pointer - grabPoint_;
    draft_.dragBy(moved, state_.TwipsPerPixelX, state_.TwipsPerPixelY);
    preview_->showDragFrame(label, moved.toPoint());
    showDragInfo(QStringLiteral(" "));
}

void TemplateDesignerWindow::showDragInfo(const QString &separator)
{
    const QPoint at = draft_.dragMillimetres();
    // "横端から" goes with the left position and "縦端から" with the top, the
    // other way round from the field captions; users of the program know
    // the box this way.
    preview_->showDragInfo(tr("横端から") + separator + QString::number(at.x()),
                           tr("縦端から") + separator + QString::number(at.y()));
}

void TemplateDesignerWindow::endDrag()
{
    preview_->hideDrag();
    // The draft holds the new place to the sheet; the rectangle and the
    // fields follow it.
    draft_.endDrag();
}

} // namespace porkane
