#include "gui/edit/cleanup_pages.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>

#include <algorithm>
#include <utility>

#include "core/catalogue/catalogue_build.h"
#include "core/collection/similar_artists.h"
#include "core/ini/ini_document.h"
#include "gui/platform/text_codec.h"
#include "gui/platform/translation.h"

namespace lumo {

void NameListAfterLabel(LumoDialog& page, int labelId, int listId) {
  auto* label = page.ControlAs<QLabel>(labelId);
  QWidget* list = page.Control(listId);
  if (label == nullptr || list == nullptr) return;
  label->setBuddy(list);
  list->setAccessibleName(QString(label->text()).remove(QLatin1Char('&')));
}

void FillList(QListWidget& list, const QStringList& rows, int selected) {
  const QSignalBlocker quiet(list);
  list.clear();
  list.addItems(rows);
  list.setCurrentRow(rows.empty() ? -1 : std::clamp(selected, 0, static_cast<int>(rows.size()) - 1));
}

void CleanupPage::OnCancel() {
  if (QWidget* dialog = window(); dialog != this) dialog->close();
}

DuplicatePage::DuplicatePage(const IniDocument& document, Remove remove, QWidget* parent)
    : CleanupPage(kTemplate, parent), document_(document), remove_(std::move(remove)) {
  if (auto* entries = ControlAs<QListWidget>(kEntries)) {
    connect(entries, &QListWidget::currentRowChanged, this, &DuplicatePage::ShowTracks);
  }
}

bool DuplicatePage::OnInitDialog() {
  NameListAfterLabel(*this, kEntriesLabel, kEntries);
  NameListAfterLabel(*this, kTracksLabel, kTracks);
  return false;
}

void DuplicatePage::Fill(const std::vector<AlbumIdentity>& albums) {
  auto* entries = ControlAs<QListWidget>(kEntries);
  if (entries == nullptr) return;
  rows_.clear();
  QStringList texts;
  for (const DuplicateGroup& group : FindDuplicateAlbums(albums)) {
    for (const DuplicateEntry& entry : group.entries) {
      QString row = Tr("Lumo", kRowPattern)
                        .arg(FromName(entry.cdKey), FromName(group.artist),
                             FromName(group.title), QString::number(entry.tracks));
      if (&entry == &group.entries.front()) row += Tr("Lumo", kShownMark);
      texts.push_back(row);
      rows_.push_back(entry);
    }
  }
  FillList(*entries, texts, entries->currentRow());
  ShowTracks(entries->currentRow());
  if (QWidget* button = Control(kDelete)) button->setEnabled(!rows_.empty());
}

void DuplicatePage::ShowTracks(int row) {
  auto* tracks = ControlAs<QListWidget>(kTracks);
  if (tracks == nullptr) return;
  QStringList labels;
  const IniSection* section = row >= 0 && row < static_cast<int>(rows_.size())
                                  ? document_.FindSection(rows_[static_cast<std::size_t>(row)].cdKey)
                                  : nullptr;
  if (section != nullptr) {
    const std::vector<std::string> names = AlbumTrackNames(*section);
    for (std::size_t i = 0; i < names.size(); ++i) labels.push_back(FromName(TrackLabel(static_cast<int16_t>(i), names[i])));
  }
  FillList(*tracks, labels, 0);
}

bool DuplicatePage::OnCommand(int id) {
  if (id != kDelete) return CleanupPage::OnCommand(id);
  Delete();
  return true;
}

void DuplicatePage::Delete() {
  const int row = ControlAs<QListWidget>(kEntries)->currentRow();
  if (row < 0 || row >= static_cast<int>(rows_.size())) return QApplication::beep();
  remove_(rows_[static_cast<std::size_t>(row)].cdKey);
}

SimilarPage::SimilarPage(const IniDocument& document, Merge merge, QWidget* parent)
    : CleanupPage(kTemplate, parent), document_(document), merge_(std::move(merge)) {
  if (auto* groups = ControlAs<QListWidget>(kGroups)) {
    connect(groups, &QListWidget::currentRowChanged, this, &SimilarPage::ShowSpellings);
  }
}

bool SimilarPage::OnInitDialog() {
  NameListAfterLabel(*this, kGroupsLabel, kGroups);
  NameListAfterLabel(*this, kSpellingsLabel, kSpellings);
  return false;
}

void SimilarPage::Fill(const std::vector<AlbumIdentity>& albums) {
  auto* list = ControlAs<QListWidget>(kGroups);
  if (list == nullptr) return;
  groups_ = FindSimilarArtists(albums);
  QStringList texts;
  for (const std::vector<std::string>& group : groups_) {
    QStringList spellings;
    for (const std::string& spelling : group) spellings.push_back(FromName(spelling));
    texts.push_back(spellings.join(QString::fromLatin1(kSpellingSeparator)));
  }
  FillList(*list, texts, list->currentRow());
  ShowSpellings(list->currentRow());
  if (QWidget* button = Control(kMerge)) button->setEnabled(!groups_.empty());
}

void SimilarPage::ShowSpellings(int row) {
  if (auto* spellings = ControlAs<QListWidget>(kSpellings)) {
    const bool valid = row >= 0 && row < static_cast<int>(groups_.size());
    QStringList texts;
    if (valid) {
      for (const std::string& spelling : groups_[static_cast<std::size_t>(row)]) texts.push_back(FromName(spelling));
    }
    FillList(*spellings, texts, 0);
  }
}

bool SimilarPage::OnCommand(int id) {
  if (id != kMerge) return CleanupPage::OnCommand(id);
  MergeSelected();
  return true;
}

void SimilarPage::MergeSelected() {
  const int row = ControlAs<QListWidget>(kGroups)->currentRow();
  const int chosen = ControlAs<QListWidget>(kSpellings)->currentRow();
  if (row < 0 || row >= static_cast<int>(groups_.size())) return QApplication::beep();
  const std::vector<std::string>& group = groups_[static_cast<std::size_t>(row)];
  if (chosen < 0 || chosen >= static_cast<int>(group.size())) return QApplication::beep();
  merge_(group, group[static_cast<std::size_t>(chosen)]);
}

}  // namespace lumo
