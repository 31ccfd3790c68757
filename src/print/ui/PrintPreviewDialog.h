#pragma once

#include <QDialog>
#include <QImage>

#include "print/PrintGeometry.h"
#include "print/PrintPages.h"

class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace porkane {

// "印刷プレビュー": the pages of a print job as the job itself draws them,
// on a picture at the screen's resolution times the zoom, one page at a
// time (each made when shown), with page navigation, zoom and the page
// count.
class PrintPreviewDialog : public QDialog {
    Q_OBJECT
public:
    PrintPreviewDialog(PrintPages pages, const PrintOptions &options, ScreenScale screen,
                       QWidget *parent = nullptr);

    int pageCount() const { return pages_.pageCount(); }
    // 0-based.
    int currentPage() const { return page_; }
    double zoom() const { return zoom_; }
    // The page as shown, at the zoom.
    const QImage &shownPage() const { return shown_; }

    // The zoom steps offered, as factors of the screen's size.
    static const QList<double> &zoomSteps();

public slots:
    // Page numbers beyond the job's are taken as its first or last.
    void showPage(int page);
    void showNextPage();
    void showPreviousPage();
    void setZoom(double zoom);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void redraw();
    void showNavigation();

    PrintPages pages_;
    PrintOptions options_;
    ScreenScale screen_;
    int page_ = 0;
    double zoom_ = 1.0;
    QImage shown_;
    bool showingNavigation_ = false;

    QToolButton *previous_ = nullptr;
    QToolButton *next_ = nullptr;
    QSpinBox *pageNumber_ = nullptr;
    QLabel *pageCount_ = nullptr;
    QComboBox *zoomBox_ = nullptr;
    QScrollArea *scroller_ = nullptr;
    QLabel *view_ = nullptr;
};

} // namespace porkane
