#include "gui/main/lumo_dlg.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "core/collection/code_page_guess.h"
#include "core/platform/code_page.h"
#include "gui/about/about_dlg.h"
#include "core/about/about_info.h"
#include "core/about/about_texts.h"
#include "gui/about/about_window.h"
#include "gui/about/desktop_launch.h"
#include "gui/main/animation_ctrl.h"
#include "gui/main/artwork.h"
#include "gui/main/file_choice.h"
#include "gui/main/import_command.h"
#include "gui/main/find_dlg.h"
#include "gui/main/load_messages.h"
#include "gui/main/open_queue.h"
#include "gui/main/recent_menu.h"
#include "gui/main/status_line.h"
#include "core/catalogue/selection_place.h"
#include "gui/tree/lumo_tree_ctrl.h"
#include "gui/main/progress_dlg.h"
#include "gui/main/duplicate_notify.h"
#include "gui/tree/tree_model.h"
#include "core/catalogue/catalogue_item.h"
#include "gui/edit/cleanup_commands.h"
#include "gui/edit/tree_context_menu.h"
#include "core/platform/message_box.h"
#include "gui/platform/path_text.h"
#include "core/platform/profile.h"
#include "gui/platform/text_codec.h"
#include "gui/platform/translation.h"
#include "core/settings/settings.h"
#include "gui/report/report_dlg.h"
#include "gui/settings/options_dlg.h"
#include "gui/widgets/button_factory.h"

