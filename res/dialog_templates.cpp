// The program's dialog templates: ids, texts, positions and sizes in dialog
// units, styles, and the tab order (the order of each table).
#include <QtGlobal>

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
    ControlTemplate{MainWindowIds::kTree, K::TreeView, "", 5, 0, 184, 185,
                    kTreeButtons | kTreeLines | kTreeLinesAtRoot | kTreeNoDragDrop |
                        kTreeTrackSelect | kBorder | kTabStop},
    ControlTemplate{MainWindowIds::kExit, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "Exit"), 195, 189, 58, 12, kTabStop},
    ControlTemplate{MainWindowIds::kAbout, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "About"), 195, 173, 58, 12, kTabStop},
    ControlTemplate{MainWindowIds::kCdKeyBox, K::Edit, "", 203, 65, 44, 14,
                    kReadOnly | kCenter | kUpperCase | kMultiLine | kAutoHScroll | kBorder |
                        kTabStop | kHidden},
    ControlTemplate{MainWindowIds::kDisplayBox, K::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Display"), 195, 89, 58, 62, kLeft},
    ControlTemplate{MainWindowIds::kLevelArtist, K::RadioButton, QT_TRANSLATE_NOOP("Dialog", "Artist"), 203, 101, 41, 10, kLeftText | kGroup},
    ControlTemplate{MainWindowIds::kLevelAlbum, K::RadioButton, QT_TRANSLATE_NOOP("Dialog", "Album"), 203, 113, 41, 10, kLeftText},
    ControlTemplate{MainWindowIds::kLevelAll, K::RadioButton, QT_TRANSLATE_NOOP("Dialog", "All"), 203, 125, 41, 10, kLeftText},
    ControlTemplate{MainWindowIds::kLevelCustom, K::RadioButton, QT_TRANSLATE_NOOP("Dialog", "Custom"), 203, 137, 41, 10, kLeftText},
    ControlTemplate{MainWindowIds::kAnimation, K::Animation, "", 214, 0, 39, 27, kAutoPlay | kBorder},
    ControlTemplate{MainWindowIds::kInfoBox, K::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Info"), 195, 29, 58, 59, 0},
    ControlTemplate{MainWindowIds::kArtistCount, K::Static, QT_TRANSLATE_NOOP("Dialog", "Artists"), 203, 41, 44, 8, kCenter},
    ControlTemplate{MainWindowIds::kAlbumCount, K::Static, QT_TRANSLATE_NOOP("Dialog", "Albums"), 203, 53, 44, 8, kCenter},
    ControlTemplate{MainWindowIds::kReport, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "Report"), 195, 157, 58, 12, kTabStop},
    ControlTemplate{MainWindowIds::kStatusLine, K::Static, "", 5, 189, 184, 12, kSunken},
};

// Options.
constexpr std::array kOptions{
    ControlTemplate{OptionsIds::kSave, K::DefPushButton, QT_TRANSLATE_NOOP("Dialog", "Save"), 69, 105, 50, 14, kGroup | kTabStop},
    ControlTemplate{OptionsIds::kCancel, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "Cancel"), 126, 105, 50, 14, kGroup | kTabStop},
    ControlTemplate{kNone, K::Static, QT_TRANSLATE_NOOP("Dialog", "&Search path for cdplayer.ini"), 7, 38, 112, 8, kLeft},
    ControlTemplate{OptionsIds::kSearchPath, K::Edit, "", 7, 49, 169, 22,
                    kMultiLine | kUpperCase | kHScroll | kBorder | kGroup | kTabStop},
    ControlTemplate{OptionsIds::kShowCdKeys, K::CheckBox, QT_TRANSLATE_NOOP("Dialog", "Show CD keys"), 7, 7, 63, 10, kGroup | kTabStop},
    ControlTemplate{OptionsIds::kShowToolTips, K::CheckBox, QT_TRANSLATE_NOOP("Dialog", "Enable ToolTips"), 7, 21, 67, 10, kTabStop},
    ControlTemplate{kNone, K::Static, QT_TRANSLATE_NOOP("Dialog", "&Character set:"), 7, 76, 112, 8, kLeft},
    ControlTemplate{OptionsIds::kCharacterSet, K::ComboBox, "", 7, 86, 169, 120, kDropDownList | kVScroll | kGroup | kTabStop},
};

