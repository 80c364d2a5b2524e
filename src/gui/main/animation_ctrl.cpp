#include "gui/main/animation_ctrl.h"

#include <QPainter>

namespace lumo {

AnimationCtrl::AnimationCtrl(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  connect(&timer_, &QTimer::timeout, this, &AnimationCtrl::Advance);
}

void AnimationCtrl::Open(std::vector<QImage> frames, int framesPerSecond) {
  Stop();
  frames_ = std::move(frames);
  current_ = 0;
  if (!frames_.empty() && framesPerSecond > 0) timer_.start(1000 / framesPerSecond);
  update();
}

void AnimationCtrl::Stop() { timer_.stop(); }

void AnimationCtrl::Advance() {
  current_ = (current_ + 1) % static_cast<int>(frames_.size());
  update();
}

void AnimationCtrl::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (frames_.empty()) return;
  const QImage& frame = frames_[static_cast<std::size_t>(current_)];
  QRect area = contentsRect();
  QPoint topLeft(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
  QPainter painter(this);
  painter.setClipRect(area);
  painter.drawImage(topLeft, frame);
}

}  // namespace lumo
