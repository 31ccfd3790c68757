#include "image/PictureLimits.h"

#include <cstdlib>

#include <QPainter>

#ifdef __linux__
#include <sys/mman.h>
#endif

#include "core/Errors.h"
#include "image/ImageMessages.h"

namespace porkane {

bool pictureSizeAllowed(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide &&
           width * height <= MaxPicturePixels;
}

void checkPictureSize(qint64 width, qint64 height)
{
    if (!pictureSizeAllowed(width, height))
        throw UserError(PictureTooLargeMessage.arg(width).arg(height));
}

namespace {

#ifdef __linux__
// A fresh 100 MB picture costs tens of milliseconds in page faults when its
// memory comes in 4 kB pages; large ones are placed on 2 MB boundaries and
// offered huge pages instead.
constexpr size_t HugePage = size_t(2) << 20;
constexpr size_t HugePictureBytes = size_t(8) << 20;

QImage hugePagePicture(int width, int height)
{
    const size_t bytes = size_t(width) * 4 * size_t(height);
    const size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
    void *memory = std::aligned_alloc(HugePage, rounded);
    if (memory == nullptr)
        return {};
    madvise(memory, rounded, MADV_HUGEPAGE); // only advice: failing changes nothing
    return QImage(static_cast<uchar *>(memory), width, height, qsizetype(width) * 4, QImage::Format_RGB32,
                  [](void *buffer) { std::free(buffer); }, memory);
}
#endif

} // namespace

QImage newPicture(qint64 width, qint64 height)
{
    checkPictureSize(width, height);
    QImage picture;
#ifdef __linux__
    if (size_t(width) * 4 * size_t(height) >= HugePictureBytes)
        picture = hugePagePicture(int(width), int(height));
#endif
    if (picture.isNull())
        picture = QImage(int(width), int(height), QImage::Format_RGB32);
    if (picture.isNull())
        throw UserError(PictureTooLargeMessage.arg(width).arg(height));
    return picture;
}

QImage opaqueRgb32(const QImage &picture)
{
    if (picture.isNull() || picture.format() == QImage::Format_RGB32)
        return picture;
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage opaque = newPicture(picture.width(), picture.height());
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, picture);
    painter.end();
    return opaque;
}

} // namespace porkane
