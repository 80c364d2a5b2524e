#pragma once

#include <string>

#include "gui/platform/lumo_dialog.h"

namespace lumo {

class CHyperLink;

// A page of the about box that shows one text, read-only and scrollable.
class AboutTextPage : public lumo::LumoDialog, public lumo::AboutTextIds {
  Q_OBJECT

 public:
  AboutTextPage(std::string pageText, QWidget* parent = nullptr);

  const std::string& PageText() const { return pageText_; }

 protected:
  void DoDataExchange(lumo::DataExchange& exchange) override;

 private:
  std::string pageText_;
};

// The about box's maker page: the logo, the maker's name and a link to the
// maker's web page.
class AboutMakerPage : public lumo::LumoDialog, public lumo::AboutMakerIds {
  Q_OBJECT

 public:
  explicit AboutMakerPage(QWidget* parent = nullptr);

  CHyperLink& Link() const { return *link_; }

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(lumo::DataExchange& exchange) override;

 private:
  std::string makerName_;
  CHyperLink* link_;  // owned by the page (Qt parent)
};

}  // namespace lumo
