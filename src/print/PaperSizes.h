#pragma once

// The paper sizes the information frame names, by the platform's paper
// code (the DMPAPER values QPageSize::windowsId() gives).

#include <optional>

#include <QString>

namespace porkane {

// The text shown for a paper code; nothing for a code the table lacks.
std::optional<QString> paperSizeText(int paperCode);

} // namespace porkane
