#pragma once

// The editor's "印刷イメージ" group: the sheet view in its viewport, the
// zoom ("表示倍率："), the grid and colour settings, and "画像選択優先".
// It draws the session's document (every label's canvas and the sheet
// image) and hands presses, drags and keys on the sheet to the session.

#include <QGroupBox>
#include <QPoint>

#include "editor/SheetZoom.h"
#include "render/LabelCanvas.h"
#include "render/SheetImage.h"

class QCheckBox;
class QLineEdit;
class QMouseEvent;
class QKeyEvent;
class QSpinBox;

namespace porkane {

class ColourSwatch;
class EditorSession;
class EditorUpDown;
class ImageObjects;
class Prompts;
class SheetViewPicture;
class SheetViewport;

class SheetViewGroup : public QGroupBox {
    Q_OBJECT
public:
    SheetViewGroup(EditorSession &session, Prompts &prompts, QWidget *parent = nullptr);

    double zoom() const { return zoom_.factor(); }
    const LabelCanvases &labelCanvases() const { return canvases_; }
    const SheetImage &sheetImage() const { return sheetImage_; }
    // Where the sheet view stands in its viewport, in twips (0 or less).
    QPoint viewOffsetTwips() const;

    // The settings' controls show what the session holds.
    void showSettings();
    // RenderLabel into the label's canvas, then RePaint unless another
    // window holds the document.
    void renderLabel(int label);
    // RePaint: the sheet image rebuilt and shown at the zoom.
    void repaintSheet();

signals:
    // The text box is to take the keys (a press beside the images, Enter
    // on an image, a colour chosen).
    void textBoxWanted(Qt::FocusReason reason);
    void imageMenuWanted(const QPoint &globalPosition);
    void editImageWanted(qint32 pictureIndex);
    void deleteImageWanted();
    // A label or the sheet could not be drawn for want of memory: it shows
    // white (or nothing) until memory allows again.
    void renderingFailed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ImageObjects &images() const;
    void showDocument();
    void updateGuides();
    void updateMarks();
    void storeSettings();
    void chooseColour(ColourSwatch *swatch);
    void zoomTextEdited(const QString &text);
    void zoomStepped(int percent);
    void applyZoom();
    void pressed(QMouseEvent *event);
    void moved(QMouseEvent *event);
    bool keyPressed(QKeyEvent *event);
    SheetViewState viewState() const;
    SheetViewStyle viewStyle() const;

    EditorSession &session_;
    Prompts &prompts_;
    SheetZoom zoom_;
    LabelCanvases canvases_;
    SheetImage sheetImage_;

    SheetViewport *viewport_ = nullptr;
    SheetViewPicture *picture_ = nullptr;
    QLineEdit *zoomField_ = nullptr;
    EditorUpDown *zoomSpinner_ = nullptr;
    QCheckBox *gridBox_ = nullptr;
    QSpinBox *gridSpacing_ = nullptr;
    ColourSwatch *gridColour_ = nullptr;
    ColourSwatch *backgroundColour_ = nullptr;
    ColourSwatch *labelColour_ = nullptr;
    QCheckBox *imageFirstBox_ = nullptr;
};

} // namespace porkane
