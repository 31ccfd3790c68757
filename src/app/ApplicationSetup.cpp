#include "app/ApplicationSetup.h"

#include <QApplication>
#include <QIcon>

#include "widgets/Artwork.h"
#include "widgets/InterfaceFont.h"

namespace porkane {

void configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("porkane"));
    QApplication::setDesktopFileName(QStringLiteral("porkane"));
    // The main menu ends the program; a window closing while the menu is
    // hidden must not.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(artwork::picture(QStringLiteral("porkane"), QSize(64, 64))));
    useInterfaceFont();
}

} // namespace porkane
