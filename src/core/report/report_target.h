#pragma once

#include <string>

// The checks a report's file name must pass before anything is written:
// a report must never take the place of the program's own data.
namespace lumo {

struct ProtectedFiles {
  std::string collection;  // the loaded cdplayer.ini; empty when none is loaded
  std::string settings;    // lumo.ini
};

// Why a report may not be written to `path` (a file-system name), as the
// text of a message naming the file as `shownName`; empty when it may. It
// may not when `path` is the same file as one of `files` (by any name: a
// symbolic or hard link, another spelling), or is a pipe or a device. A
// name that does not exist yet always may.
std::string ReportTargetRefusal(const std::string& path, const std::string& shownName, const ProtectedFiles& files);

}  // namespace lumo
