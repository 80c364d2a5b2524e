#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/profile.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using lumo::profile::ApplyEdits;
using lumo::profile::DeleteSection;
using lumo::profile::Edit;
using lumo::profile::GetInt;
using lumo::profile::GetString;
using lumo::profile::WriteString;
using lumo::test::FileExists;
using lumo::test::FolderEntries;
using lumo::test::ReadBytes;
using lumo::test::TempDir;
using lumo::test::WriteBytes;

const std::string kSample = "; collection\r\n[A1]\r\nartist=Nina\r\ntitle=Live\r\n\r\n[b2]\r\ntitle=\xC9t\xE9\r\n";

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0);
  return st.st_mode & 07777;
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    if (old != nullptr) old_ = old;
    hadOld_ = old != nullptr;
    if (value != nullptr) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (hadOld_) {
      ::setenv(name_, old_.c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::string old_;
  bool hadOld_ = false;
};

TEST(Profile, GetStringFindsTheLastValueOrTheDefault) {
  TempDir dir;
  const std::string file = dir.File("cd.ini");
  WriteBytes(file, "[S]\r\nk=1\r\n[t]\r\nk=t\r\n[s]\r\nK=2\r\nk = x\r\nempty=\r\n\x1a[s]\r\nk=3\r\n");
  EXPECT_EQ(GetString("s", "k", "d", file), "2");
  EXPECT_EQ(GetString("s", "EMPTY", "d", file), "");
  EXPECT_EQ(GetString("s", "missing", "d", file), "d");
  EXPECT_EQ(GetString("q", "k", "d", file), "d");
  EXPECT_EQ(GetString("s", "k", "d", dir.File("none.ini")), "d");
  EXPECT_EQ(GetString("s", "k", "d", dir.Path()), "d");  // a folder reads as nothing
}

TEST(Profile, GetStringReturnsAtMost1023Bytes) {
  TempDir dir;
  const std::string file = dir.File("long.ini");
  const std::string longValue = std::string(1023, 'a') + "bc";
  WriteBytes(file, "[s]\r\nlong=" + longValue + "\r\nfits=" + std::string(1023, 'z') + "\r\n");
  EXPECT_EQ(GetString("s", "long", "", file), longValue.substr(0, 1023));
  EXPECT_EQ(GetString("s", "fits", "", file), std::string(1023, 'z'));
  EXPECT_EQ(GetString("s", "none", std::string(2000, 'd'), file), std::string(1023, 'd'));
}

TEST(Profile, GetIntReadsLeadingDigitsOnly) {
  TempDir dir;
  const std::string file = dir.File("n.ini");
  WriteBytes(file, "[n]\nplain=42\nspaced= \t-12abc\nplus=+7\nletters=abc\nempty=\nhuge=99999999999\n"
                   "tiny=-99999999999\nsignonly=-\n");
  EXPECT_EQ(GetInt("n", "plain", -1, file), 42);
  EXPECT_EQ(GetInt("n", "spaced", -1, file), -12);
  EXPECT_EQ(GetInt("n", "plus", -1, file), 7);
  EXPECT_EQ(GetInt("n", "letters", -1, file), 0);
  EXPECT_EQ(GetInt("n", "empty", -1, file), 0);
  EXPECT_EQ(GetInt("n", "signonly", -1, file), 0);
  EXPECT_EQ(GetInt("n", "huge", -1, file), INT32_MAX);
  EXPECT_EQ(GetInt("n", "tiny", -1, file), INT32_MIN);
  EXPECT_EQ(GetInt("n", "missing", -1, file), -1);
  EXPECT_EQ(GetInt("n", "plain", -1, dir.File("none.ini")), -1);
}

TEST(Profile, WritesReplaceTheFileKeepingOtherBytes) {
  TempDir dir;
  const std::string file = dir.File("cd.ini");
  WriteBytes(file, kSample);
  ASSERT_TRUE(WriteString("a1", "TITLE", "Studio", file));
  EXPECT_EQ(ReadBytes(file), "; collection\r\n[A1]\r\nartist=Nina\r\ntitle=Studio\r\n\r\n[b2]\r\ntitle=\xC9t\xE9\r\n");
  ASSERT_TRUE(DeleteSection("A1", file));
  EXPECT_EQ(ReadBytes(file), "; collection\r\n[b2]\r\ntitle=\xC9t\xE9\r\n");
  EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"cd.ini"});  // no temporary file left
}

