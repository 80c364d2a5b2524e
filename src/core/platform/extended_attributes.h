#pragma once

#include <string>

namespace lumo::platform {

// Gives the open file `toFd` every extended attribute of the file at `from`
// (user attributes, access control lists, security labels: whatever this
// process may read). True when each one now holds the same value on both,
// also when the file system has none; false when one could not be set.
bool CopyExtendedAttributes(const std::string& from, int toFd);

}  // namespace lumo::platform
