#include "image/ui/ImagePasteDialog.h"

#include <algorithm>
#include <optional>

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QVBoxLayout>

#include "session/AppState.h"
#include "session/Prompts.h"
#include "widgets/Artwork.h"
#include "widgets/BusyPointer.h"
#include "widgets/NumberField.h"
#include "widgets/PictureButton.h"
#include "widgets/WindowPlacement.h"
#include "core/Errors.h"
#include "core/Rounding.h"
#include "widgets/ColourSwatch.h"
#include "image/AngleEntry.h"
#include "image/ImageMessages.h"
#include "image/PictureLoader.h"
#include "widgets/MillimetreField.h"
#include "image/ui/PicturePreview.h"

namespace porkane {

namespace {

constexpr int FieldRangeMaximum = 10000;
constexpr QSize SquareButtonSize{35, 35};
constexpr QSize LoadButtonSize{226, 35};
// Rows are drawn at most this often while a turn runs; the bar still moves
// with every row.
constexpr qint64 EventsEveryMilliseconds = 30;


enum TurnButton { RestoreButton, Turn90Button, Turn180Button, Turn270Button, MirrorLeftRightButton,
                  MirrorTopBottomButton, TurnByAngleButton };

PictureButton *makeButton(QWidget *parent, const QString &name, const QString &icon, QSize size,
                          artwork::ButtonShape shape, const QString &toolTip)
{
    auto *button = new PictureButton(parent);
    button->setObjectName(name);
    button->setPictures(artwork::buttonPictures(icon, size, shape));
    button->setToolTip(toolTip);
    return button;
}

QLabel *caption(const QString &text, QWidget *parent, const QString &name = {})
{
    auto *label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

} // namespace

// --- Making the dialog ---------------------------------------------------------

ImagePasteDialog::ImagePasteDialog(AppState &state, QWidget *editor) : ImagePasteDialog(state, false, editor)
{
    showResult();
}

ImagePasteDialog::ImagePasteDialog(AppState &state, const QImage &picture, bool transparent,
                                   RgbValue transparentColour, QWidget *editor)
    : ImagePasteDialog(state, true, editor)
{
    try {
        workbench_.load(picture);
    } catch (const UserError &error) {
        setStatus(error.message());
    }
    transparentBox_->setChecked(transparent);
    swatch_->setColour(transparentColour);
    showResult();
}

ImagePasteDialog::ImagePasteDialog(AppState &state, bool editMode, QWidget *editor)
    : SkinnedWindow(TitleBar | MaximiseButton | CloseButton | ResizeGrip, editor), state_(state),
      editMode_(editMode), editor_(editor), workbench_(state.TwipsPerPixelX, state.TwipsPerPixelY)
{
    setObjectName(QStringLiteral("frm_f020"));
    setTitle(Caption);
    buildControls();
    if (closeButton())
        closeButton()->setToolTip(QStringLiteral("閉じる"));
    // White is what most pictures have around them.
    swatch_->setColour(rgbValue(255, 255, 255));
    transparencyToggled(false);
    applyPlace(*this, state_.settings.pasteDialog, state_.TwipsPerPixelX, state_.TwipsPerPixelY);
}

ImagePasteDialog::~ImagePasteDialog()
{
    if (loop_)
        loop_->quit();
    if (opened_ && !finished_)
        state_.ModalMode = ModalNone;
}

void ImagePasteDialog::buildControls()
{
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid #e2b594; border-radius: 6px; margin-top: 9px;"
        " background: rgba(255, 255, 255, 140); padding: 6px 6px 4px 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: #8a3c1c; }"
        "QLabel { color: #5a3622; }"
        "QLabel:disabled { color: #b0a69c; }"
        "QCheckBox { color: #5a3622; }"
        "QCheckBox:disabled { color: #b0a69c; }"
        "QLabel#statusLine { color: #b5485f; }"));

    auto *previewGroup = new QGroupBox(QStringLiteral("画像"), this);
    auto *previewLayout = new QVBoxLayout(previewGroup);
    preview_ = new PicturePreview(previewGroup);
    connect(preview_, &PicturePreview::picturePressed, this, &ImagePasteDialog::picturePressed);
    previewLayout->addWidget(preview_);

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panel"));
    // As wide as its widest row; the preview takes the rest.
    panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(6);
    panelLayout->addWidget(buildLoadGroup());
    panelLayout->addWidget(buildTurnGroup());
    panelLayout->addWidget(buildSizeGroup());
    panelLayout->addWidget(buildTransparencyGroup());
    panelLayout->addStretch(1);

