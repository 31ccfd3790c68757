#pragma once

// The look the image dialogs share: framed groups on the skin, brown
// captions, a red status line.

#include <QString>

namespace porkane {

inline QString imageDialogStyle()
{
    return QStringLiteral(
        "QGroupBox { border: 1px solid #e2b594; border-radius: 6px; margin-top: 9px;"
        " background: rgba(255, 255, 255, 140); padding: 6px 6px 4px 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: #8a3c1c; }"
        "QLabel { color: #5a3622; }"
        "QLabel:disabled { color: #b0a69c; }"
        "QCheckBox, QRadioButton { color: #5a3622; }"
        "QCheckBox:disabled, QRadioButton:disabled { color: #b0a69c; }"
        "QLabel#statusLine, QLabel#problemLine { color: #b5485f; }");
}

} // namespace porkane
