#include "core/platform/message_id.h"

#include <utility>

namespace lumo {
namespace {

MessageWording& CurrentWording() {
  static MessageWording wording = nullptr;
  return wording;
}

std::string PlainForm(const Message& message) {
  std::string text = "message " + std::to_string(static_cast<int>(message.id)) + ": " + message.file;
  if (message.error != 0) text += " (errno " + std::to_string(message.error) + ")";
  return text;
}

}  // namespace

MessageWording SetMessageWording(MessageWording wording) { return std::exchange(CurrentWording(), wording); }

std::string Worded(const Message& message) {
  const MessageWording wording = CurrentWording();
  return wording != nullptr ? wording(message) : PlainForm(message);
}

}  // namespace lumo
