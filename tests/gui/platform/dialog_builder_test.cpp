#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <memory>

#include "gui/platform/dialog_builder.h"
#include "gui/platform/edit_behaviour.h"

namespace {

using lumo::BuiltDialog;
using lumo::DialogBuilder;
using lumo::DialogTemplate;

using lumo::AboutIds;
using lumo::AboutMakerIds;
using lumo::AboutTextIds;
using lumo::DuplicateIds;
using lumo::EditIds;
using lumo::MainWindowIds;
using lumo::OptionsIds;
using lumo::ProgressIds;
using lumo::ReportIds;

constexpr int kAllTemplates[] = {MainWindowIds::kTemplate, OptionsIds::kTemplate,   ProgressIds::kTemplate,
                                 ReportIds::kTemplate,     EditIds::kTemplate,      DuplicateIds::kTemplate,
                                 AboutTextIds::kTemplate,  AboutIds::kTemplate,     AboutMakerIds::kTemplate};

struct Built {
  std::unique_ptr<QWidget> host = std::make_unique<QWidget>();
  BuiltDialog dialog;

  QWidget* Control(int id) const {
    for (const auto& control : dialog.controls) {
      if (control.control->id == id) return control.widget;
    }
    return nullptr;
  }
};

Built Build(int id, const DialogBuilder::ControlFactory& factory = {}) {
  Built built;
  built.dialog = DialogBuilder(*lumo::FindDialogTemplate(id)).Build(built.host.get(), factory);
  return built;
}

TEST(DialogBuilder, MulDivRoundsHalfAwayFromZero) {
  EXPECT_EQ(DialogBuilder::MulDiv(3, 5, 4), 4);    // 3.75
  EXPECT_EQ(DialogBuilder::MulDiv(2, 3, 4), 2);    // 1.5
  EXPECT_EQ(DialogBuilder::MulDiv(5, 3, 4), 4);    // 3.75
  EXPECT_EQ(DialogBuilder::MulDiv(1, 3, 8), 0);    // 0.375
  EXPECT_EQ(DialogBuilder::MulDiv(-2, 3, 4), -2);  // -1.5
  EXPECT_EQ(DialogBuilder::MulDiv(7, 9, 0), -1);   // no division by zero
}

// Base units measured here independently from the font's own metrics.
TEST(DialogBuilder, PlacesEveryControlByTheFontsBaseUnits) {
  for (int id : kAllTemplates) {
    const DialogTemplate* dialog = lumo::FindDialogTemplate(id);
    ASSERT_NE(dialog, nullptr) << id;
    const DialogBuilder builder(*dialog);
    const QFontMetrics metrics(builder.Font());
    const double letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int bx = static_cast<int>(std::lround(letters / 52.0));
    const int by = metrics.height();
    ASSERT_EQ(builder.BaseUnits(), QSize(bx, by));
    auto px = [](int units, int base, int div) {
      return static_cast<int>(std::lround(units * base / static_cast<double>(div)));
    };
    EXPECT_EQ(builder.DialogSize(), QSize(px(dialog->width, bx, 4), px(dialog->height, by, 8)));

    Built built;
    built.dialog = builder.Build(built.host.get());
    const int top = built.dialog.menuBar ? built.dialog.menuBar->sizeHint().height() : 0;
    ASSERT_EQ(built.dialog.controls.size(), dialog->controls.size());
    for (const auto& control : built.dialog.controls) {
      const auto& c = *control.control;
      const QRect r = control.widget->geometry();
      const QRect expected(px(c.x, bx, 4), px(c.y, by, 8) + top, px(c.w, bx, 4), px(c.h, by, 8));
      auto* label = qobject_cast<QLabel*>(control.widget);
      if (label && !label->wordWrap() && r.width() > expected.width()) {
        // A one-line label too narrow for its text grows sideways, no more than the text needs.
        EXPECT_EQ(r.top(), expected.top()) << id << "/" << c.id;
        EXPECT_TRUE(r.left() <= expected.left() && r.right() >= expected.right()) << id << "/" << c.id;
        EXPECT_LE(r.width(), label->fontMetrics().horizontalAdvance(label->text()) + 2) << id << "/" << c.id;
        continue;
      }
      EXPECT_EQ(r.topLeft(), expected.topLeft()) << id << "/" << c.id;
      EXPECT_EQ(r.width(), expected.width()) << id << "/" << c.id;
      if (c.kind != lumo::ControlKind::ComboBox) {
        EXPECT_EQ(r.height(), px(c.h, by, 8));
      }
    }
  }
}

TEST(DialogBuilder, FindsTemplatesMenusAndStringsByNumber) {
  EXPECT_EQ(lumo::FindDialogTemplate(131), nullptr);
  EXPECT_EQ(lumo::FindMenuTemplate(145), nullptr);
  EXPECT_EQ(lumo::LoadResourceString(1013), nullptr);
  for (int id : std::initializer_list<int>{MainWindowIds::kCdKeyBox, MainWindowIds::kLevelArtist, MainWindowIds::kLevelAlbum,
                 MainWindowIds::kLevelAll, MainWindowIds::kLevelCustom, MainWindowIds::kArtistCount,
                 MainWindowIds::kAlbumCount, MainWindowIds::kStatusLine, OptionsIds::kSearchPath, OptionsIds::kShowCdKeys,
                 OptionsIds::kShowToolTips}) {
    ASSERT_NE(lumo::LoadResourceString(id), nullptr) << id;
  }
  EXPECT_STREQ(lumo::LoadResourceString(OptionsIds::kSearchPath),
               "Search path for finding cdplayer.ini.  (Searched left-to-right)");
  EXPECT_STREQ(lumo::FindDialogTemplate(OptionsIds::kTemplate)->caption, "Options");
}

TEST(DialogBuilder, MakesTheMenuAndPutsTheControlsBelowIt) {
  Built main = Build(MainWindowIds::kTemplate);
  ASSERT_NE(main.dialog.menuBar, nullptr);
  const auto menus = main.dialog.menuBar->actions();
  ASSERT_EQ(menus.size(), 4);
  EXPECT_EQ(menus[0]->text(), "&File");
  EXPECT_EQ(menus[1]->text(), "&Edit");
  // Text after a tab is the shortcut, not part of the item's text.
  const QAction* find = menus[1]->menu()->actions().at(3);
  EXPECT_EQ(find->text(), "&Find...");
  EXPECT_EQ(find->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
  QList<int> help;
  for (QAction* item : menus[3]->menu()->actions()) {
    help.append(item->isSeparator() ? 0 : item->data().toInt());
  }
  EXPECT_EQ(help, (QList<int>{MainWindowIds::kMenuAbout, 0, MainWindowIds::kMenuMail, MainWindowIds::kMenuWeb, MainWindowIds::kMenuDocs}));
  const int menuHeight = main.dialog.menuBar->sizeHint().height();
  EXPECT_GT(menuHeight, 0);
  EXPECT_EQ(main.Control(MainWindowIds::kTree)->y(), menuHeight);
  EXPECT_EQ(main.dialog.clientSize.height(),
            DialogBuilder(*lumo::FindDialogTemplate(MainWindowIds::kTemplate)).DialogSize().height() + menuHeight);
  EXPECT_EQ(Build(OptionsIds::kTemplate).dialog.menuBar, nullptr);
}

TEST(DialogBuilder, ChainsTheTabOrderOfTheTemplate) {
  Built options = Build(OptionsIds::kTemplate);
  QList<int> order;
  QWidget* widget = options.Control(OptionsIds::kSave);
  for (int i = 0; i < 5; ++i) {
    order.append(widget->objectName().mid(8).toInt());
    do {
      widget = widget->nextInFocusChain();
    } while ((widget->focusPolicy() & Qt::TabFocus) == 0);
  }
  EXPECT_EQ(order, (QList<int>{OptionsIds::kSave, OptionsIds::kCancel, OptionsIds::kSearchPath, OptionsIds::kShowCdKeys,
                               OptionsIds::kShowToolTips}));
}

QString AccessibleName(QWidget* widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  return accessible != nullptr ? accessible->text(QAccessible::Name) : QStringLiteral("(none)");
}

// Screen readers name a field after its label, beside it or above it;
// fields without a label of their own get no borrowed name.
TEST(DialogBuilder, NamesEachFieldAfterItsLabelWhoseMnemonicFocusesIt) {
  struct Field {
    int dialog;
    int id;
    const char* name;
  };
  const Field kFields[] = {
      {OptionsIds::kTemplate, OptionsIds::kSearchPath, "Search path for cdplayer.ini"},
      {ReportIds::kTemplate, ReportIds::kTitle, "Title"},
      {ReportIds::kTemplate, ReportIds::kComment, "Comment"},
      {ReportIds::kTemplate, ReportIds::kFileName, "Filename"},
      {EditIds::kTemplate, EditIds::kUpperField, "Artist"},
      {EditIds::kTemplate, EditIds::kLowerField, "Album"},
      {MainWindowIds::kTemplate, MainWindowIds::kCdKeyBox, ""},
      {DuplicateIds::kTemplate, DuplicateIds::kExplanation, ""},
      {AboutTextIds::kTemplate, AboutTextIds::kText, ""},
  };
  for (const Field& field : kFields) {
    Built built = Build(field.dialog);
    QWidget* widget = built.Control(field.id);
    ASSERT_NE(widget, nullptr) << field.id;
    // An editable combo box is read through its text field.
    if (auto* combo = qobject_cast<QComboBox*>(widget)) widget = combo->lineEdit();
    EXPECT_EQ(AccessibleName(widget), QString::fromUtf8(field.name)) << field.dialog << "/" << field.id;
  }

  Built report = Build(ReportIds::kTemplate);
  report.host->show();
  QApplication::setActiveWindow(report.host.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(report.host.get()));
  for (auto [key, id] : {std::pair{Qt::Key_C, int{ReportIds::kComment}}, std::pair{Qt::Key_F, int{ReportIds::kFileName}},
                         std::pair{Qt::Key_T, int{ReportIds::kTitle}}}) {
    QTest::keyClick(report.host.get(), key, Qt::AltModifier);
    EXPECT_TRUE(report.Control(id)->hasFocus() || report.Control(id)->isAncestorOf(QApplication::focusWidget()))
        << id;
  }
}

TEST(DialogBuilder, GroupsRadioButtonsFromOneGroupStartToTheNext) {
  Built main = Build(MainWindowIds::kTemplate);
  ASSERT_EQ(main.dialog.radioGroups.size(), 1u);
  QButtonGroup* group = main.dialog.radioGroups[0];
  EXPECT_TRUE(group->exclusive());
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(group->id(static_cast<QAbstractButton*>(main.Control(MainWindowIds::kLevelArtist + i))), i);
  }
  Built report = Build(ReportIds::kTemplate);
  ASSERT_EQ(report.dialog.radioGroups.size(), 1u);
  EXPECT_EQ(report.dialog.radioGroups[0]->buttons().size(), 2);
}

TEST(DialogBuilder, AppliesButtonAndEditStyles) {
  Built options = Build(OptionsIds::kTemplate);
  EXPECT_TRUE(qobject_cast<QPushButton*>(options.Control(OptionsIds::kSave))->isDefault());
  EXPECT_FALSE(qobject_cast<QPushButton*>(options.Control(OptionsIds::kCancel))->isDefault());
  auto* path = qobject_cast<QPlainTextEdit*>(options.Control(OptionsIds::kSearchPath));
  ASSERT_NE(path, nullptr);
  EXPECT_EQ(path->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(path->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_TRUE(lumo::EditBehaviour::Of(path)->UpperCase());
  EXPECT_NE(qobject_cast<QCheckBox*>(options.Control(OptionsIds::kShowCdKeys)), nullptr);

  Built main = Build(MainWindowIds::kTemplate);
  auto* key = qobject_cast<QPlainTextEdit*>(main.Control(MainWindowIds::kCdKeyBox));
  ASSERT_NE(key, nullptr);
  EXPECT_TRUE(key->isReadOnly());
  EXPECT_TRUE(key->isHidden());
  EXPECT_EQ(key->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
  EXPECT_EQ(main.Control(MainWindowIds::kLevelArtist)->layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(qobject_cast<QLabel*>(main.Control(MainWindowIds::kStatusLine))->frameShadow(), QFrame::Sunken);
  EXPECT_EQ(qobject_cast<QLabel*>(main.Control(MainWindowIds::kArtistCount))->alignment(),
            Qt::AlignHCenter | Qt::AlignTop);

  Built edit = Build(EditIds::kTemplate);
  auto* field = qobject_cast<QLineEdit*>(edit.Control(EditIds::kUpperField));
  ASSERT_NE(field, nullptr);
  EXPECT_TRUE(field->hasFrame());
  EXPECT_FALSE(lumo::EditBehaviour::Of(field)->UpperCase());
}

TEST(DialogBuilder, AppliesStatesAndStylesOfTheDuplicateBox) {
  Built box = Build(DuplicateIds::kTemplate);
  EXPECT_TRUE(box.Control(DuplicateIds::kAnswerNo)->isHidden());
  EXPECT_FALSE(box.Control(DuplicateIds::kAnswerOk)->isHidden());
  auto* list = qobject_cast<QListWidget*>(box.Control(DuplicateIds::kExistingList));
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(list->isEnabled());
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::NoSelection);
  EXPECT_EQ(box.Control(DuplicateIds::kExistingSelected)->layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(box.Control(DuplicateIds::kNewSelected)->layoutDirection(), Qt::LeftToRight);
  EXPECT_EQ(qobject_cast<QLabel*>(box.Control(DuplicateIds::kArtistLabel))->alignment(),
            Qt::AlignRight | Qt::AlignVCenter);
  auto* explanation = qobject_cast<QPlainTextEdit*>(box.Control(DuplicateIds::kExplanation));
  ASSERT_NE(explanation, nullptr);
  EXPECT_TRUE(explanation->isReadOnly());
  EXPECT_EQ(explanation->frameShape(), QFrame::NoFrame);
  EXPECT_EQ(explanation->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(box.Control(DuplicateIds::kExplanation)->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
  EXPECT_EQ(box.Control(DuplicateIds::kNewSelected)->focusPolicy(), Qt::ClickFocus);  // no tab stop

  Built progress = Build(ProgressIds::kTemplate);
  auto* bar = qobject_cast<QProgressBar*>(progress.Control(ProgressIds::kLoadedBar));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 100);
  EXPECT_LT(bar->y(), progress.Control(ProgressIds::kFormattedBar)->y());  // "Loaded" is the upper bar
}

TEST(DialogBuilder, TakesTheCallersWidgetFromTheFactory) {
  QWidget* mine = nullptr;
  Built main = Build(MainWindowIds::kTemplate, [&mine](const lumo::ControlTemplate& c, QWidget* parent) -> QWidget* {
    if (c.id != MainWindowIds::kTree) return nullptr;
    mine = new QWidget(parent);
    return mine;
  });
  ASSERT_NE(mine, nullptr);
  EXPECT_EQ(main.Control(MainWindowIds::kTree), mine);
  EXPECT_EQ(mine->width(), DialogBuilder(*lumo::FindDialogTemplate(MainWindowIds::kTemplate)).ToPixels(0, 0, 184, 0).width());
  EXPECT_NE(qobject_cast<QPushButton*>(main.Control(MainWindowIds::kExit)), nullptr);  // others stay default
}

// Lines break after blanks and between Japanese characters, losing only the
// blanks at the breaks; each line fits unless the text cannot break.
TEST(DialogBuilder, WrapsTextWhereLinesMayBreak) {
  const QFontMetrics metrics(QApplication::font());
  const int width = 8 * metrics.horizontalAdvance(QLatin1Char('M'));
  const std::pair<QString, bool> cases[] = {{QStringLiteral("Apply to all subsequent duplicates like this"), true},
                                            {QStringLiteral("以降の同様の重複すべてに適用する"), true},
                                            {QStringLiteral("Unbreakable_text_that_is_wider_than_the_line"), false}};
  for (const auto& [text, breaks] : cases) {
    const QStringList lines = lumo::WrapToWidth(text, metrics, width).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.size() > 1, breaks) << text.toStdString();
    EXPECT_EQ(lines.join(QString()).remove(QLatin1Char(' ')), QString(text).remove(QLatin1Char(' ')));
    for (const QString& line : lines) EXPECT_TRUE(line == line.trimmed() && (!breaks || metrics.horizontalAdvance(line) <= width));
  }
}

}  // namespace

namespace {

TEST(DialogBuilder, AMultiLineCheckBoxWrapsItsTextToItsWidth) {
  const DialogTemplate* dialog = lumo::FindDialogTemplate(DuplicateIds::kTemplate);
  ASSERT_NE(dialog, nullptr);
  Built built;
  built.dialog = DialogBuilder(*dialog).Build(built.host.get());
  auto* box = qobject_cast<QCheckBox*>(built.Control(DuplicateIds::kApplyToAllBox));
  ASSERT_NE(box, nullptr);
  const QStringList lines = box->text().split(QLatin1Char('\n'));
  EXPECT_GT(lines.size(), 1);
  EXPECT_EQ(lines.join(QLatin1Char(' ')), QStringLiteral("Apply to all subsequent duplicates like this"));
  for (const QString& line : lines) EXPECT_LE(box->fontMetrics().horizontalAdvance(line), box->width());
}

}  // namespace
