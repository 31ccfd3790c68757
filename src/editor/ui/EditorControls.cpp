#include "editor/ui/EditorControls.h"

#include <algorithm>

#include <QAbstractSpinBox>
#include <QDoubleSpinBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "widgets/Artwork.h"

namespace porkane {

// --- Colour swatches ----------------------------------------------------------------

ColourSwatch *newSwatch(QWidget *parent)
{
    auto *swatch = new ColourSwatch(parent);
    swatch->setFixedSize(34, 18);
    return swatch;
}

// --- EditorUpDown ----------------------------------------------------------------

EditorUpDown::EditorUpDown(QWidget *parent) : QWidget(parent)
{
    const auto makeArrow = [this](Qt::ArrowType arrow, const QString &name) {
        auto *button = new QToolButton(this);
        button->setObjectName(name);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(17, 11);
        button->setStyleSheet(QStringLiteral("QToolButton { border: 1px solid #d2a47f; background: #fff3e6; }"
                                             "QToolButton:pressed { background: #ffd9b8; }"));
        return button;
    };
    up_ = makeArrow(Qt::UpArrow, QStringLiteral("up"));
    down_ = makeArrow(Qt::DownArrow, QStringLiteral("down"));
    connect(up_, &QToolButton::clicked, this, [this] { step(Up); });
    connect(down_, &QToolButton::clicked, this, [this] { step(Down); });
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(up_);
    column->addWidget(down_);
    setFixedSize(17, 22);
}

void EditorUpDown::setRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setValue(value_);
}

void EditorUpDown::setValue(int value)
{
    value = std::clamp(value, minimum_, maximum_);
    if (value == value_)
        return;
    value_ = value;
    emit valueChanged(value_);
}

void EditorUpDown::step(Direction direction)
{
    emit pressed(direction);
    setValue(value_ + int(direction) * step_);
    emit stepped(direction);
}

// --- PanelButton -------------------------------------------------------------------

PanelButton::PanelButton(const QString &icon, const QString &toolTip, QWidget *parent)
    : PictureButton(parent), icon_(icon)
{
    setToolTip(toolTip);
    setOn(false);
    setActingBounds(Side - 1, Side - 1);
}

void PanelButton::setOn(bool on)
{
    on_ = on;
    artwork::ButtonFace face;
    face.icon = icon_;
    face.size = QSize(Side, Side);
    face.shape = artwork::ButtonShape::Square;
    face.iconSide = 15;
    face.latched = on;
    setPictures(artwork::buttonPictures(face));
}

// --- Number fields --------------------------------------------------------------------

namespace {

class SelectAllOnEntry : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            auto *reason = static_cast<QFocusEvent *>(event);
            if (reason->reason() != Qt::PopupFocusReason) {
                // After the click that gave the focus has placed the caret.
                if (auto *box = qobject_cast<QAbstractSpinBox *>(watched))
                    QTimer::singleShot(0, box, [box] { box->selectAll(); });
                else if (auto *line = qobject_cast<QLineEdit *>(watched))
                    QTimer::singleShot(0, line, [line] { line->selectAll(); });
            }
        }
        return false;
    }
};

void styleField(QAbstractSpinBox *field, const QString &name)
{
    field->setObjectName(name);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setFixedWidth(58);
    field->setKeyboardTracking(true);
    selectAllOnEntry(field);
}

} // namespace

void selectAllOnEntry(QWidget *field) { field->installEventFilter(new SelectAllOnEntry(field)); }

QSpinBox *makeNumberField(QWidget *parent, const QString &name, int minimum, int maximum, int step)
{
    auto *field = new QSpinBox(parent);
    field->setRange(minimum, maximum);
    field->setSingleStep(step);
    styleField(field, name);
    return field;
}

QDoubleSpinBox *makeDecimalField(QWidget *parent, const QString &name)
{
    auto *field = new QDoubleSpinBox(parent);
    field->setDecimals(1);
    field->setRange(-10.0, 10.0);
    field->setSingleStep(0.1);
    styleField(field, name);
    return field;
}

} // namespace porkane