    auto *columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addWidget(previewGroup, 1);
    columns->addWidget(panel, 0);

    statusLine_ = new QLabel(this);
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    statusLine_->setMinimumHeight(statusLine_->fontMetrics().height() + 2);
    statusLine_->setTextInteractionFlags(Qt::NoTextInteraction);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 6);
    layout->setSpacing(6);
    layout->addWidget(buildToolbar());
    layout->addLayout(columns, 1);
    // Clear of the resize grip in the corner.
    auto *statusRow = new QHBoxLayout;
    statusRow->setContentsMargins(4, 0, GripSize + 6, 0);
    statusRow->addWidget(statusLine_, 1);
    layout->addLayout(statusRow);

    progressBox_ = static_cast<QFrame *>(buildProgressBox());
}

QWidget *ImagePasteDialog::buildToolbar()
{
    auto *toolbar = new QWidget(this);
    toolbar->setObjectName(QStringLiteral("toolbar"));
    auto *row = new QHBoxLayout(toolbar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    acceptButton_ = makeButton(toolbar, QStringLiteral("acceptButton"), QStringLiteral("ok"),
                               artwork::CommandButtonSize, artwork::ButtonShape::Wide,
                               QStringLiteral("この画像を貼り付けます。"));
    acceptButton_->setCaption(QStringLiteral("O   K"));
    closeDialogButton_ = makeButton(toolbar, QStringLiteral("closeDialogButton"), QStringLiteral("close"),
                                    artwork::CommandButtonSize, artwork::ButtonShape::Wide,
                                    QStringLiteral("画像を貼り付けずに閉じます。"));
    closeDialogButton_->setCaption(QStringLiteral("閉じる"));
    // Releasing within 0 to 75 by 0 to 35 of a command button runs it.
    for (PictureButton *button : {acceptButton_, closeDialogButton_}) {
        button->setActingBounds(artwork::CommandButtonSize.width(), artwork::CommandButtonSize.height());
        row->addWidget(button);
    }
    row->addStretch(1);
    connect(acceptButton_, &PictureButton::clicked, this, &ImagePasteDialog::accept);
    connect(closeDialogButton_, &PictureButton::clicked, this, [this] {
        if (busy_ == Idle)
            close();
    });
    return toolbar;
}

QWidget *ImagePasteDialog::buildLoadGroup()
{
    auto *group = new QGroupBox(QStringLiteral("画像の読み込み"), this);
    auto *column = new QVBoxLayout(group);
    column->setSpacing(6);
    QFont wordsFont = font();
    wordsFont.setPixelSize(12);
    const auto addButton = [&](const QString &name, const QString &icon, const QString &words,
                               const QString &toolTip) {
        auto *button = new PictureButton(group);
        button->setObjectName(name);
        artwork::ButtonFace face;
        face.icon = icon;
        face.size = LoadButtonSize;
        face.text = words;
        face.textFont = wordsFont;
        button->setPictures(artwork::buttonPictures(face));
        button->setToolTip(toolTip);
        column->addWidget(button, 0, Qt::AlignHCenter);
        return button;
    };
    PictureButton *file = addButton(QStringLiteral("fileButton"), QStringLiteral("open-file"),
                                    QStringLiteral("ファイルから 読み込む"),
                                    QStringLiteral("画像ファイルを開きます。"));
    PictureButton *clipboard = addButton(QStringLiteral("clipboardButton"), QStringLiteral("paste"),
                                         QStringLiteral("クリップボードから貼り付ける"),
                                         QStringLiteral("クリップボードの画像を使います。"));
    connect(file, &PictureButton::clicked, this, &ImagePasteDialog::loadFromFile);
    connect(clipboard, &PictureButton::clicked, this, &ImagePasteDialog::pasteFromClipboard);
    return group;
}

QWidget *ImagePasteDialog::buildTurnGroup()
{
    auto *group = new QGroupBox(QStringLiteral("回転・反転"), this);
    auto *column = new QVBoxLayout(group);
    column->setSpacing(8);

    struct Face {
        const char *name;
        const char *icon;
        QString toolTip;
        void (ImagePasteDialog::*command)();
    };
    const std::array<Face, 7> faces = {{
        {"restoreButton", "image-restore", QStringLiteral("オリジナル画像に戻します。"), &ImagePasteDialog::restore},
        {"turn90Button", "turn-90", QStringLiteral("９０度回転"), &ImagePasteDialog::turn90},
        {"turn180Button", "turn-180", QStringLiteral("１８０度回転"), &ImagePasteDialog::turn180},
        {"turn270Button", "turn-270", QStringLiteral("２７０度回転"), &ImagePasteDialog::turn270},
        {"mirrorLeftRightButton", "mirror-left-right", QStringLiteral("左右鏡像"),
         &ImagePasteDialog::mirrorLeftRight},
        {"mirrorTopBottomButton", "mirror-top-bottom", QStringLiteral("上下鏡像"),
         &ImagePasteDialog::mirrorTopBottom},
        {"turnByAngleButton", "turn-angle", QStringLiteral("入力した角度で右に回転します。"),
         &ImagePasteDialog::turnByAngle},
    }};
    for (std::size_t index = 0; index < faces.size(); ++index) {
        PictureButton *button = makeButton(group, QString::fromLatin1(faces[index].name),
                                           QString::fromLatin1(faces[index].icon), SquareButtonSize,
                                           artwork::ButtonShape::Square, faces[index].toolTip);
        connect(button, &PictureButton::clicked, this, faces[index].command);
        turnButtons_[index] = button;
    }

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(5);
    for (std::size_t index = RestoreButton; index <= MirrorTopBottomButton; ++index)
        buttons->addWidget(turnButtons_[index]);
    buttons->addStretch(1);
    column->addLayout(buttons);

    angleField_ = new QLineEdit(QStringLiteral("0"), group);
    angleField_->setObjectName(QStringLiteral("angleField"));
    angleField_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    angleField_->setFixedWidth(64);
    angleField_->setMaxLength(16);
    angleField_->setToolTip(QStringLiteral("0～360度"));
    connect(angleField_, &QLineEdit::returnPressed, this, &ImagePasteDialog::turnByAngle);

    auto *angleRow = new QHBoxLayout;
    angleRow->setSpacing(6);
    angleRow->addWidget(caption(QStringLiteral("・角度"), group));
    angleRow->addWidget(angleField_);
    angleRow->addWidget(caption(QStringLiteral("度"), group));
    angleRow->addStretch(1);
    angleRow->addWidget(turnButtons_[TurnByAngleButton]);
    column->addLayout(angleRow);
    return group;
}

QWidget *ImagePasteDialog::buildSizeGroup()
{
    auto *group = new QGroupBox(QStringLiteral("大きさ"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);

    scaleField_ = new NumberField(group);
    scaleField_->setObjectName(QStringLiteral("scaleField"));
    scaleField_->setRange(0, FieldRangeMaximum);
    scaleField_->setSpinnerRange(0, FieldRangeMaximum);
    scaleField_->setValue(100);
    connect(scaleField_, &QSpinBox::valueChanged, this, &ImagePasteDialog::scaleEdited);

    const auto millimetreField = [&](const QString &name) {
        auto *field = new MillimetreField(group);
        field->setObjectName(name);
        field->setRange(0, FieldRangeMaximum);
        field->setValue(0);
        return field;
    };
    widthField_ = millimetreField(QStringLiteral("widthField"));
    heightField_ = millimetreField(QStringLiteral("heightField"));
    connect(widthField_, &QDoubleSpinBox::valueChanged, this,
            [this](double millimetres) { sideEdited(Qt::Horizontal, millimetres); });
    connect(heightField_, &QDoubleSpinBox::valueChanged, this,
            [this](double millimetres) { sideEdited(Qt::Vertical, millimetres); });

    const std::array<std::pair<QString, QString>, 3> rows = {{
        {QStringLiteral("・倍率"), QStringLiteral("％")},
        {QStringLiteral("・横長"), QStringLiteral("ｍｍ")},
        {QStringLiteral("・縦長"), QStringLiteral("ｍｍ")},
    }};
    const std::array<QAbstractSpinBox *, 3> fields = {scaleField_, widthField_, heightField_};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        fields[row]->setFixedWidth(96);
        grid->addWidget(caption(rows[row].first, group), int(row), 0);
        grid->addWidget(fields[row], int(row), 1);
        grid->addWidget(caption(rows[row].second, group), int(row), 2);
    }
    grid->setColumnStretch(3, 1);
    return group;
}

QWidget *ImagePasteDialog::buildTransparencyGroup()
{
    auto *group = new QGroupBox(QStringLiteral("透過"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    transparentBox_ = new QCheckBox(QStringLiteral("透過処理"), group);
    transparentBox_->setObjectName(QStringLiteral("transparentBox"));
    transparentBox_->setToolTip(QStringLiteral("画像を貼り付ける際、透過色で透過処理します。"));
    connect(transparentBox_, &QCheckBox::toggled, this, &ImagePasteDialog::transparencyToggled);

    colourCaption_ = caption(QStringLiteral("透過色"), group, QStringLiteral("transparentColourCaption"));
    swatch_ = new ColourSwatch(group);
    swatch_->setObjectName(QStringLiteral("transparentColour"));
    swatch_->setFixedSize(44, 24);
    swatch_->setToolTip(QStringLiteral("クリックすると色を選べます。"));
    connect(swatch_, &ColourSwatch::clicked, this, &ImagePasteDialog::chooseColour);

    pickBox_ = new QCheckBox(QStringLiteral("取得"), group);
    pickBox_->setObjectName(QStringLiteral("pickColourBox"));
    pickBox_->setToolTip(QStringLiteral("画像より透過色を設定します。"));
    connect(pickBox_, &QCheckBox::toggled, this, &ImagePasteDialog::pickingToggled);

    grid->addWidget(transparentBox_, 0, 0, 1, 3);
    grid->addWidget(colourCaption_, 1, 0);
    grid->addWidget(swatch_, 1, 1);
    grid->addWidget(pickBox_, 1, 2);
    grid->setColumnStretch(3, 1);
    return group;
}

QWidget *ImagePasteDialog::buildProgressBox()
{
    auto *box = new QFrame(this);
    box->setObjectName(QStringLiteral("progressBox"));
    box->setStyleSheet(QStringLiteral(
        "#progressBox { background: #fffbf5; border: 1.5px solid #d98c5f; border-radius: 8px; }"
        "#progressBox QLabel { background: transparent; }"
        "QProgressBar { border: 1px solid #d9b79c; border-radius: 4px; background: #ffffff; height: 14px; }"
        "QProgressBar::chunk { background: #e9a34a; border-radius: 3px; }"));
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(18, 14, 18, 16);
    column->setSpacing(10);
    auto *message = new QLabel(TurningMessage, box);
    message->setObjectName(QStringLiteral("progressMessage"));
    progressBar_ = new QProgressBar(box);
    progressBar_->setObjectName(QStringLiteral("progressBar"));
    progressBar_->setRange(0, 1000);
    progressBar_->setTextVisible(false);
    column->addWidget(message);
    column->addWidget(progressBar_);
    box->adjustSize();
    box->hide();
    return box;
}

// --- Showing and finishing ---------------------------------------------------------

void ImagePasteDialog::open()
{
    if (opened_ || finished_)
        return;
    opened_ = true;
    state_.ModalMode = ModalImageDialog;
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

bool ImagePasteDialog::exec()
{
    open();
    if (!finished_) {
        QEventLoop loop;
        loop_ = &loop;
        const QPointer<ImagePasteDialog> alive(this);
        loop.exec(QEventLoop::DialogExec);
        if (!alive)
            return false;
        loop_ = nullptr;
    }
    return accepted_;
}

bool ImagePasteDialog::transparent() const { return transparentBox_->isChecked(); }

RgbValue ImagePasteDialog::transparentColour() const { return swatch_->colour(); }

bool ImagePasteDialog::accept()
{
    if (finished_ || busy_ != Idle)
        return false;
    if (!workbench_.hasPicture()) {
        setStatus(NoPictureMessage);
        return false;
    }
    finish(true);
    return true;
}

void ImagePasteDialog::finish(bool accepted)
{
    if (finished_)
        return;
    finished_ = true;
    accepted_ = accepted;
    pickBox_->setChecked(false);
    if (opened_)
        state_.settings.pasteDialog = placeOf(*this, state_.TwipsPerPixelX, state_.TwipsPerPixelY);
    hide();
    if (editor_) {
        editor_->raise();
        editor_->activateWindow();
    }
    if (loop_)
        loop_->quit();
    // The receiver may delete the dialog: nothing of it is used after this.
    AppState &state = state_;
    const bool wasOpened = opened_;
    emit finished(accepted);
    if (wasOpened)
        state.ModalMode = ModalNone;
}

void ImagePasteDialog::closeEvent(QCloseEvent *event)
{
    // A turn lets events run; it must not lose its window meanwhile.
    if (busy_ != Idle && !finished_) {
        event->ignore();
        return;
    }
    finish(false);
    event->accept();
}

void ImagePasteDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    SkinnedWindow::keyPressEvent(event);
}

void ImagePasteDialog::resizeEvent(QResizeEvent *event)
{
    SkinnedWindow::resizeEvent(event);
    placeProgressBox();
}

void ImagePasteDialog::setStatus(const QString &text) { statusLine_->setText(text); }

void ImagePasteDialog::showResult(bool sizesToTenths)
{
    preview_->setPicture(workbench_.result());
    const QSignalBlocker scaleBlocker(scaleField_);
    const QSignalBlocker widthBlocker(widthField_);
    const QSignalBlocker heightBlocker(heightField_);
    scaleField_->setValue(workbench_.scalePercent());
    const double width = workbench_.hasPicture() ? workbench_.resultWidth().value : 0;
    const double height = workbench_.hasPicture() ? workbench_.resultHeight().value : 0;
    if (sizesToTenths) {
        widthField_->setValue(roundHalfEven(width * 10) / 10);
        heightField_->setValue(roundHalfEven(height * 10) / 10);
    } else {
        widthField_->setValue(roundHalfEven(width));
        heightField_->setValue(roundHalfEven(height));
    }
    updateEnabled();
}

void ImagePasteDialog::updateEnabled()
{
    const bool picture = workbench_.hasPicture();
    acceptButton_->setEnabled(picture);
    for (PictureButton *button : turnButtons_)
        button->setEnabled(picture);
    angleField_->setEnabled(picture);
    scaleField_->setEnabled(picture);
    widthField_->setEnabled(picture);
    heightField_->setEnabled(picture);
}

// --- Loading -------------------------------------------------------------------------

void ImagePasteDialog::loadFromFile()
{
    if (busy_ != Idle || finished_)
        return;
    busy_ = Working;
    const std::optional<QString> path =
        state_.prompts ? state_.prompts->openFileName(PictureFileFilter) : std::nullopt;
    if (path) {
        takePicture([this, &path] { return loadPicture(*path, state_.TwipsPerPixelX, state_.TwipsPerPixelY); });
    }
    busy_ = Idle;
}

void ImagePasteDialog::pasteFromClipboard()
{
    if (busy_ != Idle || finished_)
        return;
    busy_ = Working;
    takePicture([this] {
        return clipboardPicture(QGuiApplication::clipboard()->mimeData(), state_.TwipsPerPixelX,
                                state_.TwipsPerPixelY);
    });
    busy_ = Idle;
}

void ImagePasteDialog::takePicture(const std::function<QImage()> &obtain)
{
    BusyPointer::show();
    try {
        workbench_.load(obtain());
        setStatus({});
        showResult();
    } catch (const UserError &error) {
        setStatus(error.message());
    }
    BusyPointer::clear();
    QCoreApplication::processEvents();
}

// --- Transformations -------------------------------------------------------------

void ImagePasteDialog::restore()
{
    transform([this](const RowProgress &) { workbench_.restore(); }, false, false);
}

void ImagePasteDialog::turn90()
{
    transform([this](const RowProgress &progress) { workbench_.turn90(progress); }, true, false);
}

void ImagePasteDialog::turn180()
{
    transform([this](const RowProgress &) { workbench_.turn180(); }, false, false);
}

void ImagePasteDialog::turn270()
{
    transform([this](const RowProgress &progress) { workbench_.turn270(progress); }, true, false);
}

void ImagePasteDialog::mirrorLeftRight()
{
    transform([this](const RowProgress &) { workbench_.mirrorLeftRight(); }, false, false);
}

void ImagePasteDialog::mirrorTopBottom()
{
    transform([this](const RowProgress &) { workbench_.mirrorTopBottom(); }, false, false);
}

void ImagePasteDialog::turnByAngle()
{
    if (busy_ != Idle || finished_ || !workbench_.hasPicture())
        return;
    const AngleEntry entry = readAngle(angleField_->text());
    angleField_->setText(entry.text);
    if (!entry.degrees) {
        if (state_.prompts)
            state_.prompts->tell(AngleRangeMessage, PromptIcon::Exclamation);
        return;
    }
    const int degrees = *entry.degrees;
    transform([this, degrees](const RowProgress &progress) { workbench_.turnBy(degrees, progress); }, true, true);
}

void ImagePasteDialog::transform(const std::function<void(const RowProgress &)> &operation, bool withProgress,
                                 bool sizesToTenths)
{
    if (busy_ != Idle || finished_ || !workbench_.hasPicture())
        return;
    busy_ = Working;
    if (withProgress)
        beginProgress();
    try {
        operation(withProgress ? RowProgress([this](int done, int count) { reportRow(done, count); })
                               : RowProgress());
        setStatus({});
    } catch (const UserError &error) {
        setStatus(error.message());
    }
    if (withProgress)
        endProgress();
    showResult(sizesToTenths);
    busy_ = Idle;
}

void ImagePasteDialog::beginProgress()
{
    progressBar_->setValue(0);
    placeProgressBox();
    progressBox_->show();
    progressBox_->raise();
    BusyPointer::show();
    rowClock_.start();
    QCoreApplication::processEvents();
}

void ImagePasteDialog::reportRow(int rowsDone, int rowCount)
{
    progressBar_->setValue(int(qint64(rowsDone) * 1000 / std::max(1, rowCount)));
    if (rowsDone == 1 || rowsDone == rowCount || rowClock_.elapsed() >= EventsEveryMilliseconds) {
        rowClock_.restart();
        QCoreApplication::processEvents();
    }
}

void ImagePasteDialog::endProgress()
{
    progressBox_->hide();
    BusyPointer::clear();
}

void ImagePasteDialog::placeProgressBox()
{
    if (!progressBox_)
        return;
    progressBox_->adjustSize();
    QRect placed(QPoint(0, 0), progressBox_->size());
    placed.moveCenter(rect().center());
    progressBox_->move(placed.topLeft());
}

// --- Size fields -------------------------------------------------------------------

void ImagePasteDialog::scaleEdited(int percent)
{
    if (busy_ != Idle || finished_)
        return;
    busy_ = Working;
    try {
        workbench_.setScalePercent(percent);
        setStatus({});
    } catch (const UserError &error) {
        setStatus(error.message());
    }
    preview_->setPicture(workbench_.result());
    const QSignalBlocker widthBlocker(widthField_);
    const QSignalBlocker heightBlocker(heightField_);
    widthField_->setValue(roundHalfEven(workbench_.resultWidth().value));
    heightField_->setValue(roundHalfEven(workbench_.resultHeight().value));
    busy_ = Idle;
}

void ImagePasteDialog::sideEdited(Qt::Orientation side, double millimetres)
{
    if (busy_ != Idle || finished_)
        return;
    try {
        if (side == Qt::Horizontal)
            workbench_.setWidthMillimetres(millimetres);
        else
            workbench_.setHeightMillimetres(millimetres);
        setStatus({});
    } catch (const UserError &error) {
        setStatus(error.message());
    }
    // The scale reads 100 of the new size; its own change must not scale.
    busy_ = ApplyingSize;
    scaleField_->setValue(100);
    busy_ = Idle;
    preview_->setPicture(workbench_.result());
}

// --- See-through colour ----------------------------------------------------------

void ImagePasteDialog::transparencyToggled(bool on)
{
    colourCaption_->setEnabled(on);
    swatch_->setEnabled(on);
    pickBox_->setEnabled(on);
    if (!on)
        pickBox_->setChecked(false);
}

void ImagePasteDialog::pickingToggled(bool on) { preview_->setPicking(on); }

void ImagePasteDialog::picturePressed(QPoint pixel)
{
    if (!pickBox_->isChecked() || busy_ != Idle)
        return;
    if (const std::optional<RgbValue> colour = workbench_.colourAt(pixel)) {
        swatch_->setColour(*colour);
        pickBox_->setChecked(false);
    }
}

void ImagePasteDialog::chooseColour()
{
    if (!state_.prompts || busy_ != Idle || !transparentBox_->isChecked())
        return;
    if (const std::optional<qint32> chosen = state_.prompts->chooseColour(swatch_->colour()))
        swatch_->setColour(*chosen);
}

} // namespace porkane
