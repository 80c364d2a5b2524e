#pragma once

#include <string>

#include "core/ini/ini_document.h"
#include "gui/platform/lumo_dialog.h"
#include "gui/platform/tool_tips.h"

// The program's three settings and the "Options" dialog that edits them.
// The settings live in section "options" of lumo.ini (in the profile
// directory): "path" (the search path for cdplayer.ini), "cdkeys" and
// "tooltips" (0 or 1). Construction reads them; from then on the members are
// the settings, read directly by the load and the main window, and the
// dialog shows them each time it opens. Save (result 1) reads the controls
// back and, once anything has been changed since the settings were read,
// writes all three keys; Cancel (result 2) leaves the members alone.
// The search path as the settings in `settings` (lumo.ini) give it.
std::string SavedSearchPath(const lumo::IniDocument& settings);

class LumoOptionsDlg : public lumo::LumoDialog {
  Q_OBJECT

 public:
  // `owner` may be null; the dialog is then owned by whoever runs it.
  explicit LumoOptionsDlg(QWidget* owner = nullptr);

  // Reads the three settings (defaults for missing keys) and clears
  // `modified`.
  void LoadOptions();
  // Writes the three settings when `modified` is set, stopping at the first
  // failed write; true when nothing needed writing or every write succeeded.
  bool SaveOptions();

  // Directories separated by ";", as file-system names (platform/path_text.h).
  std::string searchPath;
  int showCdKeys = 0;
  int showToolTips = 1;
  // A control was changed since LoadOptions; only LoadOptions clears it.
  bool modified = false;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(lumo::DataExchange& exchange) override;
  void OnOK() override;
  bool OnCommand(int id) override;
  void OnEditChange(int id) override;

 private:
  void MarkModified();

  lumo::IniDocument settings_;
  lumo::ToolTips toolTips_;
};
