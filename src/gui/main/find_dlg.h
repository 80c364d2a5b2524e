#pragma once

#include <functional>
#include <string>

#include "core/catalogue/tree_search.h"
#include "gui/platform/lumo_dialog.h"

namespace lumo {

// The modeless Find dialog: a piece of a name, whether case matters, and
// which kinds of item to look in (all three at first). Its buttons hand the
// search to the main window, which owns the tree.
class FindDlg : public lumo::LumoDialog, public lumo::FindIds {
  Q_OBJECT

 public:
  using FindHandler = std::function<void(FindDirection)>;

  FindDlg(FindHandler onFind, QWidget* parent);

  // Reads the fields into Options(); false when they do not make a search
  // (no text, no kind of item to look in, or text the code page lacks).
  bool ReadOptions();
  const FindOptions& Options() const { return options_; }

 protected:
  void DoDataExchange(lumo::DataExchange& exchange) override;
  bool OnCommand(int id) override;
  void OnOK() override;

 private:
  void Find(FindDirection direction);
  void UpdateButtons();
  void OnEditChange(int id) override;

  FindHandler onFind_;
  FindOptions options_;
  int matchCase_ = 0;
  int artists_ = 1;
  int albums_ = 1;
  int tracks_ = 1;
};

}  // namespace lumo
