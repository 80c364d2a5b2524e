#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/catalogue/catalogue_item.h"
#include "gui/edit/edit_dlg.h"
#include "modal_script.h"
#include "core/platform/message_box.h"
#include "gui/platform/text_codec.h"
#include "support/message_box_recorder.h"

using namespace lumo;

namespace {

using lumo::test::ModalScript;

QLineEdit& Field(QWidget& dialog, int id) { return *static_cast<EditDlg&>(dialog).ControlAs<QLineEdit>(id); }
std::string Text(QWidget& dialog, int id) { return lumo::ToWindows1252(Field(dialog, id).text()).value_or("?"); }
std::string Label(QWidget& dialog, int id) {
  return static_cast<EditDlg&>(dialog).ControlAs<QLabel>(id)->text().toStdString();
}
void Press(QWidget& dialog, int id) { static_cast<EditDlg&>(dialog).ControlAs<QPushButton>(id)->click(); }
void Type(QWidget& dialog, int id, const QString& text) { Field(dialog, id).setText(text); }

// What the dialog showed, read while it was open.
struct Shown {
  std::string caption, upperLabel, upper, upperPlaceholder, lowerLabel, lower, lowerPlaceholder;
  bool lowerVisible = false;
  bool upperReadOnly = false;
  bool okFocused = false;
};

Shown Look(QWidget& dialog) {
  return {dialog.windowTitle().toStdString(),
          Label(dialog, EditDlg::kUpperLabel),
          Text(dialog, EditDlg::kUpperField),
          Field(dialog, EditDlg::kUpperField).placeholderText().toStdString(),
          Label(dialog, EditDlg::kLowerLabel),
          Text(dialog, EditDlg::kLowerField),
          Field(dialog, EditDlg::kLowerField).placeholderText().toStdString(),
          Field(dialog, EditDlg::kLowerField).isVisible(),
          Field(dialog, EditDlg::kUpperField).isReadOnly(),
          dialog.focusWidget() == static_cast<EditDlg&>(dialog).Control(lumo::kIdOk)};
}

int RunDialog(CatalogueItem& item, const CatalogueItem* parent, std::vector<ModalScript::Step> steps) {
  ModalScript script(std::move(steps));
  EditDlg dialog(item, parent);
  const int result = dialog.DoModal();
  EXPECT_TRUE(script.Finished());
  return result;
}

const CatalogueItem kArtist{ItemKind::Artist, "Abba", {}, 0};
const CatalogueItem kAlbum{ItemKind::Album, "Arrival", "k1", 0};

TEST(EditDlg, EachKindShowsItsCaptionLabelsAndFields) {
  Shown artist, album, track;
  CatalogueItem a = kArtist;
  EXPECT_EQ(RunDialog(a, nullptr, {[&](QWidget& d) { artist = Look(d); }, [](QWidget& d) { Press(d, lumo::kIdCancel); }}),
            lumo::kIdCancel);
  CatalogueItem b = kAlbum;
  RunDialog(b, &kArtist, {[&](QWidget& d) { album = Look(d); }, [](QWidget& d) { Press(d, lumo::kIdCancel); }});
  CatalogueItem t{ItemKind::Track, "Dancing Queen", "k1", 1};
  RunDialog(t, &kAlbum, {[&](QWidget& d) { track = Look(d); }, [](QWidget& d) { Press(d, lumo::kIdCancel); }});

  EXPECT_EQ(artist.caption, "Edit Artist");
  EXPECT_EQ(artist.upperLabel, "&Artist");
  EXPECT_EQ(artist.upper, "Abba");
  EXPECT_FALSE(artist.lowerVisible);
  EXPECT_FALSE(artist.upperReadOnly);
  EXPECT_TRUE(artist.okFocused);

  EXPECT_EQ(album.caption, "Edit Album");
  EXPECT_EQ(album.upperLabel + "/" + album.lowerLabel, "&Artist/A&lbum");
  EXPECT_EQ(album.upper + "/" + album.lower, "Abba/Arrival");
  EXPECT_TRUE(album.lowerVisible);
  EXPECT_FALSE(album.upperReadOnly);

  EXPECT_EQ(track.caption, "Edit Track");
  EXPECT_EQ(track.upperLabel + "/" + track.lowerLabel, "A&lbum/&Track");
  EXPECT_EQ(track.upper + "/" + track.lower, "Arrival/Dancing Queen");
  EXPECT_TRUE(track.upperReadOnly);
  EXPECT_EQ(t.text, "Dancing Queen");  // cancelled: nothing stored
}

TEST(EditDlg, EmptyNamesShowAPlaceholderAndStayEmptyWhenUntouched) {
  const CatalogueItem noName{ItemKind::Artist, "", {}, 0};
  Shown artist, album, track;
  CatalogueItem a = noName;
  EXPECT_EQ(RunDialog(a, nullptr, {[&](QWidget& d) { artist = Look(d); }, [](QWidget& d) { Press(d, lumo::kIdOk); }}),
            lumo::kIdOk);
  EXPECT_EQ(a.text, "");
  EXPECT_EQ(artist.upper, "");
  EXPECT_EQ(artist.upperPlaceholder, "(empty)");

  // Album of an artist without a name: the untouched artist field passes.
  CatalogueItem b{ItemKind::Album, "", "k", 0};
  EXPECT_EQ(RunDialog(b, &noName, {[&](QWidget& d) { album = Look(d); }, [](QWidget& d) {
                               Type(d, EditDlg::kLowerField, "Titled");
                               Press(d, lumo::kIdOk);
                             }}),
            lumo::kIdOk);
  EXPECT_EQ(b.text, "Titled");
  EXPECT_EQ(album.lower, "");
  EXPECT_EQ(album.lowerPlaceholder, "");  // an empty title is just empty
  EXPECT_EQ(album.upperPlaceholder, "(empty)");

  CatalogueItem t{ItemKind::Track, "", "k", 0};
  EXPECT_EQ(RunDialog(t, &b, {[&](QWidget& d) { track = Look(d); }, [](QWidget& d) { Press(d, lumo::kIdOk); }}),
            lumo::kIdOk);
  EXPECT_EQ(t.text, "");
  EXPECT_EQ(track.lowerPlaceholder, "(empty)");
}

TEST(EditDlg, AlbumModePutsAChangedArtistBackAndStaysOpen) {
  // A change of letter case is a change; so is a name the file could not
  // even hold, which is put back as quietly rather than refused.
  for (const QString& typed : {QStringLiteral("ABBA"), QStringLiteral("日本")}) {
    lumo::test::MessageBoxRecorder messages;
    CatalogueItem album = kAlbum;
    std::vector<std::string> afterRefusal;
    const int result = RunDialog(album, &kArtist,
                                 {[&typed](QWidget& d) {
                                    Type(d, EditDlg::kUpperField, typed);
                                    Type(d, EditDlg::kLowerField, "Voulez-Vous");
                                    Press(d, lumo::kIdOk);
                                  },
                                  [&](QWidget& d) {
                                    afterRefusal = {Text(d, EditDlg::kUpperField), Text(d, EditDlg::kLowerField)};
                                    Press(d, lumo::kIdOk);
                                  }});
    EXPECT_EQ(afterRefusal, (std::vector<std::string>{"Abba", "Voulez-Vous"})) << typed.toStdString();
    EXPECT_TRUE(messages.Messages().empty());  // refused without a word
    EXPECT_EQ(result, lumo::kIdOk);
    EXPECT_EQ(album.text, "Voulez-Vous");
  }
}

TEST(EditDlg, NamesTheFileCannotHoldAreRefusedWithAMessage) {
  lumo::test::MessageBoxRecorder messages;
  CatalogueItem artist = kArtist;
  std::vector<bool> stillOpen;
  auto tryName = [&](const QString& name) {
    return [&stillOpen, name](QWidget& d) {
      Type(d, EditDlg::kUpperField, name);
      Press(d, lumo::kIdOk);
      stillOpen.push_back(d.isVisible());
    };
  };
  const int result = RunDialog(artist, nullptr,
                         {tryName(QString::fromUtf8("\xE4\xB8\xAD")), tryName(QString("a") + QChar(0) + "b"),
                          tryName("a\x1a"), tryName("two\nlines"), tryName("<UNKNOWN>"),
                          [](QWidget& d) { Press(d, lumo::kIdCancel); }});
  EXPECT_EQ(result, lumo::kIdCancel);
  EXPECT_EQ(stillOpen, std::vector<bool>(5, true));
  ASSERT_EQ(messages.Messages().size(), 5u);
  EXPECT_NE(messages.Messages()[0].text.find("Windows-1252"), std::string::npos);
  EXPECT_NE(messages.Messages()[1].text.find("cannot hold"), std::string::npos);
  // An artist of that name would be taken for a disc without one, and hidden.
  EXPECT_NE(messages.Messages()[4].text.find("<UNKNOWN>"), std::string::npos);
  EXPECT_EQ(artist.text, "Abba");
}

TEST(EditDlg, TrailingBlanksAreDroppedAndOtherKindsNeverOpen) {
  CatalogueItem track{ItemKind::Track, "x", "k", 3};
  RunDialog(track, &kAlbum, {[](QWidget& d) {
        Type(d, EditDlg::kLowerField, QString::fromLatin1(" Caf\xE9 \t "));
        Press(d, lumo::kIdOk);
      }});
  EXPECT_EQ(track.text, " Caf\xE9");  // leading blanks read back, trailing ones could not

  CatalogueItem odd{static_cast<ItemKind>(7), "x", "k", 0};
  EditDlg dialog(odd, nullptr);
  EXPECT_EQ(dialog.DoModal(), lumo::kIdCancel);
  EXPECT_EQ(odd.text, "x");
}

// Set LUMO_SCREENSHOT_DIR to keep a picture of the dialog editing an album.
TEST(EditDlg, Screenshot) {
  const char* dir = std::getenv("LUMO_SCREENSHOT_DIR");
  if (dir == nullptr) GTEST_SKIP() << "LUMO_SCREENSHOT_DIR not set";
  CatalogueItem album = kAlbum;
  RunDialog(album, &kArtist, {[dir](QWidget& d) {
        d.grab().save(QString::fromLocal8Bit(dir) + "/edit_dlg_album.png");
        Press(d, lumo::kIdCancel);
      }});
}

}  // namespace

namespace {

// A name as long as the file holds is shown and stored whole, never cut to
// what a line edit takes by default.
TEST(EditDlg, VeryLongNamesAreKeptWhole) {
  const std::string longArtist(40000, 'a');
  const CatalogueItem artist{ItemKind::Artist, longArtist, {}, 0};
  CatalogueItem album = kAlbum;
  EXPECT_EQ(RunDialog(album, &artist, {[](QWidget& d) {
              Type(d, EditDlg::kLowerField, "New title");
              Press(d, lumo::kIdOk);
            }}),
            lumo::kIdOk);
  EXPECT_EQ(album.text, "New title");

  CatalogueItem track{ItemKind::Track, std::string(40003, 't'), "k", 0};
  EXPECT_EQ(RunDialog(track, &kAlbum, {[](QWidget& d) { Press(d, lumo::kIdOk); }}), lumo::kIdOk);
  EXPECT_EQ(track.text.size(), 40003u);
}

}  // namespace
