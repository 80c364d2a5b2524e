#include "gui/tree/window_tree.h"

#include <utility>

namespace lumo {

WindowTree::WindowTree(LumoTreeCtrl& tree, DuplicateQuestion leaveOutDuplicate)
    : tree_(tree), leaveOutDuplicate_(std::move(leaveOutDuplicate)), bulk_(tree) {}

void WindowTree::KeepTexts(std::shared_ptr<const void> texts) { tree_.KeepTexts(std::move(texts)); }

TreeItem* WindowTree::AddArtist(const RecordView& artist, const PendingChildren& albums) {
  return tree_.InsertLeanItem(artist, nullptr, InsertAt::Sort, albums);
}

// Without a question the first of each album is kept, as if every question were answered Ok.
bool WindowTree::LeaveOutDuplicate(std::string_view artist, std::string_view title) {
  return !leaveOutDuplicate_ || leaveOutDuplicate_(artist, title);
}

}  // namespace lumo
