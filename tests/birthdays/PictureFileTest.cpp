#include "platform/qt/PictureFile.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <cstdint>
#include <optional>
#include <vector>

#include "support/TempFolder.h"

namespace ntx {
namespace {

using test::TempFolder;

const QColor kLeft(200, 30, 40);
const QColor kRight(20, 60, 220);

void put16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void put32(QByteArray& out, std::uint32_t value) {
    put16(out, static_cast<int>(value & 0xFFFF));
    put16(out, static_cast<int>(value >> 16));
}

// A picture whose left half is kLeft and right half kRight.
QImage halves(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kRight);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width / 2; ++x) image.setPixelColor(x, y, kLeft);
    }
    return image;
}

// A PCX of `bits` a pixel in `planes` planes, run-length encoded, whose left half is
// kLeft and right half kRight: colours 1 and 2 of its palette, or black and white when
// monochrome, or the colours themselves in three planes.
QByteArray pcxHalves(int width, int height, int bits = 8, int planes = 1) {
    const int bytesPerLine = (width * bits + 15) / 16 * 2;
    QByteArray out;
    out.append('\x0A');  // maker
    out.append('\x05');  // version
    out.append('\x01');  // run-length encoding
    out.append(static_cast<char>(bits));
    put16(out, 0);
    put16(out, 0);
    put16(out, width - 1);
    put16(out, height - 1);
    put16(out, 96);
    put16(out, 96);
    QByteArray palette(768, '\0');
    for (const auto& [index, colour] : {std::pair{1, kLeft}, std::pair{2, kRight}}) {
        palette[3 * index] = static_cast<char>(colour.red());
        palette[3 * index + 1] = static_cast<char>(colour.green());
        palette[3 * index + 2] = static_cast<char>(colour.blue());
    }
    out.append(palette.left(48));
    out.append('\0');
    out.append(static_cast<char>(planes));
    put16(out, bytesPerLine);
    put16(out, 1);
    out.append(QByteArray(128 - out.size(), '\0'));
    const bool rgb = bits == 8 && planes == 3;
    const bool mono = bits * planes == 1;
    for (int y = 0; y < height; ++y) {
        for (int p = 0; p < planes; ++p) {
            QByteArray line(bytesPerLine, '\0');
            for (int x = 0; x < width; ++x) {
                const bool left = x < width / 2;
                const QColor c = left ? kLeft : kRight;
                const int index = mono ? (left ? 0 : 1) : (left ? 1 : 2);
                if (rgb) {
                    line[x] = static_cast<char>(p == 0 ? c.red() : p == 1 ? c.green() : c.blue());
                } else if (bits == 8) {
                    line[x] = static_cast<char>(index);
                } else if ((index >> p) & 1) {
                    line[x / 8] = static_cast<char>(line[x / 8] | (0x80 >> (x % 8)));
                }
            }
            // Runs of equal bytes, at most 63 long.
            for (qsizetype i = 0; i < line.size();) {
                qsizetype n = 1;
                while (i + n < line.size() && n < 63 && line[i + n] == line[i]) ++n;
                out.append(static_cast<char>(0xC0 | n));
                out.append(line[i]);
                i += n;
            }
        }
    }
    if (bits == 8 && planes == 1) {
        out.append('\x0C');
        out.append(palette);
    }
    return out;
}

