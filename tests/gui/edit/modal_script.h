#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

namespace lumo::test {

// Plays steps against the modal dialog that is open, one step per timer tick,
// as a user would; a dialog still open after the last step is rejected so a
// failing test cannot hang.
class ModalScript {
 public:
  using Step = std::function<void(QWidget& dialog)>;

  explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start(5);
  }

  bool Finished() const { return next_ == steps_.size(); }

 private:
  void Tick() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || !dialog->isVisible()) return;
    if (next_ < steps_.size()) {
      steps_[next_++](*dialog);
    } else if (++idleTicks_ > 200) {
      dialog->close();
      QMetaObject::invokeMethod(dialog, "reject");
    }
  }

  std::vector<Step> steps_;
  std::size_t next_ = 0;
  int idleTicks_ = 0;
  QTimer timer_;
};

}  // namespace lumo::test
