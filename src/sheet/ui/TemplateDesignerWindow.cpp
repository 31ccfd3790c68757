#include "sheet/ui/TemplateDesignerWindow.h"

#include <cmath>

#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include "session/AppState.h"
#include "session/Messages.h"
#include "session/Prompts.h"
#include "session/WindowHub.h"
#include "widgets/Artwork.h"
#include "widgets/BusyPointer.h"
#include "widgets/NumberField.h"
#include "widgets/PictureButton.h"
#include "widgets/WindowPlacement.h"
#include "core/Errors.h"
#include "core/Rounding.h"
#include "sheet/TemplateFile.h"
#include "sheet/ui/TemplatePreview.h"

namespace porkane {

namespace {

const QString OpenCaption = QStringLiteral("開    く");
const QString OkCaption = QStringLiteral("Ｏ   Ｋ");
const QString NameMissingMessage = QStringLiteral("フォーム名を入力してください。");
const QString FirstLabelMessage = QStringLiteral("ラベル①は、削除できません");
const QString CloseQuestion = QStringLiteral("データが編集されています。\rこのまま終了しますか？");
const QString OpenAnotherQuestion = QStringLiteral("データが編集されています。\r保存せずに他のフォームを開きますか？");

// The field captions, by geometry item. Their runs of spaces were line
// breaks of a narrow caption; here they are shown as such.
const std::array<QString, SheetTemplate::GeometryItems> GeometryCaptions = {
    QStringLiteral("２．フォーム横端から           ラベル横端まで゜"),
    QStringLiteral("1．フォーム縦端から           ラベル縦端まで゜"),
    QStringLiteral("４．ラベル横長"),
    QStringLiteral("３．ラベル縦長"),
    QStringLiteral("６．ラベル横端からの           印刷開始位置"),
    QStringLiteral("５．ラベル縦端からの           印刷開始位置"),
};
// The fields are listed in this order of items, numbered 1 to 6 on screen.
constexpr std::array<int, SheetTemplate::GeometryItems> ShownItemOrder = {1, 0, 3, 2, 5, 4};

const SheetTemplate::Geometry NewLabelGeometry = {0, 0, 20, 20, 0, 0};

QString shownCaption(const QString &caption)
{
    QString shown = caption;
    static const QRegularExpression spaces(QStringLiteral(" {2,}"));
    shown.replace(spaces, QStringLiteral("\n"));
    return shown;
}

QLabel *unitLabel(QWidget *parent) { return new QLabel(QStringLiteral("mm"), parent); }

} // namespace

TemplateDesignerWindow::TemplateDesignerWindow(AppState &state, QWidget *parent)
    : SkinnedWindow(TitleBar | MinimiseButton | MaximiseButton | CloseButton | ResizeGrip, parent), state_(state)
{
    Q_ASSERT(state_.prompts && state_.windows);
    setObjectName(QStringLiteral("Form3"));
    setTitle(QStringLiteral("フォームの設定"));
    openMode_ = state_.OpenMode;
    fromEditor_ = state_.DesignerFromEditor || openMode_ == OpenFromTemplate;
    for (auto &row : working_)
        row.fill(0);
    buildControls();
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
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid #e2b594; border-radius: 6px; margin-top: 9px;"
        " background: rgba(255, 255, 255, 140); padding: 6px 6px 4px 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: #8a3c1c; }"
        "QLabel { color: #5a3622; }"));

    auto *columns = new QHBoxLayout;
    columns->setSpacing(10);
    columns->addWidget(buildFormGroups(), 0);
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
    toolButtons_[0] = artwork::makeCommandButton(toolbar, QStringLiteral("toolButton1"), opensFile ? QStringLiteral("open-file")
                                                                                    : QStringLiteral("ok"),
                                 fromEditor_ ? OkCaption : OpenCaption,
                                 opensFile ? QStringLiteral("他のフォームファイルを開きます。")
                                 : fromEditor_ ? QStringLiteral("このフォームを文字入力画面に反映します。")
                                               : QStringLiteral("このフォームで文字入力を始めます。"));
    toolButtons_[1] = artwork::makeCommandButton(toolbar, QStringLiteral("toolButton2"), QStringLiteral("save"),
                                 QStringLiteral("保    存"), QStringLiteral("フォームファイルを保存します。"));
    toolButtons_[2] = artwork::makeCommandButton(toolbar, QStringLiteral("toolButton3"), QStringLiteral("close"),
                                 QStringLiteral("閉 じ る"), QStringLiteral("フォームの設定を閉じます。"));
    connect(toolButtons_[0], &PictureButton::clicked, this, &TemplateDesignerWindow::openOrCommit);
    connect(toolButtons_[1], &PictureButton::clicked, this, &TemplateDesignerWindow::saveTemplate);
    connect(toolButtons_[2], &PictureButton::clicked, this, &QWidget::close);
    for (PictureButton *button : toolButtons_)
        row->addWidget(button);
    row->addStretch(1);
    return toolbar;
}

