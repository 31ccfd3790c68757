#include "image/ui/ImagePasteDialog.h"

#include <algorithm>
#include <optional>

#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "image/AngleEntry.h"
#include "image/ImageMessages.h"
#include "image/PictureLoader.h"
#include "image/ui/BarcodeDialog.h"
#include "image/ui/DialogStyle.h"
#include "image/ui/PicturePreview.h"
#include "session/AppState.h"
#include "session/Prompts.h"
#include "widgets/Artwork.h"
#include "widgets/BusyPointer.h"
#include "widgets/ColourSwatch.h"
#include "widgets/MillimetreField.h"
#include "widgets/NumberField.h"
#include "widgets/PictureButton.h"
#include "widgets/WindowPlacement.h"
#include "widgets/HelpGuide.h"

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
}

ImagePasteDialog::ImagePasteDialog(AppState &state, const QImage &picture, bool transparent,
                                   RgbValue transparentColour, QWidget *editor, const PictureSource &source)
    : ImagePasteDialog(state, true, editor)
{
    model_.startOn(picture, transparent, transparentColour, source);
}

ImagePasteDialog::ImagePasteDialog(AppState &state, bool editMode, QWidget *editor)
    : SkinnedDialog(TitleBar | MaximiseButton | CloseButton | ResizeGrip, editor), state_(state),
      editMode_(editMode), editor_(editor), model_(state.TwipsPerPixelX, state.TwipsPerPixelY)
{
    setObjectName(QStringLiteral("frm_f020"));
    setTitle(tr("画像の貼り付け"));
    HelpGuide::addKey(this, GuideSection::Pictures);
    buildControls();
    connectModel();
    showPicture();
    showFields(ImagePasteModel::AllFields);
    showSeeThrough();
    showPictureSource();
    applyPlace(*this, state_.settings.pasteDialog, state_.TwipsPerPixelX, state_.TwipsPerPixelY);
}

ImagePasteDialog::~ImagePasteDialog()
{
    // Gone while still up: the editor must not wait for it.
    if (isVisible() && state_.ModalMode == ModalImageDialog)
        state_.ModalMode = ModalNone;
}

void ImagePasteDialog::buildControls()
{
    setStyleSheet(imageDialogStyle());

    auto *previewGroup = new QGroupBox(tr("画像"), this);
    auto *previewLayout = new QVBoxLayout(previewGroup);
    preview_ = new PicturePreview(previewGroup);
    connect(preview_, &PicturePreview::picturePressed, this,
            [this](QPoint pixel) { model_.pickColourAt(QPointF(pixel)); });
    previewLayout->addWidget(preview_);
    // Under the picture, where the panel's buttons keep their size.
    barcodeNote_ = new QLabel(previewGroup);
    barcodeNote_->setObjectName(QStringLiteral("barcodeNote"));
    barcodeNote_->setWordWrap(true);
    previewLayout->addWidget(barcodeNote_);

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

    progressBox_ = buildProgressBox();
}

QWidget *ImagePasteDialog::buildToolbar()
{
    auto *toolbar = new QWidget(this);
    toolbar->setObjectName(QStringLiteral("toolbar"));
    auto *row = new QHBoxLayout(toolbar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    acceptButton_ = artwork::makeCommandButton(toolbar, QStringLiteral("acceptButton"), QStringLiteral("ok"),
                                               tr("O   K"), tr("この画像を貼り付けます。"));
    PictureButton *closeButton =
        artwork::makeCommandButton(toolbar, QStringLiteral("closeDialogButton"), QStringLiteral("close"),
                                   tr("閉じる"), tr("画像を貼り付けずに閉じます。"));
    row->addWidget(acceptButton_);
    row->addWidget(closeButton);
    row->addStretch(1);
    connect(acceptButton_, &PictureButton::clicked, this, &ImagePasteDialog::accept);
    connect(closeButton, &PictureButton::clicked, this, &ImagePasteDialog::reject);
    return toolbar;
}

QWidget *ImagePasteDialog::buildLoadGroup()
{
    auto *group = new QGroupBox(tr("画像の読み込み"), this);
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
                                    tr("ファイルから 読み込む"), tr("画像ファイルを開きます。"));
    PictureButton *clipboard = addButton(QStringLiteral("clipboardButton"), QStringLiteral("paste"),
                                         tr("クリップボードから貼り付ける"), tr("クリップボードの画像を使います。"));
    PictureButton *barcode = addButton(QStringLiteral("barcodeButton"), QStringLiteral("barcode"), tr("バーコード作成"),
                                       tr("JANコード、QRコード、カスタマバーコードなどを作ります。"));
    connect(file, &PictureButton::clicked, this, &ImagePasteDialog::loadFromFile);
    connect(clipboard, &PictureButton::clicked, this, &ImagePasteDialog::pasteFromClipboard);
    connect(barcode, &PictureButton::clicked, this, &ImagePasteDialog::makeBarcode);
    return group;
}

