#pragma once

// Small metafiles written record by record, as the WMF and EMF formats lay
// them out, for the loading tests.

#include <initializer_list>

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QtGlobal>

namespace porkane::test {

// COLORREF: red in the low byte.
constexpr quint32 colorRef(int red, int green, int blue) { return quint32(red | (green << 8) | (blue << 16)); }

class WmfBytes {
public:
    // Parameters are 16-bit words in file order.
    WmfBytes &record(quint16 function, std::initializer_list<quint16> parameters);
    WmfBytes &setWindowOrg(qint16 x, qint16 y);
    WmfBytes &setWindowExt(qint16 width, qint16 height);
    // Creates a solid brush or a pen; each takes the lowest free object index.
    WmfBytes &solidBrush(quint32 colour);
    WmfBytes &nullPen();
    WmfBytes &solidPen(quint32 colour);
    WmfBytes &selectObject(quint16 index);
    // A font `height` units high with the given face name (ASCII).
    WmfBytes &font(qint16 height, const char *faceName);
    WmfBytes &textOut(qint16 x, qint16 y, const char *text);
    // A 24-bit picture stretched to the rectangle, rows given top first.
    WmfBytes &stretchDib(qint16 left, qint16 top, qint16 width, qint16 height, const QImage &picture);
    WmfBytes &rectangle(qint16 left, qint16 top, qint16 right, qint16 bottom);
    WmfBytes &ellipse(qint16 left, qint16 top, qint16 right, qint16 bottom);

    // The metafile with its end record, without a placeable header.
    QByteArray plain() const;
    // With a placeable header giving the frame in metafile units.
    QByteArray placeable(QRect frame, quint16 unitsPerInch) const;

private:
    WmfBytes &rawRecord(quint16 function, const QByteArray &parameters); // an even number of bytes

    QByteArray records_;
    quint16 objects_ = 0;
    quint32 largestRecord_ = 3;
};

class EmfBytes {
public:
    EmfBytes &rawRecord(quint32 type, const QByteArray &parameters); // whole 32-bit words
    // Parameters are 32-bit values in file order.
    EmfBytes &record(quint32 type, std::initializer_list<quint32> parameters);
    EmfBytes &solidBrush(quint32 index, quint32 colour);
    EmfBytes &selectObject(quint32 index);
    EmfBytes &nullPen();
    EmfBytes &rectangle(qint32 left, qint32 top, qint32 right, qint32 bottom);
    EmfBytes &ellipse(qint32 left, qint32 top, qint32 right, qint32 bottom);
    // A 24-bit picture stretched to the rectangle.
    EmfBytes &stretchDib(qint32 left, qint32 top, qint32 width, qint32 height, const QImage &picture);

    // The metafile with its header and end record. `frame` is in hundredths
    // of a millimetre, `bounds` in reference-device pixels (both inclusive);
    // the reference device has 96 pixels per inch.
    QByteArray bytes(QRect bounds, QRect frame) const;

private:
    QByteArray records_;
    quint32 count_ = 0;
};

} // namespace porkane::test
