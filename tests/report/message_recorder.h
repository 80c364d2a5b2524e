#pragma once

#include <string>
#include <vector>

#include "platform/message_box.h"

namespace lumo::test {

// Answers every message box with Ok and records it, for as long as it lives;
// the previous handler comes back afterwards.
class MessageRecorder {
 public:
  struct Shown {
    std::string text;
    MessageButtons buttons;
    MessageIcon icon;
  };

  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  const std::vector<Shown>& Messages() const { return shown_; }

 private:
  std::vector<Shown> shown_;
  MessageBoxHandler previous_;
};

}  // namespace lumo::test
