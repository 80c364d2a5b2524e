// The main window's menu.
#include <array>

#include "gui/platform/dialog_template.h"
#include "res/find_by_id.h"

namespace lumo {
namespace {

// The recent files go between the last separator and "Clear recent files".
constexpr std::array kFileItems{
    MenuItemTemplate{"&Open...\tCtrl+O", MainWindowIds::kMenuOpen},
    MenuItemTemplate{"&Import...", MainWindowIds::kMenuImport},
    MenuItemTemplate{"&Report", MainWindowIds::kMenuReport},
    MenuItemTemplate{"R&efresh", MainWindowIds::kMenuRefresh},
    MenuItemTemplate{nullptr, 0},
    MenuItemTemplate{"&Clear recent files", MainWindowIds::kMenuClearRecent},
};

// Text after a tab is the item's shortcut.
constexpr std::array kEditItems{
    MenuItemTemplate{"&Undo\tCtrl+Z", MainWindowIds::kMenuUndo},
    MenuItemTemplate{"&Redo\tCtrl+Y", MainWindowIds::kMenuRedo},
    MenuItemTemplate{nullptr, 0},
    MenuItemTemplate{"&Find...\tCtrl+F", MainWindowIds::kMenuFind},
    MenuItemTemplate{"Find &next\tF3", MainWindowIds::kMenuFindNext},
    MenuItemTemplate{"Find &previous\tShift+F3", MainWindowIds::kMenuFindPrevious},
    MenuItemTemplate{"Re&place...\tCtrl+H", MainWindowIds::kMenuReplace},
    MenuItemTemplate{nullptr, 0},
    MenuItemTemplate{"&Duplicates...", MainWindowIds::kMenuDuplicates},
};

constexpr std::array kOptionsItems{
    MenuItemTemplate{"&Preferences", MainWindowIds::kMenuPreferences},
};

constexpr std::array kHelpItems{
    MenuItemTemplate{"&About", MainWindowIds::kMenuAbout},
    MenuItemTemplate{nullptr, 0},
    MenuItemTemplate{"&Mail us", MainWindowIds::kMenuMail},
    MenuItemTemplate{"&Visit our web site", MainWindowIds::kMenuWeb},
    MenuItemTemplate{"&Read the documentation", MainWindowIds::kMenuDocs},
};

constexpr std::array kMainPopups{
    PopupMenuTemplate{"&File", kFileItems},
    PopupMenuTemplate{"&Edit", kEditItems},
    PopupMenuTemplate{"&Options", kOptionsItems},
    PopupMenuTemplate{"&Help", kHelpItems},
};

constexpr std::array kMenus{
    MenuTemplate{MainWindowIds::kMenu, kMainPopups},
};

}  // namespace

const MenuTemplate* FindMenuTemplate(int id) { return FindById(kMenus, id); }

}  // namespace lumo
