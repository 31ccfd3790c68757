#include "RenderTestSupport.h"

namespace porkane::test {

AttrRecord plainRecord(double height)
{
    AttrRecord record;
    record[TextColourSlot] = Variant(qint32(0));
    record[CharHeightSlot] = Variant(height);
    record[FontWeightSlot] = Variant(qint16(400));
    record[FaceNameSlot] = Variant(QStringLiteral("IPAGothic"));
    return record;
}

AttrRecord breakRecord(const QString &marker, double height)
{
    AttrRecord record = plainRecord(height);
    record[TextColourSlot] = Variant(marker);
    return record;
}

QImage whitePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

std::vector<QPoint> inkOf(const QImage &image)
{
    std::vector<QPoint> points;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                points.emplace_back(x, y);
        }
    }
    return points;
}

QRect inkBox(const QImage &image)
{
    QRect box;
    for (const QPoint &point : inkOf(image))
        box |= QRect(point, QSize(1, 1));
    return box;
}

void paintMask(QImage &image, const std::vector<QPoint> &mask, QPoint offset, RgbValue colour)
{
    for (const QPoint &point : mask) {
        if (image.rect().contains(point + offset))
            image.setPixel(point + offset, toQRgb(colour));
    }
}

} // namespace porkane::test
