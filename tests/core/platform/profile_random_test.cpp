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

#include "core/ini/ini_document.h"
#include "core/platform/profile.h"
#include "core/platform/profile_text.h"
#include "core/platform/text_fold.h"
#include "support/file_bytes.h"
#include "support/random_ini.h"
#include "support/temp_dir.h"

namespace {

using lumo::FoldCase;
using lumo::profile::Edit;
using lumo::test::ApplyToModel;
using lumo::test::IniLine;
using lumo::test::RandomIni;
using lumo::test::ReadModel;
using lumo::test::SplitLines;
using Model = lumo::test::IniModel;

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

// The lines of sections no edit names, which must come through unchanged;
// a final line without a line end may gain one when text is appended.
void ExpectUntouchedLinesKept(const std::string& before, const std::string& after, const std::vector<Edit>& edits) {
  std::set<std::string> touched;
  for (const Edit& edit : edits) touched.insert(FoldCase(edit.section));
  auto untouched = [&](const std::string& bytes) {
    std::vector<IniLine> kept;
    for (const IniLine& line : SplitLines(bytes)) {
      if (!line.section || touched.count(*line.section) == 0) kept.push_back(line);
    }
    return kept;
  };
  const std::vector<IniLine> was = untouched(before);
  const std::vector<IniLine> now = untouched(after);
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
    Model model = ReadModel(before);
    std::string after = before;
    for (const Edit& edit : edits) {
      ASSERT_TRUE(lumo::profile::CanWriteFaithfully(edit));
      lumo::profile::ApplyEdit(edit, after);
      ApplyToModel(edit, model);
    }
    ASSERT_EQ(ReadModel(after), model);
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