QWidget *ImagePasteDialog::buildTurnGroup()
{
    auto *group = new QGroupBox(tr("回転・反転"), this);
    auto *column = new QVBoxLayout(group);
    column->setSpacing(8);

    struct Face {
        const char *name;
        const char *icon;
        QString toolTip;
        void (ImagePasteDialog::*command)();
    };
    const std::array<Face, 7> faces = {{
        {"restoreButton", "image-restore", tr("オリジナル画像に戻します。"), &ImagePasteDialog::restore},
        {"turn90Button", "turn-90", tr("９０度回転"), &ImagePasteDialog::turn90},
        {"turn180Button", "turn-180", tr("１８０度回転"), &ImagePasteDialog::turn180},
        {"turn270Button", "turn-270", tr("２７０度回転"), &ImagePasteDialog::turn270},
        {"mirrorLeftRightButton", "mirror-left-right", tr("左右鏡像"), &ImagePasteDialog::mirrorLeftRight},
        {"mirrorTopBottomButton", "mirror-top-bottom", tr("上下鏡像"), &ImagePasteDialog::mirrorTopBottom},
        {"turnByAngleButton", "turn-angle", tr("入力した角度で右に回転します。"), &ImagePasteDialog::turnByAngle},
    }};
    for (std::size_t index = 0; index < faces.size(); ++index) {
        auto *button = new PictureButton(group);
        button->setObjectName(QString::fromLatin1(faces[index].name));
        button->setPictures(artwork::buttonPictures(QString::fromLatin1(faces[index].icon), SquareButtonSize,
                                                    artwork::ButtonShape::Square));
        button->setToolTip(faces[index].toolTip);
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
    angleField_->setToolTip(tr("0～360度"));
    connect(angleField_, &QLineEdit::returnPressed, this, &ImagePasteDialog::turnByAngle);

    auto *angleRow = new QHBoxLayout;
    angleRow->setSpacing(6);
    angleRow->addWidget(caption(tr("・角度"), group));
    angleRow->addWidget(angleField_);
    angleRow->addWidget(caption(tr("度"), group));
    angleRow->addStretch(1);
    angleRow->addWidget(turnButtons_[TurnByAngleButton]);
    column->addLayout(angleRow);
    return group;
}

QWidget *ImagePasteDialog::buildSizeGroup()
{
    auto *group = new QGroupBox(tr("大きさ"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);

    scaleField_ = new NumberField(group);
    scaleField_->setObjectName(QStringLiteral("scaleField"));
    scaleField_->setRange(0, FieldRangeMaximum);
    scaleField_->setSpinnerRange(0, FieldRangeMaximum);
    scaleField_->setValue(100);
    // Rewritten by the model while it is busy, these edits come back to it
    // and are ignored there.
    connect(scaleField_, &QSpinBox::valueChanged, &model_, &ImagePasteModel::setScalePercent);

    const auto millimetreField = [&](const QString &name) {
        auto *field = new MillimetreField(group);
        field->setObjectName(name);
        field->setRange(0, FieldRangeMaximum);
        field->setValue(0);
        return field;
    };
    widthField_ = millimetreField(QStringLiteral("widthField"));
    heightField_ = millimetreField(QStringLiteral("heightField"));
    connect(widthField_, &QDoubleSpinBox::valueChanged, &model_, &ImagePasteModel::setWidthMillimetres);
    connect(heightField_, &QDoubleSpinBox::valueChanged, &model_, &ImagePasteModel::setHeightMillimetres);

    const std::array<std::pair<QString, QString>, 3> rows = {{
        {tr("・倍率"), tr("％")},
        {tr("・横長"), tr("ｍｍ")},
        {tr("・縦長"), tr("ｍｍ")},
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
    auto *group = new QGroupBox(tr("透過"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    transparentBox_ = new QCheckBox(tr("透過処理"), group);
    transparentBox_->setObjectName(QStringLiteral("transparentBox"));
    transparentBox_->setToolTip(tr("画像を貼り付ける際、透過色で透過処理します。"));
    connect(transparentBox_, &QCheckBox::toggled, &model_, &ImagePasteModel::setTransparent);

    colourCaption_ = caption(tr("透過色"), group, QStringLiteral("transparentColourCaption"));
    swatch_ = new ColourSwatch(group);
    swatch_->setObjectName(QStringLiteral("transparentColour"));
    swatch_->setFixedSize(44, 24);
    swatch_->setToolTip(tr("クリックすると色を選べます。"));
    connect(swatch_, &ColourSwatch::clicked, this, &ImagePasteDialog::chooseColour);

    pickBox_ = new QCheckBox(tr("取得"), group);
    pickBox_->setObjectName(QStringLiteral("pickColourBox"));
    pickBox_->setToolTip(tr("画像より透過色を設定します。"));
    connect(pickBox_, &QCheckBox::toggled, &model_, &ImagePasteModel::setPicking);

    grid->addWidget(transparentBox_, 0, 0, 1, 3);
    grid->addWidget(colourCaption_, 1, 0);
    grid->addWidget(swatch_, 1, 1);
    grid->addWidget(pickBox_, 1, 2);
    grid->setColumnStretch(3, 1);
    return group;
}

QFrame *ImagePasteDialog::buildProgressBox()
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
    auto *message = new QLabel(TurningMessage(), box);
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

void ImagePasteDialog::connectModel()
{
    connect(&model_, &ImagePasteModel::pictureChanged, this, &ImagePasteDialog::showPicture);
    connect(&model_, &ImagePasteModel::fieldsChanged, this, &ImagePasteDialog::showFields);
    connect(&model_, &ImagePasteModel::statusChanged, statusLine_, &QLabel::setText);
    connect(&model_, &ImagePasteModel::seeThroughChanged, this, &ImagePasteDialog::showSeeThrough);
    connect(&model_, &ImagePasteModel::pictureSourceChanged, this, &ImagePasteDialog::showPictureSource);
    connect(&model_, &ImagePasteModel::pictureTaken, this, [] {
        BusyPointer::clear();
        QCoreApplication::processEvents();
    });
    connect(&model_, &ImagePasteModel::turnStarted, this, &ImagePasteDialog::showTurnStarted);
    connect(&model_, &ImagePasteModel::rowsTurned, this, &ImagePasteDialog::showRowsTurned);
    connect(&model_, &ImagePasteModel::turnFinished, this, &ImagePasteDialog::showTurnFinished);
}

// --- Showing and finishing ---------------------------------------------------------

void ImagePasteDialog::markModal() { state_.ModalMode = ModalImageDialog; }

void ImagePasteDialog::open()
{
    markModal();
    // Application-modal like exec(): QDialog::open() would block the editor
    // window alone.
    setWindowModality(Qt::ApplicationModal);
    setResult(Rejected);
    show();
    raise();
    activateWindow();
    openBarcodeDialogWhenEditing();
}

int ImagePasteDialog::exec()
{
    markModal();
    openBarcodeDialogWhenEditing();
    return SkinnedDialog::exec();
}

void ImagePasteDialog::openBarcodeDialogWhenEditing()
{
    if (!editMode_ || barcodeDialogOffered_ || !model_.pictureSource().isBarcode())
        return;
    barcodeDialogOffered_ = true;
    // Once this dialog is up, so that the barcode dialog lies over it.
    QTimer::singleShot(0, this, &ImagePasteDialog::makeBarcode);
}

void ImagePasteDialog::done(int result)
{
    // A turn lets events run; it must not lose its window meanwhile.
    if (!model_.canClose() || (result == Accepted && !model_.canAccept()))
        return;
    model_.setPicking(false);
    const bool wasUp = isVisible();
    if (wasUp)
        state_.settings.pasteDialog = placeOf(*this, state_.TwipsPerPixelX, state_.TwipsPerPixelY);
    hide();
    if (editor_) {
        editor_->raise();
        editor_->activateWindow();
    }
    // The receiver of finished() may delete the dialog: nothing of it is
    // used after this.
    AppState &state = state_;
    SkinnedDialog::done(result);
    if (wasUp && state.ModalMode == ModalImageDialog)
        state.ModalMode = ModalNone;
}

void ImagePasteDialog::resizeEvent(QResizeEvent *event)
{
    SkinnedDialog::resizeEvent(event);
    placeProgressBox();
}

void ImagePasteDialog::showPicture()
{
    preview_->setPicture(model_.picture());
    const bool picture = model_.hasPicture();
    acceptButton_->setEnabled(picture);
    for (PictureButton *button : turnButtons_)
        button->setEnabled(picture);
    angleField_->setEnabled(picture);
    scaleField_->setEnabled(picture);
    widthField_->setEnabled(picture);
    heightField_->setEnabled(picture);
}

void ImagePasteDialog::showFields(ImagePasteModel::Fields fields)
{
    if (fields & ImagePasteModel::ScaleField)
        scaleField_->setValue(model_.shownScale());
    if (fields & ImagePasteModel::WidthField)
        widthField_->setValue(model_.shownWidth());
    if (fields & ImagePasteModel::HeightField)
        heightField_->setValue(model_.shownHeight());
}

void ImagePasteDialog::showSeeThrough()
{
    const bool on = model_.transparent();
    transparentBox_->setChecked(on);
    colourCaption_->setEnabled(on);
    swatch_->setEnabled(on);
    pickBox_->setEnabled(on);
    pickBox_->setChecked(model_.isPicking());
    preview_->setPicking(model_.isPicking());
    swatch_->setColour(model_.transparentColour());
}

void ImagePasteDialog::showPictureSource()
{
    const PictureSource &source = model_.pictureSource();
    Symbology symbology = Symbology::Ean13;
    barcodeNote_->setVisible(source.isBarcode());
    if (source.isBarcode() && symbologyForKey(source.symbology, symbology))
        barcodeNote_->setText(tr("この画像は %1 です。「バーコード作成」で設定を変えられます。").arg(symbologyName(symbology)));
}

void ImagePasteDialog::showTurnStarted()
{
    progressBar_->setValue(0);
    placeProgressBox();
    progressBox_->show();
    progressBox_->raise();
    BusyPointer::show();
    rowClock_.start();
    QCoreApplication::processEvents();
}

void ImagePasteDialog::showRowsTurned(int rowsDone, int rowCount)
{
    progressBar_->setValue(int(qint64(rowsDone) * 1000 / std::max(1, rowCount)));
    if (rowsDone == 1 || rowsDone == rowCount || rowClock_.elapsed() >= EventsEveryMilliseconds) {
        rowClock_.restart();
        QCoreApplication::processEvents();
    }
}

void ImagePasteDialog::showTurnFinished()
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

// --- Commands that need the window -----------------------------------------------------

void ImagePasteDialog::loadFromFile()
{
    const QString filter = pictureFileFilter();
    model_.takePicture([this, &filter]() -> std::optional<QImage> {
        const std::optional<QString> path = state_.prompts ? state_.prompts->openFileName(filter) : std::nullopt;
        if (!path)
            return std::nullopt;
        BusyPointer::show();
        return loadPicture(*path, state_.TwipsPerPixelX, state_.TwipsPerPixelY);
    });
}

void ImagePasteDialog::pasteFromClipboard()
{
    model_.takePicture([this]() -> std::optional<QImage> {
        BusyPointer::show();
        return clipboardPicture(QGuiApplication::clipboard()->mimeData(), state_.TwipsPerPixelX,
                                state_.TwipsPerPixelY);
    });
}

void ImagePasteDialog::turnByAngle()
{
    if (!model_.canTransform())
        return;
    const AngleEntry entry = readAngle(angleField_->text());
    angleField_->setText(entry.text);
    if (!entry.degrees) {
        if (state_.prompts)
            state_.prompts->tell(AngleRangeMessage(), PromptIcon::Exclamation);
        return;
    }
    model_.turnBy(*entry.degrees);
}

BarcodeDialog *ImagePasteDialog::barcodeDialog() const { return barcodeDialog_.data(); }

void ImagePasteDialog::makeBarcode()
{
    if (!model_.isIdle() || barcodeDialog_)
        return;
    const PictureSource settings = model_.pictureSource();
    auto *dialog = new BarcodeDialog(settings.isBarcode() ? settings : PictureSource{}, this);
    barcodeDialog_ = dialog;
    connect(dialog, &BarcodeDialog::finished, this, [this, dialog](int result) {
        // Gone at once for the button, though deleted only later.
        barcodeDialog_ = nullptr;
        if (result == Accepted)
            model_.takeBarcode(dialog->picture(), dialog->settings());
        dialog->deleteLater();
    });
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void ImagePasteDialog::chooseColour()
{
    if (!state_.prompts || !model_.canChooseColour())
        return;
    if (const std::optional<qint32> chosen = state_.prompts->chooseColour(model_.transparentColour()))
        model_.setTransparentColour(*chosen);
}

} // namespace porkane
