#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

#include <string>
#include <vector>

#include "gui/tree/lumo_tree_ctrl.h"
#include "app/tree_test_util.h"
#include "core/collection/catalogue.h"
#include "core/catalogue/catalogue_item.h"
#include "gui/main/duplicate_notify.h"
#include "gui/platform/text_codec.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace {

using lumo::test::TempDir;

// Answers every "Duplicate album found" question that comes up, as a user
// would: optionally ticks "apply to all", then presses a button.
class DuplicateAnswerer {
 public:
  struct Question {
    std::string artist;
    std::string title;
  };

  explicit DuplicateAnswerer(int button, bool tickApplyToAll = false)
      : button_(button), tick_(tickApplyToAll) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerIfAsked(); });
    timer_.start(5);
  }

  const std::vector<Question>& Questions() const { return questions_; }

 private:
  void AnswerIfAsked() {
    auto* dialog = qobject_cast<DuplicateNotify*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    questions_.push_back({Text(*dialog, 1059), Text(*dialog, 1060)});
    if (tick_) Click(*dialog, 1057);
    Click(*dialog, button_);
  }
  static std::string Text(DuplicateNotify& dialog, int id) {
    auto* label = dialog.ControlAs<QLabel>(id);
    return label ? lumo::ToWindows1252(label->text()).value_or("") : "";
  }
  static void Click(DuplicateNotify& dialog, int id) {
    if (auto* button = dialog.ControlAs<QAbstractButton>(id)) button->click();
  }

  int button_;
  bool tick_;
  QTimer timer_;
  std::vector<Question> questions_;
};

class CatalogueBuild : public testing::Test {
 protected:
  // Loads `contents` as cdplayer.ini and builds the tree.
  void Build(const std::string& contents) {
    lumo::test::WriteBytes(dir_.File("cdplayer.ini"), contents);
    ASSERT_TRUE(catalogue_.Load(dir_.File("cdplayer.ini")));
    lumo::test::BuildInto(catalogue_, tree_);
  }

  std::vector<std::string> Labels(TreeItem* parent) {
    std::vector<std::string> labels;
    for (TreeItem* item = tree_.GetChildItem(parent); item; item = tree_.GetNextSiblingItem(item)) {
      labels.push_back(tree_.GetItemText(item));
    }
    return labels;
  }

  TreeItem* Nth(TreeItem* parent, int n) {
    TreeItem* item = tree_.GetChildItem(parent);
    while (item && n-- > 0) item = tree_.GetNextSiblingItem(item);
    return item;
  }

  TempDir dir_;
  LumoTreeCtrl tree_;
  Catalogue catalogue_;
};

TEST_F(CatalogueBuild, ArtistsSortedAlbumsAndTracksLabelledAndCounted) {
  Build(
      "[k1]\r\nartist=beta\r\ntitle=Second\r\nnumtracks=2\r\n0=x\r\n1=y\r\n"
      "[k2]\r\nartist=Alpha\r\ntitle=First\r\nnumtracks=12\r\n11=Twelfth\r\n"
      "[k3]\r\nartist=Alpha\r\ntitle=Other\r\n");
  EXPECT_EQ(Labels(nullptr), (std::vector<std::string>{"Alpha", "beta"}));
  EXPECT_EQ(catalogue_.ArtistCount(), 2);
  EXPECT_EQ(catalogue_.AlbumCount(), 3);
  EXPECT_EQ(Labels(Nth(nullptr, 1)), (std::vector<std::string>{"Second"}));
  EXPECT_EQ(Labels(Nth(Nth(nullptr, 1), 0)), (std::vector<std::string>{" 1. x", " 2. y"}));

  TreeItem* first = Nth(nullptr, 0);
  TreeItem* twelveTracks = Nth(first, 0)->Record()->cdKey == "k2" ? Nth(first, 0) : Nth(first, 1);
  std::vector<std::string> tracks = Labels(twelveTracks);
  ASSERT_EQ(tracks.size(), 12u);
  EXPECT_EQ(tracks[0], " 1. ?");
  EXPECT_EQ(tracks[11], "12. Twelfth");
  const CatalogueItem* last = tree_.GetItemRecord(Nth(twelveTracks, 11));
  EXPECT_EQ(*last, (CatalogueItem{ItemKind::Track, "Twelfth", "k2", 11}));
}

