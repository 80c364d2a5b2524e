#pragma once

#include <functional>
#include <string>
#include <string_view>

// Message boxes, reachable from the Qt-free core. The GUI installs a handler
// that shows a real box (caption: the executable's base name); tests install
// one that answers without a screen. Texts are UTF-8, as the user reads them.
namespace lumo {

enum class MessageIcon { None, Stop, Warning, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };

// The answers, with the platform's numbers, which callers compare against.
enum MessageAnswer : int { kAnswerOk = 1, kAnswerCancel = 2, kAnswerYes = 6, kAnswerNo = 7 };

using MessageBoxHandler =
    std::function<int(const std::string& text, MessageButtons buttons, MessageIcon icon)>;

// Shows the box through the current handler and returns the button pressed.
// Without a handler installed, the text goes to standard error and the answer
// is the safe one: Ok for an Ok box, Cancel or No otherwise.
int ShowMessageBox(const std::string& text, MessageButtons buttons, MessageIcon icon);

// `pattern` with every `token` (such as "%s"; not empty) replaced by
// `value`, taken as it is: a name is data, never a format.
std::string FillIn(std::string_view pattern, std::string_view token, std::string_view value);

// Installs a handler (an empty one restores the default) and returns the
// previous handler, so that a test can put it back.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace lumo
