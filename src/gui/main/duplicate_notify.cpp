#include "gui/main/duplicate_notify.h"

#include <QtGlobal>

#include <memory>

#include "core/platform/code_page.h"
#include "core/catalogue/tree_item.h"
#include "gui/platform/translation.h"

namespace lumo {

namespace {

constexpr char kExplanationText[] =
    QT_TRANSLATE_NOOP("Lumo", "Lumo already has an entry for this, but it has a different CD key.  This sometimes happens when an album "
    "is re-released or when some programs (like WinDac32) write several albums with a blank artist and title "
    "field.");

}  // namespace

DuplicateNotify::DuplicateNotify(QWidget* parent) : LumoDialog(kTemplate, parent), explanation_(TrUtf8("Lumo", kExplanationText)) {}

int DuplicateNotify::Ask(const std::string& artist, const std::string& title) {
  artist_ = artist;
  title_ = title;
  return DoModal();
}

void DuplicateNotify::DoDataExchange(lumo::DataExchange& exchange) {
  exchange.Text(kTitleText, title_, lumo::CollectionCodePage());
  exchange.Text(kArtistText, artist_, lumo::CollectionCodePage());
  exchange.Text(kExplanation, explanation_);
  int checked = applyToAll ? 1 : 0;
  exchange.Check(kApplyToAllBox, checked);
  applyToAll = checked != 0;
}

bool DuplicateNotify::OnCommand(int id) {
  switch (id) {
    case kAnswerOk:
    case kAnswerNo:
      Answer(id);
      return true;
    case kApplyToAllBox:
      UpdateData(true);
      applyToAllLatched = applyToAll;
      return true;
    default:
      return LumoDialog::OnCommand(id);
  }
}

void DuplicateNotify::Answer(int button) {
  answer = button;
  UpdateData(true);
  EndDialog(button);
}

// Esc and the close box must not end the question unanswered.
void DuplicateNotify::OnCancel() {}

lumo::WindowTree::DuplicateQuestion AskAboutDuplicates(QWidget* parent) {
  auto dialog = std::make_shared<std::unique_ptr<DuplicateNotify>>();
  return [parent, dialog](std::string_view artist, std::string_view title) {
    if (!*dialog) *dialog = std::make_unique<DuplicateNotify>(parent);
    DuplicateNotify& question = **dialog;
    if (question.applyToAllLatched) return question.answer == DuplicateNotify::kAnswerOk;
    // The dialog shows the names as the tree does: a huge one would freeze it.
    return question.Ask(ShortenedForDisplay({artist, {}}), ShortenedForDisplay({title, {}})) == DuplicateNotify::kAnswerOk;
  };
}

}  // namespace lumo