TEST_F(CatalogueBuild, SectionsWithoutArtistAreIgnoredAndOddValuesHandled) {
  Build(
      "[nothing]\r\ntitle=No artist\r\nnumtracks=3\r\n"
      "[unknown]\r\nartist=<UNKNOWN>\r\ntitle=Skipped\r\n"
      "[Blank]\r\nartist=\r\nnumtracks=x\r\n"
      "[neg]\r\nartist=Neg\r\ntitle=T\r\nnumtracks=-4\r\n");
  EXPECT_EQ(Labels(nullptr), (std::vector<std::string>{"", "Neg"}));
  EXPECT_EQ(catalogue_.ArtistCount(), 2);
  EXPECT_EQ(catalogue_.AlbumCount(), 2);
  TreeItem* blankAlbum = Nth(Nth(nullptr, 0), 0);
  EXPECT_EQ(*tree_.GetItemRecord(blankAlbum), (CatalogueItem{ItemKind::Album, "<UNKNOWN>", "Blank", 0}));
  EXPECT_EQ(tree_.GetChildItem(blankAlbum), nullptr);
  EXPECT_EQ(tree_.GetChildItem(Nth(Nth(nullptr, 1), 0)), nullptr);
}

TEST_F(CatalogueBuild, RepeatedHeadersAreOneAlbumWithMergedKeys) {
  Build("[CdKey]\r\nartist=A\r\ntitle=Old\r\nnumtracks=1\r\n[cdkey]\r\ntitle=New\r\n0=Song\r\n");
  EXPECT_EQ(catalogue_.AlbumCount(), 1);
  TreeItem* album = Nth(Nth(nullptr, 0), 0);
  EXPECT_EQ(*tree_.GetItemRecord(album), (CatalogueItem{ItemKind::Album, "New", "CdKey", 0}));
  EXPECT_EQ(Labels(album), (std::vector<std::string>{" 1. Song"}));
}

TEST_F(CatalogueBuild, AHugeTrackCountIsCappedToWhatAnIndexCanHold) {
  std::string file = "[k]\r\nartist=A\r\ntitle=T\r\nnumtracks=2000000000\r\n";
  for (int i = 0; i <= 40000; ++i) file += std::to_string(i) + "=t" + std::to_string(i) + "\r\n";
  Build(file);
  TreeItem* album = Nth(Nth(nullptr, 0), 0);
  std::vector<std::string> tracks = Labels(album);
  ASSERT_EQ(tracks.size(), static_cast<std::size_t>(Catalogue::kMaxTracks));
  EXPECT_EQ(tracks.back(), "32767. t32766");
  EXPECT_EQ(tree_.GetItemRecord(Nth(album, 32766))->trackIndex, 32766);
}

// A small file must not be able to ask for millions of items: whatever
// "numtracks" says, an album shows no more than 99 tracks without a name.
TEST_F(CatalogueBuild, TrackCountsFollowTheFileNotTheNumbersInIt) {
  struct Case {
    const char* extraKeys;
    int tracksPerAlbum;
  };
  for (const Case& c : {Case{"", 99}, Case{"32766=Far away\r\n", 99}, Case{"0=a\r\n1=b\r\n", 99}}) {
    std::string file;
    for (int i = 0; i < 50; ++i) {
      file += "[k" + std::to_string(i) + "]\r\nartist=A\r\ntitle=T" + std::to_string(i) +
              "\r\nnumtracks=99999\r\n" + c.extraKeys;
    }
    tree_.DeleteAllWithData();
    Build(file);
    EXPECT_EQ(tree_.GetCount(), 1 + 50 * (1 + c.tracksPerAlbum)) << c.extraKeys;
  }
}

TEST_F(CatalogueBuild, ArtistAndTitleAreComparedAsAPairForDuplicates) {
  DuplicateAnswerer answerer(DuplicateNotify::kAnswerOk);
  Build("[k1]\r\nartist=AB\r\ntitle=C\r\n[k2]\r\nartist=A\r\ntitle=BC\r\n[k3]\r\nartist=a\r\ntitle=BC\r\n");
  EXPECT_TRUE(answerer.Questions().empty());
  EXPECT_EQ(catalogue_.AlbumCount(), 3);
}

TEST_F(CatalogueBuild, DuplicateAnsweredOkIsLeftOutButStaysInTheFile) {
  DuplicateAnswerer answerer(DuplicateNotify::kAnswerOk);
  const std::string file =
      "[k1]\r\nartist=Abba\r\ntitle=Gold\r\nnumtracks=1\r\n0=a\r\n[k2]\r\nartist=Abba\r\ntitle=Gold\r\nnumtracks=1\r\n";
  Build(file);
  ASSERT_EQ(answerer.Questions().size(), 1u);
  EXPECT_EQ(answerer.Questions()[0].artist, "Abba");
  EXPECT_EQ(answerer.Questions()[0].title, "Gold");
  EXPECT_EQ(catalogue_.AlbumCount(), 1);
  EXPECT_EQ(tree_.GetCount(), 3);  // artist, one album, its track
  EXPECT_EQ(tree_.GetItemRecord(Nth(Nth(nullptr, 0), 0))->cdKey, "k1");  // the first in enumeration order stays
  EXPECT_EQ(lumo::test::ReadBytes(dir_.File("cdplayer.ini")), file);
}

