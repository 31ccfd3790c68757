#pragma once

// The pieces of the designer's preview: the sheet picture and one small
// rectangle per label showing the label's circled number.

#include <QColor>
#include <QWidget>

namespace porkane {

// "①" for label 1 up to "⑳" for label 20.
QString circledNumber(int label);

// The white sheet. It takes the presses on it, so that clicking the sheet
// does not start moving the window.
class SheetPicture : public QWidget {
    Q_OBJECT
public:
    explicit SheetPicture(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};

class LabelRectangle : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor fillColour READ fillColour)
    Q_PROPERTY(QString number READ number)
public:
    static inline const QColor CurrentColour{192, 255, 192}; // light green
    static inline const QColor OtherColour{255, 223, 192};   // peach

    LabelRectangle(int label, QWidget *parent);

    void setLabel(int label);
    int label() const { return label_; }
    QString number() const { return circledNumber(label_); }
    void setCurrent(bool current);
    bool isCurrent() const { return current_; }
    QColor fillColour() const { return current_ ? CurrentColour : OtherColour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int label_;
    bool current_ = false;
};

// The dashed frame that follows the pointer while a label is dragged.
class DragFrame : public QWidget {
    Q_OBJECT
public:
    explicit DragFrame(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace porkane