TEST(Profile, BatchEqualsTheEditsOneByOne) {
  TempDir dir;
  const std::vector<Edit> edits = {Edit::Set("b2", "artist", "X"), Edit::Remove("a1"), Edit::Set("new", "0", "t"),
                                   Edit::Set("B2", "title", "Y"), Edit::Remove("nothing")};
  WriteBytes(dir.File("batch.ini"), kSample);
  WriteBytes(dir.File("single.ini"), kSample);
  ASSERT_TRUE(ApplyEdits(edits, dir.File("batch.ini")));
  for (const Edit& edit : edits) {
    ASSERT_TRUE(edit.kind == Edit::Kind::SetKey ? WriteString(edit.section, edit.key, edit.value, dir.File("single.ini"))
                                                : DeleteSection(edit.section, dir.File("single.ini")));
  }
  EXPECT_EQ(ReadBytes(dir.File("batch.ini")), ReadBytes(dir.File("single.ini")));
  EXPECT_TRUE(ApplyEdits({}, dir.File("absent.ini")));
  EXPECT_FALSE(FileExists(dir.File("absent.ini")));
}

TEST(Profile, RefusedBatchChangesNothing) {
  TempDir dir;
  const std::string file = dir.File("cd.ini");
  WriteBytes(file, kSample);
  EXPECT_FALSE(ApplyEdits({Edit::Set("a1", "title", "ok"), Edit::Set("a1", "bad=key", "v")}, file));
  EXPECT_FALSE(WriteString("a1", "title", "two\r\nlines", file));
  EXPECT_FALSE(WriteString("", "k", "v", file));
  EXPECT_FALSE(DeleteSection("", file));
  EXPECT_EQ(ReadBytes(file), kSample);
  // The reason names what is wrong: the section's name, or the text.
  lumo::Message failure;
  EXPECT_FALSE(ApplyEdits({Edit::Remove("")}, file, &failure));
  EXPECT_EQ(failure.id, lumo::MessageId::WriteBadSection);
  EXPECT_FALSE(ApplyEdits({Edit::Set("a1", "title", "two\nlines")}, file, &failure));
  EXPECT_EQ(failure.id, lumo::MessageId::WriteBadText);
}

TEST(Profile, MissingFileIsCreatedOnlyByASetKey) {
  TempDir dir;
  const std::string file = dir.File("new.ini");
  EXPECT_TRUE(DeleteSection("s", file));
  EXPECT_FALSE(FileExists(file));
  ASSERT_TRUE(WriteString("s", "k", "v", file));
  EXPECT_EQ(ReadBytes(file), "[s]\r\nk=v\r\n");
  const mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(ModeOf(file), 0666 & ~mask);
  // Created and emptied in one batch: the file exists, as one by one.
  ASSERT_TRUE(ApplyEdits({Edit::Set("s", "k", "v"), Edit::Remove("s")}, dir.File("empty.ini")));
  EXPECT_EQ(ReadBytes(dir.File("empty.ini")), "");
  EXPECT_TRUE(FileExists(dir.File("empty.ini")));
}

TEST(Profile, BareNamesLiveInTheProfileDirectoryMadeOnFirstWrite) {
  TempDir home;
  ScopedEnv config("XDG_CONFIG_HOME", (home.Path() + "/deep/config").c_str());
  const std::string folder = home.Path() + "/deep/config/lumo";
  EXPECT_EQ(lumo::profile::ProfileDirectory(), folder);
  EXPECT_EQ(lumo::profile::ResolvePath("lumo.ini"), folder + "/lumo.ini");
  EXPECT_EQ(lumo::profile::ResolvePath("./lumo.ini"), "./lumo.ini");
  EXPECT_TRUE(DeleteSection("options", "lumo.ini"));
  EXPECT_FALSE(FileExists(folder));  // nothing to write, nothing made
  ASSERT_TRUE(WriteString("options", "path", "c:\\windows", "lumo.ini"));
  EXPECT_EQ(ReadBytes(folder + "/lumo.ini"), "[options]\r\npath=c:\\windows\r\n");
  EXPECT_EQ(GetString("OPTIONS", "Path", "", "lumo.ini"), "c:\\windows");
}

TEST(Profile, ProfileDirectoryFallsBackToHome) {
  ScopedEnv home("HOME", "/home/someone");
  {
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(lumo::profile::ProfileDirectory(), "/home/someone/.config/lumo");
  }
  ScopedEnv relative("XDG_CONFIG_HOME", "relative/config");  // invalid: ignored
  EXPECT_EQ(lumo::profile::ProfileDirectory(), "/home/someone/.config/lumo");
}

