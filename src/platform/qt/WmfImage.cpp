#include "platform/qt/WmfImage.h"

#include <QBrush>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

namespace ntx {
namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7u;
constexpr qsizetype kPlaceableSize = 22;
constexpr qsizetype kHeaderSize = 18;
constexpr double kDotsPerInch = 96.0;
// Bounds beyond this many dots a side are taken as damage, not as a picture.
constexpr double kLargestNatural = 16384;
// A metafile without bounds is measured by its window extent, at most this big.
constexpr double kLargestWithoutBounds = 1024;
constexpr qsizetype kMaxRecords = 4'000'000;
constexpr std::size_t kMaxSavedStates = 256;
constexpr std::size_t kMaxObjects = 65535;

enum Function : int {
    Eof = 0x0000,
    SaveDC = 0x001E,
    CreatePalette = 0x00F7,
    SetBkMode = 0x0102,
    SetPolyFillMode = 0x0106,
    RestoreDC = 0x0127,
    SelectClipRegion = 0x012C,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    DibCreatePatternBrush = 0x0142,
    DeleteObject = 0x01F0,
    CreatePatternBrush = 0x01F9,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    OffsetWindowOrg = 0x020F,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Polyline = 0x0325,
    ScaleWindowExt = 0x0410,
    ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    SetPixel = 0x041F,
    TextOut = 0x0521,
    PolyPolygon = 0x0538,
    RoundRect = 0x061C,
    PatBlt = 0x061D,
    CreateRegion = 0x06FF,
    Arc = 0x0817,
    Pie = 0x081A,
    Chord = 0x0830,
    DibBitBlt = 0x0940,
    ExtTextOut = 0x0A32,
    DibStretchBlt = 0x0B41,
    SetDibToDev = 0x0D33,
    StretchDib = 0x0F43,
};

int byteAt(const QByteArray& data, qsizetype at) {
    return static_cast<unsigned char>(data[at]);
}
int wordAt(const QByteArray& data, qsizetype at) {
    return byteAt(data, at) | (byteAt(data, at + 1) << 8);
}
int signedWordAt(const QByteArray& data, qsizetype at) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(wordAt(data, at)));
}
std::uint32_t dwordAt(const QByteArray& data, qsizetype at) {
    return static_cast<std::uint32_t>(wordAt(data, at)) |
           (static_cast<std::uint32_t>(wordAt(data, at + 2)) << 16);
}

// The parameters of one record, read as words; reading past them gives 0.
class Record {
  public:
    Record(const QByteArray& data, qsizetype at, qsizetype words)
        : data_(data), at_(at), words_(words) {}

    [[nodiscard]] bool has(qsizetype words) const { return words >= 0 && words <= words_; }
    [[nodiscard]] int s(qsizetype i) const {
        return has(i + 1) ? signedWordAt(data_, at_ + 2 * i) : 0;
    }
    [[nodiscard]] int u(qsizetype i) const { return has(i + 1) ? wordAt(data_, at_ + 2 * i) : 0; }
    [[nodiscard]] std::uint32_t u32(qsizetype i) const {
        return has(i + 2) ? dwordAt(data_, at_ + 2 * i) : 0;
    }
    [[nodiscard]] QPointF point(qsizetype i) const { return {double(s(i)), double(s(i + 1))}; }
    // From word `i` to the end of the record.
    [[nodiscard]] QByteArray rest(qsizetype i) const {
        return has(i) ? data_.mid(at_ + 2 * i, 2 * (words_ - i)) : QByteArray();
    }
    [[nodiscard]] QByteArray bytes(qsizetype i, qsizetype count) const {
        return has(i + (count + 1) / 2) ? data_.mid(at_ + 2 * i, count) : QByteArray();
    }

  private:
    const QByteArray& data_;
    qsizetype at_;
    qsizetype words_;
};

QColor colourOf(std::uint32_t ref) {
    return {int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF)};
}

