#pragma once

#include <cstdint>
#include <span>

#include "gui/platform/control_ids.h"

// Dialogs, menus and strings described as plain data, the way a resource
// script describes them: positions and sizes in dialog units, controls in tab
// order. The tables themselves live in res/; they are static and never change,
// so every pointer handed out here stays valid for the whole run.
namespace lumo {

enum class ControlKind {
  PushButton,
  DefPushButton,
  CheckBox,     // automatic
  RadioButton,  // automatic
  GroupBox,
  Static,
  Edit,
  ComboBox,  // drop-down: an editable field with a list
  ListBox,
  TreeView,
  ProgressBar,
  Animation,
  Icon,
  TabControl,
  Bitmap,
};

// Style bits of a control. Not every bit means something for every kind.
namespace ctl {
inline constexpr uint32_t kTabStop = 1u << 0;
inline constexpr uint32_t kGroup = 1u << 1;  // starts a group (radio grouping)
inline constexpr uint32_t kDisabled = 1u << 2;
inline constexpr uint32_t kHidden = 1u << 3;
inline constexpr uint32_t kLeftText = 1u << 4;  // check box / radio text left of the box
inline constexpr uint32_t kLeft = 1u << 5;
inline constexpr uint32_t kCenter = 1u << 6;  // centred text, or a centred image
inline constexpr uint32_t kRight = 1u << 7;
inline constexpr uint32_t kCenterV = 1u << 8;  // vertically centred text or image
inline constexpr uint32_t kSunken = 1u << 9;
inline constexpr uint32_t kReadOnly = 1u << 10;
inline constexpr uint32_t kMultiLine = 1u << 11;
inline constexpr uint32_t kUpperCase = 1u << 12;
inline constexpr uint32_t kAutoHScroll = 1u << 13;
inline constexpr uint32_t kHScroll = 1u << 14;
inline constexpr uint32_t kVScroll = 1u << 15;
inline constexpr uint32_t kBorder = 1u << 16;
inline constexpr uint32_t kNoPrefix = 1u << 17;
inline constexpr uint32_t kNoSelection = 1u << 18;       // list box
inline constexpr uint32_t kNoIntegralHeight = 1u << 19;  // list box
inline constexpr uint32_t kNotify = 1u << 20;            // list box, static
inline constexpr uint32_t kAutoPlay = 1u << 21;          // animation
inline constexpr uint32_t kTreeButtons = 1u << 22;
inline constexpr uint32_t kTreeLines = 1u << 23;
inline constexpr uint32_t kTreeLinesAtRoot = 1u << 24;
inline constexpr uint32_t kTreeNoDragDrop = 1u << 25;
inline constexpr uint32_t kTreeTrackSelect = 1u << 26;
inline constexpr uint32_t kDropDownList = 1u << 27;  // combo box: a list only, nothing typed
}  // namespace ctl

// Style bits of a dialog.
namespace dlg {
inline constexpr uint32_t kCaption = 1u << 0;
inline constexpr uint32_t kSysMenu = 1u << 1;
inline constexpr uint32_t kModalFrame = 1u << 2;
inline constexpr uint32_t kSizingBorder = 1u << 3;
inline constexpr uint32_t kMinimizeBox = 1u << 4;
inline constexpr uint32_t kMaximizeBox = 1u << 5;
inline constexpr uint32_t kCenter = 1u << 6;  // centred on the screen's working area
inline constexpr uint32_t kSetForeground = 1u << 7;
inline constexpr uint32_t kChild = 1u << 8;  // a page inside another dialog
inline constexpr uint32_t kVisible = 1u << 9;
inline constexpr uint32_t kClipSiblings = 1u << 10;
inline constexpr uint32_t kAppWindow = 1u << 11;  // shown on the task bar
}  // namespace dlg


struct ControlTemplate {
  int id = kNoControlId;
  ControlKind kind = ControlKind::Static;
  const char* text = "";  // Windows-1252; never null
  int x = 0, y = 0, w = 0, h = 0;
  uint32_t style = 0;  // ctl:: bits
};

struct DialogTemplate {
  int id = 0;
  const char* caption = "";  // Windows-1252; never null
  int width = 0, height = 0;  // dialog units
  const char* font = "MS Sans Serif";
  int pointSize = 8;
  uint32_t style = 0;  // dlg:: bits
  int menuId = 0;      // 0: no menu
  std::span<const ControlTemplate> controls;  // tab order
};

// One entry of a drop-down menu; a null text is a separator.
struct MenuItemTemplate {
  const char* text = nullptr;
  int commandId = 0;
};

struct PopupMenuTemplate {
  const char* text = "";
  std::span<const MenuItemTemplate> items;
};

struct MenuTemplate {
  int id = 0;
  std::span<const PopupMenuTemplate> popups;
};

// The template with this number, or nullptr when there is none.
const DialogTemplate* FindDialogTemplate(int id);

// The menu with this number, or nullptr when there is none.
const MenuTemplate* FindMenuTemplate(int id);

// The string-table entry with this number (Windows-1252), or nullptr.
const char* LoadResourceString(int id);

}  // namespace lumo
