#include "gui/platform/dialog_builder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTextBoundaryFinder>
#include <QTreeView>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "gui/platform/classic_look.h"
#include "gui/platform/edit_behaviour.h"
#include "gui/platform/text_codec.h"
#include "gui/platform/translation.h"

namespace lumo {
namespace {

bool Has(const ControlTemplate& c, uint32_t bit) { return (c.style & bit) != 0; }

// Template texts are translated here, where they become widgets.
QString Text(const char* text) { return Tr("Dialog", text); }

bool Translated(const ControlTemplate& c) { return Text(c.text) != FromWindows1252(c.text); }

// A static of one line that wraps words would lose a long text below its edge.
bool WrapsOneLine(const QLabel* label) {
  return label != nullptr && label->wordWrap() && label->height() < 2 * label->fontMetrics().lineSpacing();
}

Qt::Alignment TextAlignment(const ControlTemplate& c) {
  Qt::Alignment h = Qt::AlignLeft;
  if (Has(c, ctl::kCenter)) h = Qt::AlignHCenter;
  if (Has(c, ctl::kRight)) h = Qt::AlignRight;
  return h | (Has(c, ctl::kCenterV) ? Qt::AlignVCenter : Qt::AlignTop);
}

Qt::ScrollBarPolicy ScrollBar(const ControlTemplate& c, uint32_t bit) {
  return Has(c, bit) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
}

// Read-only edits have the button face behind their text, as classic ones do.
void GreyWhenReadOnly(QWidget* edit, bool readOnly) {
  if (!readOnly) return;
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  edit->setPalette(palette);
}

QWidget* MakeMultiLineEdit(const ControlTemplate& c, QWidget* parent) {
  auto* edit = new QPlainTextEdit(parent);
  const bool scrollsSideways = Has(c, ctl::kAutoHScroll) || Has(c, ctl::kHScroll);
  edit->setLineWrapMode(scrollsSideways ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
  edit->setHorizontalScrollBarPolicy(ScrollBar(c, ctl::kHScroll));
  edit->setVerticalScrollBarPolicy(ScrollBar(c, ctl::kVScroll));
  if (!Has(c, ctl::kBorder)) edit->setFrameShape(QFrame::NoFrame);
  QTextOption option = edit->document()->defaultTextOption();
  option.setAlignment(TextAlignment(c) & Qt::AlignHorizontal_Mask);
  edit->document()->setDefaultTextOption(option);
  edit->setPlainText(Text(c.text));
  return edit;
}

QWidget* MakeEdit(const ControlTemplate& c, QWidget* parent) {
  QWidget* edit = nullptr;
  if (Has(c, ctl::kMultiLine)) {
    edit = MakeMultiLineEdit(c, parent);
    static_cast<QPlainTextEdit*>(edit)->setReadOnly(Has(c, ctl::kReadOnly));
  } else {
    auto* line = new QLineEdit(Text(c.text), parent);
    line->setFrame(Has(c, ctl::kBorder));
    line->setAlignment(TextAlignment(c) & Qt::AlignHorizontal_Mask);
    line->setReadOnly(Has(c, ctl::kReadOnly));
    edit = line;
  }
  GreyWhenReadOnly(edit, Has(c, ctl::kReadOnly));
  EditBehaviour::Attach(edit)->SetUpperCase(Has(c, ctl::kUpperCase));
  return edit;
}

QWidget* MakeButton(const ControlTemplate& c, QWidget* parent) {
  QAbstractButton* button = nullptr;
  if (c.kind == ControlKind::CheckBox) {
    button = new QCheckBox(parent);
  } else if (c.kind == ControlKind::RadioButton) {
    button = new QRadioButton(parent);
  } else {
    button = new QPushButton(parent);
  }
  DialogBuilder::SetUpButton(*button, c);
  return button;
}

QLabel* MakeLabel(const ControlTemplate& c, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(Text(c.text));
  label->setAlignment(TextAlignment(c));
  // Classic statics wrap words, except the vertically centred single lines.
  label->setWordWrap(c.kind == ControlKind::Static && !Has(c, ctl::kCenterV));
  if (Has(c, ctl::kSunken)) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  } else if (Has(c, ctl::kBorder)) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
  }
  return label;
}

QWidget* MakeListBox(const ControlTemplate& c, QWidget* parent) {
  auto* list = new QListWidget(parent);
  if (Has(c, ctl::kNoSelection)) list->setSelectionMode(QAbstractItemView::NoSelection);
  list->setHorizontalScrollBarPolicy(ScrollBar(c, ctl::kHScroll));
  list->setVerticalScrollBarPolicy(ScrollBar(c, ctl::kVScroll));
  if (!Has(c, ctl::kBorder)) list->setFrameShape(QFrame::NoFrame);
  return list;
}

QWidget* MakeTree(const ControlTemplate& c, QWidget* parent) {
  auto* tree = new QTreeView(parent);
  tree->setHeaderHidden(true);
  tree->setRootIsDecorated(Has(c, ctl::kTreeLinesAtRoot));
  tree->setDragEnabled(!Has(c, ctl::kTreeNoDragDrop));
  tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
  if (!Has(c, ctl::kBorder)) tree->setFrameShape(QFrame::NoFrame);
  return tree;
}

QWidget* MakeOther(const ControlTemplate& c, QWidget* parent) {
  switch (c.kind) {
    case ControlKind::GroupBox: {
      auto* box = new QGroupBox(Text(c.text), parent);
      box->setAlignment(TextAlignment(c) & Qt::AlignHorizontal_Mask);
      return box;
    }
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable((c.style & ctl::kDropDownList) == 0);
      combo->setInsertPolicy(QComboBox::NoInsert);
      return combo;
    }
    case ControlKind::ProgressBar: {
      auto* bar = new QProgressBar(parent);
      bar->setRange(0, 100);
      bar->setValue(0);
      bar->setTextVisible(false);
      return bar;
    }
    case ControlKind::TabControl:
      return new QTabWidget(parent);
    default:
      return MakeLabel(c, parent);  // static text, icon, bitmap, animation
  }
}

