#pragma once

#include <QWidget>

#include "core/Colour.h"

namespace porkane {

// A patch of one colour that acts when clicked: the text-colour and effect
// swatches open the colour dialog, the palette swatches hand their colour
// on. A disabled swatch shows its colour faded behind a hatch.
class ColourSwatch : public QWidget {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget *parent = nullptr);

    RgbValue colour() const { return colour_; }
    // Only the low 24 bits count.
    void setColour(RgbValue colour);

    QSize sizeHint() const override { return {24, 24}; }

signals:
    // The left button was released over the swatch.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    RgbValue colour_ = 0;
    bool pressed_ = false;
};

} // namespace porkane
