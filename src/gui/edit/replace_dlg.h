#pragma once

#include <functional>

#include "core/collection/name_replace.h"
#include "gui/platform/lumo_dialog.h"

namespace lumo {

// Edit > Replace: a piece of text, what to put in its place, whether case
// matters and which kinds of name to look in (all three at first). Replace
// all (or Enter) hands the request to the main window, which plans, asks
// and writes; the dialog stays open until Close.
class ReplaceDlg : public lumo::LumoDialog, public lumo::ReplaceIds {
  Q_OBJECT

 public:
  using ReplaceHandler = std::function<void(const ReplaceRequest&)>;

  ReplaceDlg(ReplaceHandler onReplace, QWidget* parent);

 protected:
  void DoDataExchange(lumo::DataExchange& exchange) override;
  bool OnCommand(int id) override;
  void OnOK() override;
  void OnEditChange(int id) override;

 private:
  void ReplaceAll();
  void UpdateButtons();

  ReplaceHandler onReplace_;
  ReplaceRequest request_;
  int matchCase_ = 0;
  int artists_ = 1;
  int albums_ = 1;
  int tracks_ = 1;
};

}  // namespace lumo