QWidget* MakeDefault(const ControlTemplate& c, QWidget* parent) {
  switch (c.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      return MakeButton(c, parent);
    case ControlKind::Edit:
      return MakeEdit(c, parent);
    case ControlKind::ListBox:
      return MakeListBox(c, parent);
    case ControlKind::TreeView:
      return MakeTree(c, parent);
    default:
      return MakeOther(c, parent);
  }
}

}  // namespace

// Lines break where Unicode allows it: after blanks, and in Japanese or
// Chinese between almost any two characters. Blanks at a line's end go.
QString WrapToWidth(const QString& text, const QFontMetrics& metrics, int width) {
  QString wrapped;
  QString line;
  QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
  qsizetype from = 0;
  while (breaks.toNextBoundary() != -1) {
    const QString piece = text.mid(from, breaks.position() - from);
    from = breaks.position();
    const QString candidate = line + piece;
    if (!line.trimmed().isEmpty() && metrics.horizontalAdvance(candidate.trimmed()) > width) {
      wrapped += line.trimmed() + QLatin1Char('\n');
      line = piece;
    } else {
      line = candidate;
    }
  }
  return wrapped + line.trimmed();
}

namespace {

// The desktop's font may be wider than the one the layout was drawn for.
// A multi-line check box wraps its text itself (Qt's does not), and a
// one-line static whose English text no longer fits grows sideways instead
// of losing words below its edge (a translated one makes room for itself).
void FitText(const ControlTemplate& c, QWidget* widget) {
  const QFontMetrics metrics = widget->fontMetrics();
  if (auto* box = qobject_cast<QCheckBox*>(widget); box && Has(c, ctl::kMultiLine)) {
    constexpr int kIndicatorRoom = 24;
    box->setText(WrapToWidth(box->text(), metrics, std::max(1, box->width() - kIndicatorRoom)));
    return;
  }
  auto* label = qobject_cast<QLabel*>(widget);
  if (!WrapsOneLine(label) || Translated(c)) return;
  const int needed = metrics.horizontalAdvance(label->text()) + 2;
  if (needed <= label->width()) return;
  label->setWordWrap(false);
  QRect rect = label->geometry();
  if (label->alignment() & Qt::AlignRight) {
    rect.setLeft(rect.right() - needed + 1);
  } else if (label->alignment() & Qt::AlignHCenter) {
    rect.adjust(-(needed - rect.width()) / 2, 0, (needed - rect.width() + 1) / 2, 0);
  } else {
    rect.setWidth(needed);
  }
  label->setGeometry(rect);
}

// The size a label's or button's text needs at the control's present
// width: the text itself, plus the frame, indicator and margins the style
// draws around it. An invalid size for other controls.
QSize TextNeeds(QWidget* widget, const QString& text) {
  const QFontMetrics metrics = widget->fontMetrics();
  const QRect wrapAt(0, 0, std::max(1, widget->width()), 1 << 16);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    const int flags = Qt::TextShowMnemonic | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const int frame = 2 * label->frameWidth() + 2 * label->margin();
    return metrics.boundingRect(wrapAt.adjusted(0, 0, -frame, 0), flags, text).size() + QSize(frame, frame);
  }
  auto* button = qobject_cast<QAbstractButton*>(widget);
  if (button == nullptr) return {};
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = text;
  QStyle::ContentsType type = QStyle::CT_CheckBox;
  if (qobject_cast<QRadioButton*>(button) != nullptr) type = QStyle::CT_RadioButton;
  if (qobject_cast<QPushButton*>(button) != nullptr) {
    type = QStyle::CT_PushButton;
    option.text.clear();  // so that the style's least width for captioned buttons does not count
  }
  const QSize textSize = metrics.size(Qt::TextShowMnemonic, text);
  return widget->style()->sizeFromContents(type, &option, textSize, widget);
}

