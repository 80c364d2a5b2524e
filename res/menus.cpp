// The main window's menu.
#include <QtGlobal>

#include <array>

#include "gui/platform/dialog_template.h"
#include "res/find_by_id.h"

namespace lumo {
namespace {

// The recent files go between the last separator and "Clear recent files".
constexpr std::array kFileItems{
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "&Open...\tCtrl+O"), MainWindowIds::kMenuOpen},
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "&Import..."), MainWindowIds::kMenuImport},
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "&Report"), MainWindowIds::kMenuReport},
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "R&efresh"), MainWindowIds::kMenuRefresh},
    MenuItemTemplate{nullptr, 0},
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "&Clear recent files"), MainWindowIds::kMenuClearRecent},
};

// Text after a tab is the item's shortcut.
constexpr std::array kEditItems{
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "&Undo\tCtrl+Z"), MainWindowIds::kMenuUndo},
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "&Redo\tCtrl+Y"), MainWindowIds::kMenuRedo},
    MenuItemTemplate{nullptr, 0},
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "&Find...\tCtrl+F"), MainWindowIds::kMenuFind},
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "Find &next\tF3"), MainWindowIds::kMenuFindNext},
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "Find pre&vious\tShift+F3"), MainWindowIds::kMenuFindPrevious},
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "Re&place...\tCtrl+H"), MainWindowIds::kMenuReplace},
    MenuItemTemplate{nullptr, 0},
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "&Duplicates..."), MainWindowIds::kMenuDuplicates},
};

constexpr std::array kOptionsItems{
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "&Preferences"), MainWindowIds::kMenuPreferences},
};

constexpr std::array kHelpItems{
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "&About"), MainWindowIds::kMenuAbout},
    MenuItemTemplate{nullptr, 0},
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "&Mail us"), MainWindowIds::kMenuMail},
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "&Visit our web site"), MainWindowIds::kMenuWeb},
    MenuItemTemplate{QT_TRANSLATE_NOOP("Menu", "&Read the documentation"), MainWindowIds::kMenuDocs},
};

constexpr std::array kMainPopups{
    PopupMenuTemplate{QT_TRANSLATE_NOOP("Menu", "&File"), kFileItems},
    PopupMenuTemplate{QT_TRANSLATE_NOOP("Menu", "&Edit"), kEditItems},
    PopupMenuTemplate{QT_TRANSLATE_NOOP("Menu", "&Options"), kOptionsItems},
    PopupMenuTemplate{QT_TRANSLATE_NOOP("Menu", "&Help"), kHelpItems},
};

constexpr std::array kMenus{
    MenuTemplate{MainWindowIds::kMenu, kMainPopups},
};

}  // namespace

const MenuTemplate* FindMenuTemplate(int id) { return FindById(kMenus, id); }

}  // namespace lumo
