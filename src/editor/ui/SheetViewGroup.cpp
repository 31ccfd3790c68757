#include "editor/ui/SheetViewGroup.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>
#include <QVBoxLayout>

#include "session/Prompts.h"
#include "editor/EditorSession.h"
#include "editor/HitTesting.h"
#include "editor/ui/EditorControls.h"
#include "editor/ui/SheetView.h"
#include "render/SheetGuides.h"

namespace porkane {

SheetViewGroup::SheetViewGroup(EditorSession &session, Prompts &prompts, QWidget *parent)
    : QGroupBox(tr("印刷イメージ"), parent), session_(session), prompts_(prompts)
{
    setObjectName(QStringLiteral("viewGroup"));
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(6);

    viewport_ = new SheetViewport(this);
    viewport_->setTwipsPerPixel(session_.twipsPerPixelX(), session_.twipsPerPixelY());
    picture_ = viewport_->picture();
    picture_->setImageSource(&sheetImage_.view());
    picture_->installEventFilter(this);
    layout->addWidget(viewport_, 1);

    zoomField_ = new QLineEdit(zoom_.text(), this);
    zoomField_->setObjectName(QStringLiteral("Text6"));
    zoomField_->setFixedWidth(44);
    zoomField_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    selectAllOnEntry(zoomField_);
    connect(zoomField_, &QLineEdit::textChanged, this, &SheetViewGroup::zoomTextEdited);
    connect(zoomField_, &QLineEdit::editingFinished, this, [this] {
        // The field shows the zoom in use, also after a value out of range.
        const QSignalBlocker blocker(zoomField_);
        zoomField_->setText(zoom_.text());
    });
    zoomSpinner_ = new EditorUpDown(this);
    zoomSpinner_->setObjectName(QStringLiteral("UpDown15"));
    zoomSpinner_->setRange(SheetZoom::MinPercent, SheetZoom::MaxPercent);
    zoomSpinner_->setValue(zoom_.percent());
    zoomSpinner_->setSingleStep(SheetZoom::stepAfterClick(zoom_.percent()));
    connect(zoomSpinner_, &EditorUpDown::pressed, this, [this](EditorUpDown::Direction direction) {
        zoomSpinner_->setSingleStep(SheetZoom::stepForClick(direction == EditorUpDown::Down, zoomSpinner_->value(),
                                                            zoomSpinner_->singleStep()));
    });
    connect(zoomSpinner_, &EditorUpDown::valueChanged, this, &SheetViewGroup::zoomStepped);
    connect(zoomSpinner_, &EditorUpDown::stepped, this,
            [this] { zoomSpinner_->setSingleStep(SheetZoom::stepAfterClick(zoomSpinner_->value())); });

    gridBox_ = new QCheckBox(tr("グリッド表示"), this);
    gridBox_->setObjectName(QStringLiteral("Check4"));
    connect(gridBox_, &QCheckBox::toggled, this, &SheetViewGroup::storeSettings);
    gridSpacing_ = makeNumberField(this, QStringLiteral("UpDown20"), EditorSession::MinGridSpacing,
                                   EditorSession::MaxGridSpacing, 1);
    gridSpacing_->setFixedWidth(48);
    gridSpacing_->setValue(session_.settings().gridSpacing);
    connect(gridSpacing_, &QSpinBox::valueChanged, this, &SheetViewGroup::storeSettings);

    const auto makeSwatch = [this](const QString &name) {
        auto *swatch = newSwatch(this);
        swatch->setObjectName(name);
        connect(swatch, &ColourSwatch::clicked, this, [this, swatch] { chooseColour(swatch); });
        return swatch;
    };
    gridColour_ = makeSwatch(QStringLiteral("Label3"));
    backgroundColour_ = makeSwatch(QStringLiteral("Label19"));
    labelColour_ = makeSwatch(QStringLiteral("Label15"));

    imageFirstBox_ = new QCheckBox(tr("画像選択優先"), this);
    imageFirstBox_->setObjectName(QStringLiteral("imageFirst"));
    connect(imageFirstBox_, &QCheckBox::toggled, &images(), &ImageObjects::setImagesFirst);

    // Two rows, so that the window's narrowest width shows them whole.
    const auto caption = [this](const QString &text) { return new QLabel(text, this); };
    auto *viewRow = new QHBoxLayout;
    viewRow->setSpacing(4);
    viewRow->addWidget(caption(tr("表示倍率：")));
    viewRow->addWidget(zoomField_);
    viewRow->addWidget(zoomSpinner_);
    viewRow->addSpacing(16);
    viewRow->addWidget(gridBox_);
    viewRow->addSpacing(6);
    viewRow->addWidget(caption(tr("間隔：")));
    viewRow->addWidget(gridSpacing_);
    viewRow->addSpacing(6);
    viewRow->addWidget(caption(tr("色：")));
    viewRow->addWidget(gridColour_);
    viewRow->addStretch(1);
    auto *colourRow = new QHBoxLayout;
    colourRow->setSpacing(4);
    colourRow->addWidget(caption(tr("背景色：")));
    colourRow->addWidget(backgroundColour_);
    colourRow->addSpacing(16);
    colourRow->addWidget(caption(tr("ラベル色：")));
    colourRow->addWidget(labelColour_);
    colourRow->addStretch(1);
    colourRow->addWidget(imageFirstBox_);
    layout->addLayout(viewRow);
    layout->addLayout(colourRow);

    connect(&session_, &EditorSession::documentChanged, this, [this] {
        showDocument();
        repaintSheet();
    });
    connect(&session_, &EditorSession::labelSelected, this, &SheetViewGroup::repaintSheet);
    connect(&session_, &EditorSession::labelEdited, this, [this](int label) {
        updateGuides(); // the label may have turned
        renderLabel(label);
    });
    connect(&images(), &ImageObjects::selectionChanged, this, [this](qint32 selected) {
        if (selected != 0)
            picture_->setFocus(Qt::MouseFocusReason);
        repaintSheet();
    });
    connect(&images(), &ImageObjects::imagesChanged, this, &SheetViewGroup::repaintSheet);
    connect(&images(), &ImageObjects::imagesFirstChanged, imageFirstBox_, &QCheckBox::setChecked);
}

ImageObjects &SheetViewGroup::images() const { return session_.images(); }

QPoint SheetViewGroup::viewOffsetTwips() const { return {viewport_->viewLeftTwips(), viewport_->viewTopTwips()}; }

// --- Drawing --------------------------------------------------------------------------------------

SheetViewState SheetViewGroup::viewState() const
{
    return {session_.currentLabel(), session_.images().selected(), zoom_.factor(), session_.twipsPerPixelX(),
            session_.twipsPerPixelY()};
}

SheetViewStyle SheetViewGroup::viewStyle() const
{
    const EditorSettings &settings = session_.settings();
    return {settings.backgroundColour, settings.labelColour, settings.gridColour, settings.gridVisible != 0,
            settings.gridSpacing};
}

void SheetViewGroup::showDocument()
{
    const SheetTemplate &sheet = session_.document().sheet();
    const int tpx = session_.twipsPerPixelX();
    const int tpy = session_.twipsPerPixelY();
    bool drawn = canvases_.reset(sheet, tpx, tpy);
    viewport_->setViewSize(SheetImage::sheetSize(sheet, zoom_.factor(), tpx, tpy));
    drawn = renderAllLabels(session_.document(), canvases_, TextScale::screen(tpx, tpy)) && drawn;
    updateGuides();
    if (!drawn)
        emit renderingFailed();
}

void SheetViewGroup::renderLabel(int label)
{
    if (!session_.isOpen())
        return;
    if (!RenderLabel(session_.document(), label, canvases_.canvas(label),
                     TextScale::screen(session_.twipsPerPixelX(), session_.twipsPerPixelY())))
        emit renderingFailed();
    if (session_.canEdit())
        repaintSheet();
}

void SheetViewGroup::repaintSheet()
{
    if (!session_.isOpen())
        return;
    if (!sheetImage_.RePaint(session_.document(), canvases_, viewStyle(), viewState()))
        emit renderingFailed();
    updateMarks();
    picture_->update();
}

void SheetViewGroup::updateGuides()
{
    picture_->setGuides(
        sheetGuides(session_.document(), zoom_.factor(), session_.twipsPerPixelX(), session_.twipsPerPixelY()));
}

void SheetViewGroup::updateMarks()
{
    if (images().marks().isNull())
        picture_->clearMarks();
    else
        picture_->setMarks(images().marks(), images().marksTarget(zoom_.factor()));
}

// --- The settings and the zoom ---------------------------------------------------------------------

void SheetViewGroup::showSettings()
{
    const EditorSettings &settings = session_.settings();
    const QSignalBlocker gridShown(gridBox_);
    const QSignalBlocker spacing(gridSpacing_);
    gridBox_->setChecked(settings.gridVisible != 0);
    gridSpacing_->setValue(settings.gridSpacing);
    backgroundColour_->setColour(settings.backgroundColour);
    gridColour_->setColour(settings.gridColour);
    labelColour_->setColour(settings.labelColour);
}

void SheetViewGroup::storeSettings()
{
    EditorSettings settings = session_.settings();
    settings.gridVisible = gridBox_->isChecked() ? 1 : 0;
    settings.gridSpacing = qint16(gridSpacing_->value());
    settings.backgroundColour = backgroundColour_->colour();
    settings.gridColour = gridColour_->colour();
    settings.labelColour = labelColour_->colour();
    session_.setSettings(settings);
    repaintSheet();
}

void SheetViewGroup::chooseColour(ColourSwatch *swatch)
{
    if (const std::optional<qint32> colour = prompts_.chooseColour(swatch->colour())) {
        swatch->setColour(*colour);
        storeSettings();
    }
    emit textBoxWanted(Qt::OtherFocusReason);
}

void SheetViewGroup::zoomTextEdited(const QString &text)
{
    if (!zoom_.setText(text))
        return; // the zoom stays as it was until the field holds a number
    {
        const QSignalBlocker blocker(zoomSpinner_);
        zoomSpinner_->setValue(zoom_.percent());
    }
    applyZoom();
}

void SheetViewGroup::zoomStepped(int percent)
{
    zoom_.setPercent(percent);
    {
        const QSignalBlocker blocker(zoomField_);
        zoomField_->setText(zoom_.text());
    }
    applyZoom();
}

void SheetViewGroup::applyZoom()
{
    viewport_->setViewSize(SheetImage::sheetSize(session_.document().sheet(), zoom_.factor(),
                                                 session_.twipsPerPixelX(), session_.twipsPerPixelY()));
    updateGuides();
    repaintSheet();
}

// --- The pointer and the keys on the sheet --------------------------------------------------------------

void SheetViewGroup::pressed(QMouseEvent *event)
{
    if (!session_.canEdit())
        return;
    const QPointF point = event->position();
    const SheetHit hit =
        hitAt(session_.document(), point, zoom_.factor(), session_.twipsPerPixelX(), images().imagesFirst());
    if (hit.image != 0) {
        images().press(hit.image, point, zoom_.factor(), event->button() == Qt::LeftButton);
        if (event->button() == Qt::RightButton)
            emit imageMenuWanted(event->globalPosition().toPoint());
        return;
    }
    if (hit.label != 0)
        session_.selectLabel(hit.label);
    emit textBoxWanted(Qt::MouseFocusReason);
}

void SheetViewGroup::moved(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || !images().dragTo(event->position(), zoom_.factor()))
        return;
    sheetImage_.RedrawDraggedImage(session_.document(), images().drag(), viewState());
    updateMarks();
    picture_->update();
}