QString TextOf(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  return {};
}

// Moves the controls after `old` in its row (or below it in its column) by
// `grow` pixels, when the control grown from `old` would reach one of them.
void MoveAlong(const std::vector<BuiltControl>& controls, const QRect& old, int grow, bool downwards) {
  const QRect grown = downwards ? old.adjusted(0, 0, 0, grow) : old.adjusted(0, 0, grow, 0);
  std::vector<QWidget*> after;
  bool reached = false;
  for (const BuiltControl& other : controls) {
    const QRect at = other.widget->geometry();
    const bool follows = downwards ? at.top() > old.bottom() && at.left() <= old.right() && at.right() >= old.left()
                                   : at.left() > old.right() && at.top() <= old.bottom() && at.bottom() >= old.top();
    if (!follows) continue;
    after.push_back(other.widget);
    reached = reached || grown.intersects(at);
  }
  if (!reached) return;
  for (QWidget* widget : after) widget->move(widget->pos() + (downwards ? QPoint(0, grow) : QPoint(grow, 0)));
}

// A field that holds a name or a path: narrower, it still shows one.
bool TakesSpareWidth(const BuiltControl& built) {
  const ControlKind kind = built.control->kind;
  return kind == ControlKind::Edit || kind == ControlKind::ComboBox ||
         (kind == ControlKind::Static && Has(*built.control, ctl::kSunken));
}

// A label widened by `grow` from `old` that reaches the field just after it
// takes the room from that field, which keeps its right edge (and its
// column's), when the field keeps at least half its width. False otherwise.
bool NarrowNextField(const std::vector<BuiltControl>& controls, const QRect& old, int grow) {
  const BuiltControl* next = nullptr;
  for (const BuiltControl& other : controls) {
    const QRect at = other.widget->geometry();
    if (at.left() <= old.right() || at.top() > old.bottom() || at.bottom() < old.top()) continue;
    if (next == nullptr || at.left() < next->widget->x()) next = &other;
  }
  if (next == nullptr || !TakesSpareWidth(*next)) return false;
  const QRect at = next->widget->geometry();
  if (!old.adjusted(0, 0, grow, 0).intersects(at)) return true;
  if (2 * (at.width() - grow) < at.width()) return false;
  next->widget->setGeometry(at.adjusted(grow, 0, 0, 0));
  return true;
}

