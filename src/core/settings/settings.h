#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/profile.h"

namespace lumo {

// The program's own settings file. A bare name: it lives in the profile
// directory (profile::ResolvePath).
inline constexpr char kSettingsFileName[] = "lumo.ini";

// Section "options": where cdplayer.ini is looked for, the code page its
// names are read in, and two switches of the main window.
struct Options {
  std::string searchPath;    // folders as file-system names, separated by ";"
  int32_t showCdKeys = 0;    // 1 shows the CD key box
  int32_t showToolTips = 1;  // 1 turns tooltips on
  int32_t codePage = 1252;   // a supported Windows code page; any other reads as 1252
  bool operator==(const Options&) const = default;
};

// Section "report": what the report dialog shows when it opens.
struct ReportSettings {
  std::string fileName = "Report.html";  // a file-system name
  int32_t type = 0;                      // 0 HTML, 1 CSV, anything else neither
  std::string comment;                   // Windows-1252
  std::string title = "Output";          // Windows-1252
  bool operator==(const ReportSettings&) const = default;
};

// A window's outer size in pixels, as saved; a 0 stands for none.
struct WindowSize {
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const WindowSize&) const = default;
};

// Section "recent": the files last opened or loaded, most recent first, as
// keys file1 to file8 (file-system names).
inline constexpr std::size_t kMaxRecentFiles = 8;
using RecentFiles = std::vector<std::string>;

// `files` with `path` moved or added to the front, cut to kMaxRecentFiles.
RecentFiles WithRecentFile(RecentFiles files, const std::string& path);
// `files` without `path`.
RecentFiles WithoutRecentFile(RecentFiles files, const std::string& path);

// The settings of one run. The constructor reads the file once; from then
// on every value is answered from memory, and a change made to the file by
// anyone else is not seen until the next run. Each Save writes, in one
// replacement of the file, only the keys whose value differs from the file
// as this object last read or wrote it: a save that changes nothing writes
// nothing and creates no file. Every other byte of the file stays as it is.
class Settings {
 public:
  // Reads `fileName` (a bare name lives in the profile directory). A file
  // that is missing, unreadable or over profile::kMaxSettingsFileBytes, and
  // a missing key, give the defaults of the structs above; a missing search
  // path gives DefaultSearchPath().
  explicit Settings(std::string fileName = kSettingsFileName);

  // The file as named and as found on disk.
  const std::string& FileName() const noexcept { return fileName_; }
  std::string Path() const;

  const Options& GetOptions() const noexcept { return options_; }
  const ReportSettings& Report() const noexcept { return report_; }
  const RecentFiles& Recent() const noexcept { return recent_; }
  // Keys "CX" and "CY" of `section`.
  WindowSize Size(const std::string& section) const;

  // The options are in effect from now on whether or not the write works;
  // false when it failed (a line break in the path, a write-protected file).
  bool SaveOptions(const Options& options);
  // Blanks at the end of a text are dropped first, as the file could not
  // give them back. A failed write is not reported: losing the remembered
  // values is harmless.
  void SaveReport(const ReportSettings& report);
  // Stores the recent files (at most kMaxRecentFiles of them); a list that
  // did not change writes nothing. A failed write is not reported.
  void SaveRecent(const RecentFiles& files);
  // A failed write is not reported.
  void SaveSize(const std::string& section, WindowSize size);

 private:
  bool Write(const std::vector<profile::Edit>& edits);

  std::string fileName_;
  std::string bytes_;  // the file as last read or written
  Options options_;
  ReportSettings report_;
  RecentFiles recent_;
};

}  // namespace lumo
