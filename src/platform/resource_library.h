// A read-only set of named, typed resources held in one binary resource file
// (the format `rcc --binary` writes). Packs and the built-in resources are both
// such files; this class parses one from memory with every offset checked, so a
// damaged or foreign file gives an empty or partial library, never a crash.
//
// Layout inside the file: every resource is stored at "/<TYPE>/<NAME>", for
// example "/RT_RCDATA/GCap300" or "/JPEG/FonG". Lookups ignore the case of both
// the type and the name.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <QHash>
#include <vector>

namespace vantorn::platform {

// The resource types the game asks for. Bitmap resources are stored under
// "BITMAP"; the animated cursors under "ANICURSOR", the plain cursor under "CURSOR".
inline constexpr const char* kTypeRcData = "RT_RCDATA";
inline constexpr const char* kTypeJpeg = "JPEG";
inline constexpr const char* kTypeGif = "GIF";
inline constexpr const char* kTypeBitmap = "BITMAP";
inline constexpr const char* kTypeCursor = "CURSOR";
inline constexpr const char* kTypeAniCursor = "ANICURSOR";

class ResourceLibrary {
 public:
  struct Entry {
    QString type;  // as stored, e.g. "RT_RCDATA"
    QString name;  // as stored, e.g. "Pi5AMed"
    qint64 size;   // stored size in bytes (compressed size when compressed)
  };

  ResourceLibrary() = default;

  // Parses a whole resource file. Returns nothing when the bytes are not a
  // resource file at all; a file whose tree is damaged yields the entries that
  // could be read safely.
  static std::optional<ResourceLibrary> fromBytes(QByteArray bytes);
  static std::optional<ResourceLibrary> fromFile(const QString& path);

  bool contains(const QString& name, const QString& type) const;
  // The resource's bytes (decompressed), or nothing when absent or undecodable.
  std::optional<QByteArray> data(const QString& name, const QString& type) const;
  std::vector<Entry> entries() const;
  bool empty() const { return index_.empty(); }

 private:
  struct Item {
    QString type;
    QString name;
    qint64 offset;  // of the payload within bytes_
    qint64 size;
    bool zlib;
  };
  static QString key(const QString& name, const QString& type);

  QByteArray bytes_;
  std::vector<Item> items_;
  QHash<QString, qsizetype> index_;
};

}  // namespace vantorn::platform
