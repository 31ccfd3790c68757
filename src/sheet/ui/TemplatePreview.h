#pragma once

// The designer's preview: the sheet picture in a scrollable viewport, one
// small rectangle per label showing the label's circled number, and the
// frame and information box shown while a label is dragged.

#include <vector>

#include <QColor>
#include <QScrollArea>
#include <QWidget>

class QLabel;

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

// The preview as a whole. It places what it is told where it is told and
// reports the pointer on the label rectangles; what that means is the
// designer's business.
class TemplatePreview : public QScrollArea {
    Q_OBJECT
public:
    explicit TemplatePreview(QWidget *parent = nullptr);

    void setSheetSize(QSize pixels);

    // Label l's rectangle, or null.
    LabelRectangle *rectangle(int label) const;
    void addRectangle(int label, QRect place);
    void placeRectangle(int label, QRect place);
    // The rectangles after it move down one number.
    void removeRectangle(int label);
    void removeAllRectangles();
    // Colours the current label's rectangle.
    void setCurrent(int label);

    // The dashed frame over a label's rectangle, `moved` pixels from it.
    void showDragFrame(int label, QPoint moved = {});
    // The box beside the frame with its two lines.
    void showDragInfo(const QString &leftLine, const QString &topLine);
    void hideDrag();

signals:
    void rectanglePressed(int label, QPointF at); // the left button
    void rectangleMoved(int label, QPointF at);
    void rectangleReleased(int label); // the left button

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SheetPicture *sheet_ = nullptr;
    std::vector<LabelRectangle *> rectangles_; // label l at l - 1
    DragFrame *dragFrame_ = nullptr;
    QWidget *dragInfo_ = nullptr;
    QLabel *dragInfoLeft_ = nullptr;
    QLabel *dragInfoTop_ = nullptr;
};

} // namespace porkane
