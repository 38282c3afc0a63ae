// The game's picture and sound resources: the built-in set compiled into the
// program and the resource packs beside it (QexCards06A.dll, QexBackG03.dll ...).
//
// A pack is looked up, in this order, in the data folder, in the data folder's
// parent, and beside the executable; a pack found nowhere (or not readable as a
// resource file) is missing, and every caller falls back as the game's rules
// say. Packs are read whole each time they are opened and released when the
// returned library goes out of scope, so removing a file between two loads is
// seen at the next load.
//
// Ownership and threading: a Resources object is a small value owned by the
// main window; it holds the built-in library (shared, read-only) and the search
// folders. It is used on the user-interface thread only.
#pragma once

#include "resource_library.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

namespace vantorn::platform {

// What a load from a pack did. PackMissing is the only result the game's
// fallback rules react to; the other failures are faults of the pack itself.
enum class PackLoad { Loaded, PackMissing, NoSuchResource, Undecodable };

class Resources {
 public:
  // builtin: the program's own resources (builtinResourceLibrary() when the
  // program links vantorn_builtin_resources). dataDir: the data folder;
  // exeDir: the folder of the executable (may be empty).
  Resources(ResourceLibrary builtin, QString dataDir, QString exeDir);

  // The folders searched for a pack, in order, without repetitions.
  QStringList searchFolders() const;
  // The full path of the pack that would be opened, or an empty string.
  QString findPack(const QString& packFile) const;
  // Opens a pack; nothing when it is missing or not a resource file.
  std::optional<ResourceLibrary> openPack(const QString& packFile) const;
  bool packPresent(const QString& packFile) const { return !findPack(packFile).isEmpty(); }

  const ResourceLibrary& builtin() const { return builtin_; }

  // One resource's bytes from a pack, or from the program when pack is empty.
  PackLoad loadBytes(const QString& name, const QString& type, const QString& pack, QByteArray& out) const;
  // A picture of the given type ("RT_RCDATA" PNG, "JPEG", "BITMAP") decoded.
  PackLoad loadImage(const QString& name, const QString& type, const QString& pack, QImage& out) const;

 private:
  ResourceLibrary builtin_;
  QString dataDir_;
  QString exeDir_;
};

// The three loaders named by the game's rules. Each loads one resource from a
// pack (or from the program when pack is empty) and returns false only when the
// pack is missing. A missing or undecodable resource in a present pack leaves
// the picture null (or the animation empty) and reports the fault through
// `status` when given.
bool LoadPackPng(const Resources& res, const QString& name, const QString& pack, QImage& picture,
                 PackLoad* status = nullptr);
bool LoadPackJpeg(const Resources& res, const QString& name, const QString& pack, QImage& picture,
                  PackLoad* status = nullptr);
// The GIF's bytes: play them with QMovie over a QBuffer.
bool LoadPackGif(const Resources& res, const QString& name, const QString& pack, QByteArray& animation,
                 PackLoad* status = nullptr);
// A built-in bitmap resource ("BITMAP", e.g. the classic deck at the small size).
bool LoadBitmap(const Resources& res, const QString& name, QImage& picture);

// Complements every colour channel of every pixel of `picture` that lies inside
// the ellipse inscribed in the rectangle from (left, top) to (right, bottom),
// the right and bottom edges excluded; pixels outside the picture are ignored.
// Pack faces are stored with this region already inverted, and the loader
// inverts it again after loading, which restores the face (the operation is its
// own inverse). Alpha is kept.
void InvertEllipse(QImage& picture, int left, int top, int right, int bottom);

}  // namespace vantorn::platform
