#include "core/edit/undo_history.h"

#include <utility>

namespace lumo {

void UndoHistory::Record(std::string name, FilePatch patch) {
  undo_.push_back({std::move(name), std::move(patch)});
  redo_.clear();
}

void UndoHistory::Clear() {
  undo_.clear();
  redo_.clear();
}

void UndoHistory::MarkUndone() {
  if (undo_.empty()) return;
  redo_.push_back(std::move(undo_.back()));
  undo_.pop_back();
}

void UndoHistory::MarkRedone() {
  if (redo_.empty()) return;
  undo_.push_back(std::move(redo_.back()));
  redo_.pop_back();
}

std::size_t UndoHistory::MemoryUsed() const {
  std::size_t bytes = 0;
  for (const auto* steps : {&undo_, &redo_}) {
    for (const Step& step : *steps) bytes += sizeof(Step) + step.name.capacity() + step.patch.MemoryUsed();
  }
  return bytes;
}

}  // namespace lumo
