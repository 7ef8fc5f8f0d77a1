#pragma once
// Photograph files named by path: BMP, GIF, JPEG (and whatever else Qt reads) through Qt's
// image readers; PCX and WMF through decoders of our own (PcxImage.h, WmfImage.h). Shared by
// the entry form, the photo viewer and the one-person report page.

#include <QImage>
#include <QSize>
#include <QString>
#include <filesystem>
#include <string>

namespace ntx {

// Reads the picture file at `path`, recognising its format by its content, not its name.
// A missing, unreadable, unknown or corrupt file gives a null image: nothing is reported and
// nothing is thrown. A BMP, GIF or JPEG cut short in its pixel data may give the part that
// could be read, as Qt's readers do. Pictures of more than 64 million pixels give a null
// image too. Safe to call from any thread while the application object exists.
[[nodiscard]] QImage loadPictureFile(const QString& path);

// The file a stored photograph path names: a relative path (".\Images\Ann.jpg") is taken
// from the program's folder `folder`; outside Windows, backslashes separate folders too.
// Leading and trailing blanks are dropped; a blank path stays blank.
[[nodiscard]] QString picturePathIn(const std::filesystem::path& folder, const std::string& stored);

// The size at which a picture of size `picture` fits into `box` keeping its proportions:
// first as wide as the box; then, when that makes it taller than the box, as high as the box.
// So the picture fills the box along one side and may grow beyond its own size. Any units
// (dialog units, pixels); results are rounded to whole units. An empty picture or box gives
// an empty size. A 2:1 picture in a 110 x 110 box: 110 x 55.
[[nodiscard]] QSize fitPictureSize(QSize picture, QSize box);

}  // namespace ntx
