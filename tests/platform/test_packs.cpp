#include "test_packs.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

bool makeTestPack(const QString& path, const std::vector<TestResource>& items, bool compress) {
  QTemporaryDir dir;
  QString qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
  int n = 0;
  for (const TestResource& r : items) {
    const QString file = QString("f%1.bin").arg(n++);
    QFile f(dir.filePath(file));
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(r.bytes);
    qrc += QString("<file alias=\"%1/%2\">%3</file>\n").arg(r.type, r.name, dir.filePath(file));
  }
  qrc += "</qresource>\n</RCC>\n";
  QFile q(dir.filePath("pack.qrc"));
  if (!q.open(QIODevice::WriteOnly)) return false;
  q.write(qrc.toUtf8());
  q.close();
  QStringList args = {"--binary", "-o", path, q.fileName()};
  if (compress) args << "--compress-algo" << "zlib" << "--threshold" << "0";
  else args << "--no-compress";
  QProcess rcc;
  rcc.start(VANTORN_RCC, args);
  return rcc.waitForFinished(30000) && rcc.exitCode() == 0 && QFileInfo(path).size() > 0;
}

static QByteArray encode(int w, int h, unsigned rgb, const char* fmt) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(rgb);
  QByteArray out;
  QBuffer b(&out);
  b.open(QIODevice::WriteOnly);
  img.save(&b, fmt);
  return out;
}
QByteArray pngBytes(int w, int h, unsigned rgb) { return encode(w, h, rgb, "PNG"); }
QByteArray jpegBytes(int w, int h, unsigned rgb) { return encode(w, h, rgb, "JPEG"); }
