#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "core/platform/local_path.h"
#include "core/settings/settings.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace {

using lumo::Settings;
using lumo::test::ReadBytes;
using lumo::test::WriteBytes;

class SettingsFile : public testing::Test {
 protected:
  lumo::test::TempDir dir_;
  std::string path_ = dir_.File("lumo.ini");
};

// Paths in lumo.ini are file-system names; bytes that are not UTF-8 (old
// versions kept Windows-1252; then an overlong "/", a surrogate, a character
// cut short) are read as Windows-1252.
TEST(SettingsPaths, StoredPathsBecomeFileSystemNames) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/Jos\xC3\xA9", "/home/Jos\xC3\xA9"}, {"/home/Jos\xE9", "/home/Jos\xC3\xA9"},
      {"/\x80\x9F\x81", "/\xE2\x82\xAC\xC5\xB8\xC2\x81"}, {"/\xF0\x9F\x8E\xB5", "/\xF0\x9F\x8E\xB5"},
      {"/\xC0\xAF", "/\xC3\x80\xC2\xAF"}, {"/\xED\xA0\x80", "/\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
      {"/\xE6\x97", "/\xC3\xA6\xE2\x80\x94"}};
  for (const auto& [stored, path] : cases) EXPECT_EQ(lumo::PathFromSettings(stored), path) << stored;
}

TEST_F(SettingsFile, EachValueIsReadAndTheFileOnlyOnce) {
  WriteBytes(path_, "[Options]\nPATH=\ncdkeys= 1\ntooltips=off\n[report]\ntype=5\ntitle=\n[66]\nCX=640\n");
  Settings settings(path_);
  WriteBytes(path_, "[options]\r\npath=/later\r\n[report]\r\ntitle=Later\r\n[66]\r\nCX=1\r\n");
  EXPECT_EQ(settings.GetOptions(), (lumo::Options{"", 1, 0}));
  EXPECT_EQ(settings.Report(), (lumo::ReportSettings{"Report.html", 5, "", ""}));
  EXPECT_EQ(settings.Size("66"), (lumo::WindowSize{640, 0}));
  // A save changes only what it changes, over what the file holds now.
  EXPECT_TRUE(settings.SaveOptions({"", 0, 0}));
  EXPECT_EQ(ReadBytes(path_), "[options]\r\npath=/later\r\ncdkeys=0\r\n[report]\r\ntitle=Later\r\n[66]\r\nCX=1\r\n");
}

TEST_F(SettingsFile, SavesThatChangeNothingWriteNothing) {
  for (const char* before : {"", "[options]\r\ncdkeys=0\r\n[66]\r\nCX=5\r\nCY=x\r\n"}) {
    if (*before != '\0') WriteBytes(path_, before);
    Settings settings(path_);
    EXPECT_TRUE(settings.SaveOptions(settings.GetOptions()));
    settings.SaveReport({"Report.html ", 0, "", "Output  "});  // blanks at the end would not read back
    settings.SaveSize("66", settings.Size("66"));
    EXPECT_EQ(ReadBytes(path_), before);  // a file made anew would hold keys
  }
}

// One replacement of the file for each save: when a key cannot be written,
// none is, and the options are in effect all the same.
TEST_F(SettingsFile, ASaveWritesOnlyTheKeysItChangesInOneBatch) {
  const std::string before = "; mine\r\n[options]\r\npath=/a\r\n[report]\r\ntype=1\r\n";
  const std::pair<std::function<bool(Settings&)>, std::string> cases[] = {
      {[](Settings& s) { return s.SaveOptions({"/a", 1, 1}); },
       "; mine\r\n[options]\r\npath=/a\r\ncdkeys=1\r\n[report]\r\ntype=1\r\n"},
      {[](Settings& s) { return s.SaveOptions({"/a\n/b", 1, 0}) == false && s.GetOptions().showToolTips == 0; },
       before},
      {[](Settings& s) { return s.SaveReport({"r.csv", 1, "", "Mine"}), s.Report().title == "Mine"; },
       "; mine\r\n[options]\r\npath=/a\r\n[report]\r\ntype=1\r\nfilename=r.csv\r\ntitle=Mine\r\n"},
      {[](Settings& s) { return s.SaveSize("66", {640, 480}), s.Size("66").height == 480; },
       before + "[66]\r\nCX=640\r\nCY=480\r\n"},
  };
  for (const auto& [save, after] : cases) {
    WriteBytes(path_, before);
    Settings settings(path_);
    EXPECT_TRUE(save(settings)) << after;
    EXPECT_EQ(ReadBytes(path_), after);
  }
}

// The recent files: most recent first, each once, at most eight, kept as
// paths are kept; the section is written anew, and only when the list changes.
TEST_F(SettingsFile, RecentFilesComeFirstOnceAndAreWrittenOnlyWhenChanged) {
  lumo::RecentFiles files;
  for (const char* path : {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/5"}) {
    files = lumo::WithRecentFile(files, path);
  }
  EXPECT_EQ(files, (lumo::RecentFiles{"/5", "/9", "/8", "/7", "/6", "/4", "/3", "/2"}));
  WriteBytes(path_, "[recent]\r\nfile1=/old\r\nfile2=/f\xE9\r\nfile3=/gone\r\nfile5=/stale\r\n[66]\r\nCX=1\r\n");
  Settings settings(path_);
  EXPECT_EQ(settings.Recent(), (lumo::RecentFiles{"/old", "/f\xC3\xA9", "/gone"}));
  settings.SaveRecent(lumo::WithoutRecentFile(settings.Recent(), "/gone"));
  EXPECT_EQ(ReadBytes(path_), "[66]\r\nCX=1\r\n[recent]\r\nfile1=/old\r\nfile2=/f\xC3\xA9\r\n");
  WriteBytes(path_, "");
  settings.SaveRecent(settings.Recent());
  EXPECT_EQ(ReadBytes(path_), "");
}

}  // namespace
