#include "platform/qt/PcxImage.h"

#include <QColor>
#include <QList>
#include <array>
#include <cstdint>

namespace ntx {
namespace {

constexpr int kHeaderSize = 128;
constexpr int kVgaPaletteSize = 769;  // the marker 12 and 256 RGB entries

// The colours of a 16-colour file that carries no palette of its own (version 3).
constexpr std::array<QRgb, 16> kDefaultPalette = {
    0xFF000000, 0xFF0000AA, 0xFF00AA00, 0xFF00AAAA, 0xFFAA0000, 0xFFAA00AA, 0xFFAA5500, 0xFFAAAAAA,
    0xFF555555, 0xFF5555FF, 0xFF55FF55, 0xFF55FFFF, 0xFFFF5555, 0xFFFF55FF, 0xFFFFFF55, 0xFFFFFFFF,
};

int byteAt(const QByteArray& data, qsizetype at) {
    return static_cast<unsigned char>(data[at]);
}

int wordAt(const QByteArray& data, qsizetype at) {
    return byteAt(data, at) | (byteAt(data, at + 1) << 8);
}

QRgb rgbAt(const QByteArray& data, qsizetype at) {
    return qRgb(byteAt(data, at), byteAt(data, at + 1), byteAt(data, at + 2));
}

// Run-length decoding that carries a run over into the next line, as some writers do.
class RunReader {
  public:
    RunReader(const QByteArray& data, qsizetype begin, qsizetype end)
        : data_(data), at_(begin), end_(end) {}

    // Fills `line`; false when the data ends first.
    bool readLine(QByteArray& line) {
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (count_ == 0) {
                if (at_ >= end_) return false;
                const int b = byteAt(data_, at_++);
                if ((b & 0xC0) == 0xC0) {
                    if (at_ >= end_) return false;
                    count_ = b & 0x3F;
                    value_ = static_cast<char>(data_[at_++]);
                    if (count_ == 0) {
                        --i;  // an empty run
                        continue;
                    }
                } else {
                    count_ = 1;
                    value_ = static_cast<char>(b);
                }
            }
            line[i] = value_;
            --count_;
        }
        return true;
    }

  private:
    const QByteArray& data_;
    qsizetype at_;
    qsizetype end_;
    int count_ = 0;
    char value_ = 0;
};

}  // namespace

bool isPcx(const QByteArray& data) {
    return data.size() >= kHeaderSize && byteAt(data, 0) == 0x0A && byteAt(data, 1) <= 5 &&
           byteAt(data, 2) == 1;
}

QImage decodePcx(const QByteArray& data, qint64 maxPixels) {
    if (!isPcx(data)) return {};
    const int version = byteAt(data, 1);
    const int bits = byteAt(data, 3);
    const int planes = byteAt(data, 65);
    const int bytesPerLine = wordAt(data, 66);
    const int xMin = wordAt(data, 4);
    const int yMin = wordAt(data, 6);
    const int xMax = wordAt(data, 8);
    const int yMax = wordAt(data, 10);
    if (xMax < xMin || yMax < yMin) return {};
    const int width = xMax - xMin + 1;
    const int height = yMax - yMin + 1;
    const bool supported = (bits == 1 && planes >= 1 && planes <= 4) ||
                           (bits == 2 && planes == 1) || (bits == 4 && planes == 1) ||
                           (bits == 8 && (planes == 1 || planes == 3 || planes == 4));
    if (!supported || static_cast<qint64>(bytesPerLine) * 8 < static_cast<qint64>(width) * bits) {
        return {};
    }
    if (static_cast<qint64>(width) * height > maxPixels) return {};

    // 256 colours: the palette follows the pixels.
    qsizetype end = data.size();
    QList<QRgb> palette;
    if (bits == 8 && planes == 1) {
        const bool vga = version >= 5 && data.size() >= kHeaderSize + kVgaPaletteSize &&
                         byteAt(data, data.size() - kVgaPaletteSize) == 0x0C;
        if (vga) end -= kVgaPaletteSize;
        for (int i = 0; i < 256; ++i) {
            palette << (vga ? rgbAt(data, end + 1 + 3 * i) : qRgb(i, i, i));
        }
    } else if (bits * planes == 1) {
        palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    } else if (bits * planes <= 4) {
        for (int i = 0; i < 16; ++i) {
            palette << (version == 3 ? kDefaultPalette[i] : rgbAt(data, 16 + 3 * i));
        }
    }

    // Two bytes make a run of at most 63: too little data cannot fill the picture, and a
    // header claiming a huge one is refused before anything is allocated.
    const qint64 lineBytes = static_cast<qint64>(bytesPerLine) * planes;
    if ((end - kHeaderSize) / 2 * 63 + 63 < lineBytes * height) return {};

    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    QByteArray line(static_cast<qsizetype>(lineBytes), '\0');
    RunReader runs(data, kHeaderSize, end);
    const auto byte = [&line, bytesPerLine](int plane, int x) {
        return static_cast<unsigned char>(line[static_cast<qsizetype>(plane) * bytesPerLine + x]);
    };
    for (int y = 0; y < height; ++y) {
        if (!runs.readLine(line)) return {};
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bits == 8 && planes >= 3) {
                out[x] = qRgb(byte(0, x), byte(1, x), byte(2, x));
                continue;
            }
            int index = 0;
            if (bits == 8) {
                index = byte(0, x);
            } else if (bits == 4) {
                index = (byte(0, x / 2) >> (x % 2 == 0 ? 4 : 0)) & 0x0F;
            } else if (bits == 2) {
                index = (byte(0, x / 4) >> (6 - 2 * (x % 4))) & 0x03;
            } else {
                for (int p = 0; p < planes; ++p)
                    index |= ((byte(p, x / 8) >> (7 - x % 8)) & 1) << p;
            }
            out[x] = palette.value(index, qRgb(0, 0, 0));
        }
    }
    return image;
}

}  // namespace ntx
