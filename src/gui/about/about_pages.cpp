#include "gui/about/about_pages.h"

#include <QLabel>
#include <QPixmap>

#include <utility>

#include "core/platform/code_page.h"
#include "core/about/about_info.h"
#include "gui/about/hyper_link.h"
#include "gui/about/maker_logo.h"

namespace lumo {

AboutTextPage::AboutTextPage(std::string pageText, QWidget* parent)
    : LumoDialog(kTemplate, parent), pageText_(std::move(pageText)) {}

void AboutTextPage::DoDataExchange(lumo::DataExchange& exchange) { exchange.Text(kText, pageText_); }

namespace {

QWidget* MakeMakerControl(const lumo::ControlTemplate& control, QWidget* parent) {
  if (control.id != AboutMakerPage::kLink) return nullptr;
  auto* link = new CHyperLink(parent);
  link->setText(QString::fromLatin1(control.text));
  const bool centred = (control.style & lumo::ctl::kCenter) != 0;
  link->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
  return link;
}

}  // namespace

// The template holds the maker's name, and the page shows it: an empty
// label where the name belongs would say nothing to anybody.
AboutMakerPage::AboutMakerPage(QWidget* parent)
    : LumoDialog(kTemplate, parent, MakeMakerControl), makerName_(lumo::kMakerName), link_(ControlAs<CHyperLink>(kLink)) {}

bool AboutMakerPage::OnInitDialog() {
  if (auto* logo = ControlAs<QLabel>(kLogo)) logo->setPixmap(QPixmap::fromImage(artwork::MakerLogo()));
  if (link_) link_->Attach();
  return LumoDialog::OnInitDialog();
}

void AboutMakerPage::DoDataExchange(lumo::DataExchange& exchange) { exchange.Text(kMakerName, makerName_, lumo::CodePage()); }

}  // namespace lumo