// Widens (or lengthens) a control by `grow` pixels, moving along what it
// reaches (a label narrows the field after it instead, see NarrowNextField). Sideways, the controls of its column (the same left edge and width
// in the template) widen alike, so that labels and buttons stay in line.
void Grow(const std::vector<BuiltControl>& controls, const BuiltControl& grown, int grow, bool downwards) {
  if (grow <= 0) return;
  const int width = grown.widget->width() + grow;
  for (const BuiltControl& built : controls) {
    const bool column = !downwards && built.control->x == grown.control->x && built.control->w == grown.control->w;
    const QRect old = built.widget->geometry();
    const int by = downwards ? grow : width - old.width();
    if ((&built != &grown && !column) || by <= 0) continue;
    built.widget->resize(old.size() + (downwards ? QSize(0, by) : QSize(by, 0)));
    const bool label = !downwards && qobject_cast<QLabel*>(built.widget) != nullptr;
    if (!label || !NarrowNextField(controls, old, by)) MoveAlong(controls, old, by, downwards);
  }
}

// A translated text may need more room than the English one the template
// was drawn for. Its control grows to the right, or downwards for a text of
// several lines; a one-line static stops wrapping and widens instead. A text
// the control is to show later (kRoomForTextProperty) is measured instead.
void GrowForText(const std::vector<BuiltControl>& controls, const BuiltControl& built) {
  QWidget* widget = built.widget;
  const QVariant later = widget->property(kRoomForTextProperty);
  const QString text = later.isValid() ? later.toString() : TextOf(widget);
  if (text.isEmpty() || !Translated(*built.control)) return;
  auto* label = qobject_cast<QLabel*>(widget);
  if (WrapsOneLine(label)) label->setWordWrap(false);
  const QSize size = widget->size();
  const bool downwards = label != nullptr ? size.height() >= 2 * widget->fontMetrics().lineSpacing()
                                          : Has(*built.control, ctl::kMultiLine);
  const QSize needed = TextNeeds(widget, text);
  if (downwards) return Grow(controls, built, needed.height() - size.height(), true);
  // A widened label ends where its text does: a few pixels keep it off the field after it.
  constexpr int kLabelGap = 4;
  const int grow = needed.width() - size.width();
  Grow(controls, built, grow > 0 && label != nullptr ? grow + kLabelGap : grow, false);
}

// A group box grows to hold again the controls it held before any grew,
// keeping its margin beyond them.
void HoldContents(const std::vector<BuiltControl>& controls, const std::vector<QRect>& before, std::size_t box) {
  QRect held;
  QRect heldBefore;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (i == box || !before[box].contains(before[i])) continue;
    held |= controls[i].widget->geometry();
    heldBefore |= before[i];
  }
  if (held.isNull()) return;
  const QRect now = controls[box].widget->geometry();
  Grow(controls, controls[box], held.right() + before[box].right() - heldBefore.right() - now.right(), false);
  Grow(controls, controls[box], held.bottom() + before[box].bottom() - heldBefore.bottom() - now.bottom(), true);
}

// Translated texts get their room (see GrowForText); the controls after a
// grown one in its row (or column) move along when it reaches them, group
// boxes grow around what they held, and the dialog grows to hold it all.
// Controls with their English text keep the template's geometry.
void MakeRoomForTranslations(const std::vector<BuiltControl>& controls, QSize& clientSize) {
  std::vector<QRect> before;
  QRect extent;
  std::vector<std::size_t> boxes;
  for (const BuiltControl& built : controls) {
    if (built.control->kind == ControlKind::GroupBox) boxes.push_back(before.size());
    before.push_back(built.widget->geometry());
    extent |= before.back();
  }
  for (const BuiltControl& built : controls) GrowForText(controls, built);
  // Inner boxes first, so that the box around them holds them grown.
  std::sort(boxes.begin(), boxes.end(), [&](std::size_t a, std::size_t b) { return before[a].width() < before[b].width(); });
  for (const std::size_t box : boxes) HoldContents(controls, before, box);
  QRect grown;
  for (const BuiltControl& built : controls) grown |= built.widget->geometry();
  clientSize += QSize(std::max(0, grown.right() - extent.right()), std::max(0, grown.bottom() - extent.bottom()));
}

