#include "sheet.h"

#include "paint.h"

#include <platform/resource_library.h>
#include <platform/resources.h>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cstdio>

namespace assets {

using vantorn::platform::ResourceLibrary;

namespace {
// By type, then by name regardless of case.
std::vector<ResourceLibrary::Entry> sortedEntries(const ResourceLibrary& lib) {
  auto entries = lib.entries();
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
    return a.type != b.type ? a.type < b.type : a.name.compare(b.name, Qt::CaseInsensitive) < 0;
  });
  return entries;
}
}  // namespace

bool listPack(const QString& file) {
  const auto lib = ResourceLibrary::fromFile(file);
  if (!lib) {
    std::fprintf(stderr, "%s: not a resource file\n", qPrintable(file));
    return false;
  }
  const auto entries = sortedEntries(*lib);
  for (const auto& e : entries) std::printf("%-10s %-24s %8lld\n", qPrintable(e.type), qPrintable(e.name), e.size);
  std::printf("%zu resources\n", entries.size());
  return true;
}

bool contactSheets(const QStringList& files, const QString& outDir) {
  QDir().mkpath(outDir);
  constexpr int kCell = 156, kThumb = 120, kCols = 8, kRows = 6, kLabel = 30;
  for (const QString& file : files) {
    const auto lib = ResourceLibrary::fromFile(file);
    if (!lib) {
      std::fprintf(stderr, "%s: not a resource file\n", qPrintable(file));
      return false;
    }
    const auto entries = sortedEntries(*lib);
    struct Pic { QString label; QImage img; };
    std::vector<Pic> pics;
    for (const auto& e : entries) {
      QByteArray bytes = lib->data(e.name, e.type).value_or(QByteArray());
      QBuffer buf(&bytes);
      buf.open(QIODevice::ReadOnly);
      QImageReader r(&buf);
      QImage img;
      if (!r.read(&img)) continue;  // sounds, songs and cursor data are listed, not shown
      int frames = r.imageCount();
      // Card packs store faces with an inverted ellipse; show them as the game will.
      const bool face = QFileInfo(file).fileName().startsWith("QexCards06") && e.type == "RT_RCDATA" &&
                        !e.name.startsWith("Ob") && (img.height() == 94 || img.height() == 198);
      if (face) {
        img = img.convertToFormat(QImage::Format_ARGB32);
        if (img.width() == 69) vantorn::platform::InvertEllipse(img, 10, 10, 84, 59);
        else vantorn::platform::InvertEllipse(img, 10, 10, 188, img.width() == 126 ? 116 : 136);
      }
      pics.push_back({QString("%1 %2%3 %4x%5").arg(e.type, e.name, frames > 1 ? QString(" [%1f]").arg(frames) : "")
                          .arg(img.width()).arg(img.height()), img});
    }
    // The styled button's pieces are easier to judge put together.
    for (const char* set : {"R", "Q"})
      for (int h : {29, 44, 59}) {
        const QString b = QString("%1%2").arg(set).arg(h);
        auto piece = [&](const char* s) {
          QByteArray bytes = lib->data(b + s, "RT_RCDATA").value_or(QByteArray());
          return QImage::fromData(bytes);
        };
        const QImage l = piece("_L"), m = piece("_2"), r = piece("_R");
        if (l.isNull() || m.isNull() || r.isNull()) continue;
        QImage button = canvas(120, h);
        QPainter p(&button);
        p.drawImage(0, 0, l);
        p.drawImage(QRect(l.width(), 0, 120 - l.width() - r.width(), h), m);
        p.drawImage(120 - r.width(), 0, r);
        p.end();
        pics.push_back({QString("button from %1_L, _2, _R").arg(b), button});
      }
    const QString base = QFileInfo(file).fileName();
    const int perPage = kCols * kRows;
    for (size_t page = 0; page * perPage < pics.size(); ++page) {
      QImage sheet(kCols * kCell, kRows * (kCell + kLabel), QImage::Format_RGB32);
      sheet.fill(QColor(90, 110, 90));
      QPainter p(&sheet);
      antialias(p);
      for (int k = 0; k < perPage && page * perPage + k < pics.size(); ++k) {
        const Pic& pic = pics[page * perPage + k];
        const int x = (k % kCols) * kCell, y = (k / kCols) * (kCell + kLabel);
        // A checkerboard under the picture shows its transparency.
        for (int cy = 0; cy < kThumb; cy += 10)
          for (int cx = 0; cx < kThumb; cx += 10)
            p.fillRect(x + 18 + cx, y + 8 + cy, 10, 10, ((cx + cy) / 10) % 2 ? QColor(200, 200, 200) : QColor(240, 240, 240));
        QImage t = pic.img;
        if (t.width() > kThumb || t.height() > kThumb) t = t.scaled(kThumb, kThumb, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.drawImage(x + 18 + (kThumb - t.width()) / 2, y + 8 + (kThumb - t.height()) / 2, t);
        p.setPen(Qt::white);
        p.setFont(font(kSans, 10));
        p.drawText(QRect(x + 2, y + kThumb + 10, kCell - 4, kLabel + 16), Qt::AlignHCenter | Qt::TextWordWrap, pic.label);
      }
      p.end();
      const QString out = QString("%1/%2-%3.png").arg(outDir, base).arg(page + 1, 2, 10, QChar('0'));
      sheet.save(out);
    }
    std::printf("%s: %zu pictures on %zu pages\n", qPrintable(base), pics.size(), (pics.size() + perPage - 1) / perPage);
  }
  return true;
}

}  // namespace assets