TEST(Profile, WriteProtectedFileOrFolderRefusesEvenForRoot) {
  TempDir dir;
  const std::string file = dir.File("cd.ini");
  WriteBytes(file, kSample);
  ::chmod(file.c_str(), 0444);
  EXPECT_FALSE(WriteString("a1", "title", "X", file));
  EXPECT_FALSE(DeleteSection("a1", file));
  EXPECT_TRUE(DeleteSection("absent", file));  // nothing to change: the file already holds it
  EXPECT_EQ(ReadBytes(file), kSample);
  ::chmod(file.c_str(), 0644);
  ::chmod(dir.Path().c_str(), 0555);
  EXPECT_FALSE(WriteString("a1", "title", "X", file));
  EXPECT_FALSE(WriteString("s", "k", "v", dir.File("other.ini")));
  ::chmod(dir.Path().c_str(), 0755);
  EXPECT_EQ(ReadBytes(file), kSample);
  EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"cd.ini"});
}

TEST(Profile, MissingFolderOrNonFileFails) {
  TempDir dir;
  EXPECT_FALSE(WriteString("s", "k", "v", dir.File("missing/cd.ini")));
  EXPECT_FALSE(FileExists(dir.File("missing")));
  fs::create_directory(dir.File("folder.ini"));
  EXPECT_FALSE(WriteString("s", "k", "v", dir.File("folder.ini")));
  EXPECT_TRUE(fs::is_directory(dir.File("folder.ini")));
  WriteBytes(dir.File("plain"), "x");
  EXPECT_FALSE(WriteString("s", "k", "v", dir.File("plain/cd.ini")));  // a file where a folder should be
}

TEST(Profile, PermissionsAreKept) {
  TempDir dir;
  const std::string file = dir.File("cd.ini");
  WriteBytes(file, kSample);
  ::chmod(file.c_str(), 0640);
  ASSERT_TRUE(WriteString("a1", "title", "X", file));
  EXPECT_EQ(ModeOf(file), 0640u);
  ::chmod(file.c_str(), 0604);
  ASSERT_TRUE(WriteString("a1", "title", "Y", file));
  EXPECT_EQ(ModeOf(file), 0604u);
  // A shared file keeps its owner and group where the writer may keep them.
  if (::geteuid() == 0 && ::chown(file.c_str(), 1234, 5678) == 0) {
    ::chmod(file.c_str(), 0660);
    ASSERT_TRUE(WriteString("a1", "title", "Z", file));
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 1234u);
    EXPECT_EQ(info.st_gid, 5678u);
    EXPECT_EQ(info.st_mode & 07777, 0660u);
  }
}

TEST(Profile, SymbolicLinksAreWrittenThrough) {
  TempDir linkDir;
  TempDir targetDir;
  const std::string target = targetDir.File("real.ini");
  WriteBytes(target, kSample);
  fs::create_symlink(target, linkDir.File("abs.ini"));
  fs::create_symlink("../" + fs::path(targetDir.Path()).filename().string() + "/real.ini", linkDir.File("rel.ini"));
  fs::create_symlink("rel.ini", linkDir.File("chain.ini"));
  ASSERT_TRUE(WriteString("a1", "title", "abs", linkDir.File("abs.ini")));
  ASSERT_TRUE(WriteString("a1", "artist", "chain", linkDir.File("chain.ini")));
  EXPECT_TRUE(fs::is_symlink(linkDir.File("abs.ini")));
  EXPECT_TRUE(fs::is_symlink(linkDir.File("chain.ini")));
  EXPECT_EQ(GetString("a1", "title", "", target), "abs");
  EXPECT_EQ(GetString("a1", "artist", "", linkDir.File("rel.ini")), "chain");
  EXPECT_EQ(FolderEntries(targetDir.Path()), std::vector<std::string>{"real.ini"});
  EXPECT_EQ(FolderEntries(linkDir.Path()).size(), 3u);
  // A dangling link creates its target; a loop is a failure.
  fs::create_symlink(targetDir.File("later.ini"), linkDir.File("dangling.ini"));
  ASSERT_TRUE(WriteString("s", "k", "v", linkDir.File("dangling.ini")));
  EXPECT_EQ(ReadBytes(targetDir.File("later.ini")), "[s]\r\nk=v\r\n");
  fs::create_symlink("loop2", linkDir.File("loop1"));
  fs::create_symlink("loop1", linkDir.File("loop2"));
  EXPECT_FALSE(WriteString("s", "k", "v", linkDir.File("loop1")));
}

// A full disk, as far as the writer can tell: writes beyond a size limit
// fail. Run in a child so that the limit cannot leak into other tests.
TEST(Profile, FailedWriteLeavesTheOldFileAndNoTemporary) {
  TempDir dir;
  const std::string file = dir.File("cd.ini");
  const std::string big = "[s]\r\nk=1\r\n" + std::string(64 * 1024, ';') + "\r\n";
  WriteBytes(file, big);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, RLIM_INFINITY};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::_exit(WriteString("s", "k", "2", file) ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write claimed success";
  EXPECT_EQ(ReadBytes(file), big);
  EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"cd.ini"});
}

}  // namespace