// Progress panel shown while loading.
constexpr std::array kProgress{
    ControlTemplate{ProgressIds::kFormattedBar, K::ProgressBar, "", 7, 18, 174, 9, kBorder},
    ControlTemplate{ProgressIds::kLoadedBar, K::ProgressBar, "", 7, 7, 174, 9, kBorder},
    ControlTemplate{ProgressIds::kLoadedLabel, K::Static, QT_TRANSLATE_NOOP("Dialog", "Loaded"), 184, 7, 36, 8, 0},
    ControlTemplate{kNone, K::Static, QT_TRANSLATE_NOOP("Dialog", "Formatted"), 184, 18, 36, 8, 0},
};

// Report.
constexpr std::array kReport{
    ControlTemplate{ReportIds::kExit, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "Exit"), 150, 95, 50, 14, kGroup | kTabStop},
    ControlTemplate{ReportIds::kReport, K::DefPushButton, QT_TRANSLATE_NOOP("Dialog", "Report"), 30, 95, 50, 14, kTabStop},
    ControlTemplate{ReportIds::kTitle, K::Edit, "", 39, 4, 162, 12, kCenter | kAutoHScroll | kBorder | kTabStop},
    ControlTemplate{kNone, K::Static, QT_TRANSLATE_NOOP("Dialog", "&Title"), 4, 6, 34, 8, 0},
    ControlTemplate{ReportIds::kComment, K::Edit, "", 39, 19, 162, 12, kAutoHScroll | kBorder | kTabStop},
    ControlTemplate{kNone, K::Static, QT_TRANSLATE_NOOP("Dialog", "&Comment"), 4, 21, 34, 8, 0},
    ControlTemplate{kNone, K::Static, QT_TRANSLATE_NOOP("Dialog", "&Filename"), 4, 44, 34, 8, 0},
    ControlTemplate{ReportIds::kBrowse, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "Browse"), 161, 42, 40, 12, kTabStop},
    ControlTemplate{ReportIds::kFileName, K::ComboBox, "", 40, 42, 118, 67, kAutoHScroll | kVScroll | kTabStop},
    ControlTemplate{kNone, K::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Report format"), 4, 63, 197, 26, 0},
    ControlTemplate{ReportIds::kHtml, K::RadioButton, QT_TRANSLATE_NOOP("Dialog", "HTML"), 12, 74, 36, 10, kGroup | kTabStop},
    ControlTemplate{ReportIds::kCsv, K::RadioButton, QT_TRANSLATE_NOOP("Dialog", "CSV (comma-delimited ASCII)"), 62, 74, 108, 10, 0},
    ControlTemplate{ReportIds::kView, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "View"), 90, 95, 50, 14, kTabStop},
};

// Edit one name.
constexpr std::array kEdit{
    ControlTemplate{kIdOk, K::DefPushButton, QT_TRANSLATE_NOOP("Dialog", "OK"), 73, 45, 50, 14, kTabStop},
    ControlTemplate{kIdCancel, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "Cancel"), 129, 45, 50, 14, kTabStop},
    ControlTemplate{EditIds::kUpperLabel, K::Static, QT_TRANSLATE_NOOP("Dialog", "Artist"), 7, 7, 26, 14, kRight | kCenterV},
    ControlTemplate{EditIds::kUpperField, K::Edit, "", 39, 7, 140, 14, kBorder | kAutoHScroll | kTabStop},
    ControlTemplate{EditIds::kLowerLabel, K::Static, QT_TRANSLATE_NOOP("Dialog", "Album"), 7, 26, 26, 14, kRight | kCenterV},
    ControlTemplate{EditIds::kLowerField, K::Edit, "", 39, 26, 140, 14, kBorder | kAutoHScroll | kTabStop},
};

constexpr uint32_t kEmptyList = kDisabled | kBorder | kHScroll | kVScroll | kNoSelection |
                                kNoIntegralHeight | kNotify | kTabStop;

