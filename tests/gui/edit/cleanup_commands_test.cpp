#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/collection/catalogue.h"
#include "gui/edit/cleanup_commands.h"
#include "gui/edit/edit_dlg.h"
#include "support/file_bytes.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

const std::string kFile =
    "[A1]\r\nartist=Nina\r\ntitle=Live\r\nnumtracks=1\r\n0=Live intro\r\n"
    "[B2]\r\nartist=Nina\r\ntitle=Live\r\n";

// Each command run through its questions as the user answers them.
TEST(CleanupCommands, AskRefuseAndWriteOnlyWhenTheUserAgrees) {
  struct Case {
    const char* what;
    ReplaceRequest request;
    int answer;
    std::string message;  // a piece of the last message shown
    bool written;
  };
  const std::vector<Case> cases{
      {"refused as the edit dialog refuses", {"Nina", "<UNKNOWN>"}, kAnswerYes, EditDlg::kHiddenArtist, false},
      {"nothing to replace", {"Zed", "Z"}, kAnswerYes, "Cannot find \"Zed\".", false},
      {"nothing changes", {"nina", "Nina"}, kAnswerYes, "stays as it is", false},
      {"the user says no", {"live", "Dead"}, kAnswerNo, "3 names will change.", false},
      {"the user says yes", {"live", "Dead"}, kAnswerYes, "3 names will change.", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    lumo::test::TempDir folder;
    const std::string path = folder.File("cdplayer.ini");
    lumo::test::WriteBytes(path, kFile);
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Load(path));
    int shown = 0;
    QString note;
    CleanupCommands commands(catalogue, nullptr, [&shown] { ++shown; }, [&note](const QString& text) { note = text; });
    lumo::test::MessageBoxRecorder messages(c.answer);
    EXPECT_EQ(commands.ReplaceAll(c.request), c.written);
    ASSERT_FALSE(messages.Messages().empty());
    EXPECT_NE(messages.Messages().back().text.find(c.message), std::string::npos) << messages.Messages().back().text;
    EXPECT_EQ(shown, c.written ? 1 : 0);
    EXPECT_EQ(note, c.written ? QStringLiteral("Replaced 3 names.") : QString());
    EXPECT_EQ(lumo::test::ReadBytes(path) == kFile, !c.written);
    EXPECT_EQ(commands.DeleteDuplicate("B2"), c.answer == kAnswerYes);
    EXPECT_EQ(lumo::test::ReadBytes(path).find("[B2]") == std::string::npos, c.answer == kAnswerYes);
  }
}

}  // namespace