QWidget *TemplateDesignerWindow::buildFormGroups()
{
    auto *panel = new QWidget(this);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);

    auto *nameGroup = new QGroupBox(QStringLiteral("フォーム名"), panel);
    nameField_ = new QLineEdit(nameGroup);
    nameField_->setObjectName(QStringLiteral("formName"));
    nameField_->setMaxLength(200);
    connect(nameField_, &QLineEdit::textEdited, this, [this] { setModified(); });
    auto *nameLayout = new QHBoxLayout(nameGroup);
    nameLayout->addWidget(nameField_);
    column->addWidget(nameGroup);

    auto *sizeGroup = new QGroupBox(QStringLiteral("フォームサイズ"), panel);
    auto *sizeLayout = new QHBoxLayout(sizeGroup);
    const auto addSizeField = [&](const QString &name, const QString &caption) {
        auto *field = new NumberField(sizeGroup);
        field->setObjectName(name);
        field->setSpinnerRange(0, MaxSheetSize);
        field->setFixedWidth(78);
        sizeLayout->addWidget(new QLabel(caption, sizeGroup));
        sizeLayout->addWidget(field);
        sizeLayout->addWidget(unitLabel(sizeGroup));
        connect(field, &QSpinBox::valueChanged, this, [this, field](int value) { sheetSizeChanged(field, value); });
        return field;
    };
    widthField_ = addSizeField(QStringLiteral("sheetWidth"), QStringLiteral("横長："));
    sizeLayout->addSpacing(12);
    heightField_ = addSizeField(QStringLiteral("sheetHeight"), QStringLiteral("縦長："));
    sizeLayout->addStretch(1);
    column->addWidget(sizeGroup);

    auto *labelGroup = new QGroupBox(QStringLiteral("ラベル設定"), panel);
    auto *labelLayout = new QHBoxLayout(labelGroup);
    labelLayout->setSpacing(10);

    auto *listColumn = new QVBoxLayout;
    listColumn->setSpacing(2);
    listColumn->addWidget(new QLabel(QStringLiteral("  Ｎｏ．"), labelGroup));
    labelList_ = new QListWidget(labelGroup);
    labelList_->setObjectName(QStringLiteral("labelList"));
    labelList_->setFixedWidth(64);
    QFont listFont = labelList_->font();
    listFont.setPixelSize(15);
    labelList_->setFont(listFont);
    labelList_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(labelList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            selectLabel(row + 1);
    });
    listColumn->addWidget(labelList_, 1);
    labelLayout->addLayout(listColumn);

    auto *fieldsColumn = new QVBoxLayout;
    fieldsColumn->setSpacing(6);
    auto *labelButtons = new QHBoxLayout;
    labelButtons->setSpacing(8);
    addButton_ = artwork::makeCommandButton(labelGroup, QStringLiteral("addLabelButton"), QStringLiteral("label-add"),
                            QStringLiteral("ラベルの追加"), QStringLiteral("ラベルを一つ追加します。"));
    deleteButton_ = artwork::makeCommandButton(labelGroup, QStringLiteral("deleteLabelButton"), QStringLiteral("label-delete"),
                               QStringLiteral("ラベルの削除"), QStringLiteral("選択中のラベルを削除します。"));
    connect(addButton_, &PictureButton::clicked, this, &TemplateDesignerWindow::addLabel);
    connect(deleteButton_, &PictureButton::clicked, this, &TemplateDesignerWindow::deleteLabel);
    labelButtons->addWidget(addButton_);
    labelButtons->addWidget(deleteButton_);
    labelButtons->addStretch(1);
    fieldsColumn->addLayout(labelButtons);

    auto *fieldsGrid = new QGridLayout;
    fieldsGrid->setHorizontalSpacing(6);
    fieldsGrid->setVerticalSpacing(5);
    for (int row = 0; row < SheetTemplate::GeometryItems; ++row) {
        const int item = ShownItemOrder[std::size_t(row)];
        auto *caption = new QLabel(shownCaption(GeometryCaptions[std::size_t(item)]), labelGroup);
        caption->setObjectName(QStringLiteral("geometryCaption%1").arg(item));
        auto *field = new NumberField(labelGroup);
        field->setObjectName(QStringLiteral("geometryField%1").arg(item));
        field->setFixedWidth(78);
        geometryFields_[std::size_t(item)] = field;
        connect(field, &QSpinBox::valueChanged, this, [this, item](int value) { geometryChanged(item, value); });
        fieldsGrid->addWidget(caption, row, 0);
        fieldsGrid->addWidget(field, row, 1, Qt::AlignVCenter);
        fieldsGrid->addWidget(unitLabel(labelGroup), row, 2);
    }
    fieldsColumn->addLayout(fieldsGrid);
    fieldsColumn->addStretch(1);
    labelLayout->addLayout(fieldsColumn, 1);
    column->addWidget(labelGroup, 1);

    auto *directionGroup = new QGroupBox(QStringLiteral("プリンタ挿入方向"), panel);
    auto *directionLayout = new QHBoxLayout(directionGroup);
    for (int index = 1; index <= 2; ++index) {
        auto *picture = new QLabel(directionGroup);
        picture->setObjectName(QStringLiteral("printerDirection%1").arg(index));
        picture->setPixmap(artwork::picture(QStringLiteral("printer-direction-%1").arg(index), QSize(150, 64)));
        directionLayout->addWidget(picture);
    }
    directionLayout->addStretch(1);
    column->addWidget(directionGroup);
    return panel;
}

