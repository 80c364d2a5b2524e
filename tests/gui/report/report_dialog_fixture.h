#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/tree/lumo_tree_ctrl.h"
#include "gui/tree/tree_model.h"
#include "support/message_box_recorder.h"
#include "core/platform/profile.h"
#include "core/settings/settings.h"
#include "gui/report/report_dlg.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace lumo::test {

// A report dialog over its own tree, with lumo.ini removed before each test,
// message boxes answered and recorded, and the Save As question answered by
// `chooserAnswer` (requests recorded).
class ReportDialogTest : public ::testing::Test {
 protected:
  using Dlg = LumoReportDlg;

  ReportDialogTest() {
    std::filesystem::create_directories(profile::ProfileDirectory());
    std::filesystem::remove(IniPath());
    dialog = NewDialog();
    dialog->SetFileChooser([this](QWidget*, const SaveFileRequest& request) {
      requests.push_back(request);
      return chooserAnswer;
    });
  }

  std::unique_ptr<LumoReportDlg> NewDialog() {
    const ReportFooter footer{"Lumo", "v9.9 Test", "http://www.lumo.example/Test.html"};
    return std::make_unique<LumoReportDlg>(*tree.Model()->Root(), settings, footer, nullptr);
  }
  static std::string IniPath() { return profile::ResolvePath("lumo.ini"); }
  static std::string Stored(const std::string& key) {
    return profile::GetString("report", key, "<missing>", "lumo.ini");
  }

  // Runs the opening without a modal loop (the template is not visible), on lumo.ini read anew.
  void Open() {
    settings = Settings();
    ASSERT_TRUE(dialog->CreateModeless(nullptr));
  }

  QPushButton* Button(int id) const { return dialog->ControlAs<QPushButton>(id); }
  QRadioButton* Radio(int id) const { return dialog->ControlAs<QRadioButton>(id); }
  QLineEdit* Edit(int id) const { return dialog->ControlAs<QLineEdit>(id); }
  QLineEdit* NameField() const { return dialog->ControlAs<QComboBox>(Dlg::kFileName)->lineEdit(); }
  std::string Name() const { return NameField()->text().toStdString(); }
  void Click(int id) const { Button(id) ? Button(id)->click() : Radio(id)->click(); }

  // Replaces the file name as the user would, by selecting all and typing.
  void TypeName(const QString& text) const {
    NameField()->selectAll();
    SendKey(Qt::Key_Backspace, {});
    for (QChar c : text) SendKey(0, QString(c));
  }

  bool ReportAndViewEnabled() const {
    EXPECT_EQ(Button(Dlg::kReport)->isEnabled(), Button(Dlg::kView)->isEnabled());
    return Button(Dlg::kReport)->isEnabled();
  }

  LumoTreeCtrl tree;
  Settings settings;
  TempDir dir;
  MessageBoxRecorder messages;
  std::vector<SaveFileRequest> requests;
  std::optional<QString> chooserAnswer;
  std::unique_ptr<LumoReportDlg> dialog;

 private:
  void SendKey(int key, const QString& text) const {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(NameField(), &press);
  }
};

}  // namespace lumo::test
