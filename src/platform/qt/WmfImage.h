#pragma once
// Windows metafiles (WMF): a list of drawing records, played here onto a picture with
// QPainter.

#include <QByteArray>
#include <QImage>

namespace ntx {

// Whether `data` begins with a metafile header: the placeable header's key, or a bare header
// (in memory or on disk, nine words, Windows 3.0 or earlier).
[[nodiscard]] bool isWmf(const QByteArray& data);

// Plays a whole metafile onto a transparent picture. Its size comes from the placeable
// header's bounds at 96 dots an inch, or else from the window extent the metafile sets;
// pictures larger than `maxSide` along a side are drawn smaller, keeping the proportions.
// Lines, rectangles, rounded rectangles, ellipses, arcs, pies, chords, polygons, poly-
// polygons, text, device-independent bitmaps, pens, brushes (solid, hatched, bitmap
// patterns), fonts, saved states and rectangular clipping are drawn; records of other
// kinds are skipped. A metafile that is damaged or does not end with its end record gives
// a null image. Needs the application object (for fonts).
[[nodiscard]] QImage playWmf(const QByteArray& data, int maxSide);

}  // namespace ntx
