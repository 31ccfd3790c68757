#include "image/PictureLoader.h"

#include <algorithm>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QUrl>

#include "core/Errors.h"
#include "image/ImageMessages.h"
#include "image/Metafile.h"
#include "image/PictureLimits.h"

namespace porkane {

namespace {

// The extensions the open dialog has always offered, in its order.
const QStringList FirstExtensions{QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("gif"),
                                  QStringLiteral("ico"), QStringLiteral("wmf"), QStringLiteral("emf")};

// An icon holds several pictures; the largest shows best on a label.
constexpr int MaxIconImages = 256;

QImage readWithQt(const QByteArray &bytes, const QString &name)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // Our own size limit decides; Qt's default one is lower.
    reader.setAllocationLimit(int(MaxPicturePixels * 4 / (1024 * 1024)) + 1);
    // Any format Qt has a reader for: the dialog offers them all.
    const QByteArray format = reader.format();
    if (format.isEmpty())
        throw FileError(NotAPictureMessage().arg(name));

    const int imageCount = format == "ico" || format == "cur" ? std::clamp(reader.imageCount(), 1, MaxIconImages) : 1;
    QImage best;
    for (int index = 0; index < imageCount; ++index) {
        if (index > 0 && !reader.jumpToImage(index))
            break;
        const QSize size = reader.size();
        if (size.isValid())
            checkPictureSize(size.width(), size.height());
        QImage image = reader.read();
        if (image.isNull())
            continue;
        if (best.isNull() || qint64(image.width()) * image.height() > qint64(best.width()) * best.height())
            best = image;
    }
    if (best.isNull())
        throw FileError(DamagedPictureMessage().arg(name));
    return best;
}

} // namespace

QStringList pictureFileExtensions()
{
    QStringList extensions = FirstExtensions;
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        const QString extension = QString::fromLatin1(format).toLower();
        if (!extensions.contains(extension))
            extensions.append(extension);
    }
    return extensions;
}

QString pictureFileFilter()
{
    const QStringList extensions = pictureFileExtensions();
    QStringList patterns;
    for (const QString &extension : extensions)
        patterns.append(QStringLiteral("*.") + extension);
    // File names here tell the cases apart.
    for (const QString &extension : extensions)
        patterns.append(QStringLiteral("*.") + extension.toUpper());
    return QCoreApplication::translate("PictureLoader", "画像ファイル (%1)").arg(patterns.join(QLatin1Char(' ')));
}

QImage usablePicture(const QImage &picture)
{
    if (picture.isNull())
        throw UserError(NoPictureMessage());
    checkPictureSize(picture.width(), picture.height());
    QImage opaque = opaqueRgb32(picture);
    if (opaque.isNull())
        throw UserError(PictureTooLargeMessage().arg(picture.width()).arg(picture.height()));
    return opaque;
}

namespace {

QImage decodeAnyPicture(const QByteArray &bytes, const QString &name, int twipsPerPixelX, int twipsPerPixelY)
{
    switch (metafileKind(bytes)) {
    case MetafileKind::Wmf:
        return renderWmf(bytes, name, twipsPerPixelX, twipsPerPixelY);
    case MetafileKind::Emf:
        return renderEmf(bytes, name, twipsPerPixelX, twipsPerPixelY);
    case MetafileKind::None:
        break;
    }
    return usablePicture(readWithQt(bytes, name));
}

} // namespace

QImage decodePicture(const QByteArray &bytes, const QString &name, int twipsPerPixelX, int twipsPerPixelY)
{
    return withinMemory([&] { return decodeAnyPicture(bytes, name, twipsPerPixelX, twipsPerPixelY); });
}

QImage loadPicture(const QString &path, int twipsPerPixelX, int twipsPerPixelY)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!info.isFile())
        throw FileError(CannotOpenPictureMessage().arg(name.isEmpty() ? path : name));
    if (info.size() > MaxPictureFileBytes)
        throw FileError(NotAPictureMessage().arg(name));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(CannotOpenPictureMessage().arg(name));
    const QByteArray bytes = withinMemory([&] { return file.read(MaxPictureFileBytes + 1); });
    if (file.error() != QFileDevice::NoError)
        throw FileError(CannotOpenPictureMessage().arg(name));
    if (bytes.size() > MaxPictureFileBytes)
        throw FileError(NotAPictureMessage().arg(name));
    if (bytes.isEmpty())
        throw FileError(NotAPictureMessage().arg(name));
    return decodePicture(bytes, name, twipsPerPixelX, twipsPerPixelY);
}

QImage clipboardPicture(const QMimeData *data, int twipsPerPixelX, int twipsPerPixelY)
{
    if (data == nullptr)
        throw UserError(NoClipboardPictureMessage());
    if (data->hasImage()) {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        if (!image.isNull())
            return usablePicture(image);
    }
    if (data->hasUrls()) {
        for (const QUrl &url : data->urls()) {
            if (url.isLocalFile())
                return loadPicture(url.toLocalFile(), twipsPerPixelX, twipsPerPixelY);
        }
    }
    throw UserError(NoClipboardPictureMessage());
}

} // namespace porkane
