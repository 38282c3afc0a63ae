#include "resources.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace vantorn::platform {

Resources::Resources(ResourceLibrary builtin, QString dataDir, QString exeDir)
    : builtin_(std::move(builtin)), dataDir_(std::move(dataDir)), exeDir_(std::move(exeDir)) {}

QStringList Resources::searchFolders() const {
  QStringList out;
  auto add = [&](const QString& dir) {
    if (dir.isEmpty()) return;
    const QString clean = QDir::cleanPath(QDir(dir).absolutePath());
    if (!out.contains(clean)) out << clean;
  };
  add(dataDir_);
  if (!dataDir_.isEmpty()) add(QDir(dataDir_).absoluteFilePath(QStringLiteral("..")));
  add(exeDir_);
  return out;
}

QString Resources::findPack(const QString& packFile) const {
  // The pack name is a bare file name; anything with a folder part is refused.
  if (packFile.isEmpty() || packFile.contains(QLatin1Char('/')) || packFile.contains(QLatin1Char('\\')))
    return {};
  for (const QString& dir : searchFolders()) {
    const QFileInfo fi(QDir(dir).filePath(packFile));
    if (fi.isFile() && fi.isReadable()) return fi.absoluteFilePath();
  }
  return {};
}

std::optional<ResourceLibrary> Resources::openPack(const QString& packFile) const {
  const QString path = findPack(packFile);
  if (path.isEmpty()) return std::nullopt;
  return ResourceLibrary::fromFile(path);
}

PackLoad Resources::loadBytes(const QString& name, const QString& type, const QString& pack,
                              QByteArray& out) const {
  out.clear();
  std::optional<QByteArray> bytes;
  if (pack.isEmpty()) {
    bytes = builtin_.data(name, type);
  } else {
    const std::optional<ResourceLibrary> lib = openPack(pack);
    if (!lib) return PackLoad::PackMissing;
    if (!lib->contains(name, type)) return PackLoad::NoSuchResource;
    bytes = lib->data(name, type);
    if (!bytes) return PackLoad::Undecodable;
  }
  if (!bytes) return builtin_.contains(name, type) ? PackLoad::Undecodable : PackLoad::NoSuchResource;
  out = std::move(*bytes);
  return PackLoad::Loaded;
}

PackLoad Resources::loadImage(const QString& name, const QString& type, const QString& pack,
                              QImage& out) const {
  out = QImage();
  QByteArray bytes;
  const PackLoad st = loadBytes(name, type, pack, bytes);
  if (st != PackLoad::Loaded) return st;
  QBuffer buf(&bytes);
  buf.open(QIODevice::ReadOnly);
  QImageReader reader(&buf);
  // Outside data: refuse absurd picture sizes before decoding.
  const QSize sz = reader.size();
  if (!sz.isValid() || sz.width() > 8192 || sz.height() > 8192) return PackLoad::Undecodable;
  if (!reader.read(&out)) {
    out = QImage();
    return PackLoad::Undecodable;
  }
  return PackLoad::Loaded;
}

namespace {
bool finish(PackLoad st, PackLoad* status) {
  if (status) *status = st;
  return st != PackLoad::PackMissing;
}
}  // namespace

bool LoadPackPng(const Resources& res, const QString& name, const QString& pack, QImage& picture,
                 PackLoad* status) {
  return finish(res.loadImage(name, QString::fromLatin1(kTypeRcData), pack, picture), status);
}

bool LoadPackJpeg(const Resources& res, const QString& name, const QString& pack, QImage& picture,
                  PackLoad* status) {
  return finish(res.loadImage(name, QString::fromLatin1(kTypeJpeg), pack, picture), status);
}

bool LoadPackGif(const Resources& res, const QString& name, const QString& pack, QByteArray& animation,
                 PackLoad* status) {
  PackLoad st = res.loadBytes(name, QString::fromLatin1(kTypeGif), pack, animation);
  if (st == PackLoad::Loaded && !animation.startsWith("GIF8")) {
    animation.clear();
    st = PackLoad::Undecodable;
  }
  return finish(st, status);
}

bool LoadBitmap(const Resources& res, const QString& name, QImage& picture) {
  return res.loadImage(name, QString::fromLatin1(kTypeBitmap), QString(), picture) == PackLoad::Loaded;
}

void InvertEllipse(QImage& picture, int left, int top, int right, int bottom) {
  if (picture.isNull() || right <= left || bottom <= top) return;
  if (picture.format() != QImage::Format_ARGB32 && picture.format() != QImage::Format_RGB32)
    picture = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  // Integer test of the pixel centre against the ellipse, in units of half pixels:
  // ((2x+1-cx2)/w)^2 + ((2y+1-cy2)/h)^2 <= 1, with cx2 = left+right, w = right-left.
  const qint64 w = right - left, h = bottom - top;
  const qint64 cx2 = left + right, cy2 = top + bottom;
  const int y0 = std::max(top, 0), y1 = std::min(bottom, picture.height());
  const int x0 = std::max(left, 0), x1 = std::min(right, picture.width());
  for (int y = y0; y < y1; ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    const qint64 dy = 2 * y + 1 - cy2;
    for (int x = x0; x < x1; ++x) {
      const qint64 dx = 2 * x + 1 - cx2;
      if (dx * dx * h * h + dy * dy * w * w <= w * w * h * h) line[x] ^= 0x00FFFFFFu;
    }
  }
}

}  // namespace vantorn::platform
