#pragma once

// The sheet view of the editor window ("印刷イメージ"): the viewport
// Picture1 with its scroll bars VScroll1 and HScroll1, and inside it the
// sheet view Picture3, which shows the sheet image at the zoom. The view
// slides inside the viewport by 10 twips per scroll unit.

#include <vector>

#include <QImage>
#include <QLineF>
#include <QWidget>

class QScrollBar;

namespace porkane {

// Picture3: the stretched sheet image, the labels' print-start guides and
// the selected image's marks. The editor handles its pointer and key events.
class SheetViewPicture : public QWidget {
    Q_OBJECT
public:
    explicit SheetViewPicture(QWidget *parent = nullptr);

    // The picture shown; it stays the owner's (the sheet image keeps
    // changing it in place while an image is dragged).
    void setImageSource(const QImage *view);
    const QImage *imageSource() const { return image_; }

    // The selection marks: a picture (see-through where unmarked) shown
    // stretched over `target`, in this widget's pixels.
    void setMarks(const QImage &marks, const QRectF &target);
    void clearMarks();
    bool hasMarks() const { return !marks_.isNull(); }
    QRectF marksTarget() const { return marksTarget_; }

    void setGuides(std::vector<QLineF> guides);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QImage *image_ = nullptr;
    QImage marks_;
    QRectF marksTarget_;
    std::vector<QLineF> guides_;
};

// Picture1 and the scroll bars around it.
class SheetViewport : public QWidget {
    Q_OBJECT
public:
    explicit SheetViewport(QWidget *parent = nullptr);

    SheetViewPicture *picture() const { return picture_; }
    QWidget *viewport() const { return viewport_; }
    QScrollBar *verticalBar() const { return vertical_; }
    QScrollBar *horizontalBar() const { return horizontal_; }

    void setTwipsPerPixel(int x, int y);
    // Sizes the sheet view (pixels) and updates the scroll bars.
    void setViewSize(QSize size);

    // Scroll ranges follow the viewport and view sizes, in units of 10
    // twips; a view that fits gets no scroll bar and sits at 0.
    void UpdateScrollBars();

    // Where the sheet view stands in the viewport, in twips.
    int viewLeftTwips() const { return leftTwips_; }
    int viewTopTwips() const { return topTwips_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeView();

    QWidget *viewport_ = nullptr;
    SheetViewPicture *picture_ = nullptr;
    QScrollBar *vertical_ = nullptr;
    QScrollBar *horizontal_ = nullptr;
    int twipsPerPixelX_ = 15;
    int twipsPerPixelY_ = 15;
    int leftTwips_ = 0;
    int topTwips_ = 0;
};

} // namespace porkane