bool SheetViewGroup::keyPressed(QKeyEvent *event)
{
    if (images().selected() == 0 || !session_.canEdit())
        return false;
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit textBoxWanted(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Delete: // the image leaves the document, not just the view
        emit deleteImageWanted();
        return true;
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
    images().step(dx, dy, event->modifiers() & Qt::ShiftModifier, zoom_.factor());
    return true;
}

bool SheetViewGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != picture_)
        return QGroupBox::eventFilter(watched, event);
    const auto mouse = [event] { return static_cast<QMouseEvent *>(event); };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressed(mouse());
        return true;
    case QEvent::MouseMove:
        moved(mouse());
        return true;
    case QEvent::MouseButtonRelease:
        if (mouse()->button() == Qt::LeftButton && images().release(zoom_.factor()))
            repaintSheet();
        return true;
    case QEvent::MouseButtonDblClick:
        if (mouse()->button() == Qt::LeftButton && images().doubleClicked(mouse()->position(), zoom_.factor()))
            emit editImageWanted(images().selected());
        return true;
    case QEvent::KeyPress:
        return keyPressed(static_cast<QKeyEvent *>(event));
    case QEvent::FocusOut: {
        // The image's own menu and a switch to another window keep it selected.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            images().clearSelection();
        return false;
    }
    default:
        return QGroupBox::eventFilter(watched, event);
    }
}

} // namespace porkane
