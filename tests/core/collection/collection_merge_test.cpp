#include <gtest/gtest.h>

#include <string>

#include "core/collection/catalogue.h"
#include "core/edit/collection_merge.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

using lumo::test::ReadBytes;
using lumo::test::WriteBytes;

// Importing writes the loaded file's bytes, then the other file's new
// sections with the loaded file's line ends, before its Ctrl-Z; Undo gives
// back the old bytes exactly.
TEST(CollectionMerge, AppendsNewSectionsKeepsEveryByteAndUndoes) {
  const struct {
    const char* ours;
    const char* theirs;
    const char* merged;
    int added;
    std::size_t kept;
  } cases[] = {
      {"[a]\r\nartist=A\r\n", "[b]\nartist=B\n", "[a]\r\nartist=A\r\n[b]\r\nartist=B\r\n", 1, 0},
      {"[a]\nartist=A", "[B]\r\n;c\r\n\r\nartist=B", "[a]\nartist=A\n[B]\n;c\n\nartist=B\n", 1, 0},
      {"[a]\nartist=A\n\x1aold", "x=1\n[b]\nk=1\n\x1a[c]\n", "[a]\nartist=A\n[b]\nk=1\n\x1aold", 1, 0},
      {"[a]\nartist=A\n", "[A]\nartist=Z\n[b]\n[a]\n[B]\nk=2\n", "[a]\nartist=A\n[b]\n[B]\nk=2\n", 1, 1},
      {"[a]\nartist=A\n", "[A]\nartist=Z\n", nullptr, 0, 1},
  };
  for (const auto& c : cases) {
    lumo::test::TempDir dir;
    WriteBytes(dir.File("ours.ini"), c.ours);
    WriteBytes(dir.File("theirs.ini"), c.theirs);
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Load(dir.File("ours.ini")));
    IniDocument theirs(dir.File("theirs.ini"));
    ASSERT_TRUE(theirs.Load());
    EXPECT_FALSE(ImportRefusal(catalogue.Document(), theirs).Failed());
    const MergePlan plan = PlanMerge(catalogue.Document(), theirs);
    EXPECT_EQ(plan.added, c.added) << c.theirs;
    EXPECT_EQ(plan.kept.size(), c.kept) << c.theirs;
    if (c.merged == nullptr) continue;
    EXPECT_EQ(plan.text, c.merged);
    ASSERT_TRUE(catalogue.Rewrite(plan.text, "Import"));
    EXPECT_EQ(ReadBytes(dir.File("ours.ini")), c.merged);
    ASSERT_TRUE(catalogue.Undo());
    EXPECT_EQ(ReadBytes(dir.File("ours.ini")), c.ours);
  }
}

// Another program's change between the plan and the write is never lost.
TEST(CollectionMerge, RefusesWhenTheFileChangedMeanwhile) {
  lumo::test::TempDir dir;
  WriteBytes(dir.File("ours.ini"), "[a]\nartist=A\n");
  WriteBytes(dir.File("theirs.ini"), "[b]\nartist=B\n");
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Load(dir.File("ours.ini")));
  IniDocument theirs(dir.File("theirs.ini"));
  ASSERT_TRUE(theirs.Load());
  const MergePlan plan = PlanMerge(catalogue.Document(), theirs);
  WriteBytes(dir.File("ours.ini"), "[a]\nartist=Changed\n");
  EXPECT_FALSE(catalogue.Rewrite(plan.text, "Import"));
  EXPECT_EQ(catalogue.LastWriteError().id, MessageId::WriteChangedMeanwhile);
  EXPECT_EQ(ReadBytes(dir.File("ours.ini")), "[a]\nartist=Changed\n");
}

}  // namespace
