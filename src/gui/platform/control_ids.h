#pragma once

// The ids of the dialog templates, their controls and the menu commands, in
// one place: the templates in res/, the dialogs that bind the controls and
// the tests that find them all name them from here. Each dialog class takes
// its ids by deriving from its struct, so CLumoDlg::kTree is MainWindowIds::kTree.
namespace lumo {

// Ids shared by every dialog: the buttons that end it.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
// A control the program never looks up (labels, group boxes).
inline constexpr int kNoControlId = -1;

struct MainWindowIds {
  enum : int {
    kTemplate = 102, kMenu = 144,
    kTree = 1000, kExit = kIdCancel, kAbout = 1050, kReport = 1047, kCdKeyBox = 1012, kAnimation = 1046,
    kLevelArtist = 1008, kLevelAlbum = 1009, kLevelAll = 1010, kLevelCustom = 1011,
    kDisplayBox = 1054, kInfoBox = 1053, kArtistCount = 1014, kAlbumCount = 1015, kStatusLine = 1055,
    kMenuMail = 32772, kMenuWeb = 32773, kMenuDocs = 32774, kMenuPreferences = 32780, kMenuReport = 32781,
    kMenuRefresh = 32782, kMenuAbout = 32784,
    kMenuFind = 32790, kMenuFindNext = 32791, kMenuFindPrevious = 32792, kMenuUndo = 32793, kMenuRedo = 32794,
    // File > Open, the recent files (kMenuRecentFile + 0 to 7) and their clearing.
    kMenuOpen = 32820, kMenuRecentFile = 32821, kMenuClearRecent = 32830,
    // Texts of the string table that belong to no control.
    kTextNothingFound = 1220, kTextNoAlbums = 1221, kTextOpenCaption = 1222, kTextOpenFilter = 1223,
    kMenuImport = 32840, kTextImportCaption = 1230, kTextImportQuestion = 1231, kTextImportNothing = 1232,
    kTextImportKept = 1233, kTextImportMore = 1234, kTextImportRefused = 1235, kTextImported = 1236,
    kMenuDuplicates = 32810, kMenuReplace = 32811,
  };
};

struct OptionsIds {
  enum : int { kTemplate = 130, kSave = kIdOk, kCancel = kIdCancel, kShowCdKeys = 1025, kSearchPath = 1026, kShowToolTips = 1027, kCharacterSet = 1028 };
};

struct ProgressIds {
  enum : int { kTemplate = 139, kFormattedBar = 1037, kLoadedBar = 1038, kLoadedLabel = 1044 };
};

struct ReportIds {
  enum : int {
    kTemplate = 143,
    kExit = kIdOk, kReport = 1047, kTitle = 1051, kComment = 1042, kBrowse = 1048,
    kFileName = 1052, kHtml = 1008, kCsv = 1009, kView = 1050,
  };
};

struct EditIds {
  enum : int { kTemplate = 145, kUpperField = 1041, kLowerField = 1042, kUpperLabel = 1056, kLowerLabel = 1057 };
};

struct DuplicateIds {
  enum : int {
    kTemplate = 146,
    kAnswerOk = 6, kAnswerNo = 7, kApplyToAllBox = 1057, kArtistText = 1059, kTitleText = 1060, kExplanation = 1062,
    kExistingList = 1064, kExistingSelected = 1065, kNewList = 1066, kNewSelected = 1067,
    kArtistLabel = 1068, kTitleLabel = 1069,
  };
};

struct FindIds {
  enum : int {
    kTemplate = 150,
    kText = 1100, kMatchCase = 1101, kArtists = 1102, kAlbums = 1103, kTracks = 1104,
    kFindNext = 1105, kFindPrevious = 1106, kClose = kIdCancel,
  };
};

// Edit > Duplicates: the dialog, its two pages, and Edit > Replace.
struct DuplicatesIds {
  enum : int { kTemplate = 160, kTabs = 1200, kClose = kIdCancel };
};

struct DuplicatePageIds {
  enum : int { kTemplate = 161, kEntries = 1201, kTracks = 1202, kDelete = 1203, kEntriesLabel = 1204, kTracksLabel = 1205 };
};

struct SimilarPageIds {
  enum : int { kTemplate = 162, kGroups = 1211, kSpellings = 1212, kMerge = 1213, kGroupsLabel = 1214, kSpellingsLabel = 1215 };
};

struct ReplaceIds {
  enum : int {
    kTemplate = 163,
    kFindText = 1221, kWithText = 1222, kMatchCase = 1223, kArtists = 1224, kAlbums = 1225, kTracks = 1226,
    kReplaceAll = 1227, kClose = kIdCancel,
  };
};

struct AboutIds {
  enum : int {
    kTemplate = 2203,
    kExit = kIdOk, kNameAndVersion = 2210, kIcon = 2211, kTabs = 2206,
    kWebPage = 2213, kMail = 2214, kDocumentation = 2216,
  };
};

struct AboutTextIds {
  enum : int { kTemplate = 2202, kText = 2228 };
};

struct AboutMakerIds {
  enum : int { kTemplate = 2205, kLogo = 2207, kMakerName = 2208, kLink = 2231 };
};

}  // namespace lumo
