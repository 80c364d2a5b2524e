#pragma once

#include <cstdint>
#include <string>

#include "gui/platform/lumo_dialog.h"
#include "gui/tree/window_tree.h"

namespace lumo {

// "Duplicate album found": asks what to do with an album whose artist and
// title are already in the tree under another CD key. One object serves one
// build, so the "apply to all" box and the last answer carry over from one
// question to the next. The dialog cannot be dismissed without an answer.
class DuplicateNotify : public lumo::LumoDialog, public lumo::DuplicateIds {
  Q_OBJECT

 public:

  explicit DuplicateNotify(QWidget* parent = nullptr);

  // Shows the artist and title and runs the dialog modally; returns the
  // button that ended it (kAnswerOk, kAnswerNo).
  int Ask(const std::string& artist, const std::string& title);

  bool applyToAll = false;         // the check box
  int32_t answer = kAnswerNo;      // the last answer given
  bool applyToAllLatched = false;  // answer stands for every later duplicate

 protected:
  void DoDataExchange(lumo::DataExchange& exchange) override;
  bool OnCommand(int id) override;
  void OnCancel() override;

 private:
  void Answer(int button);

  std::string title_;
  std::string artist_;
  std::string explanation_;
};

// The question of one build: one dialog, made at the first duplicate, whose
// "apply to all" lasts exactly as long as the build.
lumo::WindowTree::DuplicateQuestion AskAboutDuplicates(QWidget* parent);

}  // namespace lumo
