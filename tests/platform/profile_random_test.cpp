#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "catalogue/ini_document.h"
#include "platform/profile.h"
#include "platform/profile_text.h"
#include "platform/text_fold.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace {

using lumo::FoldCase;
using lumo::profile::Edit;

// What a loader sees: folded section -> folded key -> value. Written here
// from the line rules alone, apart from the code under test.
using Model = std::map<std::string, std::map<std::string, std::string>>;

struct Line {
  std::optional<std::string> section;  // folded; none before the first header
  std::string text;
  std::string end;  // "\r\n", "\n" or "" for a last line without one
};

std::string TrimBlanks(const std::string& text) {
  const char* blanks = " \t\r\n\v\f";
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::vector<Line> SplitLines(const std::string& bytes) {
  const std::string text = bytes.substr(0, bytes.find('\x1a'));
  std::vector<Line> lines;
  std::optional<std::string> section;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t lf = text.find('\n', pos);
    Line line{section, text.substr(pos, lf == std::string::npos ? std::string::npos : lf - pos), ""};
    if (lf != std::string::npos) {
      const bool cr = !line.text.empty() && line.text.back() == '\r';
      if (cr) line.text.pop_back();
      line.end = cr ? "\r\n" : "\n";
    }
    const std::string trimmed = TrimBlanks(line.text);
    if (!trimmed.empty() && trimmed[0] == '[') {
      section = FoldCase(trimmed.substr(1, trimmed.size() >= 2 ? trimmed.size() - 2 : 0));
      line.section = section;
    }
    lines.push_back(line);
    pos = lf == std::string::npos ? text.size() : lf + 1;
  }
  return lines;
}

Model Load(const std::string& bytes) {
  Model model;
  for (const Line& line : SplitLines(bytes)) {
    const std::string trimmed = TrimBlanks(line.text);
    if (trimmed.empty() || trimmed[0] == ';' || !line.section) continue;
    auto& section = model[*line.section];
    const std::size_t equals = trimmed.find('=');
    if (trimmed[0] != '[' && equals != std::string::npos) {
      section[FoldCase(trimmed.substr(0, equals))] = trimmed.substr(equals + 1);
    }
  }
  return model;
}

// What the program's own loader makes of the file, in the same shape.
Model LoadWithDocument(const std::string& path) {
  lumo::IniDocument document(path);
  EXPECT_TRUE(document.Load());
  Model model;
  lumo::IniSection section;
  for (auto position = document.FirstSection(); position;) {
    document.NextSection(position, section);
    auto& keys = model[FoldCase(section.GetName())];
    for (std::size_t i = 0; i < section.KeyCount(); ++i) {
      const auto [key, value] = section.EntryAt(i);
      keys[std::string(key)] = std::string(value);
    }
  }
  return model;
}

void ApplyToModel(const Edit& edit, Model& model) {
  if (edit.kind == Edit::Kind::RemoveSection) {
    model.erase(FoldCase(edit.section));
  } else {
    model[FoldCase(edit.section)][FoldCase(edit.key)] = edit.value;
  }
}

// The lines of sections no edit names, which must come through unchanged;
// a final line without a line end may gain one when text is appended.
void ExpectUntouchedLinesKept(const std::string& before, const std::string& after, const std::vector<Edit>& edits) {
  std::set<std::string> touched;
  for (const Edit& edit : edits) touched.insert(FoldCase(edit.section));
  auto untouched = [&](const std::string& bytes) {
    std::vector<Line> kept;
    for (const Line& line : SplitLines(bytes)) {
      if (!line.section || touched.count(*line.section) == 0) kept.push_back(line);
    }
    return kept;
  };
  const std::vector<Line> was = untouched(before);
  const std::vector<Line> now = untouched(after);
  ASSERT_EQ(was.size(), now.size());
  for (std::size_t i = 0; i < was.size(); ++i) {
    EXPECT_EQ(was[i].text, now[i].text);
    if (!was[i].end.empty() || i + 1 < was.size()) {
      EXPECT_EQ(was[i].end, now[i].end);
    }
  }
  const std::size_t ctrlZ = before.find('\x1a');
  if (ctrlZ != std::string::npos) {
    EXPECT_EQ(after.substr(after.find('\x1a')), before.substr(ctrlZ));
  }
}

class RandomIni {
 public:
  explicit RandomIni(uint32_t seed) : rng_(seed) {}

  std::string File() {
    std::string file;
    const int lines = Pick(0, 30);
    for (int i = 0; i < lines; ++i) file += Line() + (Pick(0, 3) == 0 ? "\n" : "\r\n");
    if (Pick(0, 3) == 0) file += Line();  // no final line end
    if (Pick(0, 4) == 0) file += "\x1a[Abc]\r\nartist=hidden\r\n\xF0\xFF";
    return file;
  }

  Edit AnyEdit() {
    if (Pick(0, 3) == 0) return Edit::Remove(Section());
    return Edit::Set(Section(), Key(), Value());
  }

