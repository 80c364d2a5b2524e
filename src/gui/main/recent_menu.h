#pragma once

#include <QAction>
#include <QMenuBar>

#include "core/settings/settings.h"

namespace lumo {

// The item of `bar`'s menus whose command id is `id`, or null.
QAction* FindMenuAction(const QMenuBar* bar, int id);

// Shows `files` in the menu that holds "Clear recent files", just above it,
// as "&1 path", "&2 path", ... with command ids kMenuRecentFile + 0, 1, ...,
// in place of the ones shown before; "Clear recent files" is greyed when
// there are none.
void ShowRecentFiles(const QMenuBar* bar, const RecentFiles& files);

}  // namespace lumo
