#pragma once

#include <QApplication>

#include <exception>
#include <string>

namespace lumo {

// The application object. An exception that escapes the handling of an
// event (running out of memory in a load, for one) is stopped here: the user
// is told in a message box, the event counts as not handled, and the program
// goes on, instead of ending in the middle of the event loop. Every write to
// a file is all-or-nothing, so what is on disk is whole either way.
class GuardedApplication : public QApplication {
  Q_OBJECT

 public:
  GuardedApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // The message-box text for an exception that stopped an operation.
  static std::string FailureText(const std::exception* error);
};

}  // namespace lumo
