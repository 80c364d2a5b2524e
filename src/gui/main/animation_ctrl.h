#pragma once

#include <QFrame>
#include <QImage>
#include <QTimer>

#include <vector>

namespace lumo {

// The main window's animation: a looping clip drawn centred in a bordered
// frame. Like the platform control it replaces, it starts playing as soon as
// a clip is opened and loops for ever.
class AnimationCtrl : public QFrame {
  Q_OBJECT

 public:
  explicit AnimationCtrl(QWidget* parent = nullptr);

  // Takes the frames and starts playing at `framesPerSecond`. An empty clip
  // shows nothing and does not play.
  void Open(std::vector<QImage> frames, int framesPerSecond);
  void Stop();

  bool IsPlaying() const { return timer_.isActive(); }
  int CurrentFrame() const { return current_; }
  int FrameCount() const { return static_cast<int>(frames_.size()); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Advance();

  std::vector<QImage> frames_;
  int current_ = 0;
  QTimer timer_;
};

}  // namespace lumo
