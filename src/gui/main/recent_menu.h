#pragma once

#include <QAction>
#include <QMenuBar>

#include <optional>
#include <string>

#include "core/settings/settings.h"

namespace lumo {

// The item of `bar`'s menus whose command id is `id`, or null.
QAction* FindMenuAction(const QMenuBar* bar, int id);

// The recent files of the File menu, kept in the settings: shown just above
// "Clear recent files" as "&1 path", "&2 path", ... with the command ids
// kMenuRecentFile + 0, 1, ...; "Clear recent files" is greyed when there
// are none. Each change is saved at once (Settings::SaveRecent) and shown.
class RecentFilesMenu {
 public:
  RecentFilesMenu(Settings& settings, const QMenuBar* bar);

  // The file shown by the item of `commandId`, if it is one of them.
  std::optional<std::string> FileOf(int commandId) const;
  // `path` (made absolute) first in the list.
  void Remember(const std::string& path);
  void Forget(const std::string& path);
  void Clear();

 private:
  void Save(const RecentFiles& files);
  void Show() const;

  Settings& settings_;
  const QMenuBar* bar_;
};

}  // namespace lumo
