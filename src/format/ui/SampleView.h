#pragma once

#include <QImage>
#include <QWidget>

#include "format/InputFormat.h"
#include "format/SampleSettingsFile.h"
#include "render/TextScale.h"

namespace porkane {

// The format dialog's sample picture: its background, a grid, and three
// sample lines whose every character has the format being edited, laid out
// and drawn by the same renderer as the labels, from (0, 0). So what the
// sample shows is what a typed character of that format looks like.
class SampleView : public QWidget {
    Q_OBJECT
public:
    explicit SampleView(QWidget *parent = nullptr);

    // Draws the sample anew and shows it.
    void draw(const InputFormat &format, const SampleSettings &settings, const TextScale &scale);

    // The records the sample lines are drawn with: the format's own for
    // every character, a line-break marker on every CR.
    static std::vector<AttrRecord> sampleRecords(const QString &text, const InputFormat &format);

    const QImage &picture() const { return picture_; }
    // How often the sample has been drawn.
    int drawCount() const { return drawCount_; }

    QSize sizeHint() const override { return {560, 180}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void render();

    bool drawn_ = false;
    InputFormat format_;
    SampleSettings settings_;
    TextScale scale_;
    QImage picture_;
    int drawCount_ = 0;
};

} // namespace porkane
