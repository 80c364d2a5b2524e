#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "gui/main/lumo_dlg.h"
#include "gui/tree/lumo_tree_ctrl.h"
#include "gui/tree/tree_model.h"
#include "core/settings/settings.h"
#include "core/catalogue/catalogue_item.h"
#include "gui/edit/edit_dlg.h"
#include "gui/report/report_dlg.h"
#include "gui/settings/options_dlg.h"
#include "gui/widgets/button_factory.h"
#include "gui/widgets/round_button.h"
#include "gui/widgets/shaped_button.h"

using namespace lumo;

namespace {

struct ButtonCase {
  int id;
  const char* caption;
  bool isDefault;
};

// Each listed button has the class, caption and default state of the case;
// round ones are drawn as wide buttons with rounded ends.
template <class Button>
void ExpectButtons(const lumo::LumoDialog& dialog, const std::vector<ButtonCase>& buttons) {
  for (const ButtonCase& b : buttons) {
    auto* button = dialog.ControlAs<Button>(b.id);
    ASSERT_NE(button, nullptr) << dialog.windowTitle().toStdString() << " " << b.id;
    EXPECT_EQ(button->text().toStdString(), b.caption);
    EXPECT_EQ(button->isDefault(), b.isDefault) << b.caption;
    if constexpr (std::is_same_v<Button, RoundButton>) {
      EXPECT_TRUE(button->Geometry().stretched) << b.caption;
    }
  }
}

// The push buttons of the main, edit, options and report dialogs are round,
// with the captions and default buttons of their templates.
TEST(DialogButtons, TheListedDialogsHaveRoundButtons) {
  CLumoDlg main;
  ExpectButtons<RoundButton>(main, {{CLumoDlg::kReport, "Report", false}, {CLumoDlg::kExit, "Exit", false},
                                   {CLumoDlg::kAbout, "About", false}});
  CatalogueItem artist{ItemKind::Artist, "Abba", {}, 0};
  EditDlg edit(artist, nullptr);
  ExpectButtons<RoundButton>(edit, {{lumo::kIdOk, "OK", true}, {lumo::kIdCancel, "Cancel", false}});
  LumoOptionsDlg options({});
  ExpectButtons<RoundButton>(options, {{lumo::kIdOk, "Save", true}, {lumo::kIdCancel, "Cancel", false}});
  lumo::Settings settings;
  LumoReportDlg report(*main.Tree().Model()->Root(), settings, {}, nullptr);
  ExpectButtons<RoundButton>(report, {{LumoReportDlg::kReport, "Report", true}, {LumoReportDlg::kView, "View", false},
                                     {LumoReportDlg::kExit, "Exit", false}});
  // Other buttons stay plain.
  EXPECT_EQ(report.ControlAs<RoundButton>(LumoReportDlg::kBrowse), nullptr);
  EXPECT_NE(report.ControlAs<QPushButton>(LumoReportDlg::kBrowse), nullptr);
}

// Ready for the about box: its four buttons as shaped buttons.
TEST(DialogButtons, TheShapedButtonFactoryKeepsCaptionsAndTheDefaultButton) {
  lumo::LumoDialog about(2203, nullptr, ShapedButtonFactory({1, 2213, 2214, 2216}));
  ExpectButtons<ShapedButton>(about, {{1, "E&xit", true}, {2213, "&Web page", false}, {2214, "&Mail us!", false},
                                      {2216, "&Read the documentation", false}});
}

}  // namespace
