// The program's dialog templates: ids, texts, positions and sizes in dialog
// units, styles, and the tab order (the order of each table).
#include <array>

#include "core/about/about_info.h"
#include "gui/platform/dialog_template.h"
#include "res/find_by_id.h"

namespace lumo {
namespace {

using K = ControlKind;
using namespace ctl;

constexpr int kNone = kNoControlId;

// Main window.
constexpr std::array kMain{
    ControlTemplate{1000, K::TreeView, "", 5, 0, 184, 185,
                    kTreeButtons | kTreeLines | kTreeLinesAtRoot | kTreeNoDragDrop |
                        kTreeTrackSelect | kBorder | kTabStop},
    ControlTemplate{2, K::PushButton, "Exit", 195, 189, 58, 12, kTabStop},
    ControlTemplate{1050, K::PushButton, "About", 195, 173, 58, 12, kTabStop},
    ControlTemplate{1012, K::Edit, "", 203, 65, 44, 14,
                    kReadOnly | kCenter | kUpperCase | kMultiLine | kAutoHScroll | kBorder |
                        kTabStop | kHidden},
    ControlTemplate{1054, K::GroupBox, "Display", 195, 89, 58, 62, kLeft},
    ControlTemplate{1008, K::RadioButton, "Artist", 203, 101, 41, 10, kLeftText | kGroup},
    ControlTemplate{1009, K::RadioButton, "Album", 203, 113, 41, 10, kLeftText},
    ControlTemplate{1010, K::RadioButton, "All", 203, 125, 41, 10, kLeftText},
    ControlTemplate{1011, K::RadioButton, "Custom", 203, 137, 41, 10, kLeftText},
    ControlTemplate{1046, K::Animation, "", 214, 0, 39, 27, kAutoPlay | kBorder},
    ControlTemplate{1053, K::GroupBox, "Info", 195, 29, 58, 59, 0},
    ControlTemplate{1014, K::Static, "Artists", 203, 41, 44, 8, kCenter},
    ControlTemplate{1015, K::Static, "Albums", 203, 53, 44, 8, kCenter},
    ControlTemplate{1047, K::PushButton, "Report", 195, 157, 58, 12, kTabStop},
    ControlTemplate{1055, K::Static, "", 5, 189, 184, 12, kSunken},
};

// Options.
constexpr std::array kOptions{
    ControlTemplate{1, K::DefPushButton, "Save", 69, 79, 50, 14, kGroup | kTabStop},
    ControlTemplate{2, K::PushButton, "Cancel", 126, 79, 50, 14, kGroup | kTabStop},
    ControlTemplate{kNone, K::Static, "&Search path for cdplayer.ini", 7, 38, 112, 8, kLeft},
    ControlTemplate{1026, K::Edit, "", 7, 49, 169, 22,
                    kMultiLine | kUpperCase | kHScroll | kBorder | kGroup | kTabStop},
    ControlTemplate{1025, K::CheckBox, "Show CD keys", 7, 7, 63, 10, kGroup | kTabStop},
    ControlTemplate{1027, K::CheckBox, "Enable ToolTips", 7, 21, 67, 10, kTabStop},
};

// Progress panel shown while loading.
constexpr std::array kProgress{
    ControlTemplate{1037, K::ProgressBar, "", 7, 18, 174, 9, kBorder},
    ControlTemplate{1038, K::ProgressBar, "", 7, 7, 174, 9, kBorder},
    ControlTemplate{1044, K::Static, "Loaded", 184, 7, 36, 8, 0},
    ControlTemplate{kNone, K::Static, "Formatted", 184, 18, 36, 8, 0},
};

// Report.
constexpr std::array kReport{
    ControlTemplate{1, K::PushButton, "Exit", 150, 95, 50, 14, kGroup | kTabStop},
    ControlTemplate{1047, K::DefPushButton, "Report", 30, 95, 50, 14, kTabStop},
    ControlTemplate{1051, K::Edit, "", 39, 4, 162, 12, kCenter | kAutoHScroll | kBorder | kTabStop},
    ControlTemplate{kNone, K::Static, "&Title", 4, 6, 34, 8, 0},
    ControlTemplate{1042, K::Edit, "", 39, 19, 162, 12, kAutoHScroll | kBorder | kTabStop},
    ControlTemplate{kNone, K::Static, "&Comment", 4, 21, 34, 8, 0},
    ControlTemplate{kNone, K::Static, "&Filename", 4, 44, 34, 8, 0},
    ControlTemplate{1048, K::PushButton, "Browse", 161, 42, 40, 12, kTabStop},
    ControlTemplate{1052, K::ComboBox, "", 40, 42, 118, 67, kAutoHScroll | kVScroll | kTabStop},
    ControlTemplate{kNone, K::GroupBox, "Report format", 4, 63, 197, 26, 0},
    ControlTemplate{1008, K::RadioButton, "HTML", 12, 74, 36, 10, kGroup | kTabStop},
    ControlTemplate{1009, K::RadioButton, "CSV (comma-delimited ASCII)", 62, 74, 108, 10, 0},
    ControlTemplate{1050, K::PushButton, "View", 90, 95, 50, 14, kTabStop},
};

// Edit one name.
constexpr std::array kEdit{
    ControlTemplate{1, K::DefPushButton, "OK", 73, 45, 50, 14, kTabStop},
    ControlTemplate{2, K::PushButton, "Cancel", 129, 45, 50, 14, kTabStop},
    ControlTemplate{1056, K::Static, "Artist", 7, 7, 26, 14, kRight | kCenterV},
    ControlTemplate{1041, K::Edit, "", 39, 7, 140, 14, kBorder | kAutoHScroll | kTabStop},
    ControlTemplate{1057, K::Static, "Album", 7, 26, 26, 14, kRight | kCenterV},
    ControlTemplate{1042, K::Edit, "", 39, 26, 140, 14, kBorder | kAutoHScroll | kTabStop},
};

constexpr uint32_t kEmptyList = kDisabled | kBorder | kHScroll | kVScroll | kNoSelection |
                                kNoIntegralHeight | kNotify | kTabStop;

// Duplicate album found.
constexpr std::array kDuplicate{
    ControlTemplate{6, K::DefPushButton, "Ok", 7, 189, 58, 14, kTabStop},
    ControlTemplate{7, K::PushButton, "No", 75, 189, 58, 14, kTabStop | kHidden},
    ControlTemplate{1057, K::CheckBox, "Apply to all subsequent duplicates like this", 139, 184,
                    88, 19, kLeftText | kMultiLine | kTabStop},
    ControlTemplate{1059, K::Static, "Static", 34, 7, 213, 13, kSunken | kCenterV | kGroup},
    ControlTemplate{1060, K::Static, "Static", 34, 22, 213, 13, kSunken | kCenterV | kGroup},
    ControlTemplate{1064, K::ListBox, "", 7, 119, 115, 47, kEmptyList},
    ControlTemplate{1066, K::ListBox, "", 132, 119, 115, 47, kEmptyList},
    ControlTemplate{1065, K::CheckBox, "Selected", 40, 169, 82, 12,
                    kLeftText | kRight | kDisabled | kCenterV},
    ControlTemplate{1067, K::CheckBox, "Selected", 132, 169, 82, 12, kDisabled | kCenterV},
    ControlTemplate{1062, K::Edit, "", 7, 40, 240, 58, kReadOnly | kMultiLine | kVScroll | kTabStop},
    ControlTemplate{1068, K::Static, "Artist", 7, 7, 21, 13, kRight | kCenterV | kGroup},
    ControlTemplate{1069, K::Static, "Title", 7, 22, 21, 13, kRight | kCenterV | kGroup},
    ControlTemplate{kNone, K::Static, "Existing entry", 7, 108, 42, 8, kDisabled | kGroup},
    ControlTemplate{kNone, K::Static, "New entry", 132, 108, 33, 8, kDisabled | kGroup},
};

// About box and its pages.
constexpr std::array kAbout{
    ControlTemplate{1, K::DefPushButton, "E&xit", 227, 141, 37, 16, kGroup | kTabStop},
    ControlTemplate{2210, K::Static, "Name and Version", 7, 5, 230, 8,
                    kCenter | kNoPrefix | kCenterV},
    ControlTemplate{2211, K::Icon, "", 244, 4, 20, 20, 0},
    ControlTemplate{2206, K::TabControl, "", 7, 16, 258, 120, kTabStop},
    ControlTemplate{2213, K::PushButton, "&Web page", 7, 141, 62, 16, kTabStop},
    ControlTemplate{2214, K::PushButton, "&Mail us!", 75, 141, 47, 16, kTabStop},
    ControlTemplate{2216, K::PushButton, "&Read the documentation", 131, 141, 87, 16, kTabStop},
};

constexpr std::array kAboutText{
    ControlTemplate{2228, K::Edit, "", 4, 4, 245, 95,
                    kMultiLine | kReadOnly | kBorder | kVScroll | kTabStop},
};

constexpr std::array kAboutMaker{
    ControlTemplate{2207, K::Bitmap, "", 4, 4, 245, 64, kCenter | kCenterV | kSunken},
    ControlTemplate{2208, K::Static, "Brightfern Software", 4, 73, 245, 13,
                    kCenter | kCenterV | kGroup},
    ControlTemplate{2231, K::Static, kMakerPageUrl, 4, 90, 245, 9, kCenter | kGroup},
};

// Find in the collection.
constexpr std::array kFind{
    ControlTemplate{kNone, K::Static, "Fi&nd what:", 7, 9, 40, 8, 0},
    ControlTemplate{1100, K::Edit, "", 50, 7, 112, 12, kAutoHScroll | kBorder | kTabStop},
    ControlTemplate{1101, K::CheckBox, "Match &case", 7, 25, 80, 10, kGroup | kTabStop},
    ControlTemplate{kNone, K::GroupBox, "Look in", 7, 39, 155, 27, 0},
    ControlTemplate{1102, K::CheckBox, "&Artists", 13, 51, 44, 10, kGroup | kTabStop},
    ControlTemplate{1103, K::CheckBox, "A&lbums", 60, 51, 44, 10, kTabStop},
    ControlTemplate{1104, K::CheckBox, "&Tracks", 107, 51, 44, 10, kTabStop},
    ControlTemplate{1105, K::DefPushButton, "Find &next", 170, 7, 56, 14, kGroup | kTabStop},
    ControlTemplate{1106, K::PushButton, "Find &previous", 170, 24, 56, 14, kTabStop},
    ControlTemplate{2, K::PushButton, "Close", 170, 52, 56, 14, kTabStop},
};

using namespace dlg;

constexpr uint32_t kPlainBox = kCaption | kSysMenu | kModalFrame;

constexpr std::array kDialogs{
    DialogTemplate{102, "LUMO", 258, 206, "MS Sans Serif", 8,
                   kCaption | kSysMenu | kSizingBorder | kMinimizeBox | kMaximizeBox | kVisible |
                       kClipSiblings | kAppWindow,
                   144, kMain},
    DialogTemplate{130, "Options", 183, 100, "MS Sans Serif", 8, kPlainBox | dlg::kCenter, 0,
                   kOptions},
    DialogTemplate{139, "", 227, 34, "MS Sans Serif", 8,
                   kModalFrame | dlg::kCenter | kSetForeground | kVisible, 0, kProgress},
    DialogTemplate{143, "Generate report", 205, 113, "MS Sans Serif", 8, kPlainBox, 0, kReport},
    DialogTemplate{145, "Dialog", 186, 66, "MS Sans Serif", 8, kPlainBox, 0, kEdit},
    DialogTemplate{150, "Find", 233, 73, "MS Sans Serif", 8, kPlainBox, 0, kFind},
    DialogTemplate{146, "Duplicate album found", 254, 210, "MS Sans Serif", 8, kPlainBox, 0,
                   kDuplicate},
    DialogTemplate{2202, "", 253, 102, "MS Sans Serif", 8, kChild | kVisible, 0, kAboutText},
    DialogTemplate{2203, "About", 272, 164, "MS Sans Serif", 8, kPlainBox, 0, kAbout},
    DialogTemplate{2205, "", 253, 102, "MS Sans Serif", 8, kChild, 0, kAboutMaker},
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) { return FindById(kDialogs, id); }

}  // namespace lumo
