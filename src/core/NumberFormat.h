#pragma once

// Numbers as the settings and data files spell them: up to 15 significant
// digits for doubles (7 for singles), a whole value as a plain integer, a
// fraction without its leading zero (.5, -.5), and exponents beyond that
// range (1E-05, 1E+15).

#include <optional>

#include <QByteArray>

namespace porkane {

QByteArray formatDouble(double value);
QByteArray formatSingle(float value);

// Reads a number in any form the files carry: "30", "-5", ".5", "-.5",
// "1.5", "1E-05", "1.5D+03", with an optional leading + or -.
// Nothing for anything else, "inf" and "nan" included.
std::optional<double> parseNumber(const QByteArray &text);

// True for an optional sign followed by digits only.
bool isIntegerLiteral(const QByteArray &text);

} // namespace porkane
