#pragma once

#include <string>
#include <string_view>

// Paths are file-system names: bytes in the local file-name encoding (UTF-8
// on Linux and macOS, the ANSI code page on Windows), kept as they are from
// the disk to lumo.ini and back. They are never Windows-1252 text, which is
// what names inside cdplayer.ini are.
namespace lumo {

// True when `path` is valid in the local file-name encoding (on Windows
// every byte is a character of the ANSI code page, so always).
bool IsLocalName(std::string_view path) noexcept;

// A path as read from lumo.ini, in the local encoding: a valid name stays
// byte for byte; one that is not was written when paths were kept as
// Windows-1252, and is converted.
std::string PathFromSettings(const std::string& stored);

// `path` made absolute against the current working folder, lexically (links
// are not followed, the file need not exist); as it is when it is absolute
// already or the working folder cannot be known.
std::string AbsolutePath(const std::string& path);

}  // namespace lumo
