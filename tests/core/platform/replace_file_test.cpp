#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/atomic_file.h"
#include "core/platform/profile.h"
#include "core/platform/replacement_file.h"
#include "core/platform/safe_replace.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace {

using lumo::platform::ReadFileBytes;
using lumo::platform::ReadStatus;
using lumo::test::FolderEntries;
using lumo::test::ReadBytes;
using lumo::test::TempDir;
using lumo::test::WriteBytes;

// A file that claims `size` bytes without using the disk.
void MakeSparse(const std::string& path, off_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, size), 0);
  ::close(fd);
}

off_t SizeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_size : -1;
}

// Runs `body` in a child and says how the child ended: "exit N" or "signal N".
std::string InChild(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(body());
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return "no child";
  if (WIFSIGNALED(status)) return "signal " + std::to_string(WTERMSIG(status));
  return "exit " + std::to_string(WEXITSTATUS(status));
}

// The file at `path` replaced with `bytes`, whatever it holds.
lumo::Message Replace(const std::string& path, const std::string& bytes) {
  return lumo::platform::ReplaceIfUnchanged(path, {}, [&](const std::string&) { return std::optional(bytes); });
}

TEST(ReadFileBytes, FilesOverTheLimitAreRefusedBeforeAnyMemoryIsTaken) {
  TempDir dir;
  const std::string path = dir.File("f.ini");
  struct Case {
    off_t size;
    std::size_t limit;
    ReadStatus expected;
  };
  const Case cases[] = {
      {0, 0, ReadStatus::Read},
      {10, 10, ReadStatus::Read},
      {11, 10, ReadStatus::TooLarge},
      {off_t{64} << 30, std::size_t{1} << 20, ReadStatus::TooLarge},  // 64 GB, sparse
  };
  for (const Case& c : cases) {
    MakeSparse(path, c.size);
    std::string bytes = "old";
    EXPECT_EQ(ReadFileBytes(path, bytes, c.limit), c.expected) << c.size << " bytes, limit " << c.limit;
    EXPECT_EQ(bytes.size(), c.expected == ReadStatus::Read ? static_cast<std::size_t>(c.size) : 0u);
  }
}

// A settings file too large to be one reads as missing, and is never
// replaced by a file holding only the written key.
TEST(ReadFileBytes, HugeSettingsFileReadsAsMissingAndIsNotReplaced) {
  TempDir dir;
  const std::string path = dir.File("lumo.ini");
  const off_t huge = off_t{64} << 30;
  MakeSparse(path, huge);
  EXPECT_EQ(lumo::profile::GetString("options", "path", "default", path), "default");
  EXPECT_EQ(lumo::profile::GetInt("options", "cdkeys", 7, path), 7);
  lumo::Message failure;
  EXPECT_FALSE(lumo::profile::ApplyEdits({lumo::profile::Edit::Set("options", "cdkeys", "1")}, path, &failure));
  EXPECT_EQ(failure.id, lumo::MessageId::WriteTooLarge);
  EXPECT_EQ(SizeOf(path), huge);
}

// A small collection file in a folder of its own.
class ReplaceFile : public testing::Test {
 protected:
  ReplaceFile() { WriteBytes(path, "[s]\r\nk=1\r\n"); }
  TempDir dir;
  const std::string path = dir.File("cdplayer.ini");
};

TEST_F(ReplaceFile, AFileWithSeveralNamesIsNotSplit) {
  const std::string other = dir.File("shared.ini");
  ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
  EXPECT_EQ(Replace(path, "[s]\r\nk=2\r\n").id, lumo::MessageId::WriteHardLinked);
  EXPECT_EQ(ReadBytes(path), "[s]\r\nk=1\r\n");
  EXPECT_EQ(ReadBytes(other), "[s]\r\nk=1\r\n");
  EXPECT_EQ(FolderEntries(dir.Path()), (std::vector<std::string>{"cdplayer.ini", "shared.ini"}));
}

// Whether another open file could take the advisory write lock now.
bool LockFree(const std::string& path, int* keep = nullptr) {
  const int fd = ::open(path.c_str(), O_RDWR);
  struct flock whole {};
  whole.l_type = F_WRLCK;
  const bool taken = fd >= 0 && ::fcntl(fd, F_OFD_SETLK, &whole) == 0;
  if (taken && keep != nullptr) {
    *keep = fd;
  } else if (fd >= 0) {
    ::close(fd);
  }
  return taken;
}

