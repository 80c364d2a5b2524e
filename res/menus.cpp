// The main window's menu.
#include <array>

#include "gui/platform/dialog_template.h"
#include "res/find_by_id.h"

namespace lumo {
namespace {

constexpr std::array kFileItems{
    MenuItemTemplate{"&Report", 32781},
    MenuItemTemplate{"R&efresh", 32782},
};

// Text after a tab is the item's shortcut.
constexpr std::array kEditItems{
    MenuItemTemplate{"&Undo\tCtrl+Z", 32793},
    MenuItemTemplate{"&Redo\tCtrl+Y", 32794},
    MenuItemTemplate{nullptr, 0},
    MenuItemTemplate{"&Find...\tCtrl+F", 32790},
    MenuItemTemplate{"Find &next\tF3", 32791},
    MenuItemTemplate{"Find &previous\tShift+F3", 32792},
};

constexpr std::array kOptionsItems{
    MenuItemTemplate{"&Preferences", 32780},
};

constexpr std::array kHelpItems{
    MenuItemTemplate{"&About", 32784},
    MenuItemTemplate{nullptr, 0},
    MenuItemTemplate{"&Mail us", 32772},
    MenuItemTemplate{"&Visit our web site", 32773},
    MenuItemTemplate{"&Read the documentation", 32774},
};

constexpr std::array kMainPopups{
    PopupMenuTemplate{"&File", kFileItems},
    PopupMenuTemplate{"&Edit", kEditItems},
    PopupMenuTemplate{"&Options", kOptionsItems},
    PopupMenuTemplate{"&Help", kHelpItems},
};

constexpr std::array kMenus{
    MenuTemplate{144, kMainPopups},
};

}  // namespace

const MenuTemplate* FindMenuTemplate(int id) { return FindById(kMenus, id); }

}  // namespace lumo
