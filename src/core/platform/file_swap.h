#pragma once

#include <chrono>
#include <string>

// Two facilities a careful replacement uses where the system offers them:
// swapping two names in one step, and an advisory write lock that other
// programs may honour. Both are Linux calls; elsewhere they answer
// Unsupported and the caller goes on without them (a rename after a check;
// no lock). Nothing has been built on Windows or macOS.
namespace lumo::platform {

enum class SwapResult { Swapped, Unsupported, Failed };

// Exchanges the files named `a` and `b` atomically, each keeping its
// contents under the other's name. Unsupported when the system or the file
// system has no such exchange; Failed (errno set) for any other error.
SwapResult ExchangeFiles(const std::string& a, const std::string& b);

enum class LockResult { Locked, Busy, Unsupported };

// Takes an advisory write lock on the whole file open as `fd` (open for
// writing), owned by the open file itself, not by the process: it goes when
// the last descriptor of that open file is closed. While another holds a
// lock, retries for about `patience`, then answers Busy. Unsupported where
// there are no such locks (or the file system refuses them).
LockResult LockForWriting(int fd, std::chrono::milliseconds patience);

}  // namespace lumo::platform
