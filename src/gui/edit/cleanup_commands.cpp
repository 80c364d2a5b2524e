#include "gui/edit/cleanup_commands.h"

#include <utility>

#include "core/collection/catalogue.h"
#include "core/platform/message_box.h"
#include "gui/edit/duplicates_dlg.h"
#include "gui/edit/edit_dlg.h"
#include "gui/edit/replace_dlg.h"
#include "gui/edit/tree_context_menu.h"
#include "gui/platform/text_codec.h"
#include "gui/platform/translation.h"

namespace lumo {
namespace {

bool Confirmed(const std::string& question) {
  return ShowMessageBox(question, MessageButtons::YesNo, MessageIcon::Question) == kAnswerYes;
}

std::string Text(const QString& text) { return text.toStdString(); }

const char* RefusalText(ReplaceRefusal refusal) {
  switch (refusal) {
    case ReplaceRefusal::LineBreak: return EditDlg::kUnstorable;
    case ReplaceRefusal::HiddenArtist: return EditDlg::kHiddenArtist;
    case ReplaceRefusal::EmptyTitle: return CleanupCommands::kEmptyTitle;
    case ReplaceRefusal::TooLong: return CleanupCommands::kTooLong;
    case ReplaceRefusal::None: break;
  }
  return "";
}

}  // namespace

CleanupCommands::CleanupCommands(Catalogue& catalogue, QWidget* owner, std::function<void()> fileChanged, Note note)
    : catalogue_(catalogue), owner_(owner), fileChanged_(std::move(fileChanged)), note_(std::move(note)) {}

void CleanupCommands::ShowDuplicates() {
  DuplicatesDlg dialog(
      catalogue_.Document(), [this](const std::string& cdKey) { return DeleteDuplicate(cdKey); },
      [this](const std::vector<std::string>& spellings, const std::string& chosen) {
        return Merge(spellings, chosen);
      },
      owner_);
  dialog.DoModal();
}

void CleanupCommands::ShowReplace() {
  ReplaceDlg dialog([this](const ReplaceRequest& request) { ReplaceAll(request); }, owner_);
  dialog.DoModal();
}

bool CleanupCommands::DeleteDuplicate(const std::string& cdKey) {
  if (!Confirmed(TrUtf8("Lumo", TreeContextMenu::kDeleteAlbumQuestion))) return false;
  return Written(catalogue_.DeleteDuplicate(cdKey));
}

bool CleanupCommands::Merge(const std::vector<std::string>& spellings, const std::string& chosen) {
  return Written(catalogue_.MergeArtists(spellings, chosen));
}

// Everything is checked before anything is written: one refused name
// leaves every name as it was.
bool CleanupCommands::ReplaceAll(const ReplaceRequest& request) {
  const ReplacePlan plan = PlanReplace(catalogue_.Document(), request);
  if (plan.refusal != ReplaceRefusal::None) {
    const QString text = Tr("Lumo", kRefusedLead)
                             .arg(FromName(plan.refusedName), Tr("Lumo", RefusalText(plan.refusal)));
    ShowMessageBox(Text(text), MessageButtons::Ok, MessageIcon::Warning);
    return false;
  }
  // Names that cannot be written back are counted wherever the count is told.
  const QString skipped = plan.skipped > 0 ? Tr("Lumo", kSkipped).arg(plan.skipped) : QString();
  if (plan.edits.empty()) {
    const char* why = plan.found > 0 ? kNothingChanges : kNotFound;
    const QString text = plan.skipped > 0 && plan.found == 0 ? skipped : Tr("Lumo", why).arg(FromName(request.find));
    ShowMessageBox(Text(text), MessageButtons::Ok, MessageIcon::Information);
    return false;
  }
  const QString count = QString::number(plan.edits.size());
  const QString question = Tr("Lumo", kReplaceQuestion).arg(count);
  if (!Confirmed(Text(skipped.isEmpty() ? question : question + QStringLiteral("\n\n") + skipped))) return false;
  if (!Written(catalogue_.ReplaceNames(plan.edits))) return false;
  const QString note = Tr("Lumo", kReplacedNote).arg(count);
  note_(skipped.isEmpty() ? note : note + QLatin1Char(' ') + skipped);
  return true;
}

bool CleanupCommands::Written(bool written) {
  if (!written) {
    ReportWriteFailure(catalogue_, QT_TRANSLATE_NOOP("Lumo", "The change could not be written to"));
    return false;
  }
  fileChanged_();
  return true;
}

}  // namespace lumo
