#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "core/catalogue/catalogue_build.h"
#include "gui/tree/lumo_tree_ctrl.h"

namespace lumo {

// The main window's tree as the target of a catalogue build: items go into
// the control as one bulk update, which ends when this object goes.
class WindowTree final : public CatalogueTree {
 public:
  // Answers whether a duplicate album (artist, title) is left out.
  using DuplicateQuestion = std::function<bool(std::string_view artist, std::string_view title)>;

  WindowTree(LumoTreeCtrl& tree, DuplicateQuestion leaveOutDuplicate);

  void KeepTexts(std::shared_ptr<const void> texts) override;
  TreeItem* AddArtist(const RecordView& artist, const PendingChildren& albums) override;
  bool LeaveOutDuplicate(std::string_view artist, std::string_view title) override;

 private:
  LumoTreeCtrl& tree_;
  DuplicateQuestion leaveOutDuplicate_;
  LumoTreeCtrl::BulkUpdate bulk_;
};

}  // namespace lumo