// Controls without a tab stop can still take the focus by a click; radio
// buttons keep Qt's own group navigation.
void ApplyFocusPolicy(const ControlTemplate& c, QWidget* widget) {
  if (Has(c, ctl::kTabStop) || c.kind == ControlKind::RadioButton) return;
  if (widget->focusPolicy() & Qt::TabFocus) widget->setFocusPolicy(Qt::ClickFocus);
}

// Radio buttons belong together from one control that starts a group up to
// the next one.
std::vector<QButtonGroup*> GroupRadioButtons(const std::vector<BuiltControl>& controls,
                                             QWidget* host) {
  std::vector<QButtonGroup*> groups;
  QButtonGroup* current = nullptr;
  for (const BuiltControl& built : controls) {
    if (Has(*built.control, ctl::kGroup)) current = nullptr;
    auto* radio = qobject_cast<QRadioButton*>(built.widget);
    if (radio == nullptr) continue;
    if (current == nullptr) {
      current = new QButtonGroup(host);
      current->setExclusive(true);
      groups.push_back(current);
    }
    current->addButton(radio, static_cast<int>(current->buttons().size()));
  }
  return groups;
}

bool TakesText(const BuiltControl& built) {
  return built.control->kind == ControlKind::Edit || built.control->kind == ControlKind::ComboBox;
}

// A field's label is the static text on its line, to its left (the nearest
// one), or else the static text just before it in the template.
QLabel* LabelOf(const std::vector<BuiltControl>& controls, std::size_t field) {
  const ControlTemplate& f = *controls[field].control;
  QLabel* best = nullptr;
  int bestRight = -1;
  for (const BuiltControl& built : controls) {
    const ControlTemplate& c = *built.control;
    const int middle = c.y + c.h / 2;
    auto* label = qobject_cast<QLabel*>(built.widget);
    if (label == nullptr || c.kind != ControlKind::Static || middle < f.y || middle >= f.y + f.h) continue;
    if (c.x + c.w <= f.x && c.x + c.w > bestRight) {
      best = label;
      bestRight = c.x + c.w;
    }
  }
  if (best != nullptr || field == 0) return best;
  const BuiltControl& previous = controls[field - 1];
  return previous.control->kind == ControlKind::Static ? qobject_cast<QLabel*>(previous.widget) : nullptr;
}

// Each field is named by its label, for screen readers, and the label's
// mnemonic moves the focus to it. The line edit inside a combo box is not
// the label's buddy, so it is named after the label here.
void LinkLabels(const std::vector<BuiltControl>& controls) {
  for (std::size_t i = 0; i < controls.size(); ++i) {
    QLabel* label = TakesText(controls[i]) ? LabelOf(controls, i) : nullptr;
    if (label == nullptr) continue;
    label->setBuddy(controls[i].widget);
    if (auto* combo = qobject_cast<QComboBox*>(controls[i].widget); combo && combo->lineEdit()) {
      combo->lineEdit()->setAccessibleName(QString(label->text()).remove(QLatin1Char('&')));
    }
  }
}

void ChainTabOrder(const std::vector<BuiltControl>& controls) {
  QWidget* previous = nullptr;
  for (const BuiltControl& built : controls) {
    if ((built.widget->focusPolicy() & Qt::TabFocus) == 0) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, built.widget);
    previous = built.widget;
  }
}

}  // namespace

DialogBuilder::DialogBuilder(const DialogTemplate& dialog)
    : DialogBuilder(dialog, DialogFont(dialog.pointSize)) {}

DialogBuilder::DialogBuilder(const DialogTemplate& dialog, const QFont& font)
    : dialog_(dialog), font_(font), baseUnits_(MeasureBaseUnits(font)) {}

void DialogBuilder::SetUpButton(QAbstractButton& button, const ControlTemplate& control) {
  button.setText(Text(control.text));
  if (auto* push = qobject_cast<QPushButton*>(&button)) push->setDefault(control.kind == ControlKind::DefPushButton);
  if (Has(control, ctl::kLeftText)) button.setLayoutDirection(Qt::RightToLeft);
}