// A rectangle given as bottom, right, top, left from word `i`.
QRectF rectOf(const Record& r, qsizetype i) {
    return QRectF(QPointF(r.s(i + 3), r.s(i + 2)), QPointF(r.s(i + 1), r.s(i))).normalized();
}

struct FontObject {
    QFont font;
    double escapement = 0;  // degrees, counter-clockwise
};
struct OtherObject {};  // palettes, regions: they take a place in the table only
using GdiObject = std::variant<std::monostate, QPen, QBrush, FontObject, OtherObject>;

// A device-independent bitmap as stored in a record; `bottomUp` tells where its rows start.
QImage decodeDib(const QByteArray& dib, bool& bottomUp) {
    if (dib.size() < 12) return {};
    const std::uint32_t headerSize = dwordAt(dib, 0);
    qsizetype colours = 0;
    if (headerSize == 12) {
        const int bits = wordAt(dib, 10);
        bottomUp = true;
        if (bits <= 8) colours = qsizetype(3) << bits;
    } else if (headerSize >= 40 && headerSize <= 124 && dib.size() >= 40) {
        const int bits = wordAt(dib, 14);
        const std::uint32_t compression = dwordAt(dib, 16);
        const std::uint32_t used = dwordAt(dib, 32);
        bottomUp = static_cast<std::int32_t>(dwordAt(dib, 8)) > 0;
        if (used > 0 && used <= 256) {
            colours = 4 * qsizetype(used);
        } else if (bits <= 8) {
            colours = qsizetype(4) << bits;
        }
        if (compression == 3 && headerSize == 40) colours += 12;  // the three colour masks
    } else {
        return {};
    }
    const qsizetype offset = 14 + headerSize + colours;
    if (offset > 14 + dib.size()) return {};
    QByteArray file("BM");
    const auto put32 = [&file](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    put32(static_cast<std::uint32_t>(14 + dib.size()));
    put32(0);
    put32(static_cast<std::uint32_t>(offset));
    file.append(dib);
    return QImage::fromData(file, "BMP");
}

class Player {
  public:
    Player(QImage& canvas, QPointF origin, QSizeF extent, int objects)
        : painter_(&canvas), canvas_(canvas.rect()) {
        painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                                QPainter::SmoothPixmapTransform);
        objects_.resize(static_cast<std::size_t>(objects));
        state_.pen.setCosmetic(true);
        state_.font.font = QFont(QStringLiteral("Arial"));
        state_.font.font.setPixelSize(12);
        state_.windowOrg = origin;
        state_.windowExt = extent;
        applyWindow();
    }

    // Plays the records from `at`; true when the end record was reached.
    bool play(const QByteArray& data, qsizetype at) {
        for (qsizetype count = 0; count < kMaxRecords; ++count) {
            if (data.size() - at < 6) return false;
            const std::uint32_t words = dwordAt(data, at);
            const int function = wordAt(data, at + 4);
            if (words < 3 || static_cast<qint64>(words) * 2 > data.size() - at) return false;
            if (function == Eof) return true;
            playRecord(function, Record(data, at + 6, static_cast<qsizetype>(words) - 3));
            at += static_cast<qsizetype>(words) * 2;
        }
        return false;
    }

  private:
    struct State {
        QPen pen{Qt::black, 0};
        QBrush brush{Qt::white};
        FontObject font;
        QColor textColour = Qt::black;
        QColor backColour = Qt::white;
        bool opaqueBack = true;
        int textAlign = 0;
        Qt::FillRule fillRule = Qt::OddEvenFill;
        QPointF position;
        QPointF windowOrg;
        QSizeF windowExt{1, 1};
        std::optional<QPainterPath> clip;  // in picture coordinates
    };

    void applyWindow() {
        const QSizeF ext = state_.windowExt;
        if (ext.width() == 0 || ext.height() == 0) return;
        QTransform t =
            QTransform::fromScale(canvas_.width() / ext.width(), canvas_.height() / ext.height());
        t.translate(-state_.windowOrg.x(), -state_.windowOrg.y());
        painter_.setWorldTransform(t);
    }

    void applyClip() {
        const QTransform t = painter_.worldTransform();
        painter_.resetTransform();
        if (state_.clip) {
            painter_.setClipPath(*state_.clip);
        } else {
            painter_.setClipping(false);
        }
        painter_.setWorldTransform(t);
    }

    void clipTo(const QRectF& logical, bool exclude) {
        QPainterPath area;
        area.addPolygon(painter_.worldTransform().map(QPolygonF(logical)));
        area.closeSubpath();
        if (exclude) {
            QPainterPath whole;
            whole.addRect(state_.clip ? state_.clip->boundingRect() : QRectF(canvas_));
            state_.clip = (state_.clip ? *state_.clip : whole).subtracted(area);
        } else {
            state_.clip = state_.clip ? state_.clip->intersected(area) : area;
        }
        applyClip();
    }

    void tools() {
        painter_.setPen(state_.pen);
        painter_.setBrush(state_.brush);
    }

    void addObject(GdiObject object) {
        for (GdiObject& slot : objects_) {
            if (std::holds_alternative<std::monostate>(slot)) {
                slot = std::move(object);
                return;
            }
        }
        // Some writers count too few objects in the header.
        if (objects_.size() < kMaxObjects) objects_.push_back(std::move(object));
    }

    void selectObject(int index) {
        if (index < 0 || static_cast<std::size_t>(index) >= objects_.size()) return;
        const GdiObject& object = objects_[static_cast<std::size_t>(index)];
        if (const auto* pen = std::get_if<QPen>(&object)) state_.pen = *pen;
        if (const auto* brush = std::get_if<QBrush>(&object)) state_.brush = *brush;
        if (const auto* font = std::get_if<FontObject>(&object)) state_.font = *font;
    }

    static QPen makePen(const Record& r) {
        const int style = r.u(0);
        if ((style & 0x0F) == 5) return QPen(Qt::NoPen);
        QPen pen(colourOf(r.u32(3)));
        const int width = std::abs(r.s(1));
        pen.setWidthF(width);
        pen.setCosmetic(width == 0);
        switch (style & 0x0F) {
            case 1:
                pen.setStyle(Qt::DashLine);
                break;
            case 2:
                pen.setStyle(Qt::DotLine);
                break;
            case 3:
                pen.setStyle(Qt::DashDotLine);
                break;
            case 4:
                pen.setStyle(Qt::DashDotDotLine);
                break;
            default:
                pen.setStyle(Qt::SolidLine);
                break;
        }
        pen.setCapStyle((style & 0x0F00) == 0x0100   ? Qt::SquareCap
                        : (style & 0x0F00) == 0x0200 ? Qt::FlatCap
                                                     : Qt::RoundCap);
        pen.setJoinStyle((style & 0xF000) == 0x1000   ? Qt::BevelJoin
                         : (style & 0xF000) == 0x2000 ? Qt::MiterJoin
                                                      : Qt::RoundJoin);
        return pen;
    }

    static QBrush makeBrush(const Record& r) {
        const QColor colour = colourOf(r.u32(1));
        switch (r.u(0)) {
            case 0:
                return QBrush(colour);
            case 1:
                return QBrush(Qt::NoBrush);
            case 2: {
                static constexpr Qt::BrushStyle hatches[] = {
                    Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                    Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
                const int hatch = r.u(3);
                return QBrush(colour, hatch >= 0 && hatch < 6 ? hatches[hatch] : Qt::SolidPattern);
            }
            default:
                return QBrush(Qt::gray);  // a pattern whose bitmap is not in this record
        }
    }

    static FontObject makeFont(const Record& r) {
        QByteArray face = r.rest(9).left(32);
        if (const qsizetype end = face.indexOf('\0'); end >= 0) face.truncate(end);
        FontObject f;
        f.font = QFont(face.isEmpty() ? QStringLiteral("Arial") : QString::fromLatin1(face));
        const int height = std::clamp(std::abs(r.s(0)), 0, 20000);
        f.font.setPixelSize(height == 0 ? 12 : height);
        const int weight = r.s(4);
        f.font.setWeight(weight <= 0 ? QFont::Normal
                                     : static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
        const int flags = r.u(5);
        f.font.setItalic((flags & 0xFF) != 0);
        f.font.setUnderline((flags >> 8) != 0);
        f.font.setStrikeOut((r.u(6) & 0xFF) != 0);
        f.escapement = r.s(2) / 10.0;
        return f;
    }

    void drawText(QPointF at, const QByteArray& bytes, int options, const QRectF& box) {
        QByteArray raw = bytes;
        if (const qsizetype end = raw.indexOf('\0'); end >= 0) raw.truncate(end);
        const QString text = QString::fromLatin1(raw);
        painter_.save();
        if (options & 0x0002) painter_.fillRect(box, state_.backColour);  // opaque box
        if (options & 0x0004) painter_.setClipRect(box, Qt::IntersectClip);
        const bool useCurrent = (state_.textAlign & 0x0001) != 0;
        if (useCurrent) at = state_.position;
        painter_.setFont(state_.font.font);
        const QFontMetricsF metrics(state_.font.font);
        const double width = metrics.horizontalAdvance(text);
        double x = 0;
        if ((state_.textAlign & 0x0006) == 0x0006) {
            x = -width / 2;
        } else if ((state_.textAlign & 0x0006) == 0x0002) {
            x = -width;
        }
        double baseline = metrics.ascent();
        if ((state_.textAlign & 0x0018) == 0x0018) {
            baseline = 0;
        } else if ((state_.textAlign & 0x0018) == 0x0008) {
            baseline = -metrics.descent();
        }
        painter_.translate(at);
        // Letters stay upright and unmirrored whichever way the window's axes run.
        const QTransform t = painter_.worldTransform();
        painter_.scale(t.m11() < 0 ? -1 : 1, t.m22() < 0 ? -1 : 1);
        painter_.rotate(-state_.font.escapement);
        if (state_.opaqueBack) {
            painter_.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.height()),
                              state_.backColour);
        }
        painter_.setPen(state_.textColour);
        painter_.drawText(QPointF(x, baseline), text);
        painter_.restore();
        if (useCurrent) state_.position.rx() += width;
    }

    void drawBitmap(const QRectF& target, const QByteArray& dib, int xSrc, int ySrc, int wSrc,
                    int hSrc) {
        bool bottomUp = true;
        const QImage image = decodeDib(dib, bottomUp);
        if (image.isNull()) return;
        QRectF source(0, 0, image.width(), image.height());
        if (wSrc > 0 && hSrc > 0) {
            const int top = bottomUp ? image.height() - ySrc - hSrc : ySrc;
            source = QRectF(xSrc, top, wSrc, hSrc).intersected(source);
        }
        if (!source.isEmpty()) painter_.drawImage(target.normalized(), image, source);
    }

    void arcShape(int function, const Record& r) {
        const QRectF box = rectOf(r, 4);
        if (box.width() <= 0 || box.height() <= 0) return;
        const QPointF c = box.center();
        const auto angle = [&](QPointF p) {
            return std::atan2(-(p.y() - c.y()) / box.height(), (p.x() - c.x()) / box.width()) *
                   180 / std::numbers::pi;
        };
        const double start = angle(r.point(2).transposed());
        double sweep = angle(r.point(0).transposed()) - start;
        if (sweep <= 0) sweep += 360;
        QPainterPath path;
        if (function == Pie) {
            path.moveTo(c);
            path.arcTo(box, start, sweep);
            path.closeSubpath();
        } else {
            path.arcMoveTo(box, start);
            path.arcTo(box, start, sweep);
            if (function == Chord) path.closeSubpath();
        }
        tools();
        if (function == Arc) {
            painter_.strokePath(path, state_.pen);
        } else {
            painter_.drawPath(path);
        }
    }

    void playRecord(int function, const Record& r) {
        switch (function) {
            case SaveDC:
                if (saved_.size() < kMaxSavedStates) saved_.push_back(state_);
                break;
            case RestoreDC: {
                const int n = r.s(0);
                std::size_t keep = saved_.size();
                if (n < 0 && static_cast<std::size_t>(-n) <= saved_.size())
                    keep = saved_.size() + n;
                if (n > 0 && static_cast<std::size_t>(n) <= saved_.size())
                    keep = static_cast<std::size_t>(n) - 1;
                if (keep < saved_.size()) {
                    state_ = saved_[keep];
                    saved_.resize(keep);
                    applyWindow();
                    applyClip();
                }
                break;
            }
            case SetWindowOrg:
                state_.windowOrg = r.point(0).transposed();
                applyWindow();
                break;
            case SetWindowExt:
                if (r.s(0) != 0 && r.s(1) != 0) {
                    state_.windowExt = QSizeF(r.s(1), r.s(0));
                    applyWindow();
                }
                break;
            case OffsetWindowOrg:
                state_.windowOrg += r.point(0).transposed();
                applyWindow();
                break;
            case ScaleWindowExt:
                if (r.s(0) != 0 && r.s(2) != 0 && r.s(1) != 0 && r.s(3) != 0) {
                    state_.windowExt = QSizeF(state_.windowExt.width() * r.s(3) / r.s(2),
                                              state_.windowExt.height() * r.s(1) / r.s(0));
                    applyWindow();
                }
                break;
            case SetBkMode:
                state_.opaqueBack = r.u(0) == 2;
                break;
            case SetBkColor:
                state_.backColour = colourOf(r.u32(0));
                break;
            case SetTextColor:
                state_.textColour = colourOf(r.u32(0));
                break;
            case SetTextAlign:
                state_.textAlign = r.u(0);
                break;
            case SetPolyFillMode:
                state_.fillRule = r.u(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
                break;
            case CreatePenIndirect:
                addObject(makePen(r));
                break;
            case CreateBrushIndirect:
                addObject(makeBrush(r));
                break;
            case CreateFontIndirect:
                addObject(makeFont(r));
                break;
            case DibCreatePatternBrush: {
                bool bottomUp = true;
                const QImage pattern = r.u(0) == 3 ? QImage() : decodeDib(r.rest(2), bottomUp);
                addObject(pattern.isNull() ? QBrush(Qt::gray) : QBrush(pattern));
                break;
            }
            case CreatePatternBrush:
                addObject(QBrush(Qt::gray));
                break;
            case CreatePalette:
            case CreateRegion:
                addObject(OtherObject{});
                break;
            case SelectObject:
                selectObject(r.u(0));
                break;
            case DeleteObject:
                if (static_cast<std::size_t>(r.u(0)) < objects_.size())
                    objects_[static_cast<std::size_t>(r.u(0))] = {};
                break;
            case SelectClipRegion:
                state_.clip.reset();
                applyClip();
                break;
            case IntersectClipRect:
                clipTo(rectOf(r, 0), false);
                break;
            case ExcludeClipRect:
                clipTo(rectOf(r, 0), true);
                break;
            case MoveTo:
                state_.position = r.point(0).transposed();
                break;
            case LineTo: {
                const QPointF to = r.point(0).transposed();
                tools();
                painter_.drawLine(state_.position, to);
                state_.position = to;
                break;
            }
            case Rectangle:
                tools();
                painter_.drawRect(rectOf(r, 0));
                break;
            case RoundRect:
                tools();
                painter_.drawRoundedRect(rectOf(r, 2), std::abs(r.s(1)) / 2.0,
                                         std::abs(r.s(0)) / 2.0);
                break;
            case Ellipse:
                tools();
                painter_.drawEllipse(rectOf(r, 0));
                break;
            case Arc:
            case Pie:
            case Chord:
                arcShape(function, r);
                break;
            case Polygon:
            case Polyline: {
                const int count = r.s(0);
                if (count <= 0 || !r.has(1 + 2 * qsizetype(count))) break;
                QPolygonF points;
                for (int i = 0; i < count; ++i) points << r.point(1 + 2 * i);
                tools();
                if (function == Polygon) {
                    painter_.drawPolygon(points, state_.fillRule);
                } else {
                    painter_.drawPolyline(points);
                }
                break;
            }
            case PolyPolygon: {
                const int polygons = r.u(0);
                if (!r.has(1 + polygons)) break;
                qsizetype at = 1 + polygons;
                QPainterPath path;
                path.setFillRule(state_.fillRule);
                for (int p = 0; p < polygons; ++p) {
                    const int count = r.u(1 + p);
                    if (!r.has(at + 2 * qsizetype(count))) return;
                    QPolygonF points;
                    for (int i = 0; i < count; ++i) points << r.point(at + 2 * i);
                    path.addPolygon(points);
                    path.closeSubpath();
                    at += 2 * qsizetype(count);
                }
                tools();
                painter_.drawPath(path);
                break;
            }
            case SetPixel:
                painter_.fillRect(QRectF(r.point(2).transposed(), QSizeF(1, 1)),
                                  colourOf(r.u32(0)));
                break;
            case PatBlt: {
                const QRectF box(r.point(4).transposed(), QSizeF(r.s(3), r.s(2)));
                const std::uint32_t rop = r.u32(0);
                if (rop == 0x00FF0062) {
                    painter_.fillRect(box.normalized(), Qt::white);
                } else if (rop == 0x00000042) {
                    painter_.fillRect(box.normalized(), Qt::black);
                } else if (rop != 0x00550009) {
                    painter_.fillRect(box.normalized(), state_.brush);
                }
                break;
            }
            case TextOut: {
                const int count = r.s(0);
                if (count <= 0) break;
                const qsizetype after = 1 + (count + 1) / 2;
                if (!r.has(after + 2)) break;
                drawText(r.point(after).transposed(), r.bytes(1, count), 0, {});
                break;
            }
            case ExtTextOut: {
                const int count = r.s(2);
                const int options = r.u(3);
                if (count <= 0) break;
                const bool boxed = (options & 0x0006) != 0;
                const qsizetype textAt = boxed ? 8 : 4;
                if (!r.has(textAt + (count + 1) / 2)) break;
                const QRectF box =
                    boxed ? QRectF(QPointF(r.s(4), r.s(5)), QPointF(r.s(6), r.s(7))).normalized()
                          : QRectF();
                drawText(r.point(0).transposed(), r.bytes(textAt, count), options, box);
                break;
            }
            case StretchDib:
                if (r.u(2) == 1) break;  // colours given as palette indexes
                drawBitmap(QRectF(r.s(10), r.s(9), r.s(8), r.s(7)), r.rest(11), r.s(6), r.s(5),
                           r.s(4), r.s(3));
                break;
            case DibStretchBlt:
                drawBitmap(QRectF(r.s(9), r.s(8), r.s(7), r.s(6)), r.rest(10), r.s(5), r.s(4),
                           r.s(3), r.s(2));
                break;
            case DibBitBlt:
                drawBitmap(QRectF(r.s(7), r.s(6), r.s(5), r.s(4)), r.rest(8), r.s(3), r.s(2),
                           r.s(5), r.s(4));
                break;
            case SetDibToDev:
                if (r.u(0) == 1) break;
                drawBitmap(QRectF(r.s(8), r.s(7), r.s(6), r.s(5)), r.rest(9), r.s(4), r.s(3),
                           r.s(6), r.s(5));
                break;
            default:
                break;  // records that change nothing drawn here
        }
    }

    QPainter painter_;
    QRect canvas_;
    State state_;
    std::vector<State> saved_;
    std::vector<GdiObject> objects_;
};

// The window a metafile without bounds sets up first, if any.
std::optional<std::pair<QPointF, QSizeF>> windowOf(const QByteArray& data, qsizetype at) {
    QPointF origin;
    for (qsizetype count = 0; count < kMaxRecords && data.size() - at >= 6; ++count) {
        const std::uint32_t words = dwordAt(data, at);
        const int function = wordAt(data, at + 4);
        if (words < 3 || static_cast<qint64>(words) * 2 > data.size() - at || function == Eof)
            break;
        const Record r(data, at + 6, static_cast<qsizetype>(words) - 3);
        if (function == SetWindowOrg) origin = r.point(0).transposed();
        if (function == SetWindowExt && r.s(0) != 0 && r.s(1) != 0) {
            return std::pair{origin, QSizeF(r.s(1), r.s(0))};
        }
        at += static_cast<qsizetype>(words) * 2;
    }
    return std::nullopt;
}

}  // namespace

