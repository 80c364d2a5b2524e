#include "platform/message_box.h"

#include <cstdio>
#include <utility>

namespace lumo {
namespace {

MessageBoxHandler& CurrentHandler() {
  static MessageBoxHandler handler;
  return handler;
}

int AnswerWithoutScreen(const std::string& text, MessageButtons buttons) {
  std::fprintf(stderr, "%s\n", text.c_str());
  switch (buttons) {
    case MessageButtons::Ok: return kAnswerOk;
    case MessageButtons::OkCancel: return kAnswerCancel;
    case MessageButtons::YesNo: return kAnswerNo;
  }
  return kAnswerCancel;
}

}  // namespace

int ShowMessageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) {
  const MessageBoxHandler& handler = CurrentHandler();
  if (handler) return handler(text, buttons, icon);
  return AnswerWithoutScreen(text, buttons);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(CurrentHandler(), std::move(handler));
}

}  // namespace lumo
