// Runs under its own main: the application object under test must be the
// process's one QApplication.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "app/guarded_application.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

// An object whose handling of any event fails the way it is told to.
class FailingObject : public QObject {
 public:
  explicit FailingObject(std::function<void()> fail) : fail_(std::move(fail)) {}
  bool event(QEvent*) override {
    fail_();
    return true;
  }

 private:
  std::function<void()> fail_;
};

// An exception from an event handler is told to the user and stops that
// event only: the program and its event loop go on.
TEST(GuardedApplication, ExceptionsFromEventsBecomeMessages) {
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[] { throw std::bad_alloc(); }, "There is not enough memory to finish the operation.\n\nIt has been stopped."},
      {[] { throw std::runtime_error("disk gone"); },
       "The operation could not be finished:\ndisk gone\n\nIt has been stopped."},
      {[] { throw 42; }, "The operation could not be finished:\nan unknown error\n\nIt has been stopped."},
  };
  for (const auto& [fail, text] : cases) {
    lumo::test::MessageBoxRecorder messages;
    FailingObject object(fail);
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &event));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, text);
    EXPECT_EQ(messages.Messages()[0].icon, lumo::MessageIcon::Warning);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  lumo::test::UseTemporaryProfileHome();
  testing::InitGoogleTest(&argc, argv);
  GuardedApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
