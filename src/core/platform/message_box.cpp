#include "core/platform/message_box.h"

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

std::string FillIn(std::string_view pattern, std::string_view token, std::string_view value) {
  std::string text;
  text.reserve(pattern.size() + value.size());
  std::size_t from = 0;
  for (std::size_t at = pattern.find(token); at != std::string_view::npos; at = pattern.find(token, from)) {
    text.append(pattern, from, at - from);
    text += value;
    from = at + token.size();
  }
  text.append(pattern, from);
  return text;
}

}  // namespace lumo
