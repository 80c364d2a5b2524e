// The translated menus and dialogs: each letter marked with '&' once per
// menu and per dialog, in English and in every catalogue built.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QString>
#include <QStyleOptionButton>

#include <map>
#include <string>
#include <vector>

#include "core/about/about_texts.h"
#include "gui/edit/edit_dlg.h"
#include "gui/platform/dialog_builder.h"
#include "gui/platform/translation.h"

namespace lumo {
namespace {

// "Fi&nd what:" -> 'n'; "&&" is a literal ampersand; 0 when there is none.
QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
    ++i;
  }
  return QChar();
}

// The letters that appear more than once among `texts`, "" when none does.
std::string Clashes(const std::vector<QString>& texts) {
  std::map<QChar, QStringList> users;
  for (const QString& text : texts) {
    if (const QChar letter = Mnemonic(text); !letter.isNull()) users[letter].append(text);
  }
  std::string clashes;
  for (const auto& [letter, named] : users) {
    if (named.size() > 1) clashes += named.join(QStringLiteral(" / ")).toStdString() + "; ";
  }
  return clashes;
}

void ExpectUniqueMnemonics(const std::string& language) {
  for (int id = 1; id < 4000; ++id) {
    const DialogTemplate* dialog = FindDialogTemplate(id);
    if (dialog != nullptr) {
      std::vector<QString> texts;
      for (const ControlTemplate& control : dialog->controls) texts.push_back(Tr("Dialog", control.text));
      EXPECT_EQ(Clashes(texts), "") << language << ", dialog " << id;
    }
    const MenuTemplate* menu = FindMenuTemplate(id);
    if (menu == nullptr) continue;
    std::vector<QString> bar;
    for (const PopupMenuTemplate& popup : menu->popups) {
      bar.push_back(Tr("Menu", popup.text));
      std::vector<QString> items;
      for (const MenuItemTemplate& item : popup.items) {
        if (item.text != nullptr) items.push_back(Tr("Menu", item.text));
      }
      EXPECT_EQ(Clashes(items), "") << language << ", menu " << popup.text;
    }
    EXPECT_EQ(Clashes(bar), "") << language << ", menu bar " << id;
  }
}

using Layouts = std::map<int, std::vector<QRect>>;

// Every text within the room its style leaves it, every control within its
// dialog; controls apart in `english` stay apart, and one inside another (a
// group box) stays inside. Returns the layouts built.
Layouts ExpectTextsFit(const std::string& language, const Layouts& english = {}) {
  Layouts layouts;
  for (int id = 1; id < 4000; ++id) {
    QWidget host;
    const BuiltDialog built = FindDialogTemplate(id) ? DialogBuilder(*FindDialogTemplate(id)).Build(&host) : BuiltDialog{};
    std::vector<QRect>& rects = layouts[id];
    for (const auto& [entry, widget] : built.controls) {
      QStyleOptionButton option;
      option.initFrom(widget);
      option.text = widget->property("text").toString();
      const auto kind = widget->inherits("QCheckBox") ? QStyle::SE_CheckBoxContents : widget->inherits("QRadioButton") ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents;
      const QRect room = widget->inherits("QAbstractButton") ? widget->style()->subElementRect(kind, &option, widget) : widget->contentsRect();
      const QRect needed = widget->fontMetrics().boundingRect(room, Qt::TextShowMnemonic | Qt::TextWordWrap, option.text);
      const bool inside = QRect(QPoint(), built.clientSize).contains(widget->geometry());
      EXPECT_TRUE(inside && needed.width() <= room.width() && needed.height() <= std::max(room.height(), widget->fontMetrics().height()))
          << language << ", dialog " << id << ": " << option.text.toStdString();
      rects.push_back(widget->geometry());
    }
    const std::vector<QRect>& was = english.empty() ? rects : english.at(id);
    for (std::size_t i = 0; i < rects.size(); ++i) {
      for (std::size_t j = 0; j < rects.size(); ++j) {
        const std::string pair = language + ", dialog " + std::to_string(id) + ": " + built.controls[i].control->text + " / " + built.controls[j].control->text;
        EXPECT_FALSE(i < j && !was[i].intersects(was[j]) && rects[i].intersects(rects[j])) << "overlap: " << pair;
        EXPECT_FALSE(i != j && was[i].contains(was[j]) && !rects[i].contains(rects[j])) << "sticks out: " << pair;
      }
    }
  }
  return layouts;
}

