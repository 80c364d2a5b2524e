#include "core/platform/key_runs.h"

#include <algorithm>

#include "core/platform/ini_syntax.h"
#include "core/platform/text_fold.h"

namespace lumo::profile {

std::string KeyLine(std::string_view key, std::string_view value, std::string_view lineEnd) {
  std::string line;
  line.reserve(key.size() + value.size() + lineEnd.size() + 1);
  line.append(key).append("=").append(value).append(lineEnd);
  return line;
}

std::size_t RunEnd(const EditBatch& edits, std::size_t begin) {
  const EditRef first = edits[begin];
  std::size_t end = begin + 1;
  if (first.kind != Edit::Kind::SetKey) return end;
  for (; end < edits.size(); ++end) {
    const EditRef next = edits[end];
    if (next.kind != Edit::Kind::SetKey) break;
    if (next.section != first.section && !EqualsFolded(next.section, first.section)) break;
  }
  return end;
}

void AddRunKeys(const EditBatch& edits, std::size_t begin, std::size_t end, std::vector<RunKey>& keys) {
  for (std::size_t i = begin; i < end; ++i) {
    const EditRef edit = edits[i];
    std::string folded = FoldCase(edit.key);
    const auto same = [&folded](const RunKey& key) { return key.folded == folded; };
    if (const auto known = std::find_if(keys.begin(), keys.end(), same); known != keys.end()) {
      known->changed = known->changed || known->lastValue != edit.value;
      known->lastValue = edit.value;
    } else {
      keys.push_back({std::move(folded), edit.key, edit.value, edit.value});
    }
  }
}

namespace {

RunKey* FindRunKey(std::vector<RunKey>& keys, std::string_view name) {
  for (RunKey& key : keys) {
    if (EqualsFolded(name, key.folded)) return &key;
  }
  return nullptr;
}

// True when the rest of a key line after its key, `tail`, is "=" and `value`.
bool Assigns(std::string_view tail, std::string_view value) {
  return tail.size() == value.size() + 1 && tail.front() == '=' && tail.substr(1) == value;
}

}  // namespace

Rewritten RewriteBlock(std::string_view block, std::vector<RunKey>& keys, std::string& out) {
  out.clear();
  std::size_t copied = 0;
  Rewritten result;
  ini::ForEachLine(block, [&](const ini::RawLine& raw) {
    const ini::ParsedLine parsed = ini::ParseLine(raw.text);
    RunKey* key = parsed.kind == ini::LineKind::Key ? FindRunKey(keys, parsed.name) : nullptr;
    if (key != nullptr) {
      const std::size_t nameEnd = raw.begin + static_cast<std::size_t>(parsed.name.data() + parsed.name.size() - raw.text.data());
      const std::size_t textEnd = raw.begin + raw.text.size();
      const std::string_view tail = block.substr(nameEnd, textEnd - nameEnd);
      key->found = true;
      key->changed = key->changed || !Assigns(tail, key->firstValue);
      if (!Assigns(tail, key->lastValue)) {
        out.append(block.substr(copied, nameEnd - copied)).append("=").append(key->lastValue);
        copied = textEnd;
        result.changed = true;
      }
    }
    // Where this line ends once the lines before it have their new values.
    if (parsed.kind != ini::LineKind::Blank && parsed.kind != ini::LineKind::Comment) result.insertAt = raw.end - copied + out.size();
    return true;
  });
  if (result.changed) out.append(block.substr(copied));
  return result;
}

std::string MissingKeyLines(std::vector<RunKey>& keys, std::string_view lineEnd) {
  std::string lines;
  for (RunKey& key : keys) {
    if (key.found) continue;
    lines += KeyLine(key.firstKey, key.lastValue, lineEnd);
    key.changed = true;
  }
  return lines;
}

bool AnyChanged(const std::vector<RunKey>& keys) {
  return std::any_of(keys.begin(), keys.end(), [](const RunKey& key) { return key.changed; });
}

}  // namespace lumo::profile
