#include "format/ui/SampleView.h"

#include <QPainter>
#include <QResizeEvent>

#include "core/Colour.h"
#include "format/FormatValues.h"
#include "render/GlyphPainter.h"
#include "render/TextLayout.h"

namespace porkane {

SampleView::SampleView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SampleView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SampleView::draw(const InputFormat &format, const SampleSettings &settings, const TextScale &scale)
{
    format_ = format;
    settings_ = settings;
    scale_ = scale;
    drawn_ = true;
    render();
}

std::vector<AttrRecord> SampleView::sampleRecords(const QString &text, const InputFormat &format)
{
    const AttrRecord record = typedRecord(format);
    AttrRecord lineEnd = record;
    // A lone CR ends its line as the second half of a line break does.
    lineEnd[TextColourSlot] = Variant(LineBreakMarkerAtLf);
    std::vector<AttrRecord> records;
    records.reserve(std::size_t(text.size()));
    for (const QChar character : text)
        records.push_back(character == QChar(13) ? lineEnd : record);
    return records;
}

void SampleView::render()
{
    const QSize size = contentsRect().size();
    if (!drawn_ || size.isEmpty())
        return;
    picture_ = QImage(size, QImage::Format_RGB32);
    picture_.fill(toQColor(settings_.backgroundColour));

    {
        QPainter painter(&picture_);
        painter.setPen(QPen(toQColor(settings_.gridColour), 0));
        for (int x : gridLinePositions(size.width(), settings_.gridInterval, scale_.twipsPerPixelX))
            painter.drawLine(x, 0, x, size.height() - 1);
        for (int y : gridLinePositions(size.height(), settings_.gridInterval, scale_.twipsPerPixelY))
            painter.drawLine(0, y, size.width() - 1, y);
    }

    const QString text = sampleText(format_.faceName);
    const std::vector<PlacedGlyph> glyphs = layoutText(text, TextRecords(sampleRecords(text, format_)), QPoint(0, 0),
                                                       scale_, &picture_, picture_.rect());
    paintGlyphs(picture_, glyphs);
    ++drawCount_;
    update();
}

void SampleView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    if (picture_.isNull())
        painter.fillRect(area, Qt::white);
    else
        painter.drawImage(area.topLeft(), picture_);
}

void SampleView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (drawn_ && picture_.size() != contentsRect().size())
        render();
}

} // namespace porkane
