#pragma once

#include <QtGlobal>

#include "core/settings/settings.h"
#include "gui/platform/lumo_dialog.h"
#include "gui/platform/tool_tips.h"

namespace lumo {

// What the main window says when the options it was handed back could not
// be written.
inline constexpr char kOptionsNotSaved[] =
    QT_TRANSLATE_NOOP("Lumo", "There was a problem saving the options.\nPlease check that lumo.ini is not write-protected.");

// The "Options" dialog: the search path for cdplayer.ini, the CD key box and
// tooltips. It edits a copy of the options and writes nothing itself: Save
// (result 1) reads the controls back into Values(), for the caller to keep;
// Cancel (result 2) leaves Values() as they were when the dialog opened.
class LumoOptionsDlg : public lumo::LumoDialog, public lumo::OptionsIds {
  Q_OBJECT

 public:
  // `owner` may be null; the dialog is then owned by whoever runs it.
  explicit LumoOptionsDlg(lumo::Options options, QWidget* owner = nullptr);

  // The options shown, and after Save the options chosen.
  const lumo::Options& Values() const noexcept { return options_; }

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(lumo::DataExchange& exchange) override;
  void OnOK() override;
  bool OnCommand(int id) override;
  void OnEditChange(int id) override;

 private:
  void EnableSave();
  void ExchangeCodePage(bool saving);

  lumo::Options options_;
  lumo::ToolTips toolTips_;
};

}  // namespace lumo
