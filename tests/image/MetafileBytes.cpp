#include "image/MetafileBytes.h"

#include <algorithm>

namespace porkane::test {

namespace {

void put16(QByteArray &bytes, quint16 value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char(value >> 8));
}

void put32(QByteArray &bytes, quint32 value)
{
    put16(bytes, quint16(value & 0xFFFF));
    put16(bytes, quint16(value >> 16));
}

} // namespace

WmfBytes &WmfBytes::record(quint16 function, std::initializer_list<quint16> parameters)
{
    const quint32 words = 3 + quint32(parameters.size());
    put32(records_, words);
    put16(records_, function);
    for (const quint16 parameter : parameters)
        put16(records_, parameter);
    largestRecord_ = std::max(largestRecord_, words);
    return *this;
}

// Coordinates are stored y before x, and rectangles bottom-right first.
WmfBytes &WmfBytes::setWindowOrg(qint16 x, qint16 y) { return record(0x020B, {quint16(y), quint16(x)}); }
WmfBytes &WmfBytes::setWindowExt(qint16 width, qint16 height)
{
    return record(0x020C, {quint16(height), quint16(width)});
}

WmfBytes &WmfBytes::solidBrush(quint32 colour)
{
    ++objects_;
    return record(0x02FC, {0, quint16(colour & 0xFFFF), quint16(colour >> 16), 0});
}

WmfBytes &WmfBytes::nullPen()
{
    ++objects_;
    return record(0x02FA, {5, 0, 0, 0, 0});
}

WmfBytes &WmfBytes::solidPen(quint32 colour)
{
    ++objects_;
    return record(0x02FA, {0, 1, 0, quint16(colour & 0xFFFF), quint16(colour >> 16)});
}

WmfBytes &WmfBytes::font(qint16 height, const char *faceName)
{
    ++objects_;
    QByteArray parameters;
    put16(parameters, quint16(height));
    for (int i = 0; i < 4; ++i)
        put16(parameters, 0); // width, escapement, orientation, weight
    parameters.append(QByteArray(8, '\0')); // italic ... pitch and family
    QByteArray face(faceName);
    face.append('\0');
    if (face.size() % 2 != 0)
        face.append('\0');
    parameters.append(face);
    return rawRecord(0x02FB, parameters);
}

WmfBytes &WmfBytes::textOut(qint16 x, qint16 y, const char *text)
{
    QByteArray parameters;
    const QByteArray string(text);
    put16(parameters, quint16(string.size()));
    parameters.append(string);
    if (string.size() % 2 != 0)
        parameters.append('\0');
    put16(parameters, quint16(y));
    put16(parameters, quint16(x));
    return rawRecord(0x0521, parameters);
}

// A BITMAPINFOHEADER and the rows of a 24-bit picture, bottom row first.
QByteArray dib(const QImage &picture)
{
    const int stride = (picture.width() * 3 + 3) / 4 * 4;
    QByteArray bytes;
    put32(bytes, 40);
    put32(bytes, quint32(picture.width()));
    put32(bytes, quint32(picture.height()));
    put16(bytes, 1);
    put16(bytes, 24);
    put32(bytes, 0);
    put32(bytes, quint32(stride * picture.height()));
    for (int i = 0; i < 4; ++i)
        put32(bytes, 0);
    for (int y = picture.height() - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = picture.pixel(x, y);
            row.append(char(qBlue(colour)));
            row.append(char(qGreen(colour)));
            row.append(char(qRed(colour)));
        }
        row.append(QByteArray(stride - row.size(), '\0'));
        bytes.append(row);
    }
    return bytes;
}

WmfBytes &WmfBytes::stretchDib(qint16 left, qint16 top, qint16 width, qint16 height, const QImage &picture)
{
    QByteArray parameters;
    put32(parameters, 0x00CC0020); // copy the source
    put16(parameters, 0);          // colours are RGB values
    for (const int value : {picture.height(), picture.width(), 0, 0, int(height), int(width), int(top), int(left)})
        put16(parameters, quint16(value));
    parameters.append(dib(picture));
    return rawRecord(0x0F43, parameters);
}

WmfBytes &WmfBytes::rawRecord(quint16 function, const QByteArray &parameters)
{
    const quint32 words = 3 + quint32(parameters.size() / 2);
    put32(records_, words);
    put16(records_, function);
    records_.append(parameters);
    largestRecord_ = std::max(largestRecord_, words);
    return *this;
}

WmfBytes &WmfBytes::selectObject(quint16 index) { return record(0x012D, {index}); }

WmfBytes &WmfBytes::rectangle(qint16 left, qint16 top, qint16 right, qint16 bottom)
{
    return record(0x041B, {quint16(bottom), quint16(right), quint16(top), quint16(left)});
}

WmfBytes &WmfBytes::ellipse(qint16 left, qint16 top, qint16 right, qint16 bottom)
{
    return record(0x0418, {quint16(bottom), quint16(right), quint16(top), quint16(left)});
}