// Duplicate album found.
constexpr std::array kDuplicate{
    ControlTemplate{DuplicateIds::kAnswerOk, K::DefPushButton, QT_TRANSLATE_NOOP("Dialog", "Ok"), 7, 189, 58, 14, kTabStop},
    ControlTemplate{DuplicateIds::kAnswerNo, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "No"), 75, 189, 58, 14, kTabStop | kHidden},
    ControlTemplate{DuplicateIds::kApplyToAllBox, K::CheckBox, QT_TRANSLATE_NOOP("Dialog", "Apply to all subsequent duplicates like this"), 139, 184,
                    88, 19, kLeftText | kMultiLine | kTabStop},
    ControlTemplate{DuplicateIds::kArtistText, K::Static, "Static", 34, 7, 213, 13, kSunken | kCenterV | kGroup},
    ControlTemplate{DuplicateIds::kTitleText, K::Static, "Static", 34, 22, 213, 13, kSunken | kCenterV | kGroup},
    ControlTemplate{DuplicateIds::kExistingList, K::ListBox, "", 7, 119, 115, 47, kEmptyList},
    ControlTemplate{DuplicateIds::kNewList, K::ListBox, "", 132, 119, 115, 47, kEmptyList},
    ControlTemplate{DuplicateIds::kExistingSelected, K::CheckBox, QT_TRANSLATE_NOOP("Dialog", "Selected"), 40, 169, 82, 12,
                    kLeftText | kRight | kDisabled | kCenterV},
    ControlTemplate{DuplicateIds::kNewSelected, K::CheckBox, QT_TRANSLATE_NOOP("Dialog", "Selected"), 132, 169, 82, 12, kDisabled | kCenterV},
    ControlTemplate{DuplicateIds::kExplanation, K::Edit, "", 7, 40, 240, 58, kReadOnly | kMultiLine | kVScroll | kTabStop},
    ControlTemplate{DuplicateIds::kArtistLabel, K::Static, QT_TRANSLATE_NOOP("Dialog", "Artist"), 7, 7, 21, 13, kRight | kCenterV | kGroup},
    ControlTemplate{DuplicateIds::kTitleLabel, K::Static, QT_TRANSLATE_NOOP("Dialog", "Title"), 7, 22, 21, 13, kRight | kCenterV | kGroup},
    ControlTemplate{kNone, K::Static, QT_TRANSLATE_NOOP("Dialog", "Existing entry"), 7, 108, 42, 8, kDisabled | kGroup},
    ControlTemplate{kNone, K::Static, QT_TRANSLATE_NOOP("Dialog", "New entry"), 132, 108, 33, 8, kDisabled | kGroup},
};

// About box and its pages.
constexpr std::array kAbout{
    ControlTemplate{AboutIds::kExit, K::DefPushButton, QT_TRANSLATE_NOOP("Dialog", "E&xit"), 227, 141, 37, 16, kGroup | kTabStop},
    ControlTemplate{AboutIds::kNameAndVersion, K::Static, "Name and Version", 7, 5, 230, 8,
                    kCenter | kNoPrefix | kCenterV},
    ControlTemplate{AboutIds::kIcon, K::Icon, "", 244, 4, 20, 20, 0},
    ControlTemplate{AboutIds::kTabs, K::TabControl, "", 7, 16, 258, 120, kTabStop},
    ControlTemplate{AboutIds::kWebPage, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "&Web page"), 7, 141, 62, 16, kTabStop},
    ControlTemplate{AboutIds::kMail, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "&Mail us!"), 75, 141, 47, 16, kTabStop},
    ControlTemplate{AboutIds::kDocumentation, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "&Read the documentation"), 131, 141, 87, 16, kTabStop},
};

constexpr std::array kAboutText{
    ControlTemplate{AboutTextIds::kText, K::Edit, "", 4, 4, 245, 95,
                    kMultiLine | kReadOnly | kBorder | kVScroll | kTabStop},
};

constexpr std::array kAboutMaker{
    ControlTemplate{AboutMakerIds::kLogo, K::Bitmap, "", 4, 4, 245, 64, kCenter | kCenterV | kSunken},
    ControlTemplate{AboutMakerIds::kMakerName, K::Static, "Brightfern Software", 4, 73, 245, 13,
                    kCenter | kCenterV | kGroup},
    ControlTemplate{AboutMakerIds::kLink, K::Static, kMakerPageUrl, 4, 90, 245, 9, kCenter | kGroup},
};

