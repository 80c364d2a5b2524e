#pragma once

#include <QLabel>
#include <QString>

#include <functional>

namespace lumo {

// A static text turned into a link: drawn in link colours with an
// underlined font, with the pointing-hand cursor and the address as its
// tooltip; a click (on release) or the space bar opens the address with the
// desktop. A failed opening beeps and says why. Screen readers see a link
// whose press action opens it.
class CHyperLink : public QLabel {
  Q_OBJECT

 public:
  // Behaviour bits of StyleFlags().
  enum Style : unsigned {
    kUnderline = 0x01,
    kUseHover = 0x02,
    kAutoSize = 0x04,
    kOpenOnPress = 0x08,
    kFocusOnClick = 0x10,
    kNoHandCursor = 0x20,
    kNoFocusColour = 0x40,
  };
  static constexpr unsigned kDefaultStyle = kUnderline | kAutoSize | kFocusOnClick;

  static constexpr QRgb kLinkColour = qRgb(0, 0, 255);
  static constexpr QRgb kVisitedColour = qRgb(128, 0, 128);
  static constexpr QRgb kFocusColour = qRgb(0, 128, 128);
  static constexpr QRgb kHoverColour = qRgb(255, 0, 0);

  // Opens an address; returns a shell result code (above 32: opened).
  using Opener = std::function<int(const QString& url)>;

  explicit CHyperLink(QWidget* parent = nullptr);

  // Binds the link to its text as the dialog gives it: an empty address
  // becomes the text, an empty text the address; then the font, the size,
  // the cursor and the tooltip are set up.
  void Attach();
  // Opens the address; on failure beeps and shows "Can't open link:".
  void FollowLink();

  void SetUrl(const QString& url) { url_ = url; }
  const QString& Url() const { return url_; }
  void SetStyleFlags(unsigned flags) { styleFlags_ = flags; }
  unsigned StyleFlags() const { return styleFlags_; }
  void SetOpener(Opener opener) { opener_ = std::move(opener); }

  bool IsActive() const { return active_; }
  bool IsHovering() const { return hovering_; }
  bool IsVisited() const { return visited_; }
  // The text colour for the present state.
  QColor TextColour() const;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SetHovering(bool hovering);
  void SizeToText();
  void UpdateColour();

  bool active_ = false;
  bool hovering_ = false;
  bool visited_ = false;
  unsigned styleFlags_ = kDefaultStyle;
  QString url_;
  Opener opener_;
};

}  // namespace lumo
