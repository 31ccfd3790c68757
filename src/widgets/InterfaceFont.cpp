#include "widgets/InterfaceFont.h"

#include <QApplication>

namespace porkane {

QFont interfaceFont()
{
    QFont font;
    // IPAGothic second: the same design, fixed pitch, from the same package.
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    return font;
}

void useInterfaceFont() { QApplication::setFont(interfaceFont()); }

} // namespace porkane
