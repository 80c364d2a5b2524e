#include "gui/main/recent_menu.h"

#include <QMenu>

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

void ShowRecentFiles(const QMenuBar* bar, const RecentFiles& files) {
  QAction* clear = FindMenuAction(bar, MainWindowIds::kMenuClearRecent);
  if (clear == nullptr) return;
  QMenu* menu = qobject_cast<QMenu*>(clear->parent());
  if (menu == nullptr) return;
  for (QAction* action : menu->actions()) {
    if (IsRecentItem(action)) {
      menu->removeAction(action);
      action->deleteLater();
    }
  }
  for (std::size_t i = 0; i < files.size() && i < kMaxRecentFiles; ++i) {
    auto* action = new QAction(RecentItemText(i, files[i]), menu);
    action->setData(MainWindowIds::kMenuRecentFile + static_cast<int>(i));
    menu->insertAction(clear, action);
  }
  clear->setEnabled(!files.empty());
}

}  // namespace lumo
