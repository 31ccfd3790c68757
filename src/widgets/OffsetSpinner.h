#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace porkane {

// A print offset: an up-down spinner holding tenths of a millimetre and the
// text box beside it showing the spinner's value in millimetres ("1" for
// 10, "-2.5" for -25). Typing a number sets the spinner to ten times it,
// rounded halves to even and kept within the range (the box shows the
// spinner's value once typing ends); changing the spinner with its arrows
// rewrites the text box. Entering the text box selects its whole text.
class OffsetSpinner : public QWidget {
    Q_OBJECT
public:
    static constexpr int Minimum = -1000;
    static constexpr int Maximum = 1000;

    explicit OffsetSpinner(QWidget *parent = nullptr);

    int value() const { return value_; }
    // Kept within the range; the text box follows.
    void setValue(int tenths);
    void stepBy(int steps);

    QLineEdit *field() const { return field_; }
    QToolButton *upButton() const { return up_; }
    QToolButton *downButton() const { return down_; }

    // The text a value shows in the box.
    static QString textFor(int tenths);

signals:
    void valueChanged(int tenths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void changeValue(int tenths, bool rewriteField);
    void fieldEdited(const QString &text);
    void typingFinished();

    int value_ = 0;
    QLineEdit *field_ = nullptr;
    QToolButton *up_ = nullptr;
    QToolButton *down_ = nullptr;
};

} // namespace porkane
