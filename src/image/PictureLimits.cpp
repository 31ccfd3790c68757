#include "image/PictureLimits.h"

#include <QPainter>

#include "core/Errors.h"
#include "image/ImageMessages.h"

namespace porkane {

void checkPictureSize(qint64 width, qint64 height)
{
    if (!pictureSizeAllowed(width, height))
        throw UserError(PictureTooLargeMessage().arg(width).arg(height));
}

QImage newPicture(qint64 width, qint64 height)
{
    checkPictureSize(width, height);
    QImage picture = allocatePicture(width, height);
    if (picture.isNull())
        throw OutOfMemoryError(PictureTooLargeMessage().arg(width).arg(height));
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
