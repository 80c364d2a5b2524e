#include "core/report/report_target.h"

#include <sys/stat.h>

#include "core/report/file_error.h"

namespace lumo {
namespace {

bool SameFile(const struct stat& report, const std::string& other) {
  struct stat st {};
  return !other.empty() && ::stat(other.c_str(), &st) == 0 && st.st_dev == report.st_dev &&
         st.st_ino == report.st_ino;
}

std::string Refusal(const std::string& what, const std::string& shownName) {
  return "A report cannot replace " + what + ":\n" + shownName + "\nPlease choose another file name.";
}

}  // namespace

std::string ReportTargetRefusal(const std::string& path, const std::string& shownName, const ProtectedFiles& files) {
  struct stat report {};
  if (::stat(path.c_str(), &report) != 0) return {};
  if (SameFile(report, files.collection)) return Refusal("the loaded cdplayer.ini", shownName);
  if (SameFile(report, files.settings)) return Refusal("Lumo's settings file lumo.ini", shownName);
  // A folder is left to the writers, which refuse it as access denied.
  if (!S_ISREG(report.st_mode) && !S_ISDIR(report.st_mode)) {
    return FileErrorText(FileErrorCause::NotRegularFile, shownName);
  }
  return {};
}

}  // namespace lumo
