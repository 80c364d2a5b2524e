#include "message_recorder.h"

#include <utility>

namespace lumo::test {

MessageRecorder::MessageRecorder()
    : previous_(SetMessageBoxHandler(
          [this](const std::string& text, MessageButtons buttons, MessageIcon icon) {
            shown_.push_back({text, buttons, icon});
            return kAnswerOk;
          })) {}

MessageRecorder::~MessageRecorder() { SetMessageBoxHandler(std::move(previous_)); }

}  // namespace lumo::test
