#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>

#include <csignal>
#include <chrono>
#include <string>

#include "fake_program.h"
#include "core/platform/atomic_file.h"
#include "gui/platform/shell_open.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace {

using lumo::ShellOpener;
using lumo::test::ReadBytes;
using lumo::test::TempDir;
using lumo::test::WriteFakeProgram;
using namespace std::chrono_literals;

class ShellOpenTest : public ::testing::Test {
 protected:
  int RunExiting(const std::string& body) {
    const std::string program = WriteFakeProgram(dir.Path(), "opener", body);
    return ShellOpener(QString::fromStdString(program), 5s).Open(QStringLiteral("report.html"));
  }

  TempDir dir;
};

TEST_F(ShellOpenTest, MapsLauncherExitStatusesToShellResults) {
  EXPECT_GT(RunExiting("exit 0"), 32);
  EXPECT_EQ(RunExiting("exit 1"), lumo::kShellAssocIncomplete);
  EXPECT_EQ(RunExiting("exit 2"), lumo::kShellFileNotFound);
  EXPECT_EQ(RunExiting("exit 3"), lumo::kShellNoAssociation);
  EXPECT_EQ(RunExiting("exit 4"), lumo::kShellNoAssociation);
  EXPECT_EQ(RunExiting("exit 9"), lumo::kShellFailed);
  EXPECT_EQ(RunExiting("kill -SEGV $$"), lumo::kShellFailed);  // a crash is no launch
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);        // the wait cursor went away
}

TEST_F(ShellOpenTest, AMissingLauncherMeansNoAssociation) {
  EXPECT_EQ(ShellOpener(QString::fromStdString(dir.File("absent"))).Open("x.html"),
            lumo::kShellNoAssociation);
  EXPECT_EQ(ShellOpener(QStringLiteral("lumo-no-such-launcher")).Open("x.html"),
            lumo::kShellNoAssociation);
  lumo::test::WriteBytes(dir.File("not-executable"), "#!/bin/sh\nexit 0\n");
  EXPECT_EQ(ShellOpener(QString::fromStdString(dir.File("not-executable"))).Open("x.html"),
            lumo::kShellNoAssociation);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ShellOpenTest, PassesTheTargetAsOneUntouchedArgument) {
  const std::string out = dir.File("args");
  const std::string program =
      WriteFakeProgram(dir.Path(), "opener", "printf '%s|%s' \"$#\" \"$1\" > '" + out + "'");
  const ShellOpener opener(QString::fromStdString(program), 5s);

  // Shell syntax in a name is just text: nothing is run, nothing is split.
  const QString awkward = QString::fromUtf8("my report $(touch pwned); x's \"caf\u00e9\".html");
  ASSERT_GT(opener.Open(awkward), 32);
  EXPECT_EQ(ReadBytes(out), "1|" + awkward.toStdString());
  EXPECT_FALSE(lumo::test::FileExists(dir.File("pwned")));

  // A name that looks like an option is still a file.
  ASSERT_GT(opener.Open(QStringLiteral("-rf.html")), 32);
  EXPECT_EQ(ReadBytes(out), "1|./-rf.html");
}

// Lumo ignores SIGPIPE and SIGXFSZ; the programs it starts must not.
TEST_F(ShellOpenTest, TheLauncherGetsTheDefaultSignalHandling) {
  const std::string out = dir.File("ignored");
  const std::string program = WriteFakeProgram(dir.Path(), "opener", "grep SigIgn /proc/$$/status > '" + out + "'");
  lumo::platform::IgnoreWriteSignals();
  const int result = ShellOpener(QString::fromStdString(program), 5s).Open(QStringLiteral("x.html"));
  lumo::platform::RestoreWriteSignals();
  ASSERT_GT(result, 32);
  const std::string line = ReadBytes(out);
  ASSERT_EQ(line.rfind("SigIgn:", 0), 0u) << line;
  const unsigned long long ignored = std::stoull(line.substr(7), nullptr, 16);
  EXPECT_EQ(ignored & (1ULL << (SIGPIPE - 1)), 0u);
  EXPECT_EQ(ignored & (1ULL << (SIGXFSZ - 1)), 0u);
}

TEST_F(ShellOpenTest, ALauncherStillRunningCountsAsLaunchedAndIsNotKilled) {
  const std::string marker = dir.File("finished");
  const std::string program =
      WriteFakeProgram(dir.Path(), "slow", "sleep 1\ntouch '" + marker + "'");
  QElapsedTimer clock;
  clock.start();
  EXPECT_GT(ShellOpener(QString::fromStdString(program), 200ms).Open("x.html"), 32);
  EXPECT_LT(clock.elapsed(), 900);  // gave up waiting before the launcher ended
  EXPECT_FALSE(lumo::test::FileExists(marker));

  // Left running, the launcher ends on its own and its process object goes.
  while (clock.elapsed() < 10000 &&
         (!lumo::test::FileExists(marker) ||
          !QCoreApplication::instance()->findChildren<QProcess*>().isEmpty())) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_TRUE(lumo::test::FileExists(marker));
  EXPECT_TRUE(QCoreApplication::instance()->findChildren<QProcess*>().isEmpty());
}

}  // namespace
