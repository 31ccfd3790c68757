#include "widgets/OffsetSpinner.h"

#include <algorithm>
#include <cmath>

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Rounding.h"

namespace porkane {

OffsetSpinner::OffsetSpinner(QWidget *parent) : QWidget(parent)
{
    field_ = new QLineEdit(this);
    field_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field_->setFixedWidth(64);
    // Room for "-100.0" and a few more decimals as typed; letters never.
    const QRegularExpression number(QStringLiteral("-?[0-9]{0,4}(\\.[0-9]{0,3})?"));
    field_->setValidator(new QRegularExpressionValidator(number, field_));
    field_->setText(textFor(value_));
    field_->installEventFilter(this);
    connect(field_, &QLineEdit::textEdited, this, &OffsetSpinner::fieldEdited);
    connect(field_, &QLineEdit::editingFinished, this, &OffsetSpinner::typingFinished);

    const auto arrow = [this](Qt::ArrowType type) {
        auto *button = new QToolButton(this);
        button->setArrowType(type);
        button->setAutoRepeat(true);
        button->setFixedSize(16, 11);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    up_ = arrow(Qt::UpArrow);
    down_ = arrow(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });

    auto *arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(field_);
    row->addLayout(arrows);
    setFocusProxy(field_);
}

QString OffsetSpinner::textFor(int tenths)
{
    // Whole millimetres without a decimal point, as the box always showed.
    return QString::number(tenths / 10.0, 'g', 6);
}

void OffsetSpinner::setValue(int tenths) { changeValue(tenths, true); }

void OffsetSpinner::changeValue(int tenths, bool rewriteField)
{
    const int value = std::clamp(tenths, Minimum, Maximum);
    if (value == value_)
        return;
    value_ = value;
    if (rewriteField)
        field_->setText(textFor(value_));
    emit valueChanged(value_);
}

void OffsetSpinner::stepBy(int steps) { setValue(value_ + steps); }

void OffsetSpinner::fieldEdited(const QString &text)
{
    bool ok = false;
    const double millimetres = text.toDouble(&ok);
    // A half-typed number ("-", ".") leaves the spinner as it is.
    if (!ok || !std::isfinite(millimetres))
        return;
    // The box keeps what is being typed ("-0" on the way to "-0.5"); it
    // shows the spinner's own value once typing ends.
    changeValue(int(std::clamp(roundHalfEven(millimetres * 10), double(Minimum), double(Maximum))), false);
}

void OffsetSpinner::typingFinished()
{
    const QString shown = textFor(value_);
    if (field_->text() != shown)
        field_->setText(shown);
}

bool OffsetSpinner::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == field_) {
        if (event->type() == QEvent::FocusIn) {
            // After the click that gave the focus has placed the caret.
            QTimer::singleShot(0, field_, [field = field_] { field->selectAll(); });
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                stepBy(key == Qt::Key_Up ? 1 : -1);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace porkane
