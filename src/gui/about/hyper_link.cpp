#include "gui/about/hyper_link.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "gui/about/desktop_launch.h"
#include "core/about/link_launch.h"
#include "core/platform/message_box.h"

namespace lumo {

namespace {

// What a screen reader sees: a link named by its text, described by its
// address, whose press action opens it like a click.
class HyperLinkAccessible : public QAccessibleWidget {
 public:
  explicit HyperLinkAccessible(CHyperLink* link) : QAccessibleWidget(link, QAccessible::Link) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return Link()->text();
    if (t == QAccessible::Description || t == QAccessible::Value) return Link()->Url();
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction()) Link()->FollowLink();
  }

 private:
  CHyperLink* Link() const { return static_cast<CHyperLink*>(widget()); }
};

QAccessibleInterface* HyperLinkAccessibleFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("lumo::CHyperLink") || !object || !object->isWidgetType()) return nullptr;
  return new HyperLinkAccessible(static_cast<CHyperLink*>(object));
}

void InstallAccessibleFactoryOnce() {
  static const bool installed = (QAccessible::installFactory(HyperLinkAccessibleFactory), true);
  (void)installed;
}

// Half of a difference, truncated toward zero as integer division does.
int Half(int difference) { return difference / 2; }

}  // namespace

CHyperLink::CHyperLink(QWidget* parent) : QLabel(parent), opener_(lumo::OpenLinkWithShell) {
  InstallAccessibleFactoryOnce();
  setTextFormat(Qt::PlainText);
  setMouseTracking(true);
  // A static text cannot be reached by Tab; a link must be, for keyboards.
  setFocusPolicy(Qt::StrongFocus);
}

void CHyperLink::Attach() {
  // After the dialog builder, which leaves statics to the mouse alone.
  setFocusPolicy(Qt::StrongFocus);
  if (url_.isEmpty()) url_ = text();
  if (text().isEmpty()) setText(url_);
  QFont linkFont = font();
  linkFont.setUnderline((styleFlags_ & kUnderline) != 0);
  setFont(linkFont);
  if (styleFlags_ & kAutoSize) SizeToText();
  if (!(styleFlags_ & kNoHandCursor)) setCursor(Qt::PointingHandCursor);
  setToolTip(url_);
  UpdateColour();
}

// Shrinks the control around its text, keeping its alignment: centred text
// stays centred, right-aligned text keeps its right edge.
void CHyperLink::SizeToText() {
  QRect rect = geometry();
  const QSize extent = fontMetrics().size(Qt::TextSingleLine, text());
  if (alignment() & Qt::AlignVCenter) {
    const int cut = Half(rect.height() - extent.height());
    rect.adjust(0, cut, 0, -cut);
  } else {
    rect.setHeight(extent.height());
  }
  if (alignment() & Qt::AlignHCenter) {
    const int cut = Half(rect.width() - extent.width());
    rect.adjust(cut, 0, -cut, 0);
  } else if (alignment() & Qt::AlignRight) {
    rect.setLeft(rect.right() - extent.width() + 1);
  } else {
    rect.setWidth(extent.width());
  }
  setGeometry(rect);
}

QColor CHyperLink::TextColour() const {
  if (hovering_ && (styleFlags_ & kUseHover)) return QColor(kHoverColour);
  if (active_ && !(styleFlags_ & kNoFocusColour)) return QColor(kFocusColour);
  return QColor(visited_ ? kVisitedColour : kLinkColour);
}

void CHyperLink::UpdateColour() {
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, TextColour());
  setPalette(colours);
  update();
}

void CHyperLink::FollowLink() {
  const int result = opener_(url_);
  if (result <= 32) {
    QApplication::beep();
    lumo::ShowMessageBox(lumo::LinkErrorMessage(result), lumo::MessageButtons::Ok, lumo::MessageIcon::Warning);
    return;
  }
  visited_ = true;
  UpdateColour();
}

void CHyperLink::SetHovering(bool hovering) {
  if (hovering_ == hovering) return;
  hovering_ = hovering;
  UpdateColour();
}

void CHyperLink::mouseMoveEvent(QMouseEvent* event) {
  SetHovering(rect().contains(event->position().toPoint()));
  QLabel::mouseMoveEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event) {
  SetHovering(false);
  QLabel::leaveEvent(event);
}

void CHyperLink::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
  if (styleFlags_ & kFocusOnClick) setFocus(Qt::MouseFocusReason);
  if (styleFlags_ & kOpenOnPress) FollowLink();
  active_ = true;
  UpdateColour();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
  // Let go elsewhere, the press was taken back.
  if (active_ && !(styleFlags_ & kOpenOnPress) && rect().contains(event->position().toPoint())) FollowLink();
}

void CHyperLink::focusInEvent(QFocusEvent* event) {
  active_ = true;
  UpdateColour();
  QLabel::focusInEvent(event);
}

void CHyperLink::focusOutEvent(QFocusEvent* event) {
  active_ = false;
  hovering_ = false;
  UpdateColour();
  QLabel::focusOutEvent(event);
}

void CHyperLink::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space) {
    if (!event->isAutoRepeat()) FollowLink();  // a held key opens one page, not dozens
    return;
  }
  QLabel::keyPressEvent(event);
}

}  // namespace lumo
