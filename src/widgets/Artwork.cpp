#include "widgets/Artwork.h"

#include <algorithm>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

// Q_INIT_RESOURCE must be used outside any namespace; the resources live in
// a static library and would otherwise never be registered.
static void registerPictureResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(porkane);
        return true;
    }();
    (void)registered;
}

namespace porkane::artwork {

namespace {

qreal devicePixelRatio()
{
    const auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    return application ? application->devicePixelRatio() : 1.0;
}

QImage render(const QString &name, QSize size, qreal ratio)
{
    registerPictureResources();
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/porkane/%1.svg").arg(name));
    if (renderer.isValid()) {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

// Grey and faded, as a disabled control's icon looks.
QImage disabledLook(QImage image)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int grey = qGray(pixel);
            line[x] = qRgba(grey, grey, grey, qAlpha(pixel) * 2 / 5);
        }
    }
    return image;
}

QString frameName(ButtonShape shape)
{
    switch (shape) {
    case ButtonShape::Wide:
        return QStringLiteral("buttons/frame-wide");
    case ButtonShape::Square:
        return QStringLiteral("buttons/frame-square");
    case ButtonShape::Window:
        return QStringLiteral("buttons/frame-window");
    }
    return {};
}

int iconSide(QSize size, ButtonShape shape)
{
    if (shape == ButtonShape::Window)
        return std::min(size.width(), size.height()) - 6;
    return std::min(26, std::min(size.width(), size.height()) - 10);
}

} // namespace

QPixmap picture(const QString &name, QSize size)
{
    const qreal ratio = devicePixelRatio();
    const QString key = QStringLiteral("porkane:%1:%2x%3@%4").arg(name).arg(size.width()).arg(size.height()).arg(ratio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap::fromImage(render(name, size, ratio));
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

PictureButton::Pictures buttonPictures(const QString &icon, QSize size, ButtonShape shape)
{
    const qreal ratio = devicePixelRatio();
    const int side = iconSide(size, shape);
    const QImage iconImage = render(QStringLiteral("icons/") + icon, QSize(side, side), ratio);
    const QPointF iconAt((size.width() - side) / 2.0, (size.height() - side) / 2.0);

    const auto compose = [&](const QString &state, const QImage &glyph, QPointF offset) {
        QImage image = render(frameName(shape) + QLatin1Char('-') + state, size, ratio);
        QPainter painter(&image);
        painter.drawImage(iconAt + offset, glyph);
        painter.end();
        return QPixmap::fromImage(image);
    };

    PictureButton::Pictures pictures;
    pictures.normal = compose(QStringLiteral("normal"), iconImage, {0, 0});
    // The pressed icon sinks by a pixel with its frame.
    pictures.pressed = compose(QStringLiteral("pressed"), iconImage, {1, 1});
    QImage faded = disabledLook(iconImage);
    faded.setDevicePixelRatio(ratio);
    pictures.disabled = compose(QStringLiteral("disabled"), faded, {0, 0});
    return pictures;
}

} // namespace porkane::artwork
