#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

namespace vantorn::files {

namespace fs = std::filesystem;

std::optional<std::string> readFile(const fs::path& path, std::uintmax_t maxBytes) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
    ::close(fd);
    return std::nullopt;
  }
  std::string data;
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    data.append(buf, static_cast<std::size_t>(n));
    if (data.size() > maxBytes) {
      ::close(fd);
      return std::nullopt;
    }
  }
  ::close(fd);
  return data;
}

namespace {

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

bool writeFileAtomic(const fs::path& path, std::string_view bytes) {
  fs::path dir = path.parent_path();
  if (dir.empty()) dir = ".";
  std::string tmpl = (dir / ("." + path.filename().string() + ".new-XXXXXX")).string();
  int fd = ::mkstemp(tmpl.data());
  if (fd < 0) return false;
  struct stat old {};
  mode_t mode = 0644;
  if (::stat(path.c_str(), &old) == 0) {
    if (!S_ISREG(old.st_mode)) {
      ::close(fd);
      ::unlink(tmpl.c_str());
      return false;
    }
    mode = old.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(tmpl.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(tmpl.c_str());
    return false;
  }
  // Make the rename itself durable.
  int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

bool isProtected(const fs::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  if (!S_ISREG(st.st_mode)) return true;
  if ((st.st_mode & S_IWUSR) == 0) return true;
  if (::access(path.c_str(), W_OK) != 0) return true;
  fs::path dir = path.parent_path();
  if (dir.empty()) dir = ".";
  return ::access(dir.c_str(), W_OK | X_OK) != 0;
}

}  // namespace vantorn::files
