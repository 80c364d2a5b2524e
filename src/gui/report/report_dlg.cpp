#include "gui/report/report_dlg.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QWidget>

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "core/platform/code_page.h"
#include "core/platform/message_box.h"
#include "core/report/file_exception.h"
#include "core/report/report_target.h"
#include "core/report/report_writing.h"
#include "core/settings/settings.h"
#include "gui/platform/path_text.h"
#include "gui/platform/text_codec.h"
#include "gui/widgets/button_factory.h"
#include "gui/platform/translation.h"

namespace lumo {

namespace {

constexpr char kHtmlFilter[] =
    QT_TRANSLATE_NOOP("Lumo", "HTML files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*||");
constexpr char kCsvFilter[] =
    QT_TRANSLATE_NOOP("Lumo", "CSV files (*.csv)|*.csv|Text files (*.txt;*.asc)|*.txt;*.asc|All Files (*.*)|*.*||");

constexpr char kGenerated[] = QT_TRANSLATE_NOOP("Lumo", "Report generated Ok");
constexpr char kGenerateFailed[] =
    QT_TRANSLATE_NOOP("Lumo", "Failed to generate report.\nPossible causes are an incorrect filename, or the file "
    "specified may be in use by another application");
constexpr char kViewFailed[] =
    QT_TRANSLATE_NOOP("Lumo", "Failed to execute the \"open\" verb on %s\nCheck that you have a default association for "
    "this file type");
constexpr char kChosenNameRefused[] =
    QT_TRANSLATE_NOOP("Lumo", "The chosen file name contains characters that this system cannot use in file names.");

bool IsFormat(int32_t type) {
  return type == LumoReportDlg::kHtmlFormat || type == LumoReportDlg::kCsvFormat;
}

// The name is data, never a format: it goes in as it is.
std::string ViewFailedText(const std::string& fileName) { return lumo::FillIn(lumo::TrUtf8("Lumo", kViewFailed), "%s", fileName); }

// Blanks only count as no name at all (the classic C-locale white space).
bool HasText(const QString& text) {
  return std::any_of(text.begin(), text.end(),
                     [](QChar c) { return !QStringView(u" \t\n\v\f\r").contains(c); });
}

void Tell(const std::string& text, lumo::MessageIcon icon) {
  lumo::ShowMessageBox(text, lumo::MessageButtons::Ok, icon);
}

}  // namespace

LumoReportDlg::LumoReportDlg(const TreeItem& root, lumo::Settings& settings, lumo::ReportFooter footer,
                             QWidget* parent)
    : LumoDialog(kTemplate, parent, RoundButtonFactory({kReport, kView, kExit})),
      root_(root),
      settings_(settings),
      footer_(std::move(footer)),
      chooser_(lumo::ChooseSaveFile) {}

LumoReportDlg::~LumoReportDlg() = default;

void LumoReportDlg::SetFileChooser(lumo::SaveFileChooser chooser) {
  chooser_ = chooser ? std::move(chooser) : lumo::SaveFileChooser(lumo::ChooseSaveFile);
}

void LumoReportDlg::SetShellOpener(lumo::ShellOpener opener) { opener_ = std::move(opener); }

void LumoReportDlg::SetCollectionFile(std::string path) { collectionFile_ = std::move(path); }

bool LumoReportDlg::OnInitDialog() {
  const lumo::ReportSettings& saved = settings_.Report();
  fileName = saved.fileName;
  reportType = saved.type;
  reportComment = saved.comment;
  reportTitle = saved.title;
  shownType_ = reportType;
  EnableHtmlFields(reportType == kHtmlFormat);
  UpdateData(false);
  UpdateButtons();
  return true;
}

void LumoReportDlg::DoDataExchange(lumo::DataExchange& exchange) {
  exchange.Radio(kHtml, reportType);
  // Kept in lumo.ini as Windows-1252, whatever the collection's code page.
  exchange.Text(kComment, reportComment, lumo::CodePage());
  exchange.Text(kTitle, reportTitle, lumo::CodePage());
  exchange.Path(kFileName, fileName);
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
  settings_.SaveReport({fileName, reportType, reportComment, reportTitle});
  EndDialog(lumo::kIdOk);
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
    // Putting the radio back is no new choice of format.
    reportType = shownType_;
    const QSignalBlocker quietHtml(Control(kHtml));
    const QSignalBlocker quietCsv(Control(kCsv));
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
  const lumo::SaveFileRequest request{lumo::QtFileFilter(lumo::TrUtf8("Lumo", html ? kHtmlFilter : kCsvFilter).c_str()),
                                      html ? QStringLiteral("htm") : QStringLiteral("csv"),
                                      lumo::PathToText(fileName)};
  const std::optional<QString> chosen = chooser_(this, request);
  if (!chosen) return;
  std::optional<std::string> name = lumo::TextToPath(*chosen);
  if (!name) {
    Tell(lumo::TrUtf8("Lumo", kChosenNameRefused), lumo::MessageIcon::Warning);
    return;
  }
  fileName = std::move(*name);
  UpdateData(false);
}

void LumoReportDlg::Generate() {
  if (!UpdateData(true) || !IsFormat(reportType) || RefusedTarget()) return;
  try {
    lumo::WriteTreeReport(root_, {reportType == kCsvFormat, fileName, reportTitle, reportComment, footer_});
    Tell(lumo::TrUtf8("Lumo", kGenerated), lumo::MessageIcon::Information);
  } catch (const lumo::FileException& error) {
    TellFailure(error);
  }
}

// A CSV writer's own words come before the general failure; an HTML page
// that failed while being written has its cause's text alone, with the stop
// icon, as for a refused operation.
void LumoReportDlg::TellFailure(const lumo::FileException& error) const {
  const bool csv = reportType == kCsvFormat;
  const std::string text = lumo::ReportErrorText(error, csv, lumo::PathForMessage(fileName));
  if (!csv && error.Step() == lumo::FileStep::Write) {
    lumo::ShowMessageBox(text, lumo::MessageButtons::Ok, lumo::MessageIcon::Stop);
    return;
  }
  if (!text.empty()) lumo::ShowMessageBox(text, lumo::MessageButtons::Ok, lumo::MessageIcon::Warning);
  Tell(lumo::TrUtf8("Lumo", kGenerateFailed), lumo::MessageIcon::Warning);
}

// Checked before the report is built: the collection and the settings are
// not for overwriting, and a pipe or a device is no place for a report.
bool LumoReportDlg::RefusedTarget() const {
  const lumo::ProtectedFiles files{collectionFile_, settings_.Path()};
  const std::string refusal = lumo::ReportTargetRefusal(fileName, lumo::PathForMessage(fileName), files);
  if (refusal.empty()) return false;
  lumo::ShowMessageBox(refusal, lumo::MessageButtons::Ok, lumo::MessageIcon::Stop);
  return true;
}

void LumoReportDlg::View() {
  if (!UpdateData(true)) return;
  if (opener_.Open(lumo::PathToText(fileName)) <= 32) {
    lumo::ShowMessageBox(ViewFailedText(lumo::PathForMessage(fileName)), lumo::MessageButtons::Ok,
                         lumo::MessageIcon::Warning);
  }
}

}  // namespace lumo
