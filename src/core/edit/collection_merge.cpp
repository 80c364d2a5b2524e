#include "core/edit/collection_merge.h"

#include <filesystem>
#include <set>
#include <system_error>

#include "core/catalogue/album_section.h"
#include "core/ini/ini_document.h"
#include "core/ini/ini_section.h"
#include "core/platform/ini_syntax.h"
#include "core/platform/profile.h"
#include "core/platform/text_fold.h"

namespace lumo {
namespace {


// The line end the loaded file uses: that of its first line, else CR LF as
// the CD player wrote.
std::string_view LineEndOf(std::string_view text) {
  const std::size_t lf = text.find('\n');
  if (lf == std::string_view::npos) return "\r\n";
  return lf > 0 && text[lf - 1] == '\r' ? "\r\n" : "\n";
}

KeptSection Conflict(const IniSection& our, const IniSection& their) {
  return {our.GetName(), our.GetString("artist", kUnknownName), our.GetString("title", kUnknownName),
          their.GetString("artist", kUnknownName), their.GetString("title", kUnknownName)};
}

}  // namespace

MergePlan PlanMerge(const IniDocument& ours, const IniDocument& theirs) {
  const std::string& oursBytes = ours.FileBytes();
  const std::string_view oursText = ini::TextPart(oursBytes);
  const std::string_view lineEnd = LineEndOf(oursText);
  MergePlan plan;
  std::string appended;
  std::set<std::string> added;  // folded keys: a key under two headers there counts once
  std::set<std::string> kept;
  bool copying = false;  // the lines under the header last met go in
  // The lines before the other file's first header belong to no section.
  ini::ForEachLine(ini::TextPart(theirs.FileBytes()), [&](const ini::RawLine& raw) {
    const ini::ParsedLine line = ini::ParseLine(raw.text);
    if (line.kind == ini::LineKind::Header) {
      const IniSection* our = ours.FindSection(line.name);
      copying = our == nullptr;
      const std::string folded = FoldCase(line.name);
      if (copying) {
        added.insert(folded);
      } else if (kept.insert(folded).second) {
        plan.kept.push_back(Conflict(*our, *theirs.FindSection(line.name)));
      }
    }
    if (copying) appended.append(raw.text).append(lineEnd);
    return true;
  });
  plan.added = static_cast<int>(added.size());
  plan.text.reserve(oursBytes.size() + appended.size() + lineEnd.size());
  plan.text.append(oursText);
  if (!oursText.empty() && oursText.back() != '\n' && !appended.empty()) plan.text.append(lineEnd);
  plan.text.append(appended);
  plan.text.append(std::string_view(oursBytes).substr(oursText.size()));
  return plan;
}

Message ImportRefusal(const IniDocument& ours, const IniDocument& theirs) {
  const std::string theirPath = profile::ResolvePath(theirs.GetFile());
  std::error_code error;
  if (std::filesystem::equivalent(profile::ResolvePath(ours.GetFile()), theirPath, error)) {
    return {MessageId::ImportSameFile, theirPath, 0};
  }
  if (theirs.FileBytes().find('\0') != std::string::npos) return {MessageId::ImportNotText, theirPath, 0};
  return {};
}

}  // namespace lumo
