#include "platform/qt/PictureFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cmath>

#include "platform/qt/PcxImage.h"
#include "platform/qt/WmfImage.h"

namespace ntx {
namespace {

// Files larger than this are not photographs the program can show; reading them would
// only hold the memory.
constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;
// The largest picture decoded here, in pixels (4 bytes each).
constexpr qint64 kMaxPixels = 64LL * 1000 * 1000;
// Metafiles are drawn at most this many dots along a side.
constexpr int kLargestMetafile = 4096;

QImage readWithQt(const QByteArray& data) {
    QByteArray bytes = data;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&buffer);
    // Photographs from cameras carry their orientation; show them upright.
    reader.setAutoTransform(true);
    QImage image;
    if (!reader.read(&image)) return {};
    return image;
}

}  // namespace

QImage loadPictureFile(const QString& path) {
    if (path.trimmed().isEmpty()) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) return {};
    const QByteArray data = file.readAll();
    if (data.isEmpty()) return {};
    if (isPcx(data)) return decodePcx(data, kMaxPixels);
    if (isWmf(data)) return playWmf(data, kLargestMetafile);
    return readWithQt(data);
}

QString picturePathIn(const std::filesystem::path& folder, const std::string& stored) {
    QString path = QString::fromStdString(stored).trimmed();
    if (path.isEmpty()) return {};
#ifndef Q_OS_WIN
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    if (QFileInfo(path).isRelative()) {
        path = QDir(QString::fromStdString(folder.string())).filePath(path);
    }
    return QDir::cleanPath(path);
}

QSize fitPictureSize(QSize picture, QSize box) {
    if (picture.isEmpty() || box.isEmpty()) return {};
    // As wide as the box, then, if too tall, as high as the box.
    double width = box.width();
    double height = static_cast<double>(picture.height()) * width / picture.width();
    if (height > box.height()) {
        width = width * box.height() / height;
        height = box.height();
    }
    const auto whole = [](double units) {
        return std::max(1, static_cast<int>(std::lround(units)));
    };
    return {whole(width), whole(height)};
}

}  // namespace ntx
