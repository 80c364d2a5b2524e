#pragma once

#include <functional>
#include <string>

namespace lumo::test {

// Runs `body` in a forked child whose files may grow to at most `maxBytes`
// (RLIMIT_FSIZE, with SIGXFSZ ignored, so a write past it fails with EFBIG)
// and returns the text the child's body returned. An exception escaping the
// body, or a child that dies, comes back as a text beginning with "child:".
std::string RunWithFileSizeLimit(long maxBytes, const std::function<std::string()>& body);

// How many file descriptors this process has open.
int OpenDescriptorCount();

}  // namespace lumo::test
