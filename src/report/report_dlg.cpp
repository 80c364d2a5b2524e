#include "report/report_dlg.h"

#include <QComboBox>
#include <QFile>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "app/lumo_tree_ctrl.h"
#include "platform/ini_syntax.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "platform/text_codec.h"
#include "report/csv_report.h"
#include "report/file_error.h"
#include "report/file_exception.h"
#include "report/html_report.h"
#include "report/report_target.h"

namespace {

constexpr char kSection[] = "report";
constexpr char kDefaultFileName[] = "Report.html";
constexpr char kDefaultTitle[] = "Output";

constexpr char kHtmlFilter[] =
    "HTML files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*||";
constexpr char kCsvFilter[] =
    "CSV files (*.csv)|*.csv|Text files (*.txt;*.asc)|*.txt;*.asc|All Files (*.*)|*.*||";

constexpr char kGenerated[] = "Report generated Ok";
constexpr char kGenerateFailed[] =
    "Failed to generate report.\nPossible causes are an incorrect filename, or the file "
    "specified may be in use by another application";
constexpr char kViewFailed[] =
    "Failed to execute the \"open\" verb on %s\nCheck that you have a default assocation for "
    "this file type";
constexpr char kChosenNameRefused[] =
    "The chosen file name contains characters that cannot be stored.\nPlease choose a name "
    "that uses only the characters of the Western European (Windows-1252) character set.";

bool IsFormat(int32_t type) {
  return type == LumoReportDlg::kHtmlFormat || type == LumoReportDlg::kCsvFormat;
}

// The name as the file system spells it: the settings keep Windows-1252,
// the disk wants its own encoding (UTF-8 here).
std::string LocalPath(const std::string& fileName) {
  return QFile::encodeName(lumo::FromWindows1252(fileName)).toStdString();
}

// The name is data, never a format: it goes in as it is.
std::string ViewFailedText(const std::string& fileName) {
  const std::string_view text = kViewFailed;
  const size_t at = text.find("%s");
  return std::string(text.substr(0, at)) + fileName + std::string(text.substr(at + 2));
}

// Blanks only count as no name at all (the classic C-locale white space).
bool HasText(const QString& text) {
  const std::optional<std::string> bytes = lumo::ToWindows1252(text);
  return !bytes || bytes->find_first_not_of(" \t\n\v\f\r") != std::string::npos;
}

const std::string& RecordText(const LumoTreeCtrl& tree, TreeItem* item) {
  static const std::string kNone;
  const CatalogueItem* record = tree.GetItemRecord(item);
  return record != nullptr ? record->text : kNone;
}

// Tracks are shown numbered from 1, so the report numbers them the same way.
int16_t TrackNumber(const LumoTreeCtrl& tree, TreeItem* item) {
  const CatalogueItem* record = tree.GetItemRecord(item);
  const int index = record != nullptr ? record->trackIndex : 0;
  return static_cast<int16_t>(std::min(index + 1, static_cast<int>(INT16_MAX)));
}

void Tell(const char* text, lumo::MessageIcon icon) {
  lumo::ShowMessageBox(text, lumo::MessageButtons::Ok, icon);
}

}  // namespace

LumoReportDlg::LumoReportDlg(LumoTreeCtrl& tree, QWidget* parent)
    : LumoDialog(143, parent), tree_(tree), chooser_(lumo::ChooseSaveFile) {}

LumoReportDlg::~LumoReportDlg() = default;

void LumoReportDlg::SetFileChooser(lumo::SaveFileChooser chooser) {
  chooser_ = chooser ? std::move(chooser) : lumo::SaveFileChooser(lumo::ChooseSaveFile);
}

void LumoReportDlg::SetShellOpener(lumo::ShellOpener opener) { opener_ = std::move(opener); }

void LumoReportDlg::SetCollectionFile(std::string path) { collectionFile_ = std::move(path); }

bool LumoReportDlg::OnInitDialog() {
  ReadSettings();
  shownType_ = reportType;
  EnableHtmlFields(reportType == kHtmlFormat);
  UpdateData(false);
  UpdateButtons();
  return true;
}

void LumoReportDlg::ReadSettings() {
  fileName = settings.GetString(kSection, "filename", kDefaultFileName);
  reportType = settings.GetInt(kSection, "type", kHtmlFormat);
  reportComment = settings.GetString(kSection, "comment", "");
  reportTitle = settings.GetString(kSection, "title", kDefaultTitle);
}

void LumoReportDlg::DoDataExchange(lumo::DataExchange& exchange) {
  exchange.Radio(kHtml, reportType);
  exchange.Text(kComment, reportComment);
  exchange.Text(kTitle, reportTitle);
  exchange.Text(kFileName, fileName);
}

bool LumoReportDlg::OnCommand(int id) {
  switch (id) {
    case kBrowse: Browse(); return true;
    case kReport: Generate(); return true;
    case kHtml: SwitchFormat(kHtmlFormat); return true;
    case kCsv: SwitchFormat(kCsvFormat); return true;
    case kView: View(); return true;
    default: return LumoDialog::OnCommand(id);
  }
}

void LumoReportDlg::OnEditChange(int id) {
  if (id == kFileName) UpdateButtons();
}

void LumoReportDlg::OnOK() {
  if (!UpdateData(true)) return;
  SaveSettings();
  EndDialog(lumo::kIdOk);
}