namespace lumo {

namespace {

// The private message, posted while the window opens, that runs the first
// load once the window is on the screen.
const auto kStartUpMessage = static_cast<QEvent::Type>(QEvent::User + 500);

constexpr const char* kArtistsCount = QT_TRANSLATE_NOOP("Lumo", "%1 artists");
constexpr const char* kAlbumsCount = QT_TRANSLATE_NOOP("Lumo", "%1 albums");

std::string CountText(int64_t count, const char* noun) {
  char text[48];
  std::snprintf(text, sizeof text, "%lld", static_cast<long long>(count));
  return lumo::FillIn(lumo::TrUtf8("Lumo", noun), "%1", text);
}

// A count with this many digits still fits when the layout is translated:
// the Info box and its column grow for it when they are built.
constexpr int64_t kWidestCount = 99999;

// The tree and the animation are our own controls; the rest are the
// builder's, the counts with room for the widest count.
QWidget* MakeMainControl(const lumo::ControlTemplate& control, QWidget* parent) {
  if (control.id == CLumoDlg::kTree) return new LumoTreeCtrl(parent);
  if (control.id == CLumoDlg::kAnimation) return new AnimationCtrl(parent);
  if (control.id != CLumoDlg::kArtistCount && control.id != CLumoDlg::kAlbumCount) return nullptr;
  QWidget* count = lumo::DialogBuilder::MakeDefaultControl(control, parent);
  const char* noun = control.id == CLumoDlg::kArtistCount ? kArtistsCount : kAlbumsCount;
  count->setProperty(lumo::kRoomForTextProperty, QString::fromStdString(CountText(kWidestCount, noun)));
  return count;
}

// The counts must be read whole, even where the desktop's font is wider
// than the one the layout was drawn for: a count that does not fit on its
// line grows sideways, centred, within the "Info" box.
void ShowCount(QLabel* label, const QWidget* infoBox, const std::string& text) {
  label->setWordWrap(false);
  label->setText(QString::fromStdString(text));
  const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 4;
  if (needed <= label->width() || infoBox == nullptr) return;
  QRect inside = infoBox->geometry().adjusted(2, 0, -2, 0);
  int width = std::min(needed, inside.width());
  int left = std::max(inside.left(), label->geometry().center().x() - width / 2);
  label->setGeometry(std::min(left, inside.right() - width + 1), label->y(), width, label->height());
}

std::string TooManyRowsText(int64_t rows) {
  const std::string text =
      lumo::TrUtf8("Lumo",
                   "The All level would show %1 rows, more than the %2 that can be shown at once.\n"
                   "Choose Album and open the albums you want, or use Find to go to a name.");
  return lumo::FillIn(lumo::FillIn(text, "%1", std::to_string(rows)), "%2",
                      std::to_string(LumoTreeCtrl::kMaxAllLevelRows));
}

void FillAboutInfo(const QIcon& icon, QWidget* owner) {
  FillProgramAboutInfo(TheAboutInfo());
  TheAboutWindowInfo().icon = icon;
  TheAboutWindowInfo().ownerWindow = owner;
}

}  // namespace

class CLumoDlg::BusyScope {
 public:
  explicit BusyScope(CLumoDlg& window) : window_(window) { ++window_.busy_; }
  ~BusyScope() { window_.EndBusy(); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  CLumoDlg& window_;
};

void CLumoDlg::EndBusy() {
  if (--busy_ > 0 || pendingClose_ == 0) return;
  QMetaObject::invokeMethod(
      this, [this, result = std::exchange(pendingClose_, 0)] { CloseWindow(result); }, Qt::QueuedConnection);
}

CLumoDlg::CLumoDlg(QWidget* parent) : CLumoDlg(std::make_unique<lumo::Settings>(), parent) {}

// The settings object is made before the base, which keeps a reference to
// it; moving the pointer into the member does not move the object.
CLumoDlg::CLumoDlg(std::unique_ptr<lumo::Settings> settings, QWidget* parent)
    : CResizingDialog(kTemplate, *settings, parent, RoundButtonFactory({kReport, kExit, kAbout}, MakeMainControl)),
      tree_(ControlAs<LumoTreeCtrl>(kTree)),
      animation_(ControlAs<AnimationCtrl>(kAnimation)),
      icon_(artwork::ProgramIcon()),
      settings_(std::move(settings)),
      status_(std::make_unique<StatusLine>(ControlAs<QLabel>(kStatusLine))),
      openQueue_(new OpenQueue([this] { return IsIdle(); }, [this](const std::string& path) { OpenFile(path); }, this)) {
  FillAboutInfo(icon_, this);
  setAcceptDrops(true);
  recent_ = std::make_unique<RecentFilesMenu>(*settings_, MenuBar());
  RegisterResizableControls();
  if (QAction* redo = FindMenuAction(MenuBar(), kMenuRedo)) {
    redo->setShortcuts({redo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
  }
  UpdateEditMenu();
  ConnectTree();
}

CLumoDlg::~CLumoDlg() = default;

void CLumoDlg::ConnectTree() {
  contextMenu_ = std::make_unique<TreeContextMenu>(*tree_, catalogue_, this, [this] { UpdateCounts(); });
  catalogue_.SetHistoryListener([this] { UpdateEditMenu(); });
  cleanup_ = std::make_unique<CleanupCommands>(
      catalogue_, this, [this] { ShowFileAgain(); }, [this](const QString& note) { ShowStatusNote(note); });
  connect(tree_, &LumoTreeCtrl::rightClicked, this, [this](QPoint at) {
    BusyScope busy(*this);
    contextMenu_->OnRightClick(at);
  });
  connect(tree_, &LumoTreeCtrl::selectionChangedTo, this, &CLumoDlg::OnSelectionChanged);
  connect(tree_, &LumoTreeCtrl::itemExpandedByUser, this, &CLumoDlg::OnItemExpandedByUser);
  ConnectTreeKeys();
}

// The tree's commands from the keyboard, while the tree has the focus.
void CLumoDlg::ConnectTreeKeys() {
  const auto bind = [this](const QKeySequence& keys, void (TreeContextMenu::*command)()) {
    auto* shortcut = new QShortcut(keys, tree_, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, command] {
      BusyScope busy(*this);
      (contextMenu_.get()->*command)();
    });
  };
  bind(QKeySequence(Qt::Key_Menu), &TreeContextMenu::OnMenuKey);
  bind(QKeySequence(Qt::SHIFT | Qt::Key_F10), &TreeContextMenu::OnMenuKey);
  bind(QKeySequence(Qt::Key_F2), &TreeContextMenu::EditSelected);
  bind(QKeySequence(Qt::Key_Delete), &TreeContextMenu::DeleteSelected);
}

void CLumoDlg::RegisterResizableControls() {
  AddControl(kTree, kStretchWidth | kStretchHeight);
  for (int id : {kExit, kAbout, kReport}) AddControl(id, kMoveRight | kMoveDown);
  for (int id : {kCdKeyBox, kDisplayBox, kLevelArtist, kLevelAlbum, kLevelAll, kLevelCustom, kAnimation, kInfoBox,
                 kArtistCount, kAlbumCount}) {
    AddControl(id, kMoveRight);
  }
  AddControl(kStatusLine, kStretchWidth | kMoveDown);
}

bool CLumoDlg::OnInitDialog() {
  CResizingDialog::OnInitDialog();
  setWindowIcon(icon_);
  animation_->Open(artwork::AnimationFrames(), artwork::kAnimationFramesPerSecond);
  SetUpToolTips();
  QCoreApplication::postEvent(this, new QEvent(kStartUpMessage));
  return true;
}

void CLumoDlg::SetUpToolTips() {
  toolTips_ = std::make_unique<lumo::ToolTips>(*this);
  for (int id : {kCdKeyBox, kLevelArtist, kLevelAlbum, kLevelAll, kLevelCustom, kArtistCount, kAlbumCount,
                 kStatusLine}) {
    toolTips_->AddTool(id);
  }
  toolTips_->Activate(settings_->GetOptions().showToolTips != 0);
}

void CLumoDlg::DoDataExchange(lumo::DataExchange& exchange) {
  exchange.Text(kCdKeyBox, cdKeyText_, lumo::CollectionCodePage());
  exchange.Radio(kLevelArtist, displayLevel_);
}

bool CLumoDlg::event(QEvent* event) {
  if (event->type() == kStartUpMessage) {
    StartUpLoad();
    return true;
  }
  return CResizingDialog::event(event);
}

bool CLumoDlg::OnCommand(int id) {
  status_->EndNote();
  if (const std::optional<std::string> file = recent_->FileOf(id)) {
    // A recent file that can no longer be opened leaves the list.
    if (!OpenFile(*file)) recent_->Forget(*file);
    return true;
  }
  switch (id) {
    case kMenuOpen: ChooseFileToOpen(); return true;
    case kMenuImport: Import(); return true;
    case kMenuClearRecent: recent_->Clear(); return true;
    case kMenuRefresh: Refresh(); return true;
    case kMenuPreferences: Preferences(); return true;
    case kReport: case kMenuReport: Report(); return true;
    case kAbout: case kMenuAbout: ShowAbout(TheAboutInfo()); return true;
    case kMenuMail: lumo::SendFeedbackMail(TheAboutInfo()); return true;
    case kMenuWeb: lumo::OpenWebPage(TheAboutInfo()); return true;
    case kMenuDocs: lumo::OpenDocumentation(TheAboutInfo()); return true;
    case kMenuUndo: UndoOrRedo(true); return true;
    case kMenuRedo: UndoOrRedo(false); return true;
    case kMenuFind: ShowFind(); return true;
    case kMenuFindNext: Find(FindDirection::Next); return true;
    case kMenuFindPrevious: Find(FindDirection::Previous); return true;
    case kMenuDuplicates: Cleanup(&CleanupCommands::ShowDuplicates); return true;
    case kMenuReplace: Cleanup(&CleanupCommands::ShowReplace); return true;
    case kLevelArtist: case kLevelAlbum: case kLevelAll: case kLevelCustom: ApplyDisplayLevel(false); return true;
    default: return CResizingDialog::OnCommand(id);
  }
}

// A file named on the command line that cannot be loaded is said so; the
// search along the path then runs as usual. Finding nothing at the first
// start is no error: the status line says what to do.
void CLumoDlg::StartUpLoad() {
  if (startFile_.empty() || !OpenFile(std::exchange(startFile_, {}))) {
    LoadCatalogue();
    if (!TellWhyNotLoaded(lastSearch_) && lastSearch_.verdict == lumo::SearchVerdict::NotFound) {
      ShowTextNote(kTextNothingFound);
    }
  }
  ShowCdKeyBox();
  ApplyDisplayLevel(true);
  startedUp_ = true;
}

void CLumoDlg::Refresh() {
  if (!openedFile_.empty()) {
    OpenFile(openedFile_);
    return;
  }
  if (LoadCatalogue()) {
    ApplyDisplayLevel(true);
    return;
  }
  // The tree is empty now: the counts must not go on showing the old numbers.
  UpdateCounts();
  if (TellWhyNotLoaded(lastSearch_)) return;
  lumo::ShowMessageBox(lumo::TrUtf8("Lumo", "Can't find cdplayer.ini.\nPlease check the path and try again"), lumo::MessageButtons::Ok,
                       lumo::MessageIcon::Stop);
}

// The new options are in effect for the rest of the run even when they
// could not be written.
void CLumoDlg::Preferences() {
  LumoOptionsDlg options(settings_->GetOptions(), this);
  if (options.DoModal() != lumo::kIdOk) return;
  // A new search path is what Refresh follows from now on.
  if (options.Values().searchPath != settings_->GetOptions().searchPath) openedFile_.clear();
  if (!settings_->SaveOptions(options.Values())) {
    lumo::ShowMessageBox(kOptionsNotSaved, lumo::MessageButtons::Ok, lumo::MessageIcon::Stop);
  }
  ShowCdKeyBox();
  ApplyDisplayLevel(false);
}

// One report dialog serves the whole run, so its file names carry over.
void CLumoDlg::Report() {
  if (report_ == nullptr) {
    report_ = new LumoReportDlg(*tree_->Model()->Root(), *settings_,
                                {TheAboutInfo().name, TheAboutInfo().version, kMakerPageUrl}, this);
  }
  report_->SetCollectionFile(loaded_ ? lumo::profile::ResolvePath(catalogue_.Document().GetFile()) : std::string());
  report_->DoModal();
}

// Takes back (or makes again) the last change to the file, then shows the
// file as it now is: same display level, same item selected where it still
// exists. The collection's duplicates were reported when it was loaded.
void CLumoDlg::UndoOrRedo(bool undo) {
  if (!loaded_ || !(undo ? catalogue_.History().NextUndo() : catalogue_.History().NextRedo())) return;
  BusyScope busy(*this);
  if (!(undo ? catalogue_.Undo() : catalogue_.Redo())) {
    ReportWriteFailure(catalogue_, undo ? QT_TRANSLATE_NOOP("Lumo", "The change could not be undone in")
                                     : QT_TRANSLATE_NOOP("Lumo", "The change could not be redone in"));
    return;
  }
  ShowFileAgain();
}

// The tree built again from the document as last written, at the same
// display level and with the same item selected where it still exists.
void CLumoDlg::ShowFileAgain() {
  const SelectionPlace place = RememberSelection(tree_->GetSelectedItem());
  UpdateData(true);
  const int level = displayLevel_;
  RebuildTree({});
  displayLevel_ = level;
  UpdateData(false);
  if (TreeItem* item = FindPlace(*tree_->Model()->Root(), place)) {
    tree_->EnsureVisible(item);
    tree_->SelectItem(item);
  }
  ApplyDisplayLevel(true);
}

void CLumoDlg::Import() {
  if (!loaded_) {
    ShowTextNote(kTextNothingFound, {});
    return;
  }
  BusyScope busy(*this);
  const int added = ImportCollection(this, catalogue_, lastSearch_.path);
  if (added == 0) return;
  ShowFileAgain();
  ShowTextNote(kTextImported, std::to_string(added));
}

// The clean-up dialogs work on a loaded file only.
void CLumoDlg::Cleanup(void (CleanupCommands::*command)()) {
  if (!loaded_) return;
  BusyScope busy(*this);
  (cleanup_.get()->*command)();
}

// "Undo Rename Album", greyed when there is nothing to take back.
void CLumoDlg::UpdateEditMenu() {
  const UndoHistory& history = catalogue_.History();
  const UndoHistory::Step* undo = loaded_ ? history.NextUndo() : nullptr;
  const UndoHistory::Step* redo = loaded_ ? history.NextRedo() : nullptr;
  if (QAction* action = FindMenuAction(MenuBar(), kMenuUndo)) {
    action->setText(undo ? lumo::Tr("Menu", "&Undo %1").arg(lumo::Tr("Undo", undo->name.c_str())) : lumo::Tr("Menu", "&Undo"));
    action->setEnabled(undo != nullptr);
  }
  if (QAction* action = FindMenuAction(MenuBar(), kMenuRedo)) {
    action->setText(redo ? lumo::Tr("Menu", "&Redo %1").arg(lumo::Tr("Undo", redo->name.c_str())) : lumo::Tr("Menu", "&Redo"));
    action->setEnabled(redo != nullptr);
  }
}

void CLumoDlg::ShowFind() {
  if (find_ == nullptr) find_ = new FindDlg([this](FindDirection direction) { Find(direction); }, this);
  if (!find_->isVisible()) find_->CreateModeless(this);
  find_->show();
  find_->raise();
  find_->activateWindow();
}

// Finds from the selected item onwards (or backwards), wrapping round once.
// The items above a match are opened by the program, so the display level
// stays what it was.
void CLumoDlg::Find(FindDirection direction) {
  if (find_ == nullptr || !find_->ReadOptions()) return ShowFind();
  const FindResult found = FindInTree(*tree_->Model()->Root(), tree_->GetSelectedItem(), find_->Options(), direction);
  if (found.item == nullptr) {
    lumo::ShowMessageBox(lumo::FillIn(lumo::TrUtf8("Lumo", "Cannot find \"%1\"."), "%1", lumo::CollectionCodePage().ToUtf8(find_->Options().text)), lumo::MessageButtons::Ok,
                         lumo::MessageIcon::Information);
    return;
  }
  tree_->EnsureVisible(found.item);
  tree_->SelectItem(found.item);
  if (found.wrapped) {
    ShowStatusNote(direction == FindDirection::Next ? lumo::Tr("Lumo", "Passed the end; searched on from the top.")
                                                    : lumo::Tr("Lumo", "Passed the top; searched on from the end."));
  }
}

// A note in place of the path until the next command or load.
void CLumoDlg::ShowStatusNote(const QString& note) { status_->ShowNote(note); }

// A note of the string table, "%1" standing for `path`.
void CLumoDlg::ShowTextNote(int textId, const std::string& path) {
  const std::string text = lumo::StringText(textId);
  if (!text.empty()) ShowStatusNote(QString::fromStdString(lumo::FillIn(text, "%1", lumo::PathForMessage(path))));
}

bool CLumoDlg::LoadCatalogue() {
  openedFile_.clear();
  return Load({}).verdict == lumo::SearchVerdict::Loaded;
}

bool CLumoDlg::OpenFile(const std::string& path) {
  // An empty name would be a search along the path.
  const lumo::SearchOutcome outcome = path.empty() ? lumo::SearchOutcome{} : Load(path);
  if (outcome.verdict != lumo::SearchVerdict::Loaded) {
    TellWhyNotOpened(path, outcome);
    return false;
  }
  openedFile_ = outcome.path;
  ShowCdKeyBox();
  ApplyDisplayLevel(true);
  return true;
}

// Loads `file`, or along the search path when it is empty, with the
// progress panel up, and shows what was loaded. A file named that cannot be
// loaded changes nothing: the outcome says why.
lumo::SearchOutcome CLumoDlg::Load(const std::string& file) {
  BusyScope busy(*this);
  UpdateData(true);
  LumoProgressDlg progress;
  progress.CreateModeless(this);
  const Catalogue::Progress loading = [&progress](int percent) { progress.SetLoaded(percent); };
  lumo::SearchOutcome outcome = file.empty() ? catalogue_.LoadAlong(settings_->GetOptions().searchPath, loading)
                                             : catalogue_.Open(file, loading);
  if (!file.empty() && outcome.verdict != lumo::SearchVerdict::Loaded) return outcome;
  // Names are read in the code page chosen when the file is loaded; a
  // choice made since then waits for the next load.
  lumo::UseCollectionCodePage(settings_->GetOptions().codePage);
  lastSearch_ = outcome;
  loaded_ = lastSearch_.verdict == lumo::SearchVerdict::Loaded;
  RebuildTree(AskAboutDuplicates(this), [&progress](int percent) { progress.SetFormatted(percent); });
  UpdateData(false);
  status_->ShowPath(loaded_ ? lastSearch_.path : std::string());
  if (loaded_) {
    recent_->Remember(lastSearch_.path);
    if (catalogue_.AlbumCount() == 0) ShowTextNote(kTextNoAlbums, lastSearch_.path);
    SuggestCodePage();
  }
  return outcome;
}

// Names read as Western European that look typed in another code page:
// the status line says which, and leaves the choice to the user.
void CLumoDlg::SuggestCodePage() {
  if (!lumo::CollectionCodePage().IsWindows1252()) return;
  const int likely = lumo::GuessCollectionCodePage(catalogue_.Document());
  if (likely == 0) return;
  ShowStatusNote(lumo::Tr("Lumo", "The names look typed in %1: choose it as the character set in the Options, then Refresh.")
                     .arg(lumo::CodePageTitle(likely)));
}

void CLumoDlg::ChooseFileToOpen() {
  if (const std::optional<std::string> path = ChooseCollectionFile(this, loaded_ ? lastSearch_.path : std::string())) {
    OpenFile(*path);
  }
}

void CLumoDlg::RequestOpen(std::string path) { openQueue_->Request(std::move(path)); }

// Idle: the first load done, no load or tree command under way, no menu
// open, and no dialog or message box above the window.
bool CLumoDlg::IsIdle() const {
  const QWidget* modal = QApplication::activeModalWidget();
  return startedUp_ && busy_ == 0 && QApplication::activePopupWidget() == nullptr && (modal == nullptr || modal == this);
}

void CLumoDlg::dragEnterEvent(QDragEnterEvent* event) {
  if (DroppedFile(event->mimeData())) event->acceptProposedAction();
}

void CLumoDlg::dropEvent(QDropEvent* event) {
  if (std::optional<std::string> path = DroppedFile(event->mimeData())) {
    event->acceptProposedAction();
    RequestOpen(std::move(*path));
  }
}

void CLumoDlg::RebuildTree(lumo::WindowTree::DuplicateQuestion question, const Catalogue::Progress& formatted) {
  tree_->DeleteAllWithData();
  if (loaded_) {
    lumo::WindowTree target(*tree_, std::move(question));
    catalogue_.BuildTree(target, formatted);
  } else {
    catalogue_.ClearCounts();
  }
  cdKeyText_.clear();
  displayLevel_ = static_cast<int>(DisplayLevel::Artist);
}

void CLumoDlg::ApplyDisplayLevel(bool sort) {
  if (!loaded_) return;
  applyingLevel_ = true;
  const int previous = displayLevel_;
  UpdateData(true);
  if (GetDisplayLevel() == DisplayLevel::All && !tree_->CanShowAll()) {
    // Laying out that many rows would take minutes and gigabytes.
    lumo::ShowMessageBox(TooManyRowsText(tree_->GetCount()), lumo::MessageButtons::Ok, lumo::MessageIcon::Information);
    displayLevel_ = previous != static_cast<int>(DisplayLevel::All) ? previous : static_cast<int>(DisplayLevel::Album);
  }
  tree_->ApplyDisplayLevel(GetDisplayLevel(), sort);
  UpdateCounts();
  UpdateData(false);
  applyingLevel_ = false;
}

void CLumoDlg::UpdateCounts() {
  if (auto* artists = ControlAs<QLabel>(kArtistCount)) {
    ShowCount(artists, Control(kInfoBox), CountText(catalogue_.ArtistCount(), kArtistsCount));
  }
  if (auto* albums = ControlAs<QLabel>(kAlbumCount)) {
    ShowCount(albums, Control(kInfoBox), CountText(catalogue_.AlbumCount(), kAlbumsCount));
  }
}

void CLumoDlg::ShowCdKeyBox() {
  QWidget* box = Control(kCdKeyBox);
  if (!box) return;
  box->setAttribute(Qt::WA_ShowWithoutActivating);
  box->setVisible(settings_->GetOptions().showCdKeys != 0);
}

// A dialog or message box in front of the window comes up with it and keeps
// the keys: activating the window it blocks would leave neither active once
// it closes.
void CLumoDlg::BringToFront() {
  raise();
  QWidget* modal = QApplication::activeModalWidget();
  QWidget* front = modal != nullptr && modal->isVisible() ? modal : this;
  front->raise();
  front->activateWindow();
}

void CLumoDlg::OnSelectionChanged(TreeItem* item) {
  UpdateData(true);
  const CatalogueItem* record = tree_->GetItemRecord(item);
  cdKeyText_ = record && record->kind == ItemKind::Album ? record->cdKey : std::string();
  UpdateData(false);
}

void CLumoDlg::OnItemExpandedByUser() {
  if (applyingLevel_ || GetDisplayLevel() == DisplayLevel::Custom) return;
  UpdateData(true);
  displayLevel_ = static_cast<int>(DisplayLevel::Custom);
  UpdateData(false);
}

// Enter with no button to press ends the program, as Exit does; the records
// are freed the same way.
void CLumoDlg::OnOK() {
  UpdateData(true);
  CloseWindow(lumo::kIdOk);
}

void CLumoDlg::OnCancel() { CloseWindow(lumo::kIdCancel); }

void CLumoDlg::CloseWindow(int result) {
  if (busy_ > 0) {
    pendingClose_ = result;
    return;
  }
  tree_->DeleteAllWithData();
  EndDialog(result);
}

}  // namespace lumo