TEST_F(CatalogueBuild, TheQuestionShowsHugeNamesShortenedAndTheTreeKeepsThemWhole) {
  DuplicateAnswerer answerer(DuplicateNotify::kAnswerOk);
  const std::string artist(10000, 'a');
  const std::string section = "]\r\nartist=" + artist + "\r\ntitle=T\r\n";
  Build("[k1" + section + "[k2" + section);
  ASSERT_EQ(answerer.Questions().size(), 1u);
  EXPECT_EQ(answerer.Questions()[0].artist, std::string(kDisplayLabelLimit, 'a') + "\x85");
  EXPECT_EQ(answerer.Questions()[0].title, "T");
  EXPECT_EQ(tree_.GetItemRecord(Nth(nullptr, 0))->text, artist);
}

TEST_F(CatalogueBuild, AnswerNoKeepsTheDuplicateAndEachOneIsAsked) {
  DuplicateAnswerer answerer(DuplicateNotify::kAnswerNo);
  Build("[k1]\r\nartist=X\r\ntitle=T\r\n[k2]\r\nartist=X\r\ntitle=T\r\n[k3]\r\nartist=X\r\ntitle=T\r\n");
  EXPECT_EQ(answerer.Questions().size(), 2u);
  EXPECT_EQ(catalogue_.AlbumCount(), 3);
}

TEST_F(CatalogueBuild, ApplyToAllLatchesForTheRestOfTheBuildOnly) {
  const std::string file =
      "[k1]\r\nartist=X\r\ntitle=T\r\n[k2]\r\nartist=X\r\ntitle=T\r\n"
      "[k3]\r\nartist=Y\r\ntitle=U\r\n[k4]\r\nartist=Y\r\ntitle=U\r\n";
  {
    DuplicateAnswerer answerer(DuplicateNotify::kAnswerOk, true);
    Build(file);
    EXPECT_EQ(answerer.Questions().size(), 1u);
    EXPECT_EQ(catalogue_.AlbumCount(), 2);
  }
  tree_.DeleteAllWithData();
  DuplicateAnswerer again(DuplicateNotify::kAnswerOk);
  Build(file);
  EXPECT_EQ(again.Questions().size(), 2u);  // a new build asks afresh
}

TEST_F(CatalogueBuild, TheQuestionExplainsItselfAndEnterAnswersOk) {
  DuplicateNotify dialog;
  QTimer::singleShot(20, [&dialog] {
    auto* explanation = dialog.ControlAs<QPlainTextEdit>(1062);
    ASSERT_NE(explanation, nullptr);
    EXPECT_TRUE(explanation->toPlainText().startsWith(
        "Lumo already has an entry for this, but it has a different CD key.  This sometimes happens"));
    EXPECT_FALSE(dialog.Control(7)->isVisible());  // "No" is never offered
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &enter);
  });
  EXPECT_EQ(dialog.Ask("A", "T"), DuplicateNotify::kAnswerOk);
}

TEST_F(CatalogueBuild, EscapeDoesNotDismissTheQuestion) {
  DuplicateNotify dialog;
  QTimer::singleShot(20, [&dialog] {
    dialog.reject();  // Esc and the close box end up here
    QTimer::singleShot(20, [&dialog] {
      EXPECT_TRUE(dialog.isVisible());
      dialog.ControlAs<QAbstractButton>(DuplicateNotify::kAnswerOk)->click();
    });
  });
  EXPECT_EQ(dialog.Ask("A", "T"), DuplicateNotify::kAnswerOk);
  EXPECT_EQ(dialog.answer, DuplicateNotify::kAnswerOk);
}

TEST_F(CatalogueBuild, BuildReportsProgressUpToAHundred) {
  std::string file;
  for (int i = 0; i < 250; ++i) file += "[k" + std::to_string(i) + "]\r\nartist=A" + std::to_string(i) + "\r\n";
  lumo::test::WriteBytes(dir_.File("cdplayer.ini"), file);
  std::vector<int> loaded, formatted;
  ASSERT_TRUE(catalogue_.Load(dir_.File("cdplayer.ini"), [&](int p) { loaded.push_back(p); }));
  lumo::WindowTree target(tree_, {});
  catalogue_.BuildTree(target, [&](int p) { formatted.push_back(p); });
  ASSERT_FALSE(loaded.empty());
  ASSERT_FALSE(formatted.empty());
  EXPECT_EQ(loaded.back(), 100);
  EXPECT_EQ(formatted.back(), 100);
  EXPECT_TRUE(std::is_sorted(formatted.begin(), formatted.end()));
  EXPECT_EQ(catalogue_.ArtistCount(), 250);
}

TEST_F(CatalogueBuild, AFailedLoadLeavesTreeAndCountsAlone) {
  Build("[k]\r\nartist=A\r\ntitle=T\r\n");
  EXPECT_FALSE(catalogue_.Load(dir_.File("missing/cdplayer.ini")));
  EXPECT_EQ(catalogue_.AlbumCount(), 1);
  EXPECT_EQ(tree_.GetCount(), 2);
}

}  // namespace
