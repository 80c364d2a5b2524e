#include "core/collection/collection_finder.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/collection/search_path.h"

namespace lumo {
namespace {

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::path(path), error);
}

SearchVerdict VerdictOf(IniDocument::LoadProblem problem) {
  switch (problem) {
    case IniDocument::LoadProblem::None: return SearchVerdict::Loaded;
    case IniDocument::LoadProblem::TooLarge: return SearchVerdict::TooLarge;
    case IniDocument::LoadProblem::CannotRead: break;
  }
  return SearchVerdict::CannotRead;
}

bool SameLetters(const std::string& name, std::string_view wanted) {
  return std::equal(name.begin(), name.end(), wanted.begin(), wanted.end(), [](char a, char b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(a) == lower(b);
  });
}

}  // namespace

std::vector<std::string> CaseBlindCandidates(const std::string& candidate) {
  std::vector<std::string> candidates{candidate};
  const std::string_view wanted = kCollectionFileName;
  if (candidate.size() < wanted.size()) return candidates;
  const std::string folder = candidate.substr(0, candidate.size() - wanted.size());
  std::vector<std::string> others;
  std::error_code error;
  // A folder that cannot be listed leaves the exact name alone.
  for (std::filesystem::directory_iterator entry(std::filesystem::path(folder), error), end; !error && entry != end;
       entry.increment(error)) {
    std::string name = entry->path().filename().string();
    if (name != wanted && SameLetters(name, wanted)) others.push_back(std::move(name));
  }
  std::sort(others.begin(), others.end());
  for (const std::string& name : others) candidates.push_back(folder + name);
  return candidates;
}

SearchOutcome LoadOne(const std::string& path, const CandidateLoader& load) {
  const SearchVerdict verdict = VerdictOf(load(path));
  if (verdict == SearchVerdict::CannotRead && !Exists(path)) return {};
  return {verdict, path, {}};
}

SearchOutcome FindCollection(const std::string& searchPath, const CandidateLoader& load) {
  SearchOutcome first;
  std::string remaining = searchPath;
  for (std::string candidate = NextSearchCandidate(remaining, kCollectionFileName); !candidate.empty();
       candidate = NextSearchCandidate(remaining, kCollectionFileName)) {
    for (const std::string& name : CaseBlindCandidates(candidate)) {
      SearchOutcome outcome = LoadOne(name, load);
      if (outcome.verdict == SearchVerdict::Loaded) {
        if (first.verdict == SearchVerdict::TooLarge) outcome.passedOverAsTooLarge = first.path;
        return outcome;
      }
      if (first.verdict == SearchVerdict::NotFound) first = std::move(outcome);
    }
  }
  return first;
}

CandidateLoader LoaderInto(IniDocument& document, const IniDocument::ProgressHook& progress) {
  return [&document, progress](const std::string& path) {
    document.SetFile(path);
    document.Load(progress);
    return document.LastLoadProblem();
  };
}

}  // namespace lumo