void LumoReportDlg::SaveSettings() {
  // Failed writes are not reported: losing the remembered settings is harmless.
  // Blanks at a value's end would not read back, and would make the write fail.
  auto stored = [](const std::string& text) { return std::string(lumo::ini::TrimEnd(text)); };
  settings.WriteString(kSection, "filename", stored(fileName));
  settings.WriteInt(kSection, "type", reportType, 10);
  settings.WriteString(kSection, "comment", stored(reportComment));
  settings.WriteString(kSection, "title", stored(reportTitle));
}

// Looks at the name field alone: a validating read here would complain at
// every keystroke about a text the user is still typing.
void LumoReportDlg::UpdateButtons() {
  auto* field = ControlAs<QComboBox>(kFileName);
  const bool named = field != nullptr && HasText(field->currentText());
  Control(kReport)->setEnabled(named);
  Control(kView)->setEnabled(named);
}

void LumoReportDlg::EnableHtmlFields(bool enable) {
  Control(kTitle)->setEnabled(enable);
  Control(kComment)->setEnabled(enable);
}

void LumoReportDlg::SwitchFormat(Format format) {
  if (!UpdateData(true)) {
    // A refused text leaves everything as it was, the format included.
    reportType = shownType_;
    lumo::DataExchange restore(*this, false);
    restore.Radio(kHtml, reportType);
    return;
  }
  std::string& leaving = format == kHtmlFormat ? csvFileName : htmlFileName;
  const std::string& coming = format == kHtmlFormat ? htmlFileName : csvFileName;
  leaving = std::exchange(fileName, coming);
  shownType_ = format;
  EnableHtmlFields(format == kHtmlFormat);
  UpdateData(false);
}

void LumoReportDlg::Browse() {
  if (!UpdateData(true) || !IsFormat(reportType)) return;
  const bool html = reportType == kHtmlFormat;
  const lumo::SaveFileRequest request{lumo::QtFileFilter(html ? kHtmlFilter : kCsvFilter),
                                      html ? QStringLiteral("htm") : QStringLiteral("csv"),
                                      lumo::FromWindows1252(fileName)};
  const std::optional<QString> chosen = chooser_(this, request);
  if (!chosen) return;
  std::optional<std::string> bytes = lumo::ToWindows1252(*chosen);
  if (!bytes) {
    Tell(kChosenNameRefused, lumo::MessageIcon::Warning);
    return;
  }
  fileName = std::move(*bytes);
  UpdateData(false);
}

void LumoReportDlg::Generate() {
  if (!UpdateData(true) || !IsFormat(reportType) || RefusedTarget()) return;
  std::unique_ptr<LumoReportBase> writer;
  if (reportType == kHtmlFormat) {
    writer = std::make_unique<LumoHtml>();
  } else {
    auto csv = std::make_unique<LumoCsv>();
    csv->SetDisplayName(fileName);
    writer = std::move(csv);
  }
  FeedTree(*writer);
  try {
    const bool written = WriteReport(*writer);
    Tell(written ? kGenerated : kGenerateFailed,
         written ? lumo::MessageIcon::Information : lumo::MessageIcon::Warning);
  } catch (const lumo::FileException& error) {
    // A write error after opening: its own text alone, as for a refused operation.
    lumo::ShowMessageBox(lumo::FileErrorText(error.Cause(), fileName), lumo::MessageButtons::Ok,
                         lumo::MessageIcon::Stop);
  }
}

// Checked before the report is built: the collection and the settings are
// not for overwriting, and a pipe or a device is no place for a report.
bool LumoReportDlg::RefusedTarget() const {
  const lumo::ProtectedFiles files{collectionFile_, lumo::profile::ResolvePath(settings.GetFile())};
  const std::string refusal = lumo::ReportTargetRefusal(LocalPath(fileName), fileName, files);
  if (refusal.empty()) return false;
  lumo::ShowMessageBox(refusal, lumo::MessageButtons::Ok, lumo::MessageIcon::Stop);
  return true;
}

bool LumoReportDlg::WriteReport(LumoReportBase& writer) {
  return writer.WriteReport(LocalPath(fileName), reportTitle, reportComment);
}

// By position, whatever is expanded: the level alone makes an item an
// artist, an album or a track.
void LumoReportDlg::FeedTree(LumoReportBase& writer) const {
  for (TreeItem* artist = tree_.GetChildItem(nullptr); artist != nullptr;
       artist = tree_.GetNextSiblingItem(artist)) {
    writer.AddArtist(RecordText(tree_, artist));
    FeedAlbums(writer, artist);
  }
}

void LumoReportDlg::FeedAlbums(LumoReportBase& writer, TreeItem* artist) const {
  for (TreeItem* album = tree_.GetChildItem(artist); album != nullptr;
       album = tree_.GetNextSiblingItem(album)) {
    writer.AddAlbum(RecordText(tree_, album));
    for (TreeItem* track = tree_.GetChildItem(album); track != nullptr;
         track = tree_.GetNextSiblingItem(track)) {
      writer.AddTrack(TrackNumber(tree_, track), RecordText(tree_, track));
    }
  }
}

void LumoReportDlg::View() {
  if (!UpdateData(true)) return;
  if (opener_.Open(lumo::FromWindows1252(fileName)) <= 32) {
    lumo::ShowMessageBox(ViewFailedText(fileName), lumo::MessageButtons::Ok,
                         lumo::MessageIcon::Warning);
  }
}