QWidget *TemplateDesignerWindow::buildPreviewGroup()
{
    auto *group = new QGroupBox(QStringLiteral("フォームイメージ"), this);
    auto *layout = new QVBoxLayout(group);

    preview_ = new QScrollArea(group);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    preview_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    preview_->setWidgetResizable(false);
    preview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    preview_->setMinimumSize(300, 300);
    QPalette viewportColours = preview_->viewport()->palette();
    viewportColours.setColor(QPalette::Window, QColor(0xe8, 0xdf, 0xd6));
    preview_->viewport()->setPalette(viewportColours);
    preview_->viewport()->setAutoFillBackground(true);
    sheetPicture_ = new SheetPicture;
    preview_->setWidget(sheetPicture_);
    dragFrame_ = new DragFrame(sheetPicture_);

    dragInfo_ = new QFrame(preview_->viewport());
    dragInfo_->setObjectName(QStringLiteral("dragInfo"));
    dragInfo_->setStyleSheet(QStringLiteral(
        "#dragInfo { background: #fffbe8; border: 1px solid #c4572c; border-radius: 3px; }"
        "#dragInfo QLabel { background: transparent; }"));
    auto *infoLayout = new QVBoxLayout(dragInfo_);
    infoLayout->setContentsMargins(6, 3, 6, 3);
    infoLayout->setSpacing(1);
    dragInfoLeft_ = new QLabel(dragInfo_);
    dragInfoLeft_->setObjectName(QStringLiteral("dragInfoLeft"));
    dragInfoTop_ = new QLabel(dragInfo_);
    dragInfoTop_->setObjectName(QStringLiteral("dragInfoTop"));
    infoLayout->addWidget(dragInfoLeft_);
    infoLayout->addWidget(dragInfoTop_);
    dragInfo_->hide();

    auto *zoomRow = new QHBoxLayout;
    zoomRow->addStretch(1);
    zoomRow->addWidget(new QLabel(QStringLiteral("倍率："), group));
    zoomField_ = new QSpinBox(group);
    zoomField_->setObjectName(QStringLiteral("zoom"));
    zoomField_->setRange(1, 10);
    zoomField_->setSingleStep(1);
    zoomField_->setValue(2);
    zoomField_->setFixedWidth(60);
    connect(zoomField_, &QSpinBox::valueChanged, this, &TemplateDesignerWindow::zoomChanged);
    zoomRow->addWidget(zoomField_);

    layout->addWidget(preview_, 1);
    layout->addLayout(zoomRow);
    return group;
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
        } catch (const UserError &) {
            // Nothing half-read is shown: the designer never opens.
            state_.ModalMode = ModalNone;
            state_.OpenMode = OpenNothing;
            BusyPointer::clear();
            state_.prompts->tell(BrokenFileMessage(), PromptIcon::Critical);
            return false;
        }
        name = QFileInfo(state_.DocumentPath).fileName();
        break;
    case OpenFromTemplate:
        sheet = state_.document.sheet();
        break;
    default:
        sheet = SheetTemplate::newTemplate();
        name = QString::fromLatin1(NewTemplateName);
        break;
    }
    started_ = true;
    initialising_ = true;
    showTemplate(sheet, name);
    zoomField_->setValue(state_.settings.designerZoom);
    initialising_ = false;
    modified_ = false;
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

