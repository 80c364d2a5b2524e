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

constexpr int kAllTemplates[] = {102, 130, 139, 143, 145, 146, 2202, 2203, 2205};

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
  for (int id : {1012, 1008, 1009, 1010, 1011, 1014, 1015, 1055, 1026, 1025, 1027}) {
    ASSERT_NE(lumo::LoadResourceString(id), nullptr) << id;
  }
  EXPECT_STREQ(lumo::LoadResourceString(1026),
               "Search path for finding cdplayer.ini.  (Searched left-to-right)");
  EXPECT_STREQ(lumo::FindDialogTemplate(130)->caption, "Options");
}

TEST(DialogBuilder, MakesTheMenuAndPutsTheControlsBelowIt) {
  Built main = Build(102);
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
  EXPECT_EQ(help, (QList<int>{32784, 0, 32772, 32773, 32774}));
  const int menuHeight = main.dialog.menuBar->sizeHint().height();
  EXPECT_GT(menuHeight, 0);
  EXPECT_EQ(main.Control(1000)->y(), menuHeight);
  EXPECT_EQ(main.dialog.clientSize.height(),
            DialogBuilder(*lumo::FindDialogTemplate(102)).DialogSize().height() + menuHeight);
  EXPECT_EQ(Build(130).dialog.menuBar, nullptr);
}

TEST(DialogBuilder, ChainsTheTabOrderOfTheTemplate) {
  Built options = Build(130);
  QList<int> order;
  QWidget* widget = options.Control(1);
  for (int i = 0; i < 5; ++i) {
    order.append(widget->objectName().mid(8).toInt());
    do {
      widget = widget->nextInFocusChain();
    } while ((widget->focusPolicy() & Qt::TabFocus) == 0);
  }
  EXPECT_EQ(order, (QList<int>{1, 2, 1026, 1025, 1027}));
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
      {130, 1026, "Search path for cdplayer.ini"}, {143, 1051, "Title"}, {143, 1042, "Comment"},
      {143, 1052, "Filename"}, {145, 1041, "Artist"}, {145, 1042, "Album"},
      {102, 1012, ""}, {146, 1062, ""}, {2202, 2228, ""},
  };
  for (const Field& field : kFields) {
    Built built = Build(field.dialog);
    QWidget* widget = built.Control(field.id);
    ASSERT_NE(widget, nullptr) << field.id;
    // An editable combo box is read through its text field.
    if (auto* combo = qobject_cast<QComboBox*>(widget)) widget = combo->lineEdit();
    EXPECT_EQ(AccessibleName(widget), QString::fromUtf8(field.name)) << field.dialog << "/" << field.id;
  }

  Built report = Build(143);
  report.host->show();
  QApplication::setActiveWindow(report.host.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(report.host.get()));
  for (auto [key, id] : {std::pair{Qt::Key_C, 1042}, std::pair{Qt::Key_F, 1052}, std::pair{Qt::Key_T, 1051}}) {
    QTest::keyClick(report.host.get(), key, Qt::AltModifier);
    EXPECT_TRUE(report.Control(id)->hasFocus() || report.Control(id)->isAncestorOf(QApplication::focusWidget()))
        << id;
  }
}

TEST(DialogBuilder, GroupsRadioButtonsFromOneGroupStartToTheNext) {
  Built main = Build(102);
  ASSERT_EQ(main.dialog.radioGroups.size(), 1u);
  QButtonGroup* group = main.dialog.radioGroups[0];
  EXPECT_TRUE(group->exclusive());
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(group->id(static_cast<QAbstractButton*>(main.Control(1008 + i))), i);
  }
  Built report = Build(143);
  ASSERT_EQ(report.dialog.radioGroups.size(), 1u);
  EXPECT_EQ(report.dialog.radioGroups[0]->buttons().size(), 2);
}