// Labels given their texts later fit, clear of their fields; the Duplicate album
// found fields start in line and end with the explanation (give or take a pixel).
void ExpectLabelsClearOfFields(const std::string& language) {
  const CatalogueItem album{ItemKind::Album, "Arrival", "k1", 0};
  for (const ItemKind kind : {ItemKind::Artist, ItemKind::Album, ItemKind::Track}) {
    CatalogueItem item{kind, "Name", "k1", 0};
    EditDlg dialog(item, kind == ItemKind::Artist ? nullptr : &album);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    for (const auto& [label, field] : {std::pair{EditDlg::kUpperLabel, EditDlg::kUpperField}, std::pair{EditDlg::kLowerLabel, EditDlg::kLowerField}}) {
      const QLabel* shown = dialog.ControlAs<QLabel>(label);
      EXPECT_LE(shown->fontMetrics().size(Qt::TextShowMnemonic, shown->text()).width(), shown->contentsRect().width()) << language;
      EXPECT_LT(shown->geometry().right(), dialog.Control(field)->x()) << language << ": " << shown->text().toStdString();
    }
  }
  QWidget host;
  std::map<int, QRect> at;
  for (const auto& [entry, widget] : DialogBuilder(*FindDialogTemplate(DuplicateIds::kTemplate)).Build(&host).controls) at[entry->id] = widget->geometry();
  EXPECT_EQ(at[DuplicateIds::kArtistText].left(), at[DuplicateIds::kTitleText].left()) << language;
  for (const int field : {DuplicateIds::kArtistText, DuplicateIds::kTitleText}) EXPECT_NEAR(at[field].right(), at[DuplicateIds::kExplanation].right(), 1) << language;
}

TEST(Translation, MnemonicsAreUniqueAndTextsFitInEveryMenuAndDialogInEveryLanguage) {
  ExpectUniqueMnemonics("English");
  const Layouts english = ExpectTextsFit("English");
  const QDir folder(QStringLiteral(LUMO_QM_DIR));
  const QStringList catalogues = folder.entryList({QStringLiteral("lumo_*.qm")}, QDir::Files);
  ASSERT_FALSE(catalogues.isEmpty()) << "no catalogue built in " << LUMO_QM_DIR;
  for (const QString& name : catalogues) {
    ASSERT_TRUE(LoadCatalogueFile(folder.filePath(name))) << name.toStdString();
    ExpectUniqueMnemonics(name.toStdString());
    ExpectTextsFit(name.toStdString(), english);
    ExpectLabelsClearOfFields(name.toStdString());
  }
  LoadCatalogueFile(QString());
}

// Translated text reaches the paths that carry bytes whole, as UTF-8, and a
// table text without a translation stays English.
TEST(Translation, GermanSurvivesThePathsThatCarryBytes) {
  ASSERT_TRUE(LoadCatalogueFile(QStringLiteral(LUMO_QM_DIR "/lumo_de.qm")));
  EXPECT_EQ(TrUtf8("Message", "The file is write-protected."), "Die Datei ist schreibgeschützt.");
  EXPECT_EQ(Tr("Menu", "&File"), QStringLiteral("&Datei"));
  EXPECT_EQ(TrUtf8("Dialog", "no such text"), "no such text");
  const std::string legal = TranslateParagraphs(about_texts::kDistribution);
  EXPECT_EQ(legal.rfind("Lumo darf", 0), 0u) << legal;
  EXPECT_NE(legal.find("\r\nLumo wird ohne Gewähr"), std::string::npos) << legal;
  EXPECT_NE(legal.find("\r\nCopyright © Brightfern Software."), std::string::npos) << legal;
  LoadCatalogueFile(QString());
  EXPECT_EQ(Tr("Menu", "&File"), QStringLiteral("&File"));
}

}  // namespace
}  // namespace lumo
