// The thin file-system edge of the file formats: whole-file reads and safe whole-file
// writes. Everything else in this module works on byte strings in memory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vantorn::files {

// The whole file, or nothing when it is missing or cannot be read. Files larger than
// `maxBytes` count as unreadable (none of the program's files comes near the limit).
inline constexpr std::uintmax_t kMaxFileBytes = 16u * 1024 * 1024;
std::optional<std::string> readFile(const std::filesystem::path& path,
                                    std::uintmax_t maxBytes = kMaxFileBytes);

// Replaces the file whole: writes a new file beside it, flushes it to the disk and renames
// it over the old one, so that a failure at any step (full disk, no permission, a crash)
// leaves the previous file as it was. The new file keeps the old one's permissions.
// Returns false on failure; no temporary file is left behind.
bool writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// True when the program must not write the file: it lacks the owner's write permission
// (the read-only attribute of this platform), the process may not write it, or the folder
// that holds it cannot take the new file of a safe write. A missing file is not protected.
bool isProtected(const std::filesystem::path& path);

}  // namespace vantorn::files