TEST(DialogBuilder, AppliesButtonAndEditStyles) {
  Built options = Build(130);
  EXPECT_TRUE(qobject_cast<QPushButton*>(options.Control(1))->isDefault());
  EXPECT_FALSE(qobject_cast<QPushButton*>(options.Control(2))->isDefault());
  auto* path = qobject_cast<QPlainTextEdit*>(options.Control(1026));
  ASSERT_NE(path, nullptr);
  EXPECT_EQ(path->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(path->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_TRUE(lumo::EditBehaviour::Of(path)->UpperCase());
  EXPECT_NE(qobject_cast<QCheckBox*>(options.Control(1025)), nullptr);

  Built main = Build(102);
  auto* key = qobject_cast<QPlainTextEdit*>(main.Control(1012));
  ASSERT_NE(key, nullptr);
  EXPECT_TRUE(key->isReadOnly());
  EXPECT_TRUE(key->isHidden());
  EXPECT_EQ(key->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
  EXPECT_EQ(main.Control(1008)->layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(qobject_cast<QLabel*>(main.Control(1055))->frameShadow(), QFrame::Sunken);
  EXPECT_EQ(qobject_cast<QLabel*>(main.Control(1014))->alignment(),
            Qt::AlignHCenter | Qt::AlignTop);

  Built edit = Build(145);
  auto* field = qobject_cast<QLineEdit*>(edit.Control(1041));
  ASSERT_NE(field, nullptr);
  EXPECT_TRUE(field->hasFrame());
  EXPECT_FALSE(lumo::EditBehaviour::Of(field)->UpperCase());
}

TEST(DialogBuilder, AppliesStatesAndStylesOfTheDuplicateBox) {
  Built box = Build(146);
  EXPECT_TRUE(box.Control(7)->isHidden());
  EXPECT_FALSE(box.Control(6)->isHidden());
  auto* list = qobject_cast<QListWidget*>(box.Control(1064));
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(list->isEnabled());
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::NoSelection);
  EXPECT_EQ(box.Control(1065)->layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(box.Control(1067)->layoutDirection(), Qt::LeftToRight);
  EXPECT_EQ(qobject_cast<QLabel*>(box.Control(1068))->alignment(),
            Qt::AlignRight | Qt::AlignVCenter);
  auto* explanation = qobject_cast<QPlainTextEdit*>(box.Control(1062));
  ASSERT_NE(explanation, nullptr);
  EXPECT_TRUE(explanation->isReadOnly());
  EXPECT_EQ(explanation->frameShape(), QFrame::NoFrame);
  EXPECT_EQ(explanation->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(box.Control(1062)->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
  EXPECT_EQ(box.Control(1067)->focusPolicy(), Qt::ClickFocus);  // no tab stop

  Built progress = Build(139);
  auto* bar = qobject_cast<QProgressBar*>(progress.Control(1038));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 100);
  EXPECT_LT(bar->y(), progress.Control(1037)->y());  // "Loaded" is the upper bar
}

TEST(DialogBuilder, TakesTheCallersWidgetFromTheFactory) {
  QWidget* mine = nullptr;
  Built main = Build(102, [&mine](const lumo::ControlTemplate& c, QWidget* parent) -> QWidget* {
    if (c.id != 1000) return nullptr;
    mine = new QWidget(parent);
    return mine;
  });
  ASSERT_NE(mine, nullptr);
  EXPECT_EQ(main.Control(1000), mine);
  EXPECT_EQ(mine->width(), DialogBuilder(*lumo::FindDialogTemplate(102)).ToPixels(0, 0, 184, 0).width());
  EXPECT_NE(qobject_cast<QPushButton*>(main.Control(2)), nullptr);  // others stay default
}

}  // namespace

namespace {

TEST(DialogBuilder, AMultiLineCheckBoxWrapsItsTextToItsWidth) {
  const DialogTemplate* dialog = lumo::FindDialogTemplate(146);
  ASSERT_NE(dialog, nullptr);
  Built built;
  built.dialog = DialogBuilder(*dialog).Build(built.host.get());
  auto* box = qobject_cast<QCheckBox*>(built.Control(1057));
  ASSERT_NE(box, nullptr);
  const QStringList lines = box->text().split(QLatin1Char('\n'));
  EXPECT_GT(lines.size(), 1);
  EXPECT_EQ(lines.join(QLatin1Char(' ')), QStringLiteral("Apply to all subsequent duplicates like this"));
  for (const QString& line : lines) EXPECT_LE(box->fontMetrics().horizontalAdvance(line), box->width());
}

}  // namespace