QByteArray WmfBytes::plain() const
{
    QByteArray body = records_;
    put32(body, 3); // end record
    put16(body, 0);
    QByteArray bytes;
    put16(bytes, 1);      // in memory
    put16(bytes, 9);      // header words
    put16(bytes, 0x0300); // version
    put32(bytes, quint32((18 + body.size()) / 2));
    put16(bytes, objects_);
    put32(bytes, largestRecord_);
    put16(bytes, 0);
    return bytes + body;
}

QByteArray WmfBytes::placeable(QRect frame, quint16 unitsPerInch) const
{
    QByteArray header;
    put32(header, 0x9AC6CDD7);
    put16(header, 0);
    put16(header, quint16(frame.left()));
    put16(header, quint16(frame.top()));
    put16(header, quint16(frame.left() + frame.width()));
    put16(header, quint16(frame.top() + frame.height()));
    put16(header, unitsPerInch);
    put32(header, 0);
    quint16 checksum = 0;
    for (int word = 0; word < 10; ++word)
        checksum ^= quint16(quint8(header[2 * word]) | (quint8(header[2 * word + 1]) << 8));
    put16(header, checksum);
    return header + plain();
}

EmfBytes &EmfBytes::record(quint32 type, std::initializer_list<quint32> parameters)
{
    put32(records_, type);
    put32(records_, 8 + 4 * quint32(parameters.size()));
    for (const quint32 parameter : parameters)
        put32(records_, parameter);
    ++count_;
    return *this;
}

EmfBytes &EmfBytes::rawRecord(quint32 type, const QByteArray &parameters)
{
    put32(records_, type);
    put32(records_, 8 + quint32(parameters.size()));
    records_.append(parameters);
    ++count_;
    return *this;
}

EmfBytes &EmfBytes::stretchDib(qint32 left, qint32 top, qint32 width, qint32 height, const QImage &picture)
{
    const QByteArray bitmap = dib(picture);
    constexpr quint32 Fixed = 80, InfoSize = 40; // record up to the bitmap, its header
    QByteArray parameters;
    for (const qint32 value : {left, top, left + width - 1, top + height - 1}) // bounds
        put32(parameters, quint32(value));
    for (const qint32 value : {left, top, 0, 0, qint32(picture.width()), qint32(picture.height())})
        put32(parameters, quint32(value));
    put32(parameters, Fixed);
    put32(parameters, InfoSize);
    put32(parameters, Fixed + InfoSize);
    put32(parameters, quint32(bitmap.size()) - InfoSize);
    put32(parameters, 0);          // colours are RGB values
    put32(parameters, 0x00CC0020); // copy the source
    put32(parameters, quint32(width));
    put32(parameters, quint32(height));
    parameters.append(bitmap);
    return rawRecord(81, parameters);
}

EmfBytes &EmfBytes::solidBrush(quint32 index, quint32 colour) { return record(39, {index, 0, colour, 0}); }
EmfBytes &EmfBytes::selectObject(quint32 index) { return record(37, {index}); }
EmfBytes &EmfBytes::nullPen() { return selectObject(0x80000008); }

EmfBytes &EmfBytes::rectangle(qint32 left, qint32 top, qint32 right, qint32 bottom)
{
    return record(43, {quint32(left), quint32(top), quint32(right), quint32(bottom)});
}

EmfBytes &EmfBytes::ellipse(qint32 left, qint32 top, qint32 right, qint32 bottom)
{
    return record(42, {quint32(left), quint32(top), quint32(right), quint32(bottom)});
}

QByteArray EmfBytes::bytes(QRect bounds, QRect frame) const
{
    constexpr quint32 HeaderSize = 108;
    QByteArray body = records_;
    put32(body, 14); // end record: no palette
    put32(body, 20);
    put32(body, 0);
    put32(body, 16);
    put32(body, 20);

    QByteArray header;
    put32(header, 1);
    put32(header, HeaderSize);
    for (const int value : {bounds.left(), bounds.top(), bounds.right(), bounds.bottom(), frame.left(), frame.top(),
                            frame.right(), frame.bottom()})
        put32(header, quint32(value));
    put32(header, 0x464D4520); // " EMF"
    put32(header, 0x00010000);
    put32(header, HeaderSize + quint32(body.size()));
    put32(header, count_ + 2);
    put16(header, 8); // handles
    put16(header, 0);
    put32(header, 0); // no description
    put32(header, 0);
    put32(header, 0); // no palette
    // Reference device: 1920 x 1440 pixels on 508 x 381 mm, 96 per inch.
    put32(header, 1920);
    put32(header, 1440);
    put32(header, 508);
    put32(header, 381);
    put32(header, 0); // no pixel format
    put32(header, 0);
    put32(header, 0); // not OpenGL
    put32(header, 508000);
    put32(header, 381000);
    return header + body;
}

} // namespace porkane::test
