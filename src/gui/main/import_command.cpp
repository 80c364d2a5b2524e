#include "gui/main/import_command.h"

#include <QString>

#include <cstddef>
#include <optional>

#include "core/collection/catalogue.h"
#include "core/collection/collection_finder.h"
#include "core/edit/collection_merge.h"
#include "core/ini/ini_document.h"
#include "core/platform/code_page.h"
#include "core/platform/message_box.h"
#include "gui/edit/tree_context_menu.h"
#include "gui/main/file_choice.h"
#include "gui/main/load_messages.h"
#include "gui/platform/control_ids.h"
#include "gui/platform/dialog_template.h"
#include "gui/platform/message_text.h"
#include "gui/platform/path_text.h"
#include "gui/platform/translation.h"

namespace lumo {
namespace {

// A box lists this many kept keys at most, then how many more there are.
constexpr std::size_t kListedKeys = 15;

std::string Text(int id) { return StringText(id); }

// `text` with its "%1" (and "%2") replaced in one pass, so that a "%2" in
// the path stays as it is.
std::string Filled(const std::string& text, const std::string& first, const std::string& second = {}) {
  const QString pattern = QString::fromStdString(text);
  const QString value = QString::fromStdString(first);
  return (second.empty() ? pattern.arg(value) : pattern.arg(value, QString::fromStdString(second))).toStdString();
}

// One kept section's names, as the message shows them.
std::string KeptLine(const KeptSection& kept) {
  const CodePage& page = CollectionCodePage();
  return page.ToUtf8(kept.cdKey) + ": " + page.ToUtf8(kept.ourArtist) + " - " + page.ToUtf8(kept.ourTitle) + "  (" +
         page.ToUtf8(kept.theirArtist) + " - " + page.ToUtf8(kept.theirTitle) + ")";
}

std::string KeptLines(const MergePlan& plan) {
  if (plan.kept.empty()) return {};
  std::string lines = "\n\n" + Text(MainWindowIds::kTextImportKept);
  for (std::size_t i = 0; i < plan.kept.size() && i < kListedKeys; ++i) {
    lines += "\n" + KeptLine(plan.kept[i]);
  }
  if (plan.kept.size() > kListedKeys) {
    lines += "\n" + Filled(Text(MainWindowIds::kTextImportMore), std::to_string(plan.kept.size() - kListedKeys));
  }
  return lines;
}

// The other file, loaded, or nothing after a box that says why not.
bool LoadOther(const std::string& path, const Catalogue& catalogue, IniDocument& other) {
  const SearchOutcome outcome = LoadOne(path, LoaderInto(other));
  if (outcome.verdict != SearchVerdict::Loaded) {
    TellWhyNotOpened(path, outcome);
    return false;
  }
  const Message refusal = ImportRefusal(catalogue.Document(), other);
  if (!refusal.Failed()) return true;
  ShowMessageBox(Filled(Text(MainWindowIds::kTextImportRefused), PathForMessage(path), MessageText(refusal)),
                 MessageButtons::Ok, MessageIcon::Stop);
  return false;
}

}  // namespace

int ImportCollection(QWidget* parent, Catalogue& catalogue, const std::string& loaded) {
  const std::optional<std::string> path = ChooseCollectionFile(parent, loaded, MainWindowIds::kTextImportCaption);
  if (!path) return 0;
  IniDocument other;
  if (!LoadOther(*path, catalogue, other)) return 0;
  const MergePlan plan = PlanMerge(catalogue.Document(), other);
  const std::string shown = PathForMessage(*path);
  if (plan.added == 0) {
    ShowMessageBox(Filled(Text(MainWindowIds::kTextImportNothing), shown) + KeptLines(plan), MessageButtons::Ok,
                   MessageIcon::Information);
    return 0;
  }
  const std::string question =
      Filled(Text(MainWindowIds::kTextImportQuestion), std::to_string(plan.added), shown) + KeptLines(plan);
  if (ShowMessageBox(question, MessageButtons::YesNo, MessageIcon::Question) != kAnswerYes) return 0;
  if (catalogue.Rewrite(plan.text, QT_TRANSLATE_NOOP("Undo", "Import"))) return plan.added;
  ReportWriteFailure(catalogue, QT_TRANSLATE_NOOP("Lumo", "The import could not be written to"));
  return 0;
}

}  // namespace lumo