void TemplateDesignerWindow::showTemplate(const SheetTemplate &sheet, const QString &name)
{
    showingValues_ = true;
    removeAllRectangles();
    labelList_->clear();
    for (std::size_t label = 1; label < working_.size(); ++label)
        working_[label] = sheet.LabelGeometry[label];
    labelCount_ = std::clamp<int>(sheet.LabelCount, 1, SheetTemplate::MaxLabels);
    if (sheet.LabelCount < 1)
        working_[1] = NewLabelGeometry;

    nameField_->setText(name);
    widthField_->setValue(sheet.SheetWidth);
    heightField_->setValue(sheet.SheetHeight);
    for (int label = 1; label <= labelCount_; ++label) {
        labelList_->addItem(QLatin1Char(' ') + circledNumber(label));
        addRectangle(label);
    }
    deleteButton_->setEnabled(labelCount_ > 1 && !fromEditor_);
    showingValues_ = false;

    applySheetSize();
    // As each label was added in turn, the last one is current.
    selectLabel(labelCount_);
}

// --- Label list and values -------------------------------------------------

LabelRectangle *TemplateDesignerWindow::labelRectangle(int label) const
{
    if (label < 1 || label > int(rectangles_.size()))
        return nullptr;
    return rectangles_[std::size_t(label - 1)];
}

int TemplateDesignerWindow::zoom() const { return zoomField_->value(); }

void TemplateDesignerWindow::selectLabel(int label)
{
    if (label < 1 || label > labelCount_)
        return;
    currentLabel_ = label;
    if (labelList_->currentRow() != label - 1) {
        const QSignalBlocker blocker(labelList_);
        labelList_->setCurrentRow(label - 1);
    }
    for (LabelRectangle *rectangle : rectangles_)
        rectangle->setCurrent(rectangle->label() == label);
    showCurrentValues();
}

void TemplateDesignerWindow::showCurrentValues()
{
    showingValues_ = true;
    updateGeometryMaxima();
    const SheetTemplate::Geometry &row = working_[std::size_t(currentLabel_)];
    for (int item : ShownItemOrder)
        geometryFields_[std::size_t(item)]->setValue(row[std::size_t(item)]);
    updateGeometryMaxima();
    showingValues_ = false;
}

void TemplateDesignerWindow::updateGeometryMaxima()
{
    const SheetTemplate::Geometry &row = working_[std::size_t(currentLabel_)];
    const int sheetWidth = widthField_->value();
    const int sheetHeight = heightField_->value();
    geometryFields_[TopOffset]->setSpinnerRange(0, sheetHeight);
    geometryFields_[LabelHeight]->setSpinnerRange(0, sheetHeight);
    geometryFields_[LeftOffset]->setSpinnerRange(0, sheetWidth);
    geometryFields_[LabelWidth]->setSpinnerRange(0, sheetWidth);
    geometryFields_[VerticalPrintStart]->setSpinnerRange(0, row[LabelHeight]);
    geometryFields_[HorizontalPrintStart]->setSpinnerRange(0, row[LabelWidth]);
}