QWidget* DialogBuilder::MakeDefaultControl(const ControlTemplate& control, QWidget* parent) {
  return MakeDefault(control, parent);
}

int DialogBuilder::MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const int64_t product = static_cast<int64_t>(number) * numerator;
  const int64_t magnitude = (std::llabs(product) + std::llabs(denominator) / 2) /
                            std::llabs(denominator);
  const bool negative = (product < 0) != (denominator < 0);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

QSize DialogBuilder::MeasureBaseUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return QSize((letters + 26) / 52, metrics.height());
}

QRect DialogBuilder::ToPixels(int x, int y, int w, int h) const {
  const int bx = baseUnits_.width();
  const int by = baseUnits_.height();
  return QRect(MulDiv(x, bx, 4), MulDiv(y, by, 8), MulDiv(w, bx, 4), MulDiv(h, by, 8));
}

QSize DialogBuilder::DialogSize() const {
  return ToPixels(0, 0, dialog_.width, dialog_.height).size();
}

BuiltDialog DialogBuilder::Build(QWidget* host, const ControlFactory& factory) const {
  BuiltDialog built;
  host->setFont(font_);
  built.menuBar = BuildMenu(host);
  const int top = built.menuBar != nullptr ? built.menuBar->sizeHint().height() : 0;
  for (const ControlTemplate& control : dialog_.controls) {
    built.controls.push_back({&control, BuildControl(control, host, top, factory)});
  }
  built.radioGroups = GroupRadioButtons(built.controls, host);
  LinkLabels(built.controls);
  ChainTabOrder(built.controls);
  built.clientSize = DialogSize() + QSize(0, top);
  MakeRoomForTranslations(built.controls, built.clientSize);
  return built;
}

namespace {

// "&Find...\tCtrl+F": the text before the tab is the item, the rest its
// shortcut, as menu resources write them.
void AddMenuItem(QMenu& menu, const MenuItemTemplate& item) {
  const QStringList parts = Tr("Menu", item.text).split(QLatin1Char('\t'));
  QAction* action = menu.addAction(parts.front());
  action->setData(item.commandId);
  if (parts.size() > 1) action->setShortcut(QKeySequence(parts[1], QKeySequence::PortableText));
}

}  // namespace

QMenuBar* DialogBuilder::BuildMenu(QWidget* host) const {
  const MenuTemplate* menu = dialog_.menuId != 0 ? FindMenuTemplate(dialog_.menuId) : nullptr;
  if (menu == nullptr) return nullptr;
  auto* bar = new QMenuBar(host);
  for (const PopupMenuTemplate& popup : menu->popups) {
    QMenu* dropDown = bar->addMenu(Tr("Menu", popup.text));
    for (const MenuItemTemplate& item : popup.items) {
      if (item.text == nullptr) {
        dropDown->addSeparator();
      } else {
        AddMenuItem(*dropDown, item);
      }
    }
  }
  bar->setGeometry(0, 0, DialogSize().width(), bar->sizeHint().height());
  return bar;
}

QWidget* DialogBuilder::BuildControl(const ControlTemplate& control, QWidget* host, int top,
                                     const ControlFactory& factory) const {
  QWidget* widget = factory ? factory(control, host) : nullptr;
  if (widget == nullptr) widget = MakeDefault(control, host);
  widget->setObjectName(QStringLiteral("control_%1").arg(control.id));
  QRect rect = ToPixels(control.x, control.y, control.w, control.h).translated(0, top);
  // A drop-down combo's height in the template is that of its open list.
  if (qobject_cast<QComboBox*>(widget) != nullptr) rect.setHeight(widget->sizeHint().height());
  widget->setGeometry(rect);
  FitText(control, widget);
  widget->setEnabled(!Has(control, ctl::kDisabled));
  if (Has(control, ctl::kHidden)) widget->setHidden(true);
  ApplyFocusPolicy(control, widget);
  return widget;
}

}  // namespace lumo