bool isWmf(const QByteArray& data) {
    if (data.size() >= kPlaceableSize && dwordAt(data, 0) == kPlaceableKey) return true;
    if (data.size() < kHeaderSize) return false;
    const int type = wordAt(data, 0);
    const int version = wordAt(data, 4);
    return (type == 1 || type == 2) && wordAt(data, 2) == 9 &&
           (version == 0x0300 || version == 0x0100);
}

QImage playWmf(const QByteArray& data, int maxSide) {
    if (!isWmf(data)) return {};
    const bool placeable = dwordAt(data, 0) == kPlaceableKey;
    const qsizetype header = placeable ? kPlaceableSize : 0;
    if (data.size() < header + kHeaderSize) return {};
    const int type = wordAt(data, header);
    if ((type != 1 && type != 2) || wordAt(data, header + 2) != 9) return {};
    const int objects = wordAt(data, header + 10);
    const qsizetype records = header + kHeaderSize;

    QPointF origin;
    QSizeF extent;
    QSizeF natural;
    if (placeable) {
        const double left = signedWordAt(data, 6);
        const double top = signedWordAt(data, 8);
        const int inch = wordAt(data, 14);
        origin = QPointF(left, top);
        extent = QSizeF(signedWordAt(data, 10) - left, signedWordAt(data, 12) - top);
        const double scale = kDotsPerInch / (inch == 0 ? 1440 : inch);
        natural = QSizeF(std::abs(extent.width()) * scale, std::abs(extent.height()) * scale);
    } else {
        const auto window = windowOf(data, records);
        if (!window) return {};
        std::tie(origin, extent) = *window;
        natural = QSizeF(std::abs(extent.width()), std::abs(extent.height()));
        const double longest = std::max(natural.width(), natural.height());
        if (longest > kLargestWithoutBounds) natural *= kLargestWithoutBounds / longest;
    }
    if (extent.width() == 0 || extent.height() == 0) return {};
    if (natural.width() > kLargestNatural || natural.height() > kLargestNatural) return {};
    const double longest = std::max(natural.width(), natural.height());
    if (longest > maxSide) natural *= maxSide / longest;
    const QSize size(std::max(1, int(std::lround(natural.width()))),
                     std::max(1, int(std::lround(natural.height()))));

    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    if (canvas.isNull()) return {};
    canvas.fill(Qt::transparent);
    bool whole = false;
    {
        Player player(canvas, origin, extent, objects);
        whole = player.play(data, records);
    }
    return whole ? canvas : QImage();
}

}  // namespace ntx
