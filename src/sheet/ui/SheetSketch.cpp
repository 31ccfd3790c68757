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

QRectF SheetSketch::shownArea() const
{
    // Labels off the sheet are shown too, so that the user sees where.
    QRectF area(QPointF(0, 0), paper_);
    for (const Label &label : labels_)
        area |= label.millimetres;
    return area;
}

double SheetSketch::scale() const
{
    const QRectF area = shownArea();
    if (paper_.width() <= 0 || paper_.height() <= 0 || area.width() <= 0 || area.height() <= 0)
        return 0;
    return std::max(0.0, std::min((width() - 2.0 * Margin) / area.width(), (height() - 2.0 * Margin) / area.height()));
}

QPointF SheetSketch::origin() const
{
    const double s = scale();
    const QRectF area = shownArea();
    return QPointF((width() - area.width() * s) / 2, (height() - area.height() * s) / 2) - area.topLeft() * s;
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
        const bool onSheet = QRectF(QPointF(0, 0), paper_).adjusted(-0.05, -0.05, 0.05, 0.05).contains(label.millimetres);
        const QColor line = !onSheet ? QColor(0xd0, 0x30, 0x40) : label.used ? QColor(0x8a, 0x5a, 0x3c)
                                                                           : QColor(0xb0, 0xa6, 0x9c);
        QPen outline(line, onSheet ? 1 : 1.5, label.used ? Qt::SolidLine : Qt::DashLine);
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
