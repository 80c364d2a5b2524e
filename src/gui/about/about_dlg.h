#pragma once

#include "gui/platform/lumo_dialog.h"

class QTabWidget;

namespace lumo {

struct AboutInfo;

// The about box: the program's name and version, its icon, three pages
// (the maker, an overview, the distribution terms) and the web page, mail
// and documentation commands.
class AboutDlg : public lumo::LumoDialog, public lumo::AboutIds {
  Q_OBJECT

 public:
  AboutDlg(const AboutInfo& info, QWidget* parent = nullptr);

  QTabWidget* Tabs() const;
  // Page 0 the maker, 1 the overview, 2 the distribution terms; nullptr
  // before the box opens.
  QWidget* Page(int index) const;

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id) override;

 private:
  void AddPages();
  void ReadDocumentation();

  const AboutInfo& info_;
};

// Runs the about box on `info` modally, owned by the program's main window;
// returns its result.
int ShowAbout(const AboutInfo& info);

}  // namespace lumo
