#include "gui/about/about_dlg.h"

#include <QLabel>
#include <QTabWidget>

#include "core/about/about_info.h"
#include "gui/about/about_pages.h"
#include "gui/about/about_window.h"
#include "gui/about/desktop_launch.h"
#include "core/platform/message_box.h"
#include "gui/platform/text_codec.h"
#include "gui/widgets/button_factory.h"
#include "gui/widgets/shaped_button.h"
#include "gui/platform/translation.h"

namespace lumo {

namespace {

constexpr int kIconSize = 32;

}  // namespace

AboutDlg::AboutDlg(const AboutInfo& info, QWidget* parent)
    : LumoDialog(kTemplate, parent, ShapedButtonFactory({kExit, kWebPage, kMail, kDocumentation})), info_(info) {}

QTabWidget* AboutDlg::Tabs() const { return ControlAs<QTabWidget>(kTabs); }

QWidget* AboutDlg::Page(int index) const { return Tabs() ? Tabs()->widget(index) : nullptr; }

bool AboutDlg::OnInitDialog() {
  LumoDialog::OnInitDialog();
  for (int id : {kExit, kWebPage, kMail, kDocumentation}) {
    if (auto* button = ControlAs<ShapedButton>(id)) button->SetShape(button_rings::Pill);
  }
  const std::string nameAndVersion = info_.name + " " + info_.version;
  setWindowTitle(lumo::Tr("Lumo", "About %1").arg(lumo::FromWindows1252(nameAndVersion)));
  if (auto* label = ControlAs<QLabel>(kNameAndVersion)) label->setText(lumo::FromWindows1252(nameAndVersion));
  const QIcon& icon = TheAboutWindowInfo().icon;
  if (auto* label = ControlAs<QLabel>(kIcon); label && !icon.isNull()) {
    label->setPixmap(icon.pixmap(kIconSize, kIconSize));
  }
  AddPages();
  return true;
}

// The tab control shows exactly the page of the selected tab; the pages are
// made once per showing and keep their contents while the box is open.
void AboutDlg::AddPages() {
  QTabWidget* tabs = Tabs();
  if (!tabs || tabs->count() > 0) return;
  auto addPage = [tabs](lumo::LumoDialog* page, const char* label) {
    page->CreateModeless(tabs);
    tabs->addTab(page, lumo::Tr("Lumo", label));
  };
  addPage(new AboutMakerPage(tabs), "Brightfern");
  addPage(new AboutTextPage(lumo::TranslateParagraphs(info_.overviewText), tabs), QT_TRANSLATE_NOOP("Lumo", "Overview"));
  addPage(new AboutTextPage(lumo::TranslateParagraphs(info_.distributionText) + "\r\n\r\n", tabs),
          QT_TRANSLATE_NOOP("Lumo", "Distribution and Legal"));
  tabs->setCurrentIndex(0);
}

bool AboutDlg::OnCommand(int id) {
  switch (id) {
    case kWebPage: lumo::OpenWebPage(info_); return true;
    case kMail: lumo::SendFeedbackMail(info_); return true;
    case kDocumentation: ReadDocumentation(); return true;
    default: return LumoDialog::OnCommand(id);
  }
}

void AboutDlg::ReadDocumentation() {
  if (lumo::OpenDocumentation(info_)) return;
  lumo::ShowMessageBox(lumo::FillIn(lumo::TrUtf8("Lumo", "Unable to locate %s.html.  It is most likely that you have an incomplete\n"
                                 "copy of %s.  Please complain to whoever sent it to you,\n"
                                 "and visit our web site to get the complete version of the software."),
                                 "%s", info_.name),
                       lumo::MessageButtons::Ok, lumo::MessageIcon::Information);
}

int ShowAbout(const AboutInfo& info) {
  AboutDlg box(info, TheAboutWindowInfo().ownerWindow);
  return box.DoModal();
}

}  // namespace lumo
