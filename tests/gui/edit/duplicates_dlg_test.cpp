#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QListWidget>
#include <QTabWidget>

#include <string>
#include <vector>

#include "core/collection/catalogue.h"
#include "gui/edit/duplicates_dlg.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

// The pages' buttons act on the rows selected, and both pages follow a change.
TEST(DuplicatesDlg, DeleteAndMergeActOnTheSelectedRowsAndBothPagesFollow) {
  lumo::test::TempDir folder;
  const std::string path = folder.File("cdplayer.ini");
  lumo::test::WriteBytes(path, "[A1]\r\nartist=Abba\r\ntitle=Gold\r\n[B2]\r\nartist=ABBA\r\ntitle=Gold\r\n"
                               "[C3]\r\nartist=ABBA\r\ntitle=Gold\r\n");
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Load(path));
  std::vector<std::string> removed;
  DuplicatesDlg dialog(
      catalogue.Document(),
      [&](const std::string& cdKey) {
        removed.push_back(cdKey);
        return catalogue.DeleteDuplicate(cdKey);
      },
      [&](const std::vector<std::string>& spellings, const std::string& chosen) {
        return catalogue.MergeArtists(spellings, chosen);
      },
      nullptr);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  auto* tabs = dialog.ControlAs<QTabWidget>(DuplicatesDlg::kTabs);
  auto* copies = static_cast<LumoDialog*>(tabs->widget(0));
  auto* similar = static_cast<LumoDialog*>(tabs->widget(1));
  auto* entries = copies->ControlAs<QListWidget>(DuplicatePage::kEntries);
  ASSERT_EQ(entries->count(), 2);
  EXPECT_TRUE(entries->item(0)->text().startsWith(QStringLiteral("B2: ABBA - Gold")) ||
              entries->item(0)->text().startsWith(QStringLiteral("C3: ABBA - Gold")));
  EXPECT_EQ(similar->ControlAs<QListWidget>(SimilarPage::kGroups)->item(0)->text(), QStringLiteral("ABBA | Abba"));

  similar->ControlAs<QListWidget>(SimilarPage::kSpellings)->setCurrentRow(1);  // "Abba"
  similar->ControlAs<QAbstractButton>(SimilarPage::kMerge)->click();
  EXPECT_EQ(lumo::test::ReadBytes(path), "[A1]\r\nartist=Abba\r\ntitle=Gold\r\n[B2]\r\nartist=Abba\r\ntitle=Gold\r\n"
                                         "[C3]\r\nartist=Abba\r\ntitle=Gold\r\n");
  EXPECT_EQ(similar->ControlAs<QListWidget>(SimilarPage::kGroups)->count(), 0);
  ASSERT_EQ(entries->count(), 3);  // now three copies of one album

  entries->setCurrentRow(2);
  const std::string last = entries->item(2)->text().section(QLatin1Char(':'), 0, 0).toStdString();
  copies->ControlAs<QAbstractButton>(DuplicatePage::kDelete)->click();
  EXPECT_EQ(removed, std::vector<std::string>{last});
  EXPECT_EQ(lumo::test::ReadBytes(path).find("[" + last + "]"), std::string::npos);
  EXPECT_EQ(entries->count(), 2);
  dialog.EndDialog(kIdCancel);
}

}  // namespace
