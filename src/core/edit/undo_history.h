#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/edit/file_patch.h"

namespace lumo {

// The changes made to cdplayer.ini in this session, each kept as the patch
// between the file before and after it, named for the menu ("Rename Album").
// Undoing moves a step to the redo list; a new change empties that list.
class UndoHistory {
 public:
  struct Step {
    std::string name;
    FilePatch patch;
  };

  void Record(std::string name, FilePatch patch);
  void Clear();

  // The step Undo (Redo) would take back (do again), or null.
  const Step* NextUndo() const { return undo_.empty() ? nullptr : &undo_.back(); }
  const Step* NextRedo() const { return redo_.empty() ? nullptr : &redo_.back(); }
  // Moves the next step across once it has been undone (redone).
  void MarkUndone();
  void MarkRedone();

  std::size_t UndoCount() const { return undo_.size(); }
  // Bytes held by all steps.
  std::size_t MemoryUsed() const;

 private:
  std::vector<Step> undo_;
  std::vector<Step> redo_;
};

}  // namespace lumo
