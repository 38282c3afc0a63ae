// Where a generator puts its pictures and sounds: every resource becomes one file
// in a staging folder plus one line of a resource list (.qrc), from which
// `rcc --binary` makes the pack. Resources are stored as "/<TYPE>/<NAME>".
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace assets {

class Sink {
 public:
  explicit Sink(QString dir);

  void raw(const QString& type, const QString& name, const QByteArray& bytes, const QString& ext);
  // PNG in "RT_RCDATA" (the default picture type).
  void png(const QString& name, const QImage& img) { pngTyped("RT_RCDATA", name, img); }
  void pngTyped(const QString& type, const QString& name, const QImage& img);
  void jpeg(const QString& name, const QImage& img, int quality = 85);
  // A Windows bitmap (24-bit BMP) in "BITMAP".
  void bitmap(const QString& name, const QImage& img);
  void gif(const QString& name, const std::vector<QImage>& frames, int delayMs, bool loop = true);
  void wav(const QString& name, const QByteArray& wavBytes) { raw("RT_RCDATA", name, wavBytes, "wav"); }

  // Writes the resource list; returns false when a name was given twice.
  bool finish(const QString& qrcPath);
  int count() const { return int(entries_.size()); }
  // Marks the pack as failed (a source was unusable); finish() then returns false.
  void fail() { failed_ = true; }

 private:
  QString dir_;
  QStringList entries_;  // "TYPE/NAME"
  QStringList files_;
  bool failed_ = false;
};

}  // namespace assets
