#include "core/settings/settings.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "core/collection/search_path.h"
#include "core/platform/atomic_file.h"
#include "core/platform/code_page.h"
#include "core/platform/ini_number.h"
#include "core/platform/ini_syntax.h"
#include "core/platform/local_path.h"
#include "core/platform/profile_text.h"

namespace lumo {
namespace {

constexpr char kOptions[] = "options";
constexpr char kReport[] = "report";
constexpr char kRecent[] = "recent";

// The edits of a save: one for each key whose value changes.
class ChangedKeys {
 public:
  explicit ChangedKeys(std::string section) : section_(std::move(section)) {}

  ChangedKeys& Key(const char* key, const std::string& stored, const std::string& wanted) {
    if (stored != wanted) edits_.push_back(profile::Edit::Set(section_, key, wanted));
    return *this;
  }
  ChangedKeys& Key(const char* key, int32_t stored, int32_t wanted) {
    if (stored != wanted) edits_.push_back(profile::Edit::Set(section_, key, ini::FormatInteger(wanted, 10)));
    return *this;
  }
  const std::vector<profile::Edit>& Edits() const { return edits_; }

 private:
  std::string section_;
  std::vector<profile::Edit> edits_;
};

// The default search path comes from $HOME and is a file-system name
// already; only a stored one may date from when paths were Windows-1252.
Options ReadOptions(std::string_view file) {
  Options options;
  const std::optional<std::string> path = profile::StringValue(file, kOptions, "path");
  options.searchPath = path ? PathFromSettings(*path) : DefaultSearchPath();
  options.showCdKeys = profile::IntValue(file, kOptions, "cdkeys", options.showCdKeys);
  options.showToolTips = profile::IntValue(file, kOptions, "tooltips", options.showToolTips);
  const int32_t codePage = profile::IntValue(file, kOptions, "codepage", options.codePage);
  if (FindCodePage(codePage) != nullptr) options.codePage = codePage;
  return options;
}

ReportSettings ReadReport(std::string_view file) {
  ReportSettings report;
  auto text = [file](const char* key, std::string& value) {
    if (std::optional<std::string> stored = profile::StringValue(file, kReport, key)) value = std::move(*stored);
  };
  text("filename", report.fileName);
  report.fileName = PathFromSettings(report.fileName);
  report.type = profile::IntValue(file, kReport, "type", report.type);
  text("comment", report.comment);
  text("title", report.title);
  return report;
}

// Keys file1 to file8, read up to the first that is missing or empty.
RecentFiles ReadRecent(std::string_view file) {
  RecentFiles files;
  for (std::size_t i = 1; i <= kMaxRecentFiles; ++i) {
    const std::optional<std::string> path = profile::StringValue(file, kRecent, "file" + std::to_string(i));
    if (!path || path->empty()) break;
    files.push_back(PathFromSettings(*path));
  }
  return files;
}

std::string Trimmed(const std::string& text) { return std::string(ini::TrimEnd(text)); }

}  // namespace

Settings::Settings(std::string fileName) : fileName_(std::move(fileName)) {
  if (platform::ReadFileBytes(Path(), bytes_, profile::kMaxSettingsFileBytes) != platform::ReadStatus::Read) {
    bytes_.clear();
  }
  options_ = ReadOptions(bytes_);
  report_ = ReadReport(bytes_);
  recent_ = ReadRecent(bytes_);
}

RecentFiles WithRecentFile(RecentFiles files, const std::string& path) {
  files = WithoutRecentFile(std::move(files), path);
  files.insert(files.begin(), path);
  if (files.size() > kMaxRecentFiles) files.resize(kMaxRecentFiles);
  return files;
}

RecentFiles WithoutRecentFile(RecentFiles files, const std::string& path) {
  files.erase(std::remove(files.begin(), files.end(), path), files.end());
  return files;
}

std::string Settings::Path() const { return profile::ResolvePath(fileName_); }

WindowSize Settings::Size(const std::string& section) const {
  return {profile::IntValue(bytes_, section, "CX", 0), profile::IntValue(bytes_, section, "CY", 0)};
}

bool Settings::SaveOptions(const Options& options) {
  options_ = options;
  const Options stored = ReadOptions(bytes_);
  return Write(ChangedKeys(kOptions)
                   .Key("path", stored.searchPath, options.searchPath)
                   .Key("cdkeys", stored.showCdKeys, options.showCdKeys)
                   .Key("tooltips", stored.showToolTips, options.showToolTips)
                   .Key("codepage", stored.codePage, options.codePage)
                   .Edits());
}

void Settings::SaveReport(const ReportSettings& report) {
  report_ = {Trimmed(report.fileName), report.type, Trimmed(report.comment), Trimmed(report.title)};
  const ReportSettings stored = ReadReport(bytes_);
  Write(ChangedKeys(kReport)
            .Key("filename", stored.fileName, report_.fileName)
            .Key("type", stored.type, report_.type)
            .Key("comment", stored.comment, report_.comment)
            .Key("title", stored.title, report_.title)
            .Edits());
}

void Settings::SaveSize(const std::string& section, WindowSize size) {
  const WindowSize stored = Size(section);
  Write(ChangedKeys(section).Key("CX", stored.width, size.width).Key("CY", stored.height, size.height).Edits());
}

// The section is written anew in one batch, so that no key of an older,
// longer list (or one added by hand) is left behind.
void Settings::SaveRecent(const RecentFiles& files) {
  recent_.assign(files.begin(), files.begin() + static_cast<std::ptrdiff_t>(std::min(files.size(), kMaxRecentFiles)));
  if (ReadRecent(bytes_) == recent_) return;
  std::vector<profile::Edit> edits{profile::Edit::Remove(kRecent)};
  for (std::size_t i = 0; i < recent_.size(); ++i) {
    edits.push_back(profile::Edit::Set(kRecent, "file" + std::to_string(i + 1), recent_[i]));
  }
  Write(edits);
}

bool Settings::Write(const std::vector<profile::Edit>& edits) {
  if (edits.empty()) return true;
  if (!profile::ApplyEdits(edits, fileName_)) return false;
  profile::ApplyEditsToText(edits, bytes_);
  return true;
}

}  // namespace lumo