  // One of a few edits that could not be read back.
  Edit BadEdit() {
    switch (Pick(0, 3)) {
      case 0: return Edit::Set(Section(), "k=1", "v");
      case 1: return Edit::Set(Section(), Key(), "trailing ");
      case 2: return Edit::Set("two\nlines", Key(), "v");
      default: return Edit::Set(Section(), Key(), "a\x1a");
    }
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

 private:
  std::string Section() {
    static const std::vector<std::string> kNames = {"Abc", "aBC", "x", "\xC9t\xE9", "\xE9T\xC9", "new one", "7f00a1b2"};
    return kNames[static_cast<std::size_t>(Pick(0, static_cast<int>(kNames.size()) - 1))];
  }
  std::string Key() {
    static const std::vector<std::string> kKeys = {"artist", "Artist", "title", "0", "1", "k", "\xC0k", ""};
    return kKeys[static_cast<std::size_t>(Pick(0, static_cast<int>(kKeys.size()) - 1))];
  }
  std::string Value() {
    // A leading blank survives reading, a trailing one would not.
    std::string value = Pick(0, 4) == 0 ? " " : "";
    const int length = Pick(value.empty() ? 0 : 1, 8);
    for (int i = 0; i < length; ++i) value += "aZ=;[]#\x80\xC9\xFF"[Pick(0, 9)];
    return value;
  }
  std::string Blanks() { return std::string(static_cast<std::size_t>(Pick(0, 1)), Pick(0, 1) ? ' ' : '\t'); }
  std::string Line() {
    switch (Pick(0, 7)) {
      case 0: return Blanks() + "[" + Section() + (Pick(0, 4) ? "]" : "~") + Blanks();
      case 1: return "; " + Value();
      case 2: return Blanks();
      case 3: return "junk" + Value();
      case 4: return Key() + " = " + Value();
      default: return Blanks() + Key() + "=" + Value() + Blanks();
    }
  }

  std::mt19937 rng_;
};

// Random files with every oddity the line rules allow, random writes and
// removals: afterwards a loader (ours here and, now and then, IniDocument)
// sees exactly the model's content, and every line of a section that no edit
// named is byte for byte as it was.
TEST(ProfileRandom, EditsMatchAnIndependentModel) {
  lumo::test::TempDir dir;
  for (uint32_t seed = 1; seed <= 3000; ++seed) {
    RandomIni random(seed);
    const std::string before = random.File();
    std::vector<Edit> edits;
    const int count = random.Pick(1, 5);
    for (int i = 0; i < count; ++i) edits.push_back(random.AnyEdit());
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    Model model = Load(before);
    std::string after = before;
    for (const Edit& edit : edits) {
      ASSERT_TRUE(lumo::profile::CanWriteFaithfully(edit));
      lumo::profile::ApplyEdit(edit, after);
      ApplyToModel(edit, model);
    }
    ASSERT_EQ(Load(after), model);
    ExpectUntouchedLinesKept(before, after, edits);
    if (seed % 30 != 0) continue;
    // Now and then through the file: same bytes, and a bad edit in a batch
    // leaves the file as it was.
    const std::string file = dir.File("random.ini");
    lumo::test::WriteBytes(file, before);
    std::vector<Edit> spoiled = edits;
    spoiled.insert(spoiled.begin() + random.Pick(0, count), random.BadEdit());
    EXPECT_FALSE(lumo::profile::ApplyEdits(spoiled, file));
    EXPECT_EQ(lumo::test::ReadBytes(file), before);
    ASSERT_TRUE(lumo::profile::ApplyEdits(edits, file));
    EXPECT_EQ(lumo::test::ReadBytes(file), after);
    EXPECT_EQ(LoadWithDocument(file), model);
  }
}

std::string KillTestCollection(int sections) {
  std::string file;
  for (int i = 0; i < sections; ++i) {
    file += "[" + std::to_string(10000000 + i) + "]\r\nartist=Someone " + std::to_string(i % 97) +
            "\r\ntitle=Album\r\nnumtracks=2\r\n0=Intro\r\n1=Outro\r\nn=0\r\n";
  }
  return file;
}

// Three changes spread over the file: little work besides the write itself,
// so that most kills land while the file is being replaced.
std::vector<Edit> SetSpread(int sections, const std::string& value) {
  std::vector<Edit> edits;
  for (int i = 0; i < sections; i += sections / 3) edits.push_back(Edit::Set(std::to_string(10000000 + i), "n", value));
  return edits;
}

// A writer killed at random moments, many times: the file is always one of
// the two complete states, never a mix. A temporary file of a killed write
// may stay behind under its own hidden name; nothing reads it.
TEST(ProfileRandom, KilledWriterLeavesOldOrNewFile) {
  constexpr int kSections = 4000;  // about 350 KB
  lumo::test::TempDir dir;
  const std::string file = dir.File("cd.ini");
  const std::string zero = KillTestCollection(kSections);
  std::string one = zero;
  for (const Edit& edit : SetSpread(kSections, "1")) lumo::profile::ApplyEdit(edit, one);
  lumo::test::WriteBytes(file, zero);
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (;;) {
        lumo::profile::ApplyEdits(SetSpread(kSections, "1"), file);
        lumo::profile::ApplyEdits(SetSpread(kSections, "0"), file);
      }
    }
    ::usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(rng));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::string bytes = lumo::test::ReadBytes(file);
    ASSERT_TRUE(bytes == zero || bytes == one) << "round " << round << ": " << bytes.size() << " bytes";
  }
  int leftovers = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    const std::string name = entry.path().filename().string();
    if (name != "cd.ini") {
      EXPECT_EQ(name.rfind(".cd.ini.lumo-", 0), 0u) << name;
      ++leftovers;
    }
  }
  RecordProperty("leftover_temporary_files", leftovers);
}

}  // namespace
