#include "gui/main/load_messages.h"

#include <QString>

#include "core/platform/message_box.h"
#include "core/platform/message_id.h"
#include "gui/platform/message_text.h"
#include "gui/platform/path_text.h"
#include "gui/platform/translation.h"

namespace lumo {
namespace {

// A path of thousands of characters would make a box wider than any
// screen: its middle gives way to "...", counted in characters.
std::string ShownPath(const std::string& path) {
  constexpr qsizetype kKept = 120;
  const QString shown = PathToText(path);
  if (shown.size() <= 3 * kKept) return shown.toStdString();
  return (shown.left(kKept) + QStringLiteral("...") + shown.right(kKept)).toStdString();
}

// A file that size cannot be a CD player's notes, and would not fit in memory.
bool Tell(const std::string& path, SearchVerdict verdict) {
  const char* why = nullptr;
  switch (verdict) {
    case SearchVerdict::TooLarge:
      why = QT_TRANSLATE_NOOP("Lumo", "\nis too large to be loaded: a cdplayer.ini of more than 1 GB is not read.");
      break;
    case SearchVerdict::CannotRead: why = QT_TRANSLATE_NOOP("Lumo", "\ncannot be read: please check that it is a file you may read."); break;
    case SearchVerdict::Loaded:
    case SearchVerdict::NotFound: return false;
  }
  ShowMessageBox(ShownPath(path) + TrUtf8("Lumo", why), MessageButtons::Ok, MessageIcon::Stop);
  return true;
}

}  // namespace

bool TellWhyNotLoaded(const SearchOutcome& search) {
  if (!search.passedOverAsTooLarge.empty()) return Tell(search.passedOverAsTooLarge, SearchVerdict::TooLarge);
  return Tell(search.path, search.verdict);
}

void TellWhyNotOpened(const std::string& path, const SearchOutcome& outcome) {
  if (Tell(outcome.path, outcome.verdict)) return;
  ShowMessageBox(MessageText({MessageId::FileNotFound, ShownPath(path), 0}), MessageButtons::Ok,
                 MessageIcon::Stop);
}

}  // namespace lumo
