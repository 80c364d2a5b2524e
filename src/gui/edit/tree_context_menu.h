#pragma once

#include <QPoint>

#include <functional>
#include <string>
#include <vector>

#include "core/catalogue/catalogue_item.h"

class QMenu;
class QWidget;

namespace lumo {

class Catalogue;
class LumoTreeCtrl;
class TreeItem;

// The tree's right-click menu: "&Delete", "&Edit" and "&Move" for the item
// whose label was clicked. Each command is complete when the handler
// returns: one change of cdplayer.ini (all or nothing), the tree, its labels
// and the counts. When the file refuses the change, a warning names the file
// and the reason, and the tree, the records, the counts and the document
// stay as the file still has them.
//
// The popup menu and the edit dialog run through replaceable runners, so
// that tests can answer them without a screen.
class TreeContextMenu {
 public:
  enum Command { kNone = 0, kDelete = 1, kEdit = 2, kMove = 3 };

  // Shows the menu at `globalPos` and returns the chosen command's id, or
  // kNone when it was dismissed. A choice made through an item's
  // accessibility action counts as well.
  using MenuRunner = std::function<int(QMenu& menu, QPoint globalPos)>;
  // Runs the edit dialog on `record` (and its parent's record, or null);
  // returns lumo::kIdOk or lumo::kIdCancel.
  using EditRunner = std::function<int(CatalogueItem& record, const CatalogueItem* parent, QWidget* owner)>;

  // All four are borrowed and must outlive the handler; `countsChanged` is
  // called after a deletion so that the window shows the new counts.
  TreeContextMenu(LumoTreeCtrl& tree, Catalogue& catalogue, QWidget* owner, std::function<void()> countsChanged);

  // Handles a right click at `viewportPos` (the tree viewport's coordinates):
  // only a click on an item's label selects it and opens the menu.
  void OnRightClick(QPoint viewportPos);
  // The keyboard's ways to the same commands, on the selected item: the
  // Menu key (or Shift+F10) opens the menu at the item's label, F2 edits,
  // Delete deletes an album or an artist after the same question. With no
  // item selected, or a track for Delete, they refuse with a beep.
  void OnMenuKey();
  void EditSelected();
  void DeleteSelected();

  void SetMenuRunner(MenuRunner runner) { runMenu_ = std::move(runner); }
  void SetEditRunner(EditRunner runner) { runEdit_ = std::move(runner); }

  static int RunMenu(QMenu& menu, QPoint globalPos);
  static int RunEditDialog(CatalogueItem& record, const CatalogueItem* parent, QWidget* owner);

  static constexpr char kDeleteArtistQuestion[] =
      QT_TRANSLATE_NOOP("Lumo", "Are you sure you want to delete this artist\nand ALL albums attached to it?\n(Edit > Undo takes it back.)");
  static constexpr char kDeleteAlbumQuestion[] =
      QT_TRANSLATE_NOOP("Lumo", "Are you sure you want to delete this album?\n(Edit > Undo takes it back.)");
  static constexpr char kMoveMessage[] = QT_TRANSLATE_NOOP("Lumo", "Moving not implemented yet");

 private:
  void OpenMenu(TreeItem* item, QPoint globalPos);
  const CatalogueItem* ParentRecord(TreeItem* item, const CatalogueItem& record) const;
  static void Refuse();
  void Carry(int command, TreeItem* item, CatalogueItem& record, const CatalogueItem* parent);
  void Edit(TreeItem* item, CatalogueItem& record, const CatalogueItem* parent);
  void DeleteArtist(TreeItem* artist);
  void DeleteAlbum(TreeItem* album, const CatalogueItem& record);
  void RemoveAlbumItem(TreeItem* album);
  std::vector<const CatalogueItem*> AlbumRecords(TreeItem* artist) const;
  void ReportWriteFailure() const;

  LumoTreeCtrl& tree_;
  Catalogue& catalogue_;
  QWidget* owner_;
  std::function<void()> countsChanged_;
  MenuRunner runMenu_ = &TreeContextMenu::RunMenu;
  EditRunner runEdit_ = &TreeContextMenu::RunEditDialog;
};

// Tells the user that a change of cdplayer.ini was refused: `lead` ("The
// change could not be written to"), the file, why, and that nothing changed.
void ReportWriteFailure(const Catalogue& catalogue, const char* lead);

}  // namespace lumo
