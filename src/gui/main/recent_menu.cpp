#include "gui/main/recent_menu.h"

#include <QMenu>

#include "core/platform/local_path.h"
#include "gui/platform/control_ids.h"
#include "gui/platform/path_text.h"

namespace lumo {
namespace {

bool IsRecentItem(const QAction* action) {
  const int id = action->data().toInt();
  return id >= MainWindowIds::kMenuRecentFile &&
         id < MainWindowIds::kMenuRecentFile + static_cast<int>(kMaxRecentFiles);
}

// An "&" in a path is shown, not taken as a mnemonic.
QString RecentItemText(std::size_t index, const std::string& path) {
  QString shown = PathToText(path);
  shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

}  // namespace

QAction* FindMenuAction(const QMenuBar* bar, int id) {
  if (bar == nullptr) return nullptr;
  for (QAction* top : bar->actions()) {
    if (!top->menu()) continue;
    for (QAction* item : top->menu()->actions()) {
      if (item->data().toInt() == id) return item;
    }
  }
  return nullptr;
}

RecentFilesMenu::RecentFilesMenu(Settings& settings, const QMenuBar* bar) : settings_(settings), bar_(bar) { Show(); }

std::optional<std::string> RecentFilesMenu::FileOf(int commandId) const {
  const RecentFiles& files = settings_.Recent();
  const int index = commandId - MainWindowIds::kMenuRecentFile;
  if (index < 0 || index >= static_cast<int>(kMaxRecentFiles) || static_cast<std::size_t>(index) >= files.size()) {
    return std::nullopt;
  }
  return files[static_cast<std::size_t>(index)];
}

void RecentFilesMenu::Remember(const std::string& path) { Save(WithRecentFile(settings_.Recent(), AbsolutePath(path))); }

void RecentFilesMenu::Forget(const std::string& path) { Save(WithoutRecentFile(settings_.Recent(), path)); }

void RecentFilesMenu::Clear() { Save({}); }

void RecentFilesMenu::Save(const RecentFiles& files) {
  settings_.SaveRecent(files);
  Show();
}

void RecentFilesMenu::Show() const {
  QAction* clear = FindMenuAction(bar_, MainWindowIds::kMenuClearRecent);
  QMenu* menu = clear != nullptr ? qobject_cast<QMenu*>(clear->parent()) : nullptr;
  if (menu == nullptr) return;
  for (QAction* action : menu->actions()) {
    if (IsRecentItem(action)) {
      menu->removeAction(action);
      action->deleteLater();
    }
  }
  const RecentFiles& files = settings_.Recent();
  for (std::size_t i = 0; i < files.size() && i < kMaxRecentFiles; ++i) {
    auto* action = new QAction(RecentItemText(i, files[i]), menu);
    action->setData(MainWindowIds::kMenuRecentFile + static_cast<int>(i));
    menu->insertAction(clear, action);
  }
  clear->setEnabled(!files.empty());
}

}  // namespace lumo
