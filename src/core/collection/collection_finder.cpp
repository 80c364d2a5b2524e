#include "core/collection/collection_finder.h"

#include <filesystem>
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

}  // namespace

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
    SearchOutcome outcome = LoadOne(candidate, load);
    if (outcome.verdict == SearchVerdict::Loaded) {
      if (first.verdict == SearchVerdict::TooLarge) outcome.passedOverAsTooLarge = first.path;
      return outcome;
    }
    if (first.verdict == SearchVerdict::NotFound) first = std::move(outcome);
  }
  return first;
}

}  // namespace lumo
