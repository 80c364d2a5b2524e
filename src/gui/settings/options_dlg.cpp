#include "gui/settings/options_dlg.h"

#include <QComboBox>
#include <QtGlobal>

#include <algorithm>
#include <utility>

#include "core/platform/code_page.h"
#include "core/platform/ini_syntax.h"
#include "gui/platform/edit_behaviour.h"
#include "gui/widgets/button_factory.h"
#include "gui/platform/text_codec.h"
#include "gui/platform/translation.h"

namespace lumo {

namespace {

constexpr int kMaxSearchPath = 255;

constexpr const char* kOneLine =
    QT_TRANSLATE_NOOP("Lumo", "Please keep the search path on one line, with its folders separated by \";\".");

}  // namespace

LumoOptionsDlg::LumoOptionsDlg(lumo::Options options, QWidget* owner)
    : LumoDialog(kTemplate, owner, RoundButtonFactory({lumo::kIdOk, lumo::kIdCancel})),
      options_(std::move(options)),
      toolTips_(*this) {
  if (auto* pages = ControlAs<QComboBox>(kCharacterSet)) {
    for (const lumo::CodePageName& page : lumo::SupportedCodePages()) pages->addItem(lumo::CodePageTitle(page.number), page.number);
    connect(pages, &QComboBox::activated, this, [this] { EnableSave(); });
  }
#ifndef Q_OS_WIN
  // Capitals only suit file systems that ignore letter case: here they would
  // turn /home/me into /HOME/ME, a folder that does not exist.
  if (auto* path = lumo::EditBehaviour::Of(Control(kSearchPath))) path->SetUpperCase(false);
#endif
}

bool LumoOptionsDlg::OnInitDialog() {
  LumoDialog::OnInitDialog();
  toolTips_.Activate(options_.showToolTips != 0);
  for (int id : {kSearchPath, kShowCdKeys, kShowToolTips, kCharacterSet}) toolTips_.AddTool(id);
  return true;
}

void LumoOptionsDlg::DoDataExchange(lumo::DataExchange& exchange) {
  std::string& searchPath = options_.searchPath;
  exchange.Path(kSearchPath, searchPath);
  // Blanks at the end could not be read back from lumo.ini; keeping them
  // would only make the save fail.
  if (exchange.Saving()) searchPath.resize(lumo::ini::TrimEnd(searchPath).size());
  exchange.MaxPathChars(kSearchPath, searchPath, kMaxSearchPath);
  // A pasted line break could not be stored in lumo.ini as one value.
  if (exchange.Saving() && !exchange.Failed() &&
      searchPath.find_first_of("\r\n") != std::string::npos) {
    exchange.Fail(kSearchPath, lumo::TrUtf8("Lumo", kOneLine));
  }
  exchange.Check(kShowCdKeys, options_.showCdKeys);
  exchange.Check(kShowToolTips, options_.showToolTips);
  ExchangeCodePage(exchange.Saving());
}

void LumoOptionsDlg::ExchangeCodePage(bool saving) {
  auto* pages = ControlAs<QComboBox>(kCharacterSet);
  if (pages == nullptr) return;
  if (saving) {
    options_.codePage = pages->currentData().toInt();
  } else {
    pages->setCurrentIndex(std::max(0, pages->findData(options_.codePage)));
  }
}

void LumoOptionsDlg::OnOK() {
  lumo::Options kept = options_;
  if (!UpdateData(true)) {
    // The exchange has said why; stay open, and keep the values as they
    // were so that a Cancel now keeps the old options.
    options_ = std::move(kept);
    return;
  }
  EndDialog(lumo::kIdOk);
}

bool LumoOptionsDlg::OnCommand(int id) {
  if (id == kShowCdKeys || id == kShowToolTips) {
    EnableSave();
    return true;
  }
  return LumoDialog::OnCommand(id);
}

void LumoOptionsDlg::OnEditChange(int id) {
  if (id == kSearchPath) EnableSave();
}

void LumoOptionsDlg::EnableSave() { Control(lumo::kIdOk)->setEnabled(true); }

}  // namespace lumo
