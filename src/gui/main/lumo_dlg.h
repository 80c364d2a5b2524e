#pragma once

#include <QIcon>

#include <memory>
#include <string>

#include "core/catalogue/display_level.h"
#include "core/catalogue/selection_place.h"
#include "core/catalogue/tree_search.h"
#include "core/collection/catalogue.h"
#include "gui/tree/window_tree.h"
#include "gui/main/resizing_dialog.h"
#include "gui/platform/tool_tips.h"

namespace lumo {

class AnimationCtrl;
class CleanupCommands;
class FindDlg;
class OpenQueue;
class RecentFilesMenu;
class StatusLine;
class LumoReportDlg;
class LumoTreeCtrl;
class TreeContextMenu;
class TreeItem;

class Settings;

// The main window "LUMO": the Artist > Album > Track tree on the left, the
// counts, CD key box, display level and commands on the right, the loaded
// file's path in the status line. It owns the catalogue, the tree and the
// settings for the whole run. The window can be resized: the tree and the
// status line grow with it, the column on the right keeps to the right
// edge, the buttons to the bottom right corner.
class CLumoDlg : public CResizingDialog, public lumo::MainWindowIds {
  Q_OBJECT

 public:
  static constexpr char kCaption[] = "LUMO";
  static constexpr char kDataFileName[] = "cdplayer.ini";

  // Fills the about record, loads the icon and reads the settings
  // (lumo.ini), once for the whole run.
  explicit CLumoDlg(QWidget* parent = nullptr);
  ~CLumoDlg() override;

  LumoTreeCtrl& Tree() const { return *tree_; }
  Catalogue& GetCatalogue() { return catalogue_; }
  const lumo::Settings& GetSettings() const { return *settings_; }
  TreeContextMenu& ContextMenu() const { return *contextMenu_; }
  DisplayLevel GetDisplayLevel() const { return static_cast<DisplayLevel>(displayLevel_); }
  bool IsCatalogueLoaded() const { return loaded_; }

  // Looks for cdplayer.ini along the search path, loads the first that opens
  // and rebuilds the tree, with the progress panel up. True when a file was
  // loaded. From then on Refresh follows the search path.
  bool LoadCatalogue();
  // Loads the one file at `path` in place of the collection, as File > Open
  // does, and shows it; Refresh reloads it from then on. A file that cannot
  // be loaded is named in a message box with the reason, and the collection
  // shown stays. True when it was loaded.
  bool OpenFile(const std::string& path);
  // The file to open at start-up in place of the search (the command line's).
  void SetStartFile(std::string path) { startFile_ = std::move(path); }
  // Opens `path` once the window is idle: not inside a dialog, a message
  // box, a menu or a load. A later request replaces one still waiting.
  void RequestOpen(std::string path);
  // Applies the checked display level to the tree (sorting each artist's
  // albums first when `sort`), then shows the counts. Nothing when no file
  // is loaded.
  void ApplyDisplayLevel(bool sort);
  // "%d artists" and "%d albums" from the catalogue's counts.
  void UpdateCounts();
  // Shows or hides the CD key box as the options say.
  void ShowCdKeyBox();
  // Brings the window to the front for a second copy of the program, with
  // any dialog in front of it; a minimised window is activated but stays
  // minimised.
  void BringToFront();

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(lumo::DataExchange& exchange) override;
  bool OnCommand(int id) override;
  void OnOK() override;
  void OnCancel() override;
  bool event(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  CLumoDlg(std::unique_ptr<lumo::Settings> settings, QWidget* parent);
  void RebuildTree(lumo::WindowTree::DuplicateQuestion question, const Catalogue::Progress& formatted = {});
  lumo::SearchOutcome Load(const std::string& file);
  void SetUpToolTips();
  void StartUpLoad();
  void Refresh();
  void ChooseFileToOpen();
  void ShowTextNote(int textId, const std::string& path = {});
  bool IsIdle() const;
  void Preferences();
  void Report();
  void ShowFind();
  void Find(FindDirection direction);
  void ShowStatusNote(const QString& note);
  void SuggestCodePage();
  void UndoOrRedo(bool undo);
  void Import();
  void ShowFileAgain();
  void Cleanup(void (CleanupCommands::*command)());
  void UpdateEditMenu();
  void CloseWindow(int result);
  void OnSelectionChanged(TreeItem* item);
  void OnItemExpandedByUser();
  void ConnectTree();
  void RegisterResizableControls();
  void ConnectTreeKeys();

  LumoTreeCtrl* tree_;          // owned by the dialog (Qt parent)
  AnimationCtrl* animation_;    // owned by the dialog (Qt parent)
  std::string cdKeyText_;
  int displayLevel_ = static_cast<int>(DisplayLevel::Artist);
  std::unique_ptr<lumo::ToolTips> toolTips_;
  QIcon icon_;
  Catalogue catalogue_;
  std::unique_ptr<lumo::Settings> settings_;  // the base holds a reference to it
  LumoReportDlg* report_ = nullptr;  // made on first use, owned by the dialog (Qt parent)
  FindDlg* find_ = nullptr;          // made on first use, owned by the dialog (Qt parent)
  std::unique_ptr<StatusLine> status_;
  std::unique_ptr<RecentFilesMenu> recent_;
  OpenQueue* openQueue_;             // owned by the dialog (Qt parent)
  std::string openedFile_;           // the file Refresh reloads; empty: the search path's
  std::string startFile_;            // opened at start-up in place of the search
  bool startedUp_ = false;           // the first load is done
  std::unique_ptr<TreeContextMenu> contextMenu_;  // the tree's right-click commands
  std::unique_ptr<CleanupCommands> cleanup_;      // Edit > Duplicates and Replace
  bool loaded_ = false;
  lumo::SearchOutcome lastSearch_;  // what the last load found along the search path
  bool applyingLevel_ = false;
  // While a load or a tree command runs, items are held by raw pointers
  // across nested event loops (progress panel, menus, message boxes); a
  // close that arrives meanwhile is carried out once the work is over.
  class BusyScope;
  void EndBusy();
  int busy_ = 0;
  int pendingClose_ = 0;
};

}  // namespace lumo