void TemplateDesignerWindow::setModified()
{
    if (!initialising_)
        modified_ = true;
}

// --- Field changes -----------------------------------------------------------

void TemplateDesignerWindow::sheetSizeChanged(NumberField *field, int value)
{
    if (showingValues_)
        return;
    // The text is corrected in place, which comes back here with the bound.
    if (value > MaxSheetSize) {
        field->setValue(MaxSheetSize);
        return;
    }
    if (value < 0) {
        field->setValue(0);
        return;
    }
    applySheetSize();
    setModified();
}

void TemplateDesignerWindow::applySheetSize()
{
    const double scale = twipsPerMillimetre();
    sheetPicture_->resize(std::max(1, toPixelsX(widthField_->value() * scale)),
                          std::max(1, toPixelsY(heightField_->value() * scale)));
    updateGeometryMaxima();
}

void TemplateDesignerWindow::geometryChanged(int item, int value)
{
    if (showingValues_)
        return;
    NumberField *field = geometryFields_[std::size_t(item)];
    if (value < 0) {
        field->setValue(0);
        return;
    }
    if (value > field->spinnerMaximum()) {
        field->setValue(field->spinnerMaximum());
        return;
    }
    working_[std::size_t(currentLabel_)][std::size_t(item)] = qint16(value);
    placeRectangle(currentLabel_);
    if (item == LabelWidth || item == LabelHeight)
        updateGeometryMaxima();
    setModified();
}

void TemplateDesignerWindow::zoomChanged()
{
    applySheetSize();
    for (int label = 1; label <= labelCount_; ++label)
        placeRectangle(label);
}

double TemplateDesignerWindow::twipsPerMillimetre() const { return 10.0 * zoomField_->value(); }

int TemplateDesignerWindow::toPixelsX(double twips) const { return int(std::lround(twips / state_.TwipsPerPixelX)); }

int TemplateDesignerWindow::toPixelsY(double twips) const { return int(std::lround(twips / state_.TwipsPerPixelY)); }

void TemplateDesignerWindow::placeRectangle(int label)
{
    LabelRectangle *rectangle = labelRectangle(label);
    if (!rectangle)
        return;
    const SheetTemplate::Geometry &row = working_[std::size_t(label)];
    const double scale = twipsPerMillimetre();
    rectangle->setGeometry(toPixelsX(row[LeftOffset] * scale), toPixelsY(row[TopOffset] * scale),
                           std::max(1, toPixelsX(row[LabelWidth] * scale)),
                           std::max(1, toPixelsY(row[LabelHeight] * scale)));
}

LabelRectangle *TemplateDesignerWindow::addRectangle(int label)
{
    auto *rectangle = new LabelRectangle(label, sheetPicture_);
    rectangle->installEventFilter(this);
    rectangles_.push_back(rectangle);
    placeRectangle(label);
    rectangle->show();
    dragFrame_->raise();
    return rectangle;
}

void TemplateDesignerWindow::removeAllRectangles()
{
    for (LabelRectangle *rectangle : rectangles_)
        delete rectangle;
    rectangles_.clear();
}

// --- Adding and deleting labels --------------------------------------------

void TemplateDesignerWindow::addLabel()
{
    if (!fromEditor_)
        deleteButton_->setEnabled(true);
    if (labelCount_ >= SheetTemplate::MaxLabels)
        return;
    ++labelCount_;
    working_[std::size_t(labelCount_)] = NewLabelGeometry;
    labelList_->addItem(QLatin1Char(' ') + circledNumber(labelCount_));
    addRectangle(labelCount_);
    selectLabel(labelCount_);
    setModified();
}

