#include "resource_library.h"

#include <QFile>

namespace vantorn::platform {
namespace {

// Limits for outside input: no tree deeper than this, no more nodes than this,
// no resource that claims to inflate beyond this.
constexpr int kMaxDepth = 8;
constexpr qint64 kMaxNodes = 200000;
constexpr quint32 kMaxInflated = 64u * 1024u * 1024u;

constexpr quint16 kFlagCompressed = 0x01;
constexpr quint16 kFlagDirectory = 0x02;
constexpr quint16 kFlagZstd = 0x04;

class Reader {
 public:
  explicit Reader(const QByteArray& b) : b_(b) {}
  bool has(qint64 off, qint64 n) const { return off >= 0 && n >= 0 && off <= b_.size() - n; }
  quint32 u32(qint64 off) const {
    const auto* p = reinterpret_cast<const uchar*>(b_.constData() + off);
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | p[3];
  }
  quint16 u16(qint64 off) const {
    const auto* p = reinterpret_cast<const uchar*>(b_.constData() + off);
    return quint16((p[0] << 8) | p[1]);
  }

 private:
  const QByteArray& b_;
};

}  // namespace

QString ResourceLibrary::key(const QString& name, const QString& type) {
  return type.toUpper() + QLatin1Char('/') + name.toUpper();
}

std::optional<ResourceLibrary> ResourceLibrary::fromFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  return fromBytes(f.readAll());
}

std::optional<ResourceLibrary> ResourceLibrary::fromBytes(QByteArray bytes) {
  ResourceLibrary lib;
  lib.bytes_ = std::move(bytes);
  const Reader r(lib.bytes_);
  if (!r.has(0, 20) || lib.bytes_.left(4) != "qres") return std::nullopt;
  const quint32 version = r.u32(4);
  if (version < 1 || version > 3) return std::nullopt;
  const qint64 treeOff = r.u32(8);
  const qint64 dataOff = r.u32(12);
  const qint64 namesOff = r.u32(16);
  const qint64 nodeSize = version >= 2 ? 22 : 14;

  auto nodeName = [&](qint64 node, QString& out) -> bool {
    const qint64 at = treeOff + node * nodeSize;
    if (!r.has(at, nodeSize)) return false;
    const qint64 nameAt = namesOff + r.u32(at);
    if (!r.has(nameAt, 6)) return false;
    const qint64 len = r.u16(nameAt);
    if (!r.has(nameAt + 6, len * 2)) return false;
    out.resize(len);
    for (qint64 i = 0; i < len; ++i) out[i] = QChar(r.u16(nameAt + 6 + i * 2));
    return true;
  };

  qint64 visited = 0;
  // Depth-first walk from the root node 0; `path` holds the directory names.
  std::vector<QString> path;
  auto walk = [&](auto&& self, qint64 node, int depth) -> void {
    if (depth > kMaxDepth || ++visited > kMaxNodes) return;
    const qint64 at = treeOff + node * nodeSize;
    if (!r.has(at, nodeSize)) return;
    const quint16 flags = r.u16(at + 4);
    QString name;
    if (depth > 0 && !nodeName(node, name)) return;
    if (flags & kFlagDirectory) {
      const qint64 count = r.u32(at + 6);
      const qint64 first = r.u32(at + 10);
      if (count > kMaxNodes || first <= node) return;  // children always follow their parent
      if (depth > 0) path.push_back(name);
      for (qint64 i = 0; i < count && visited <= kMaxNodes; ++i) self(self, first + i, depth + 1);
      if (depth > 0) path.pop_back();
      return;
    }
    if (path.size() != 1 || (flags & kFlagZstd)) return;  // only "/TYPE/NAME" entries in zlib or raw form
    const qint64 payload = dataOff + r.u32(at + 10);
    if (!r.has(payload, 4)) return;
    const qint64 size = r.u32(payload);
    if (!r.has(payload + 4, size)) return;
    Item item{path.front(), name, payload + 4, size, bool(flags & kFlagCompressed)};
    const QString k = key(item.name, item.type);
    if (lib.index_.contains(k)) return;
    lib.index_.insert(k, qsizetype(lib.items_.size()));
    lib.items_.push_back(std::move(item));
  };
  walk(walk, 0, 0);
  return lib;
}

bool ResourceLibrary::contains(const QString& name, const QString& type) const {
  return index_.contains(key(name, type));
}

std::optional<QByteArray> ResourceLibrary::data(const QString& name, const QString& type) const {
  const auto it = index_.find(key(name, type));
  if (it == index_.end()) return std::nullopt;
  const Item& item = items_[size_t(it.value())];
  QByteArray raw = QByteArray::fromRawData(bytes_.constData() + item.offset, item.size);
  if (!item.zlib) return QByteArray(raw.constData(), raw.size());
  // qCompress layout: a 4-byte big-endian length, then the zlib stream.
  if (raw.size() < 4) return std::nullopt;
  const Reader r(raw);
  if (r.u32(0) > kMaxInflated) return std::nullopt;
  QByteArray out = qUncompress(raw);
  if (out.isEmpty() && r.u32(0) != 0) return std::nullopt;
  return out;
}

std::vector<ResourceLibrary::Entry> ResourceLibrary::entries() const {
  std::vector<Entry> out;
  out.reserve(items_.size());
  for (const Item& i : items_) out.push_back({i.type, i.name, i.size});
  return out;
}

}  // namespace vantorn::platform