// A GIF in two colours. The LZW stream starts afresh every two pixels, so every code stays
// three bits wide and no compression is needed to write it.
QByteArray gifHalves(int width, int height) {
    QByteArray out("GIF89a");
    put16(out, width);
    put16(out, height);
    out.append('\x80');  // global colour table of two entries
    out.append('\0');
    out.append('\0');
    for (const QColor& c : {kLeft, kRight}) {
        out.append(static_cast<char>(c.red()));
        out.append(static_cast<char>(c.green()));
        out.append(static_cast<char>(c.blue()));
    }
    out.append('\x2C');
    put16(out, 0);
    put16(out, 0);
    put16(out, width);
    put16(out, height);
    out.append('\0');
    out.append('\x02');  // minimum code size
    QByteArray codes;
    std::uint32_t bits = 0;
    int count = 0;
    const auto code = [&](std::uint32_t c) {
        bits |= c << count;
        count += 3;
        while (count >= 8) {
            codes.append(static_cast<char>(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    for (int i = 0; i < width * height; ++i) {
        if (i % 2 == 0) code(4);  // clear
        code(i % width < width / 2 ? 0 : 1);
    }
    code(5);  // end of information
    if (count > 0) codes.append(static_cast<char>(bits & 0xFF));
    for (int at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        out.append(static_cast<char>(block.size()));
        out.append(block);
    }
    out.append('\0');
    out.append('\x3B');
    return out;
}

// A metafile built record by record.
class Metafile {
  public:
    void record(int function, const std::vector<int>& params, const QByteArray& tail = {}) {
        QByteArray padded = tail;
        if (padded.size() % 2 != 0) padded.append('\0');
        put32(records_, static_cast<std::uint32_t>(3 + params.size() + padded.size() / 2));
        put16(records_, function);
        for (int p : params) put16(records_, p);
        records_.append(padded);
    }
    void brush(const QColor& c) {
        record(0x02FC, {0, c.red() | (c.green() << 8), c.blue(), 0});  // solid brush
        record(0x012D, {objects_++});
    }
    void noPen() {
        record(0x02FA, {5, 0, 0, 0, 0});
        record(0x012D, {objects_++});
    }

    // With a placeable header of `bounds` at `inch` units an inch, or without one.
    [[nodiscard]] QByteArray bytes(std::optional<QRect> bounds = {}, int inch = 96) const {
        QByteArray body = records_;
        put32(body, 3);
        put16(body, 0);  // end record
        QByteArray out;
        if (bounds) {
            const std::vector<int> placeable = {0xCDD7,
                                                0x9AC6,
                                                0,
                                                bounds->left(),
                                                bounds->top(),
                                                bounds->right() + 1,
                                                bounds->bottom() + 1,
                                                inch,
                                                0,
                                                0};
            int checksum = 0;
            for (int w : placeable) {
                put16(out, w);
                checksum ^= w;
            }
            put16(out, checksum);
        }
        put16(out, 1);       // in memory
        put16(out, 9);       // header words
        put16(out, 0x0300);  // version
        put32(out, static_cast<std::uint32_t>(9 + body.size() / 2));
        put16(out, objects_);
        put32(out, 0);
        put16(out, 0);
        out.append(body);
        return out;
    }

  private:
    QByteArray records_;
    int objects_ = 0;
};

// 2 by 1 inches at 96 units an inch: a kLeft rectangle over the left half and a kRight
// one over the right half.
QByteArray wmfHalves() {
    Metafile m;
    m.record(0x020B, {0, 0});     // window origin
    m.record(0x020C, {96, 192});  // window extent
    m.noPen();
    m.brush(kLeft);
    m.record(0x041B, {96, 96, 0, 0});  // rectangle: bottom, right, top, left
    m.brush(kRight);
    m.record(0x041B, {96, 192, 0, 96});
    return m.bytes(QRect(0, 0, 192, 96));
}

// A device-independent bitmap of 2 x 1 pixels, kLeft and kRight, 24 bits a pixel.
QByteArray dibHalves() {
    QByteArray dib;
    put32(dib, 40);
    put32(dib, 2);
    put32(dib, 1);
    put16(dib, 1);
    put16(dib, 24);
    for (int i = 0; i < 6; ++i) put32(dib, 0);
    for (const QColor& c : {kLeft, kRight}) {
        dib.append(static_cast<char>(c.blue()));
        dib.append(static_cast<char>(c.green()));
        dib.append(static_cast<char>(c.red()));
    }
    dib.append(QByteArray(2, '\0'));  // rows are whole double words
    return dib;
}

// A bit of everything a metafile may hold: saved states, clipping, a bitmap, shapes, text.
QByteArray wmfMixed() {
    Metafile m;
    m.record(0x020C, {100, 100});
    m.record(0x001E, {});                // save the state
    m.record(0x0416, {90, 90, 10, 10});  // clip to a rectangle
    m.record(0x0F43, {0x0020, 0x00CC, 0, 1, 2, 0, 0, 100, 100, 0, 0}, dibHalves());
    m.record(0x0127, {-1});  // back to the saved state
    m.brush(kLeft);
    m.record(0x0538, {2, 3, 3, 0, 0, 50, 0, 0, 50, 50, 50, 100, 50, 50, 100});  // two triangles
    m.record(0x0817, {0, 100, 100, 0, 100, 100, 0, 0});                         // arc
    m.record(0x081A, {50, 0, 0, 50, 80, 80, 20, 20});                           // pie
    m.record(0x061C, {10, 10, 90, 90, 60, 60});                                 // rounded rectangle
    QByteArray font(18, '\0');
    font[0] = 20;
    m.record(0x02FB, {}, font + QByteArray("Arial"));
    m.record(0x012D, {1});
    m.record(0x0A32, {20, 5, 5, 0x0006, 0, 0, 60, 30},
             QByteArray("Hello") + QByteArray(1, '\0'));  // text in an opaque, clipped box
    m.record(0x0214, {0, 0});                             // move to
    m.record(0x0213, {100, 100});                         // line to
    return m.bytes(QRect(0, 0, 100, 100));
}

QString write(const TempFolder& folder, const char* name, const QByteArray& bytes) {
    const QString path = QString::fromStdString((folder / name).string());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QString save(const TempFolder& folder, const char* name, const char* format) {
    const QString path = QString::fromStdString((folder / name).string());
    EXPECT_TRUE(halves(64, 32).save(path, format, 95));
    return path;
}

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 12 && std::abs(a.green() - b.green()) <= 12 &&
           std::abs(a.blue() - b.blue()) <= 12;
}

TEST(PictureFile, EachFormatLoadsWithItsSizeAndColours) {
    TempFolder folder;
    struct Case {
        const char* format;
        QString path;
        QSize size;
        QColor left = kLeft, right = kRight;
    };
    const Case cases[] = {
        {"BMP", save(folder, "bmp.bmp", "BMP"), {64, 32}},
        {"JPEG", save(folder, "jpeg.jpg", "JPEG"), {64, 32}},
        {"GIF", write(folder, "gif.gif", gifHalves(64, 32)), {64, 32}},
        {"PCX 256 colours", write(folder, "8.pcx", pcxHalves(64, 32)), {64, 32}},
        {"PCX 16 colours", write(folder, "4.pcx", pcxHalves(40, 20, 1, 4)), {40, 20}},
        {"PCX 24-bit", write(folder, "24.pcx", pcxHalves(30, 15, 8, 3)), {30, 15}},
        {"PCX monochrome",
         write(folder, "1.pcx", pcxHalves(50, 25, 1, 1)),
         {50, 25},
         Qt::black,
         Qt::white},
        {"WMF", write(folder, "wmf.wmf", wmfHalves()), {192, 96}},
        // Recognised by content, not by name.
        {"PCX named .jpg", write(folder, "pcx.jpg", pcxHalves(64, 32)), {64, 32}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        const QImage image = loadPictureFile(c.path);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), c.size);
        const int y = image.height() / 2;
        EXPECT_TRUE(near(image.pixelColor(image.width() / 4, y), c.left))
            << image.pixelColor(image.width() / 4, y).name().toStdString();
        EXPECT_TRUE(near(image.pixelColor(image.width() * 3 / 4, y), c.right))
            << image.pixelColor(image.width() * 3 / 4, y).name().toStdString();
    }
}

// What metafiles commonly hold besides rectangles, each in a 100 x 100 picture.
TEST(PictureFile, MetafilesDrawBitmapsShapesTextAndTurnedAxes) {
    TempFolder folder;
    const QColor green(30, 160, 60);
    struct Case {
        const char* what;
        QByteArray bytes;
        QPoint filled;  // shows `colour`
        QColor colour;
        QPoint empty;  // stays transparent
    };
    std::vector<Case> cases;
    {
        Metafile m;  // a 2 x 1 bitmap stretched over the whole window
        m.record(0x020C, {100, 100});
        m.record(0x0F43, {0x0020, 0x00CC, 0, 1, 2, 0, 0, 100, 100, 0, 0}, dibHalves());
        cases.push_back({"StretchDIB left", m.bytes(QRect(0, 0, 100, 100)), {25, 50}, kLeft, {}});
        cases.push_back({"StretchDIB right", m.bytes(QRect(0, 0, 100, 100)), {75, 50}, kRight, {}});
    }
    {
        Metafile m;  // a triangle over the upper left half
        m.record(0x020C, {100, 100});
        m.noPen();
        m.brush(green);
        m.record(0x0324, {3, 0, 0, 100, 0, 0, 100});
        cases.push_back({"polygon", m.bytes(QRect(0, 0, 100, 100)), {20, 20}, green, {80, 80}});
    }
    {
        Metafile m;  // without bounds: measured by its window
        m.record(0x020B, {-50, -50});
        m.record(0x020C, {100, 100});
        m.noPen();
        m.brush(green);
        m.record(0x0418, {50, 50, -50, -50});  // an ellipse filling the window
        cases.push_back({"no bounds", m.bytes(), {50, 50}, green, {2, 2}});
    }
    {
        Metafile m;  // y growing upwards: the lower half of the window is the picture's lower half
        m.record(0x020B, {100, 0});
        m.record(0x020C, {-100, 100});
        m.noPen();
        m.brush(green);
        m.record(0x041B, {0, 100, 50, 0});
        cases.push_back({"y upwards", m.bytes(QRect(0, 0, 100, 100)), {50, 80}, green, {50, 20}});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QImage image = loadPictureFile(write(folder, "case.wmf", c.bytes));
        ASSERT_EQ(image.size(), QSize(100, 100));
        EXPECT_TRUE(near(image.pixelColor(c.filled), c.colour))
            << image.pixelColor(c.filled).name().toStdString();
        if (!c.empty.isNull()) {
            EXPECT_EQ(image.pixelColor(c.empty).alpha(), 0);
        }
    }

    EXPECT_FALSE(loadPictureFile(write(folder, "mixed.wmf", wmfMixed())).isNull());

    // Text in the text colour, on the font's height, from its reference point.
    Metafile text;
    text.record(0x020C, {100, 100});
    text.record(0x0102, {1});     // transparent background
    text.record(0x0209, {0, 0});  // black text
    QByteArray font(18, '\0');
    font[0] = 40;                       // 40 units high
    font[8] = static_cast<char>(0xBC);  // weight 700: bold
    font[9] = 0x02;
    text.record(0x02FB, {}, font + QByteArray("Arial"));
    text.record(0x012D, {0});
    text.record(0x0521, {3},
                QByteArray("WWW") + QByteArray(1, '\0') + QByteArray("\x0A\0\x0A\0", 4));
    const QImage image =
        loadPictureFile(write(folder, "text.wmf", text.bytes(QRect(0, 0, 100, 100))));
    ASSERT_FALSE(image.isNull());
    int inked = 0;
    int stray = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            if (image.pixelColor(x, y).alpha() == 0) continue;
            (x >= 10 && y >= 10 && y < 55 ? inked : stray) += 1;
        }
    }
    EXPECT_GT(inked, 100);
    EXPECT_EQ(stray, 0);
}

TEST(PictureFile, MissingOrDamagedFilesGiveNoPicture) {
    TempFolder folder;
    QByteArray bmp;
    {
        QFile file(save(folder, "whole.bmp", "BMP"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        bmp = file.readAll();
    }
    QByteArray hugePcx = pcxHalves(64, 32);
    hugePcx[8] = hugePcx[9] = hugePcx[10] = hugePcx[11] = '\xFF';  // 65535 x 65535
    QByteArray hugeWmf = wmfHalves();
    hugeWmf[10] = hugeWmf[12] = '\xFF';  // bounds of 32767 units
    hugeWmf[11] = hugeWmf[13] = '\x7F';
    hugeWmf[14] = '\x01';  // one unit an inch
    hugeWmf[15] = '\0';

    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty file", {}},
        {"text", "not a picture at all"},
        {"BMP cut in its header", bmp.left(30)},
        {"JPEG start then noise", QByteArray("\xFF\xD8\xFF\xE0") + QByteArray(200, '\x5A')},
        {"GIF header only", gifHalves(64, 32).left(13)},
        {"PCX header only", pcxHalves(64, 32).left(128)},
        {"PCX cut in its pixels", pcxHalves(64, 32).left(180)},
        {"PCX of 65535 x 65535", hugePcx},
        {"WMF cut after its headers", wmfHalves().left(40)},
        {"WMF of 32767 x 32767 inches", hugeWmf},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(loadPictureFile(write(folder, "damaged", c.bytes)).isNull());
    }
    EXPECT_TRUE(
        loadPictureFile(QString::fromStdString((folder / "missing.jpg").string())).isNull());
    EXPECT_TRUE(loadPictureFile(QString::fromStdString(folder.path().string())).isNull());
    EXPECT_TRUE(loadPictureFile(QString()).isNull());
}

// Files cut short or with bytes spoiled anywhere: a picture cut in its pixel data may show
// the part that could be read; what matters is that reading never crashes or hangs.
TEST(PictureFile, CutOrSpoiledFilesNeverCrash) {
    TempFolder folder;
    const auto bytesOf = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray wholes[] = {
        bytesOf(save(folder, "a.bmp", "BMP")),
        bytesOf(save(folder, "a.jpg", "JPEG")),
        gifHalves(64, 32),
        pcxHalves(64, 32),
        pcxHalves(40, 20, 1, 4),
        pcxHalves(30, 15, 8, 3),
        wmfHalves(),
        wmfMixed(),
    };
    std::uint32_t seed = 12345;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (const QByteArray& whole : wholes) {
        const qsizetype step = 1 + whole.size() / 40;
        for (qsizetype cut = 1; cut < whole.size(); cut += step) {
            const QImage image = loadPictureFile(write(folder, "cut", whole.left(cut)));
            EXPECT_TRUE(image.isNull() || !image.size().isEmpty());
        }
        for (int round = 0; round < 40; ++round) {
            QByteArray spoiled = whole;
            for (int i = 0; i < 4; ++i) {
                spoiled[static_cast<qsizetype>(next() %
                                               static_cast<std::uint32_t>(spoiled.size()))] =
                    static_cast<char>(next() >> 24);
            }
            const QImage image = loadPictureFile(write(folder, "spoiled", spoiled));
            EXPECT_TRUE(image.isNull() || !image.size().isEmpty());
        }
    }
}

TEST(PictureFile, FitsKeepingProportions) {
    struct Case {
        QSize picture, box, fitted;
    };
    const Case cases[] = {
        {{200, 100}, {110, 110}, {110, 55}},  {{100, 200}, {110, 110}, {55, 110}},
        {{20, 10}, {110, 110}, {110, 55}},  // grows to fill the box
        {{640, 320}, {187, 213}, {187, 94}},  {{300, 300}, {187, 213}, {187, 187}},
        {{640, 320}, {400, 100}, {200, 100}},  // a wide box: as high as the box
        {{1000, 1}, {110, 110}, {110, 1}},    {{0, 0}, {110, 110}, {}},
        {{200, 100}, {0, 110}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fitPictureSize(c.picture, c.box), c.fitted)
            << c.picture.width() << "x" << c.picture.height() << " in " << c.box.width() << "x"
            << c.box.height();
    }
}

TEST(PictureFile, StoredPathsAreTakenFromTheProgramFolder) {
    const std::filesystem::path folder = "/home/ann/natalix";
    EXPECT_EQ(picturePathIn(folder, ".\\Images\\Ann.jpg"), "/home/ann/natalix/Images/Ann.jpg");
    EXPECT_EQ(picturePathIn(folder, "Images/Ann.jpg "), "/home/ann/natalix/Images/Ann.jpg");
    EXPECT_EQ(picturePathIn(folder, "/srv/photos/Ann.jpg"), "/srv/photos/Ann.jpg");
    EXPECT_EQ(picturePathIn(folder, "   "), "");
}

}  // namespace
}  // namespace ntx
