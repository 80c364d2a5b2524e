#include "core/platform/safe_replace.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace lumo::platform {

Message ReplaceIfUnchanged(const std::string& path, const ReplaceRules& rules, const Change& change,
                           std::optional<std::string>* written) {
  ReplacementFile file(path);
  if (!file.ReadCurrent({rules.ifMissing, rules.maxBytes, rules.expected})) return file.Failure();
  std::optional<std::string> bytes = change(rules.expected != nullptr ? *rules.expected : file.Current());
  if (!bytes) return {};
  if (rules.createFolder) {
    std::error_code error;
    std::filesystem::create_directories(FolderOf(path), error);
    if (error) return Message{MessageId::WriteNoProfileFolder, path, error.value()};
  }
  if (!file.Begin() || !file.Write(*bytes) || !file.Commit()) return file.Failure();
  if (written != nullptr) *written = std::move(bytes);
  return {};
}

}  // namespace lumo::platform