// Lumo holds the advisory lock while it writes, and a write waits only a
// moment for another program's: then it is refused, the file as it was.
TEST_F(ReplaceFile, AdvisoryLocksAreHeldAndHonoured) {
  bool freeDuringWrite = true;
  auto previous = lumo::platform::SetBeforeSwapHook([&] { freeDuringWrite = LockFree(path); });
  EXPECT_FALSE(Replace(path, "[s]\r\nk=2\r\n").Failed());
  lumo::platform::SetBeforeSwapHook(std::move(previous));
  EXPECT_FALSE(freeDuringWrite);
  int theirs = -1;
  ASSERT_TRUE(LockFree(path, &theirs));
  EXPECT_EQ(Replace(path, "[s]\r\nk=3\r\n").id, lumo::MessageId::WriteLocked);
  EXPECT_EQ(ReadBytes(path), "[s]\r\nk=2\r\n");
  ::close(theirs);
  EXPECT_FALSE(Replace(path, "[s]\r\nk=3\r\n").Failed());
}

// A POSIX access control list as the kernel stores it: owner rw, user
// 54321 r, group r, mask r, others nothing.
std::string AccessControlList() {
  struct Entry {
    uint16_t tag;
    uint16_t permissions;
    uint32_t id;
  };
  const uint32_t version = 2;
  const Entry entries[] = {{0x01, 6, UINT32_MAX}, {0x02, 4, 54321}, {0x04, 4, UINT32_MAX},
                           {0x10, 4, UINT32_MAX}, {0x20, 0, UINT32_MAX}};
  std::string bytes(reinterpret_cast<const char*>(&version), sizeof version);
  bytes.append(reinterpret_cast<const char*>(entries), sizeof entries);
  return bytes;
}

std::string AttributeOf(const std::string& path, const char* name) {
  std::string value(256, '\0');
  const ssize_t size = ::getxattr(path.c_str(), name, value.data(), value.size());
  value.resize(size < 0 ? 0 : static_cast<std::size_t>(size));
  return value;
}

TEST_F(ReplaceFile, ExtendedAttributesAndAccessListsGoWithTheReplacement) {
  ::chmod(path.c_str(), 0640);
  const std::string acl = AccessControlList();
  if (::setxattr(path.c_str(), "user.origin", "shared", 6, 0) != 0 ||
      ::setxattr(path.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) != 0) {
    GTEST_SKIP() << "no extended attributes here: " << std::strerror(errno);
  }
  ASSERT_TRUE(lumo::profile::WriteString("s", "k", "2", path));
  EXPECT_EQ(ReadBytes(path), "[s]\r\nk=2\r\n");
  EXPECT_EQ(AttributeOf(path, "user.origin"), "shared");
  EXPECT_EQ(AttributeOf(path, "system.posix_acl_access"), acl);
}

// The temporary file of a writer that died is removed; those of running
// writers and everything else stay.
TEST_F(ReplaceFile, StaleTemporaryFilesOfDeadWritersAreRemoved) {
  // A writer that dies between creating and renaming its file.
  EXPECT_EQ(InChild([&] {
              lumo::platform::ReplacementFile file(path);
              if (!file.Begin() || !file.Write("half")) return 1;
              ::_exit(0);
            }),
            "exit 0");
  const std::string prefix = lumo::platform::TempNamePrefix(path).substr(dir.Path().size() + 1);
  const std::string mine = prefix + std::to_string(::getpid()) + "-abcdef";
  const std::vector<std::string> kept = {prefix + "x-abcdef", prefix + "123-abc", ".other.ini.lumo-1-abcdef", mine};
  for (const std::string& name : kept) WriteBytes(dir.File(name), "x");
  ASSERT_EQ(FolderEntries(dir.Path()).size(), kept.size() + 2);

  EXPECT_EQ(lumo::platform::RemoveStaleTempFiles(path), 1);
  std::vector<std::string> expected = kept;
  expected.push_back("cdplayer.ini");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(FolderEntries(dir.Path()), expected);
}

// With the two signals ignored, a reader that went away and a file size
// limit are write errors the program reports, not its end.
TEST(IgnoreWriteSignals, PipeWithoutReaderAndSizeLimitBecomeErrors) {
  TempDir dir;
  const std::string path = dir.File("cdplayer.ini");
  const std::string before = "[s]\r\nk=1\r\n" + std::string(64 * 1024, ';') + "\r\n";
  WriteBytes(path, before);
  const std::vector<std::function<int()>> writes = {
      [] {
        int ends[2];
        if (::pipe(ends) != 0) return 2;
        ::close(ends[0]);
        return ::write(ends[1], "x", 1) < 0 && errno == EPIPE ? 0 : 1;
      },
      [&] {
        const rlimit limit{4096, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        // The limit, not a full disk, is what the user must hear about.
        return Replace(path, before + "more").id == lumo::MessageId::WriteSizeLimit ? 0 : 1;
      },
  };
  for (const auto& write : writes) {
    EXPECT_EQ(InChild([&] {
                lumo::platform::IgnoreWriteSignals();
                return write();
              }),
              "exit 0");
  }
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"cdplayer.ini"});
}

}  // namespace
