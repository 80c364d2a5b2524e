#pragma once

#include <string>

#include "core/platform/message_id.h"

// The words of the core's messages: the one table that turns a message id
// and its arguments into the user's text (UTF-8), where
// translations and code pages belong.
namespace lumo {

// The text for `message`: its id's sentence with every "%1" replaced by the
// file name, inserted literally (a "%1" inside the name stays as it is); for
// WriteSystemError the system's description of the error.
std::string MessageText(const Message& message);

// Makes the core word its messages by this table (SetMessageWording). Called
// once at start-up, before any message can be shown.
void InstallMessageText();

}  // namespace lumo