void TemplateDesignerWindow::deleteLabel()
{
    if (currentLabel_ == 1) {
        state_.prompts->tell(FirstLabelMessage, PromptIcon::Exclamation);
        return;
    }
    const int deleted = currentLabel_;
    delete rectangles_[std::size_t(deleted - 1)];
    rectangles_.erase(rectangles_.begin() + (deleted - 1));
    for (int k = deleted; k < SheetTemplate::MaxLabels; ++k)
        working_[std::size_t(k)] = working_[std::size_t(k + 1)];
    --labelCount_;
    if (labelCount_ == 1)
        deleteButton_->setEnabled(false);

    {
        const QSignalBlocker blocker(labelList_);
        labelList_->clear();
        // The rebuilt entries carry no leading space.
        for (int label = 1; label <= labelCount_; ++label)
            labelList_->addItem(circledNumber(label));
    }
    for (std::size_t index = 0; index < rectangles_.size(); ++index)
        rectangles_[index]->setLabel(int(index) + 1);
    selectLabel(1);
    setModified();
}

// --- Toolbar -------------------------------------------------------------------

SheetTemplate TemplateDesignerWindow::fieldsTemplate() const
{
    SheetTemplate sheet;
    sheet.SheetWidth = roundToInt16(widthField_->value());
    sheet.SheetHeight = roundToInt16(heightField_->value());
    sheet.LabelCount = qint16(labelCount_);
    for (std::size_t label = 1; label < working_.size(); ++label)
        sheet.LabelGeometry[label] = working_[label];
    return sheet;
}

void TemplateDesignerWindow::openOrCommit()
{
    if (dragging_)
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
        state_.designerTemplate = fieldsTemplate();
        state_.ModalMode = ModalBusy;
        if (!state_.windows->openEditor())
            state_.ModalMode = ModalNone;
        break;
    }
}

void TemplateDesignerWindow::commitToDocument()
{
    SheetTemplate &sheet = state_.document.sheet();
    const SheetTemplate committed = fieldsTemplate();
    sheet.SheetWidth = committed.SheetWidth;
    sheet.SheetHeight = committed.SheetHeight;
    sheet.LabelCount = committed.LabelCount;
    sheet.LabelGeometry = committed.LabelGeometry;
    state_.ReRenderAll = true;
    committed_ = true;
    close();
}

void TemplateDesignerWindow::openAnotherTemplate()
{
    if (modified_ && !state_.prompts->ask(OpenAnotherQuestion, PromptIcon::Question, Preselect::No))
        return;
    const std::optional<QString> path = state_.prompts->openFileName(TemplateFileFilter);
    if (!path) {
        BusyPointer::clear();
        state_.ModalMode = ModalNone;
        return;
    }
    SheetTemplate sheet;
    try {
        sheet = loadTemplateFile(*path, fieldsTemplate());
    } catch (const UserError &) {
        // The template being designed stays as it was.
        state_.prompts->tell(BrokenFileMessage(), PromptIcon::Critical);
        return;
    }
    state_.DocumentPath = *path;
    state_.OpenMode = OpenExistingFile;
    BusyPointer::show();
    state_.ModalMode = 2; // initialising again, as on activation
    initialising_ = true;
    showTemplate(sheet, QFileInfo(*path).fileName());
    initialising_ = false;
    modified_ = false;
    state_.ModalMode = ModalNone;
    BusyPointer::clear();
}

void TemplateDesignerWindow::saveTemplate()
{
    if (dragging_)
        return;
    const QString name = nameField_->text();
    if (name.trimmed().isEmpty()) {
        state_.prompts->tell(NameMissingMessage, PromptIcon::Exclamation);
        nameField_->setFocus();
        return;
    }
    const SheetTemplate sheet = fieldsTemplate();
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
    modified_ = false;
}

// --- Closing -------------------------------------------------------------------

void TemplateDesignerWindow::closeForEditor()
{
    closingForEditor_ = true;
    close();
}

