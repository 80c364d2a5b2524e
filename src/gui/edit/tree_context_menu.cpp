#include "gui/edit/tree_context_menu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <utility>

#include "gui/tree/lumo_tree_ctrl.h"
#include "gui/tree/tree_model.h"
#include "core/collection/catalogue.h"
#include "gui/edit/edit_dlg.h"
#include "core/platform/code_page.h"
#include "core/platform/message_box.h"
#include "gui/platform/message_text.h"
#include "gui/platform/path_text.h"
#include "gui/platform/text_codec.h"
#include "gui/platform/translation.h"

namespace lumo {

namespace {

constexpr char kUnreadableName[] = QT_TRANSLATE_NOOP(
    "Lumo", "This name holds bytes that are no characters of the %1 character set, so it cannot be edited: its bytes are kept "
    "as they are.\nIf the names look wrong, choose their character set in the Options, then Refresh.");

void AddCommand(QMenu& menu, int id, const char* text, bool enabled) {
  QAction* action = menu.addAction(Tr("Lumo", text));
  action->setData(id);
  action->setEnabled(enabled);
}

bool Confirmed(const std::string& question) {
  return lumo::ShowMessageBox(question, lumo::MessageButtons::YesNo, lumo::MessageIcon::Question) ==
         lumo::kAnswerYes;
}

}  // namespace

TreeContextMenu::TreeContextMenu(LumoTreeCtrl& tree, Catalogue& catalogue, QWidget* owner,
                                 std::function<void()> countsChanged)
    : tree_(tree), catalogue_(catalogue), owner_(owner), countsChanged_(std::move(countsChanged)) {}

int TreeContextMenu::RunMenu(QMenu& menu, QPoint globalPos) {
  // A screen reader chooses by triggering the item's action, which the
  // menu's own loop does not return: the trigger itself is taken as the
  // choice, and the menu closed.
  const QAction* triggered = nullptr;
  QObject::connect(&menu, &QMenu::triggered, &menu, [&menu, &triggered](QAction* action) {
    triggered = action;
    menu.close();
  });
  const QAction* chosen = menu.exec(globalPos);
  if (chosen == nullptr) chosen = triggered;
  return chosen != nullptr ? chosen->data().toInt() : kNone;
}

int TreeContextMenu::RunEditDialog(CatalogueItem& record, const CatalogueItem* parent, QWidget* owner) {
  // A name with bytes the code page does not define could not be written
  // back as it is: it is kept, not edited.
  const lumo::CodePage& page = lumo::CollectionCodePage();
  if (!page.IsReadable(record.text) || (parent != nullptr && !page.IsReadable(parent->text))) {
    lumo::ShowMessageBox(lumo::FillIn(lumo::TrUtf8("Lumo", kUnreadableName), "%1", lumo::CodePageTitle(page.Number()).toStdString()),
                         lumo::MessageButtons::Ok, lumo::MessageIcon::Warning);
    return kIdCancel;
  }
  EditDlg dialog(record, parent, owner);
  return dialog.DoModal();
}

void TreeContextMenu::OnRightClick(QPoint viewportPos) {
  const TreeHitTest hit = tree_.HitTest(viewportPos);
  if (hit.item == nullptr || hit.where != TreeHit::OnItemLabel) return;
  tree_.SelectItem(hit.item);
  OpenMenu(hit.item, tree_.viewport()->mapToGlobal(viewportPos));
}

void TreeContextMenu::OnMenuKey() {
  TreeItem* item = tree_.GetSelectedItem();
  if (tree_.GetItemRecord(item) == nullptr) return Refuse();
  const QModelIndex index = tree_.Model()->IndexOf(item);
  tree_.scrollTo(index);
  // Below the start of the label, where the menu of a click on it would open.
  const QRect label = tree_.visualRect(index);
  OpenMenu(item, tree_.viewport()->mapToGlobal(QPoint(label.left(), label.bottom())));
}

void TreeContextMenu::EditSelected() {
  TreeItem* item = tree_.GetSelectedItem();
  CatalogueItem* record = tree_.GetItemRecord(item);
  if (record == nullptr) return Refuse();
  Edit(item, *record, ParentRecord(item, *record));
}

void TreeContextMenu::DeleteSelected() {
  TreeItem* item = tree_.GetSelectedItem();
  CatalogueItem* record = tree_.GetItemRecord(item);
  if (record == nullptr || record->kind == ItemKind::Track) return Refuse();
  Carry(kDelete, item, *record, nullptr);
}

void TreeContextMenu::OpenMenu(TreeItem* item, QPoint globalPos) {
  CatalogueItem* record = tree_.GetItemRecord(item);
  if (record == nullptr) return;
  // Made for this use only and gone when the command is done.
  QMenu menu(owner_);
  AddCommand(menu, kDelete, QT_TRANSLATE_NOOP("Lumo", "&Delete"), record->kind != ItemKind::Track);
  AddCommand(menu, kEdit, QT_TRANSLATE_NOOP("Lumo", "&Edit"), true);
  AddCommand(menu, kMove, QT_TRANSLATE_NOOP("Lumo", "&Move"), record->kind == ItemKind::Album);
  const int command = runMenu_(menu, globalPos);
  Carry(command, item, *record, ParentRecord(item, *record));
}

// The album's artist or the track's album; none for an artist.
const CatalogueItem* TreeContextMenu::ParentRecord(TreeItem* item, const CatalogueItem& record) const {
  TreeItem* parent = record.kind != ItemKind::Artist ? tree_.GetParentItem(item) : nullptr;
  return parent != nullptr ? tree_.GetItemRecord(parent) : nullptr;
}

// A key command with nothing it could act on.
void TreeContextMenu::Refuse() { QApplication::beep(); }

void TreeContextMenu::Carry(int command, TreeItem* item, CatalogueItem& record, const CatalogueItem* parent) {
  if (command == kEdit) {
    Edit(item, record, parent);
  } else if (command == kDelete && record.kind == ItemKind::Artist) {
    DeleteArtist(item);
  } else if (command == kDelete && record.kind == ItemKind::Album) {
    DeleteAlbum(item, record);
  } else if (command == kMove && record.kind == ItemKind::Album) {
    lumo::ShowMessageBox(lumo::TrUtf8("Lumo", kMoveMessage), lumo::MessageButtons::Ok, lumo::MessageIcon::Warning);
  }
}

void TreeContextMenu::Edit(TreeItem* item, CatalogueItem& record, const CatalogueItem* parent) {
  const std::string before = record.text;
  if (runEdit_(record, parent, owner_) != lumo::kIdOk) return;
  const bool written = record.kind == ItemKind::Artist ? catalogue_.RenameArtist(record.text, AlbumRecords(item))
                                                       : catalogue_.WriteItemName(record);
  if (!written) record.text = before;
  // Set in every case: a label follows its record's text.
  tree_.SetItemText(item, lumo::ItemLabel(record));
  if (!written) ReportWriteFailure();
}

void TreeContextMenu::DeleteArtist(TreeItem* artist) {
  if (!Confirmed(lumo::TrUtf8("Lumo", kDeleteArtistQuestion))) return;
  if (!catalogue_.DeleteAlbums(AlbumRecords(artist))) return ReportWriteFailure();
  while (TreeItem* album = tree_.GetChildItem(artist)) RemoveAlbumItem(album);
  tree_.DeleteItemWithData(artist);
  countsChanged_();
}

void TreeContextMenu::DeleteAlbum(TreeItem* album, const CatalogueItem& record) {
  if (!Confirmed(lumo::TrUtf8("Lumo", kDeleteAlbumQuestion))) return;
  TreeItem* artist = tree_.GetParentItem(album);
  const bool lastOfArtist = artist != nullptr && artist->ChildCount() == 1;
  if (!catalogue_.DeleteAlbum(record, lastOfArtist)) return ReportWriteFailure();
  RemoveAlbumItem(album);
  if (lastOfArtist) tree_.DeleteItemWithData(artist);
  countsChanged_();
}

void TreeContextMenu::RemoveAlbumItem(TreeItem* album) {
  tree_.DeleteChildrenWithData(album);
  tree_.DeleteItemWithData(album);
}

std::vector<const CatalogueItem*> TreeContextMenu::AlbumRecords(TreeItem* artist) const {
  std::vector<const CatalogueItem*> albums;
  for (TreeItem* album = tree_.GetChildItem(artist); album != nullptr; album = tree_.GetNextSiblingItem(album)) {
    if (const CatalogueItem* record = tree_.GetItemRecord(album)) albums.push_back(record);
  }
  return albums;
}

void TreeContextMenu::ReportWriteFailure() const { lumo::ReportWriteFailure(catalogue_, QT_TRANSLATE_NOOP("Lumo", "The change could not be written to")); }

void ReportWriteFailure(const Catalogue& catalogue, const char* lead) {
  const std::string file = lumo::PathForMessage(catalogue.Document().GetFile());
  const std::string why = lumo::MessageText(catalogue.LastWriteError());
  const std::string text = lumo::TrUtf8("Lumo", lead) + "\n" + file + "\n\n" + why + "\n\n" +
                           lumo::TrUtf8("Lumo", "Nothing has been changed.");
  lumo::ShowMessageBox(text, lumo::MessageButtons::Ok, lumo::MessageIcon::Warning);
}

}  // namespace lumo