// Find in the collection.
constexpr std::array kFind{
    ControlTemplate{kNone, K::Static, QT_TRANSLATE_NOOP("Dialog", "Fi&nd what:"), 7, 9, 40, 8, 0},
    ControlTemplate{FindIds::kText, K::Edit, "", 50, 7, 112, 12, kAutoHScroll | kBorder | kTabStop},
    ControlTemplate{FindIds::kMatchCase, K::CheckBox, QT_TRANSLATE_NOOP("Dialog", "Match &case"), 7, 25, 80, 10, kGroup | kTabStop},
    ControlTemplate{kNone, K::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Look in"), 7, 39, 155, 27, 0},
    ControlTemplate{FindIds::kArtists, K::CheckBox, QT_TRANSLATE_NOOP("Dialog", "&Artists"), 13, 51, 44, 10, kGroup | kTabStop},
    ControlTemplate{FindIds::kAlbums, K::CheckBox, QT_TRANSLATE_NOOP("Dialog", "A&lbums"), 60, 51, 44, 10, kTabStop},
    ControlTemplate{FindIds::kTracks, K::CheckBox, QT_TRANSLATE_NOOP("Dialog", "&Tracks"), 107, 51, 44, 10, kTabStop},
    ControlTemplate{FindIds::kFindNext, K::DefPushButton, QT_TRANSLATE_NOOP("Dialog", "&Find next"), 170, 7, 56, 14, kGroup | kTabStop},
    ControlTemplate{FindIds::kFindPrevious, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "Find &previous"), 170, 24, 56, 14, kTabStop},
    ControlTemplate{FindIds::kClose, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "Close"), 170, 52, 56, 14, kTabStop},
};

// Duplicates and similar artists: a dialog of two pages.
constexpr std::array kDuplicates{
    ControlTemplate{DuplicatesIds::kTabs, K::TabControl, "", 7, 7, 306, 186, kTabStop},
    ControlTemplate{DuplicatesIds::kClose, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "Close"), 263, 199, 50, 14, kTabStop},
};

constexpr uint32_t kPickList = kBorder | kVScroll | kHScroll | kNoIntegralHeight | kNotify | kTabStop;

constexpr std::array kDuplicatePage{
    ControlTemplate{DuplicatePageIds::kEntriesLabel, K::Static, QT_TRANSLATE_NOOP("Dialog", "&Albums entered more than once:"), 4, 4, 200, 8, 0},
    ControlTemplate{DuplicatePageIds::kEntries, K::ListBox, "", 4, 14, 292, 80, kPickList},
    ControlTemplate{DuplicatePageIds::kTracksLabel, K::Static, QT_TRANSLATE_NOOP("Dialog", "&Tracks of the selected entry:"), 4, 98, 200, 8, 0},
    ControlTemplate{DuplicatePageIds::kTracks, K::ListBox, "", 4, 108, 230, 58, kPickList},
    ControlTemplate{DuplicatePageIds::kDelete, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "&Delete"), 242, 152, 54, 14, kTabStop},
};

constexpr std::array kSimilarPage{
    ControlTemplate{SimilarPageIds::kGroupsLabel, K::Static, QT_TRANSLATE_NOOP("Dialog", "&Groups of similar artist names:"), 4, 4, 200, 8, 0},
    ControlTemplate{SimilarPageIds::kGroups, K::ListBox, "", 4, 14, 292, 80, kPickList},
    ControlTemplate{SimilarPageIds::kSpellingsLabel, K::Static, QT_TRANSLATE_NOOP("Dialog", "&Spelling to give them all:"), 4, 98, 200, 8, 0},
    ControlTemplate{SimilarPageIds::kSpellings, K::ListBox, "", 4, 108, 230, 58, kPickList},
    ControlTemplate{SimilarPageIds::kMerge, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "&Merge"), 242, 152, 54, 14, kTabStop},
};

