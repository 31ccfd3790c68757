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

PictureButton::Pictures buttonPictures(const ButtonFace &face)
{
    const qreal ratio = devicePixelRatio();
    const bool withText = !face.text.isEmpty();
    const int side = face.iconSide > 0 ? face.iconSide
                   : withText          ? std::min(24, face.size.height() - 10)
                                       : iconSide(face.size, face.shape);
    const QImage glyph = render(QStringLiteral("icons/") + face.icon, QSize(side, side), ratio);
    QImage fadedGlyph = disabledLook(glyph);
    fadedGlyph.setDevicePixelRatio(ratio);
    const QPointF iconAt(withText ? 10.0 : (face.size.width() - side) / 2.0, (face.size.height() - side) / 2.0);

    // A frame drawn at another width than its own keeps its rounded ends and
    // stretches its plain middle.
    const auto frame = [&](const QString &state) {
        const QString name = frameName(face.shape) + QLatin1Char('-') + state;
        if (!withText)
            return render(name, face.size, ratio);
        constexpr int End = 12;
        const QSize natural = face.shape == ButtonShape::Wide ? CommandButtonSize : face.size;
        const QImage source = render(name, natural, ratio);
        QImage image(face.size * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const qreal height = face.size.height();
        const auto slice = [&](int from, int width, QRectF to) {
            painter.drawImage(to, source, QRectF(from * ratio, 0, width * ratio, natural.height() * ratio));
        };
        slice(0, End, QRectF(0, 0, End, height));
        slice(End, natural.width() - 2 * End, QRectF(End, 0, face.size.width() - 2 * End, height));
        slice(natural.width() - End, End, QRectF(face.size.width() - End, 0, End, height));
        return image;
    };

    const auto compose = [&](const QString &state, bool enabled, int sink) {
        QImage image = frame(state);
        QPainter painter(&image);
        painter.drawImage(iconAt + QPointF(sink, sink), enabled ? glyph : fadedGlyph);
        if (withText) {
            painter.setFont(face.textFont);
            painter.setPen(enabled ? QColor(0x5a, 0x36, 0x22) : QColor(0x9a, 0x90, 0x88));
            const int textLeft = int(iconAt.x()) + side + 8;
            painter.drawText(QRect(textLeft + sink, sink, face.size.width() - textLeft - 8, face.size.height()),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, face.text);
        }
        painter.end();
        return QPixmap::fromImage(image);
    };

    PictureButton::Pictures pictures;
    pictures.normal = face.latched ? compose(QStringLiteral("pressed"), true, 1) : compose(QStringLiteral("normal"), true, 0);
    pictures.pressed = compose(QStringLiteral("pressed"), true, 1);
    pictures.disabled = compose(QStringLiteral("disabled"), false, 0);
    return pictures;
}

PictureButton::Pictures buttonPictures(const QString &icon, QSize size, ButtonShape shape)
{
    ButtonFace face;
    face.icon = icon;
    face.size = size;
    face.shape = shape;
    return buttonPictures(face);
}

PictureButton *makeCommandButton(QWidget *parent, const QString &objectName, const QString &icon,
                                 const QString &caption, const QString &toolTip)
{
    auto *button = new PictureButton(parent);
    button->setObjectName(objectName);
    button->setPictures(buttonPictures(icon, CommandButtonSize, ButtonShape::Wide));
    button->setCaption(caption);
    button->setToolTip(toolTip);
    button->setActingBounds(CommandButtonSize.width(), CommandButtonSize.height());
    return button;
}

} // namespace porkane::artwork
