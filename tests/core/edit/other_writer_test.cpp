#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue_item.h"
#include "core/collection/catalogue.h"
#include "core/ini/ini_document.h"
#include "core/edit/write_back.h"
#include "core/platform/message_id.h"
#include "core/platform/replacement_file.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

using lumo::test::ReadBytes;
using lumo::test::WriteBytes;

const std::string kCollection =
    "[D1]\r\nartist=Nina\r\ntitle=Live\r\nnumtracks=1\r\n0=Intro\r\n"
    "[D2]\r\nartist=Nina\r\ntitle=Studio\r\n";

// Another program's change to the file, made in a child process as such a
// program would make it, while this process holds the file loaded.
void InOtherProcess(const std::function<void()>& change) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    change();
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// Overwrites bytes in place and puts the file's times back, so that only
// the bytes tell that anything happened.
void PatchInPlaceKeepingTimes(const std::string& path, const std::string& from, const std::string& to) {
  struct stat before {};
  ::stat(path.c_str(), &before);
  std::string bytes = ReadBytes(path);
  bytes.replace(bytes.find(from), from.size(), to);
  const int fd = ::open(path.c_str(), O_WRONLY);
  if (fd < 0 || ::pwrite(fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) ::_exit(2);
  const timespec times[2] = {before.st_atim, before.st_mtim};
  ::futimens(fd, times);
  ::close(fd);
}

void ReplaceWith(const std::string& path, const std::string& bytes) {
  const std::string fresh = path + ".new";
  WriteBytes(fresh, bytes);
  if (::rename(fresh.c_str(), path.c_str()) != 0) ::_exit(2);
}

// Renaming the artist writes each album's title as Lumo holds it: after
// another program's change it must not write at all. Only a change of bytes
// counts: the same bytes written again, or a file merely touched, are still
// the file Lumo knows.
TEST(OtherWriter, AChangedFileIsNeverWrittenOver) {
  struct Case {
    const char* what;
    std::function<void(const std::string& path)> change;
    bool changed;
  };
  const std::vector<Case> cases = {
      {"retitles an album", [](const std::string& path) { PatchInPlaceKeepingTimes(path, "Live", "Gold"); }, true},
      {"adds an album",
       [](const std::string& path) { WriteBytes(path, ReadBytes(path) + "[D3]\r\nartist=Max\r\ntitle=New\r\n"); },
       true},
      {"puts another collection in its place",
       [](const std::string& path) { ReplaceWith(path, "[X9]\r\nartist=Other\r\ntitle=Set\r\n"); }, true},
      {"writes the same bytes again", [](const std::string& path) { ReplaceWith(path, kCollection); }, false},
      {"touches it", [](const std::string& path) { ::utimensat(AT_FDCWD, path.c_str(), nullptr, 0); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    lumo::test::TempDir dir;
    const std::string path = dir.File("cdplayer.ini");
    WriteBytes(path, kCollection);
    lumo::IniDocument document(path);
    ASSERT_TRUE(document.Load());
    const CatalogueItem album{ItemKind::Album, "Live", "D1", 0};

    InOtherProcess([&] { c.change(path); });
    const std::string theirs = ReadBytes(path);
    lumo::Message failure;
    EXPECT_EQ(document.ApplyEdits(lumo::write_back::ArtistNameEdits("Simone", {&album}), &failure), !c.changed);
    EXPECT_EQ(document.GetString("D1", "artist", "-"), c.changed ? "Nina" : "Simone");
    if (c.changed) {
      EXPECT_EQ(failure.id, lumo::MessageId::WriteChangedMeanwhile);
      EXPECT_EQ(ReadBytes(path), theirs);
      ASSERT_TRUE(document.Load());  // a Refresh
    }
    // After a Refresh, or after Lumo's own write, the next change goes through.
    const std::string known = ReadBytes(path);
    EXPECT_TRUE(document.WriteString("D2", "title", "Studio 2"));
    EXPECT_NE(ReadBytes(path), known);
  }
}

// A change that lands after the file was read and checked, while the
// replacement is still being written, stops the swap, whether the other
// program rewrites the file in place or renames its own over it; a touch,
// or the same bytes written again, do not.
TEST(OtherWriter, AChangeWhileTheReplacementIsWrittenStopsTheSwap) {
  const std::string theirs = kCollection + "[D3]\r\nartist=Max\r\n";
  const struct {
    std::function<void(const std::string&)> change;
    bool stops;
  } cases[] = {
      {[&](const std::string& path) { WriteBytes(path, theirs); }, true},
      {[&](const std::string& path) { ReplaceWith(path, theirs); }, true},
      {[&](const std::string& path) { ReplaceWith(path, kCollection); }, false},
      {[&](const std::string& path) { ::utimensat(AT_FDCWD, path.c_str(), nullptr, 0); }, false},
  };
  for (const auto& c : cases) {
    lumo::test::TempDir dir;
    const std::string path = dir.File("cdplayer.ini");
    WriteBytes(path, kCollection);
    {
      lumo::platform::ReplacementFile file(path);
      ASSERT_TRUE(file.ReadCurrent({lumo::platform::IfMissing::Refuse, lumo::platform::kAnySize, &kCollection}));
      ASSERT_TRUE(file.Begin());
      ASSERT_TRUE(file.Write("[D1]\r\nartist=Simone\r\n"));
      InOtherProcess([&] { c.change(path); });
      EXPECT_EQ(file.Commit(), !c.stops);
      EXPECT_EQ(file.Failure().id, c.stops ? lumo::MessageId::WriteChangedMeanwhile : lumo::MessageId::None);
      EXPECT_EQ(ReadBytes(path), c.stops ? theirs : "[D1]\r\nartist=Simone\r\n");
    }
    EXPECT_EQ(lumo::test::FolderEntries(dir.Path()), std::vector<std::string>{"cdplayer.ini"});
  }
}

void PutAt(int fd, std::string_view bytes, off_t at) {
  if (::pwrite(fd, bytes.data(), bytes.size(), at) != static_cast<ssize_t>(bytes.size())) ADD_FAILURE();
}

// Another program that opened the file before Lumo swapped its new one in,
// and writes through that descriptor just then (the hook stands for the
// moment): Lumo reads the file it displaced once more, swaps it back and
// refuses, whether the write appends or overwrites in place. A touch or the
// same bytes let the change go on. The same for an edit, an undo and a redo.
TEST(OtherWriter, AWriteIntoTheDisplacedFileIsSwappedBack) {
  const std::size_t live = kCollection.find("Live");
  const struct {
    const char* what;
    std::function<void(int fd)> write;
    bool refused;
  } writes[] = {
      {"appends", [](int fd) { PutAt(fd, "[D9]\r\n", ::lseek(fd, 0, SEEK_END)); }, true},
      {"overwrites", [&](int fd) { PutAt(fd, "Gold", static_cast<off_t>(live)); }, true},
      {"same bytes", [&](int fd) { PutAt(fd, "Live", static_cast<off_t>(live)); }, false},
      {"touches", [](int fd) { ::futimens(fd, nullptr); }, false},
  };
  const CatalogueItem album{ItemKind::Album, "Studio 2", "D2", 0};
  for (const char* operation : {"edit", "undo", "redo"}) {
    for (const auto& w : writes) {
      SCOPED_TRACE(std::string(operation) + ", " + w.what);
      lumo::test::TempDir dir;
      const std::string path = dir.File("cdplayer.ini");
      WriteBytes(path, kCollection);
      Catalogue catalogue;
      ASSERT_TRUE(catalogue.Load(path));
      if (operation != std::string("edit")) {
        ASSERT_TRUE(catalogue.WriteItemName(album));
      }
      if (operation == std::string("redo")) {
        ASSERT_TRUE(catalogue.Undo());
      }
      const std::string before = ReadBytes(path);
      std::string theirs;
      auto previous = lumo::platform::SetBeforeSwapHook([&] {
        const int fd = ::open(path.c_str(), O_WRONLY);
        w.write(fd);
        ::close(fd);
        theirs = ReadBytes(path);
      });
      const bool done = operation == std::string("edit")  ? catalogue.WriteItemName(album)
                        : operation == std::string("undo") ? catalogue.Undo()
                                                           : catalogue.Redo();
      lumo::platform::SetBeforeSwapHook(std::move(previous));
      EXPECT_EQ(done, !w.refused);
      EXPECT_EQ(catalogue.LastWriteError().id,
                w.refused ? lumo::MessageId::WriteChangedMeanwhile : lumo::MessageId::None);
      EXPECT_EQ(ReadBytes(path) == theirs, w.refused);
      EXPECT_EQ(catalogue.Document().FileBytes() == before, w.refused);
      EXPECT_EQ(lumo::test::FolderEntries(dir.Path()), std::vector<std::string>{"cdplayer.ini"});
    }
  }
}

}  // namespace
