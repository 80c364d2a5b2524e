#include "core/report/report_target.h"

#include <filesystem>
#include <system_error>

#include "core/report/file_error.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;

bool SameFile(const std::string& report, const std::string& other) {
  std::error_code error;
  return !other.empty() && fs::equivalent(report, other, error);
}

std::string Refusal(const std::string& what, const std::string& shownName) {
  return "A report cannot replace " + what + ":\n" + shownName + "\nPlease choose another file name.";
}

}  // namespace

std::string ReportTargetRefusal(const std::string& path, const std::string& shownName, const ProtectedFiles& files) {
  std::error_code error;
  const fs::file_status report = fs::status(path, error);
  if (error || !fs::exists(report)) return {};
  if (SameFile(path, files.collection)) return Refusal("the loaded cdplayer.ini", shownName);
  if (SameFile(path, files.settings)) return Refusal("Lumo's settings file lumo.ini", shownName);
  // A folder is left to the writers, which refuse it as access denied.
  if (!fs::is_regular_file(report) && !fs::is_directory(report)) {
    return FileErrorText(FileErrorCause::NotRegularFile, shownName);
  }
  return {};
}

}  // namespace lumo