void TemplateDesignerWindow::closeEvent(QCloseEvent *event)
{
    if (dragging_)
        endDrag();
    const bool asks = started_ && modified_ && !closingForEditor_ && !committed_;
    if (asks && !state_.prompts->ask(CloseQuestion, PromptIcon::Question, Preselect::No)) {
        event->ignore();
        return;
    }
    state_.ModalMode = ModalNone;
    state_.OpenMode = OpenNothing;
    if (started_) {
        state_.settings.designer = placeOf(*this, state_.TwipsPerPixelX, state_.TwipsPerPixelY);
        state_.settings.designerZoom = qint16(zoomField_->value());
    }
    if (fromEditor_)
        state_.windows->enableEditor();
    else if (!closingForEditor_)
        state_.windows->showMainMenu();
    state_.DesignerFromEditor = false;
    event->accept();
}

// --- Dragging labels in the preview ------------------------------------------------

bool TemplateDesignerWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *rectangle = qobject_cast<LabelRectangle *>(watched);
    if (!rectangle)
        return SkinnedWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            beginDrag(rectangle, mouse->position());
        return true;
    }
    case QEvent::MouseMove:
        if (dragging_)
            followDrag(rectangle, static_cast<QMouseEvent *>(event)->position());
        return true;
    case QEvent::MouseButtonRelease:
        if (dragging_ && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            endDrag();
        return true;
    default:
        return SkinnedWindow::eventFilter(watched, event);
    }
}

void TemplateDesignerWindow::beginDrag(LabelRectangle *rectangle, QPointF grabPoint)
{
    selectLabel(rectangle->label());
    const SheetTemplate::Geometry &row = working_[std::size_t(currentLabel_)];
    const double scale = twipsPerMillimetre();
    dragStartTwips_ = QPointF(row[LeftOffset] * scale, row[TopOffset] * scale);
    dragTwips_ = dragStartTwips_;
    grabPoint_ = grabPoint;
    dragFrame_->setGeometry(rectangle->geometry());
    dragFrame_->show();
    dragFrame_->raise();
    dragging_ = true;
    showDragInfo(QString());
}

void TemplateDesignerWindow::followDrag(LabelRectangle *rectangle, QPointF pointer)
{
    // The rectangle stays put while the frame moves, so its coordinates are
    // a fixed reference for the pointer.
    const QPointF moved = pointer - grabPoint_;
    dragTwips_ = dragStartTwips_ + QPointF(moved.x() * state_.TwipsPerPixelX, moved.y() * state_.TwipsPerPixelY);
    dragFrame_->move(rectangle->pos() + moved.toPoint());
    showDragInfo(QStringLiteral(" "));
}

void TemplateDesignerWindow::showDragInfo(const QString &separator)
{
    const double scale = twipsPerMillimetre();
    const int left = int(std::trunc(dragTwips_.x() / scale));
    const int top = int(std::trunc(dragTwips_.y() / scale));
    // "横端から" goes with the left position and "縦端から" with the top, the
    // other way round from the field captions; users of the program know
    // the box this way.
    dragInfoLeft_->setText(QStringLiteral("横端から") + separator + QString::number(left));
    dragInfoTop_->setText(QStringLiteral("縦端から") + separator + QString::number(top));
    dragInfo_->adjustSize();
    const QPoint corner = dragFrame_->mapTo(preview_->viewport(), QPoint(dragFrame_->width() + 6, 0));
    const QRect area = preview_->viewport()->rect();
    dragInfo_->move(std::clamp(corner.x(), 0, std::max(0, area.width() - dragInfo_->width())),
                    std::clamp(corner.y(), 0, std::max(0, area.height() - dragInfo_->height())));
    dragInfo_->show();
    dragInfo_->raise();
}

void TemplateDesignerWindow::endDrag()
{
    dragging_ = false;
    dragFrame_->hide();
    dragInfo_->hide();
    const double scale = twipsPerMillimetre();
    const int top = int(std::trunc(dragTwips_.y() / scale));
    const int left = int(std::trunc(dragTwips_.x() / scale));
    if (LabelRectangle *rectangle = labelRectangle(currentLabel_))
        rectangle->move(dragFrame_->pos());
    // The fields correct values off the sheet and update the working table.
    geometryFields_[TopOffset]->setValue(top);
    geometryFields_[LeftOffset]->setValue(left);
    placeRectangle(currentLabel_);
}

} // namespace porkane
