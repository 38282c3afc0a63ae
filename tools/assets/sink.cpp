#include "sink.h"

#include "gif_writer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QSet>
#include <QTextStream>

#include <cstdio>

namespace assets {

Sink::Sink(QString dir) : dir_(std::move(dir)) { QDir().mkpath(dir_); }

void Sink::raw(const QString& type, const QString& name, const QByteArray& bytes, const QString& ext) {
  const QString entry = type + "/" + name;
  for (const QString& e : entries_)
    if (e.compare(entry, Qt::CaseInsensitive) == 0) {
      std::fprintf(stderr, "assetgen: resource %s given twice\n", qPrintable(entry));
      failed_ = true;
      return;
    }
  QDir().mkpath(dir_ + "/" + type);
  const QString file = type + "/" + name + "." + ext;
  QFile f(dir_ + "/" + file);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(f.fileName()));
    failed_ = true;
    return;
  }
  entries_ << entry;
  files_ << file;
}

static QByteArray encode(const QImage& img, const char* format, int quality) {
  QByteArray out;
  QBuffer buf(&out);
  buf.open(QIODevice::WriteOnly);
  QImageWriter w(&buf, format);
  if (quality >= 0) w.setQuality(quality);
  w.write(img);
  return out;
}

void Sink::pngTyped(const QString& type, const QString& name, const QImage& img) {
  raw(type, name, encode(img, "png", -1), "png");
}

void Sink::jpeg(const QString& name, const QImage& img, int quality) {
  raw("JPEG", name, encode(img.convertToFormat(QImage::Format_RGB32), "jpeg", quality), "jpg");
}

void Sink::bitmap(const QString& name, const QImage& img) {
  raw("BITMAP", name, encode(img.convertToFormat(QImage::Format_RGB888), "bmp", -1), "bmp");
}

void Sink::gif(const QString& name, const std::vector<QImage>& frames, int delayMs, bool loop) {
  raw("GIF", name, writeGif(frames, delayMs, loop), "gif");
}

bool Sink::finish(const QString& qrcPath) {
  QFile f(qrcPath);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  QTextStream s(&f);
  s << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
  for (int i = 0; i < entries_.size(); ++i)
    s << "  <file alias=\"" << entries_[i] << "\">" << dir_ << "/" << files_[i] << "</file>\n";
  s << "</qresource>\n</RCC>\n";
  return !failed_;
}

}  // namespace assets
