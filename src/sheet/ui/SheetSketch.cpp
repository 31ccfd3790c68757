#include "sheet/ui/SheetSketch.h"

#include <algorithm>

#include <QPainter>

#include "sheet/SheetTemplate.h"
#include "sheet/ui/TemplatePreview.h"

namespace porkane {

namespace {

constexpr int Margin = 10; // pixels around the sheet

} // namespace

SheetSketch::SheetSketch(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("sheetSketch"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SheetSketch::setSheet(QSizeF paperMillimetres, std::vector<Label> labels)
{
    paper_ = paperMillimetres;
    labels_ = std::move(labels);
    update();
}

void SheetSketch::setTemplate(const SheetTemplate &sheet)
{
    std::vector<Label> labels;
    for (int label = 1; label <= std::min<int>(sheet.LabelCount, SheetTemplate::MaxLabels); ++label) {
        const SheetTemplate::Geometry &row = sheet.LabelGeometry[std::size_t(label)];
        labels.push_back({QRectF(row[LeftOffset], row[TopOffset], row[LabelWidth], row[LabelHeight])});
    }
    setSheet(QSizeF(sheet.SheetWidth, sheet.SheetHeight), std::move(labels));
}

void SheetSketch::clearSheet() { setSheet({}, {}); }

double SheetSketch::scale() const
{
    if (paper_.width() <= 0 || paper_.height() <= 0)
        return 0;
    return std::max(0.0, std::min((width() - 2.0 * Margin) / paper_.width(), (height() - 2.0 * Margin) / paper_.height()));
}

QPointF SheetSketch::origin() const
{
    const double s = scale();
    return {(width() - paper_.width() * s) / 2, (height() - paper_.height() * s) / 2};
}

QPointF SheetSketch::pixelOf(QPointF millimetres) const { return origin() + millimetres * scale(); }

void SheetSketch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xe8, 0xdf, 0xd6));
    const double s = scale();
    if (s <= 0)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet(origin(), paper_ * s);
    painter.fillRect(sheet.translated(2, 2), QColor(0xc8, 0xb8, 0xaa));
    painter.fillRect(sheet, Qt::white);
    painter.setPen(QColor(0xb0, 0xa0, 0x94));
    painter.drawRect(sheet);

    QFont numberFont = font();
    int number = 0;
    for (const Label &label : labels_) {
        if (label.used)
            ++number;
        const QRectF place(pixelOf(label.millimetres.topLeft()), label.millimetres.size() * s);
        const QColor fill = label.used ? LabelRectangle::OtherColour : QColor(0xee, 0xea, 0xe6);
        QPen outline(label.used ? QColor(0x8a, 0x5a, 0x3c) : QColor(0xb0, 0xa6, 0x9c), 1,
                     label.used ? Qt::SolidLine : Qt::DashLine);
        painter.setPen(outline);
        painter.setBrush(fill);
        if (label.round)
            painter.drawEllipse(place);
        else
            painter.drawRect(place);
        const double side = std::min(place.width(), place.height());
        if (label.used && side >= 9) {
            numberFont.setPixelSize(std::clamp(int(side * 0.55), 7, 16));
            painter.setFont(numberFont);
            painter.setPen(QColor(0x5a, 0x36, 0x22));
            painter.drawText(place, Qt::AlignCenter, circledNumber(number));
        }
    }
}

} // namespace porkane
