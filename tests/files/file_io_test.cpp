#include "files/file_io.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace vantorn::files {
namespace {

std::size_t entries(const std::filesystem::path& dir) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

TEST(FileIo, WriteReplacesWholeAndKeepsPermissions) {
  test::TempDir dir;
  const auto path = dir / "f.txt";
  ASSERT_TRUE(writeFileAtomic(path, "first version, rather long"));
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(writeFileAtomic(path, "second"));
  EXPECT_EQ(readFile(path), "second");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(entries(dir.path()), 1u);  // no temporary file left
}

TEST(FileIo, ReadRefusesMissingFoldersAndHugeFiles) {
  test::TempDir dir;
  EXPECT_FALSE(readFile(dir / "none"));
  EXPECT_FALSE(readFile(dir.path()));
  test::writeBytes(dir / "big", std::string(2000, 'x'));
  EXPECT_FALSE(readFile(dir / "big", 1000));
  EXPECT_EQ(readFile(dir / "big", 2000)->size(), 2000u);
}

// A full disk while the new file is written: simulated with the file-size limit in a
// child process. The old file must stay whole and no temporary file may remain.
TEST(FileIo, FullDiskLeavesTheOldFile) {
  test::TempDir dir;
  const auto path = dir / "Vantorn.ini";
  const std::string old(3000, 'o');
  ASSERT_TRUE(writeFileAtomic(path, old));
  pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit lim{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &lim);
    bool ok = writeFileAtomic(path, std::string(10000, 'n'));
    ::_exit(ok ? 0 : 7);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 7);
  EXPECT_EQ(readFile(path), old);
  EXPECT_EQ(entries(dir.path()), 1u);
}

TEST(FileIo, ProtectedMeansNoOwnerWriteBit) {
  test::TempDir dir;
  const auto path = dir / "Vantorn.clb";
  EXPECT_FALSE(isProtected(path));  // missing
  test::writeBytes(path, "x");
  EXPECT_FALSE(isProtected(path));
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  EXPECT_TRUE(isProtected(path));
  ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
  EXPECT_TRUE(isProtected(dir.path()));  // a folder is no file to write
}

}  // namespace
}  // namespace vantorn::files
