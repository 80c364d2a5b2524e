#include "app/guarded_application.h"

#include <exception>
#include <new>
#include <string>

#include "core/platform/message_box.h"
#include "gui/platform/translation.h"

namespace lumo {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    // The failed operation's memory is free again by now: the stack is unwound.
    lumo::ShowMessageBox(FailureText(&error), lumo::MessageButtons::Ok, lumo::MessageIcon::Warning);
  } catch (...) {
    lumo::ShowMessageBox(FailureText(nullptr), lumo::MessageButtons::Ok, lumo::MessageIcon::Warning);
  }
  return false;
}

std::string GuardedApplication::FailureText(const std::exception* error) {
  if (dynamic_cast<const std::bad_alloc*>(error) != nullptr) {
    return TrUtf8("Lumo", "There is not enough memory to finish the operation.\n\nIt has been stopped.");
  }
  const std::string cause = error != nullptr ? error->what() : TrUtf8("Lumo", "an unknown error");
  return FillIn(TrUtf8("Lumo", "The operation could not be finished:\n%1\n\nIt has been stopped."), "%1", cause);
}

}  // namespace lumo
