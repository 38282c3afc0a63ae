// Small resource files made for a test: write the given resources, run rcc.
#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

struct TestResource {
  QString type, name;
  QByteArray bytes;
};

// Builds a binary resource file at `path` from the resources (with zlib
// compression when `compress`); returns false when rcc fails.
bool makeTestPack(const QString& path, const std::vector<TestResource>& items, bool compress = true);
QByteArray pngBytes(int w, int h, unsigned rgb);
QByteArray jpegBytes(int w, int h, unsigned rgb);
