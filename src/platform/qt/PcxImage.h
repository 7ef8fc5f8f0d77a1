#pragma once
// PCX pictures: run-length encoded, 1 to 8 bits a pixel in 1 to 4 colour planes.

#include <QByteArray>
#include <QImage>

namespace ntx {

// Whether `data` begins with a PCX header (maker 10, version 0 to 5, run-length encoding).
[[nodiscard]] bool isPcx(const QByteArray& data);

// Decodes a whole PCX file: monochrome, 4, 16 and 256 colours (palette in the header or after
// the pixels), and 24-bit colour in three planes (a fourth plane is ignored). A damaged,
// truncated or unsupported file, or one of more than `maxPixels` pixels, gives a null image.
[[nodiscard]] QImage decodePcx(const QByteArray& data, qint64 maxPixels);

}  // namespace ntx
