#include "widgets/WindowPlacement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace porkane {

namespace {

qint16 toInt16(long long value)
{
    return qint16(std::clamp<long long>(value, -32768, 32767));
}

} // namespace

QRect pixelRect(const WindowPlace &place, int twipsPerPixelX, int twipsPerPixelY)
{
    return QRect(place.left / twipsPerPixelX, place.top / twipsPerPixelY, place.width / twipsPerPixelX,
                 place.height / twipsPerPixelY);
}

WindowPlace placeOf(const QWidget &window, int twipsPerPixelX, int twipsPerPixelY)
{
    const QRect normal = (window.isMaximized() || window.isMinimized() || window.isFullScreen())
                             ? window.normalGeometry()
                             : window.geometry();
    WindowPlace place;
    place.left = toInt16((long long)normal.x() * twipsPerPixelX);
    place.top = toInt16((long long)normal.y() * twipsPerPixelY);
    place.width = toInt16((long long)normal.width() * twipsPerPixelX);
    place.height = toInt16((long long)normal.height() * twipsPerPixelY);
    return place;
}

void applyPlace(QWidget &window, const WindowPlace &place, int twipsPerPixelX, int twipsPerPixelY)
{
    QRect rect = pixelRect(place, twipsPerPixelX, twipsPerPixelY);
    const QSize minimum = window.minimumSizeHint().expandedTo(window.minimumSize());
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);

    if (rect.width() < minimum.width() || rect.height() < minimum.height()) {
        const QSize size = window.sizeHint().expandedTo(minimum).boundedTo(available.size());
        rect = QRect(QPoint(0, 0), size);
        rect.moveCenter(available.center());
    } else if (!QGuiApplication::screenAt(rect.center())) {
        rect.moveCenter(available.center());
    }
    window.resize(rect.size());
    window.move(rect.topLeft());
}

} // namespace porkane
