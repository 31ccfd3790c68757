#include "widgets/BusyPointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace porkane::BusyPointer {

void show()
{
    if (!QGuiApplication::overrideCursor())
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void clear()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

bool shown() { return QGuiApplication::overrideCursor() != nullptr; }

} // namespace porkane::BusyPointer