// Replace across names.
constexpr std::array kReplace{
    ControlTemplate{kNone, K::Static, QT_TRANSLATE_NOOP("Dialog", "Fi&nd what:"), 7, 9, 50, 8, 0},
    ControlTemplate{ReplaceIds::kFindText, K::Edit, "", 60, 7, 112, 12, kAutoHScroll | kBorder | kTabStop},
    ControlTemplate{kNone, K::Static, QT_TRANSLATE_NOOP("Dialog", "Re&place with:"), 7, 26, 50, 8, 0},
    ControlTemplate{ReplaceIds::kWithText, K::Edit, "", 60, 24, 112, 12, kAutoHScroll | kBorder | kTabStop},
    ControlTemplate{ReplaceIds::kMatchCase, K::CheckBox, QT_TRANSLATE_NOOP("Dialog", "Match &case"), 7, 42, 80, 10, kGroup | kTabStop},
    ControlTemplate{kNone, K::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Look in"), 7, 56, 165, 27, 0},
    ControlTemplate{ReplaceIds::kArtists, K::CheckBox, QT_TRANSLATE_NOOP("Dialog", "&Artists"), 13, 68, 44, 10, kGroup | kTabStop},
    ControlTemplate{ReplaceIds::kAlbums, K::CheckBox, QT_TRANSLATE_NOOP("Dialog", "A&lbums"), 64, 68, 44, 10, kTabStop},
    ControlTemplate{ReplaceIds::kTracks, K::CheckBox, QT_TRANSLATE_NOOP("Dialog", "&Tracks"), 115, 68, 44, 10, kTabStop},
    ControlTemplate{ReplaceIds::kReplaceAll, K::DefPushButton, QT_TRANSLATE_NOOP("Dialog", "&Replace all"), 180, 7, 56, 14, kGroup | kTabStop},
    ControlTemplate{ReplaceIds::kClose, K::PushButton, QT_TRANSLATE_NOOP("Dialog", "Close"), 180, 24, 56, 14, kTabStop},
};

using namespace dlg;

constexpr uint32_t kPlainBox = kCaption | kSysMenu | kModalFrame;

constexpr std::array kDialogs{
    DialogTemplate{MainWindowIds::kTemplate, "LUMO", 258, 206, "MS Sans Serif", 8,
                   kCaption | kSysMenu | kSizingBorder | kMinimizeBox | kMaximizeBox | kVisible |
                       kClipSiblings | kAppWindow,
                   MainWindowIds::kMenu, kMain},
    DialogTemplate{OptionsIds::kTemplate, QT_TRANSLATE_NOOP("Dialog", "Options"), 183, 126, "MS Sans Serif", 8, kPlainBox | dlg::kCenter, 0,
                   kOptions},
    DialogTemplate{ProgressIds::kTemplate, "", 227, 34, "MS Sans Serif", 8,
                   kModalFrame | dlg::kCenter | kSetForeground | kVisible, 0, kProgress},
    DialogTemplate{ReportIds::kTemplate, QT_TRANSLATE_NOOP("Dialog", "Generate report"), 205, 113, "MS Sans Serif", 8, kPlainBox, 0, kReport},
    DialogTemplate{EditIds::kTemplate, "Dialog", 186, 66, "MS Sans Serif", 8, kPlainBox, 0, kEdit},
    DialogTemplate{FindIds::kTemplate, QT_TRANSLATE_NOOP("Dialog", "Find"), 233, 73, "MS Sans Serif", 8, kPlainBox, 0, kFind},
    DialogTemplate{DuplicateIds::kTemplate, QT_TRANSLATE_NOOP("Dialog", "Duplicate album found"), 254, 210, "MS Sans Serif", 8, kPlainBox, 0,
                   kDuplicate},
    DialogTemplate{DuplicatesIds::kTemplate, QT_TRANSLATE_NOOP("Dialog", "Duplicates"), 320, 220, "MS Sans Serif", 8, kPlainBox, 0, kDuplicates},
    DialogTemplate{DuplicatePageIds::kTemplate, "", 300, 170, "MS Sans Serif", 8, kChild | kVisible, 0,
                   kDuplicatePage},
    DialogTemplate{SimilarPageIds::kTemplate, "", 300, 170, "MS Sans Serif", 8, kChild | kVisible, 0, kSimilarPage},
    DialogTemplate{ReplaceIds::kTemplate, QT_TRANSLATE_NOOP("Dialog", "Replace"), 243, 90, "MS Sans Serif", 8, kPlainBox, 0, kReplace},
    DialogTemplate{AboutTextIds::kTemplate, "", 253, 102, "MS Sans Serif", 8, kChild | kVisible, 0, kAboutText},
    DialogTemplate{AboutIds::kTemplate, QT_TRANSLATE_NOOP("Dialog", "About"), 272, 164, "MS Sans Serif", 8, kPlainBox, 0, kAbout},
    DialogTemplate{AboutMakerIds::kTemplate, "", 253, 102, "MS Sans Serif", 8, kChild, 0, kAboutMaker},
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) { return FindById(kDialogs, id); }

}  // namespace lumo
