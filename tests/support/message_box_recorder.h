#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/platform/message_box.h"

namespace lumo::test {

// Answers every message box with a given answer (Ok unless told otherwise)
// and records it, for as long as it lives; the previous handler comes back
// afterwards.
class MessageBoxRecorder {
 public:
  struct Box {
    std::string text;
    MessageButtons buttons;
    MessageIcon icon;
  };

  explicit MessageBoxRecorder(int answer = kAnswerOk) : answer_(answer) {
    previous_ = SetMessageBoxHandler([this](const std::string& text, MessageButtons buttons, MessageIcon icon) {
      boxes_.push_back({text, buttons, icon});
      return answer_;
    });
  }
  ~MessageBoxRecorder() { SetMessageBoxHandler(std::move(previous_)); }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  void SetAnswer(int answer) { answer_ = answer; }
  const std::vector<Box>& Messages() const { return boxes_; }
  void Clear() { boxes_.clear(); }

 private:
  int answer_;
  std::vector<Box> boxes_;
  MessageBoxHandler previous_;
};

}  // namespace lumo::test
