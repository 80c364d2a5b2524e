#include "gui/main/load_messages.h"

#include "core/platform/message_box.h"
#include "core/platform/message_id.h"
#include "gui/platform/message_text.h"
#include "gui/platform/path_text.h"

namespace lumo {
namespace {

// A file that size cannot be a CD player's notes, and would not fit in memory.
bool Tell(const std::string& path, SearchVerdict verdict) {
  const char* why = nullptr;
  switch (verdict) {
    case SearchVerdict::TooLarge:
      why = "\nis too large to be loaded: a cdplayer.ini of more than 1 GB is not read.";
      break;
    case SearchVerdict::CannotRead: why = "\ncannot be read: please check that it is a file you may read."; break;
    case SearchVerdict::Loaded:
    case SearchVerdict::NotFound: return false;
  }
  ShowMessageBox(PathForMessage(path) + why, MessageButtons::Ok, MessageIcon::Stop);
  return true;
}

}  // namespace

bool TellWhyNotLoaded(const SearchOutcome& search) {
  if (!search.passedOverAsTooLarge.empty()) return Tell(search.passedOverAsTooLarge, SearchVerdict::TooLarge);
  return Tell(search.path, search.verdict);
}

void TellWhyNotOpened(const std::string& path, const SearchOutcome& outcome) {
  if (Tell(outcome.path, outcome.verdict)) return;
  ShowMessageBox(MessageText({MessageId::FileNotFound, PathForMessage(path), 0}), MessageButtons::Ok,
                 MessageIcon::Stop);
}

}  // namespace lumo
