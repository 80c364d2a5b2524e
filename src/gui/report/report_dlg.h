#pragma once

#include <cstdint>
#include <string>

#include "gui/platform/lumo_dialog.h"
#include "gui/platform/shell_open.h"
#include "core/report/html_report.h"
#include "gui/report/save_file_chooser.h"

namespace lumo {

class TreeItem;

class FileException;
class Settings;

// "Generate report": picks HTML or CSV, the output file and, for HTML, a
// title and a comment; writes the collection under `root` as a report and
// opens the result with its default application. Each opening shows the
// report values of `settings`, and Exit saves them there; the file name
// last used for each format lasts as long as the object. The root and the
// settings must outlive the dialog; an HTML report ends with `footer`.
class LumoReportDlg : public lumo::LumoDialog, public lumo::ReportIds {
  Q_OBJECT

 public:
  enum Format : int32_t { kNoFormat = -1, kHtmlFormat = 0, kCsvFormat = 1 };

  LumoReportDlg(const TreeItem& root, lumo::Settings& settings, lumo::ReportFooter footer, QWidget* parent);
  ~LumoReportDlg() override;

  // Replaces the Save As question (Qt's file dialog by default).
  void SetFileChooser(lumo::SaveFileChooser chooser);
  // Replaces the program that opens the report (xdg-open by default).
  void SetShellOpener(lumo::ShellOpener opener);
  // The loaded cdplayer.ini (a file-system name; empty when none is loaded),
  // which no report may replace, nor lumo.ini.
  void SetCollectionFile(std::string path);

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(lumo::DataExchange& exchange) override;
  bool OnCommand(int id) override;
  void OnEditChange(int id) override;
  // Exit: saves the four settings, then closes.
  void OnOK() override;

 private:
  void UpdateButtons();
  void EnableHtmlFields(bool enable);
  void SwitchFormat(Format format);
  void Browse();
  void Generate();
  void View();
  void TellFailure(const lumo::FileException& error) const;
  bool RefusedTarget() const;

  const TreeItem& root_;
  lumo::Settings& settings_;
  lumo::ReportFooter footer_;
  lumo::SaveFileChooser chooser_;
  lumo::ShellOpener opener_;
  std::string collectionFile_;
  int32_t shownType_ = kHtmlFormat;  // the format in effect, to undo a refused switch

  int32_t reportType = kHtmlFormat;
  std::string reportComment;
  std::string reportTitle;
  std::string fileName;  // a file-system name (core/platform/local_path.h), as are the two below
  std::string htmlFileName = "Report.html";
  std::string csvFileName = "lumo.csv";
};

}  // namespace lumo
