#pragma once

// Helpers of the render tests: records in the test font, and the pixels a
// drawing left on a white picture.

#include <vector>

#include <QImage>
#include <QPoint>
#include <QRect>

#include "core/Colour.h"
#include "document/LabelDocument.h"

namespace porkane::test {

// A character record: black IPAGothic of the given height, nothing else.
AttrRecord plainRecord(double height = 40);
// The same holding a line-break marker ("LF" or "CR") in slot 0.
AttrRecord breakRecord(const QString &marker, double height = 40);

QImage whitePicture(int width, int height);

// Points that are not white, sorted by row, and the box around them.
std::vector<QPoint> inkOf(const QImage &image);
QRect inkBox(const QImage &image);

// Paints every point of `mask` moved by `offset`.
void paintMask(QImage &image, const std::vector<QPoint> &mask, QPoint offset, RgbValue colour);

} // namespace porkane::test
