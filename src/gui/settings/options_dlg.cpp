#include "gui/settings/options_dlg.h"

#include <QtGlobal>

#include <tuple>

#include "core/collection/search_path.h"
#include "gui/platform/edit_behaviour.h"
#include "core/platform/ini_syntax.h"
#include "core/platform/message_box.h"
#include "core/platform/local_path.h"
#include "gui/platform/path_text.h"
#include "gui/widgets/button_factory.h"

namespace {

constexpr int kSearchPathId = 1026;
constexpr int kShowCdKeysId = 1025;
constexpr int kShowToolTipsId = 1027;
constexpr int kMaxSearchPath = 255;

constexpr const char* kSection = "options";
// No value read from a line holds a line break, so this stands for a missing key.
constexpr const char* kNoPath = "\n";
constexpr const char* kOneLine =
    "Please keep the search path on one line, with its folders separated by \";\".";
constexpr const char* kSaveFailed =
    "There was a problem saving the options.\nPlease check that lumo.ini is not write-protected.";

}  // namespace

LumoOptionsDlg::LumoOptionsDlg(QWidget* owner)
    : LumoDialog(130, owner, RoundButtonFactory({lumo::kIdOk, lumo::kIdCancel})),
      settings_("lumo.ini"),
      toolTips_(*this) {
#ifndef Q_OS_WIN
  // Capitals only suit file systems that ignore letter case: here they would
  // turn /home/me into /HOME/ME, a folder that does not exist.
  if (auto* path = lumo::EditBehaviour::Of(Control(kSearchPathId))) path->SetUpperCase(false);
#endif
  LoadOptions();
}

// The default comes from $HOME and is a file-system name already; only a
// stored value may date from when paths were kept as Windows-1252.
std::string SavedSearchPath(const lumo::IniDocument& settings) {
  const std::string stored = settings.GetString(kSection, "path", kNoPath);
  return stored == kNoPath ? DefaultSearchPath() : lumo::PathFromSettings(stored);
}

void LumoOptionsDlg::LoadOptions() {
  searchPath = SavedSearchPath(settings_);
  showCdKeys = settings_.GetInt(kSection, "cdkeys", 0);
  showToolTips = settings_.GetInt(kSection, "tooltips", 1);
  modified = false;
}

bool LumoOptionsDlg::SaveOptions() {
  if (!modified) return true;
  return settings_.WriteString(kSection, "path", searchPath) &&
         settings_.WriteInt(kSection, "cdkeys", showCdKeys, 10) &&
         settings_.WriteInt(kSection, "tooltips", showToolTips, 10);
}

bool LumoOptionsDlg::OnInitDialog() {
  LumoDialog::OnInitDialog();
  toolTips_.Activate(showToolTips != 0);
  for (int id : {kSearchPathId, kShowCdKeysId, kShowToolTipsId}) toolTips_.AddTool(id);
  return true;
}

void LumoOptionsDlg::DoDataExchange(lumo::DataExchange& exchange) {
  exchange.Path(kSearchPathId, searchPath);
  // Blanks at the end could not be read back from lumo.ini; keeping them
  // would only make the save fail.
  if (exchange.Saving()) searchPath.resize(lumo::ini::TrimEnd(searchPath).size());
  exchange.MaxPathChars(kSearchPathId, searchPath, kMaxSearchPath);
  // A pasted line break could not be stored in lumo.ini as one value.
  if (exchange.Saving() && !exchange.Failed() &&
      searchPath.find_first_of("\r\n") != std::string::npos) {
    exchange.Fail(kSearchPathId, kOneLine);
  }
  exchange.Check(kShowCdKeysId, showCdKeys);
  exchange.Check(kShowToolTipsId, showToolTips);
}

void LumoOptionsDlg::OnOK() {
  const auto kept = std::tuple(searchPath, showCdKeys, showToolTips);
  if (!UpdateData(true)) {
    // The exchange has said why; stay open, and leave the members as they
    // were so that a Cancel now keeps the old settings.
    std::tie(searchPath, showCdKeys, showToolTips) = kept;
    return;
  }
  if (modified && !SaveOptions()) {
    lumo::ShowMessageBox(kSaveFailed, lumo::MessageButtons::Ok, lumo::MessageIcon::Stop);
  }
  EndDialog(lumo::kIdOk);
}

bool LumoOptionsDlg::OnCommand(int id) {
  if (id == kShowCdKeysId || id == kShowToolTipsId) {
    MarkModified();
    return true;
  }
  return LumoDialog::OnCommand(id);
}

void LumoOptionsDlg::OnEditChange(int id) {
  if (id == kSearchPathId) MarkModified();
}

void LumoOptionsDlg::MarkModified() {
  Control(lumo::kIdOk)->setEnabled(true);
  modified = true;
}
