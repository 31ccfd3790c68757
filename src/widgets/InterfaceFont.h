#pragma once

// The font every window is laid out for: IPA P Gothic (fonts-ipafont, which
// the program depends on) at 12 pixels. Set explicitly so that windows look
// and measure the same whatever other fonts a machine happens to have.

#include <QFont>

namespace porkane {

QFont interfaceFont();
// Makes it the application's font; call once after QApplication exists.
void useInterfaceFont();

} // namespace porkane
