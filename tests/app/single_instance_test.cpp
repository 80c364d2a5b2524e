#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QUuid>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "gui/platform/single_instance.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

using lumo::test::TempDir;

QString UniqueKey() { return QStringLiteral("lumo-test-") + QUuid::createUuid().toString(QUuid::Id128); }

TEST(SingleInstance, ALaterCopyAsksTheFirstToRaiseItsWindow) {
  const QString key = UniqueKey();
  SingleInstance first(key);
  ASSERT_TRUE(first.TryBecomeFirst());
  QSignalSpy raised(&first, &SingleInstance::raiseRequested);

  SingleInstance second(key);
  EXPECT_FALSE(second.TryBecomeFirst());
  EXPECT_TRUE(second.AskFirstToRaise());
  EXPECT_TRUE(raised.wait(5000));
}

TEST(SingleInstance, TheLockGoesWithTheFirstCopy) {
  const QString key = UniqueKey();
  {
    SingleInstance first(key);
    ASSERT_TRUE(first.TryBecomeFirst());
  }
  SingleInstance next(key);
  EXPECT_TRUE(next.TryBecomeFirst());
  SingleInstance lonely(UniqueKey());
  EXPECT_FALSE(lonely.AskFirstToRaise({}, 200));  // nobody to ask
}

// A later copy hands over a path byte for byte; the first copy takes only an
// absolute one of bounded length, and drops anything else sent to it.
TEST(SingleInstance, OnlyABoundedAbsolutePathIsHandedOver) {
  const QString key = UniqueKey();
  SingleInstance first(key);
  ASSERT_TRUE(first.TryBecomeFirst());
  std::vector<std::string> opened;
  QObject::connect(&first, &SingleInstance::openRequested, [&opened](const std::string& path) { opened.push_back(path); });
  for (const QByteArray& junk : {QByteArray("open relative.ini", 18), "open /" + QByteArray(5000, 'x') + '\0' + "open /",
                                 QByteArray("junk")}) {
    QLocalSocket socket;
    socket.connectToServer(key);
    ASSERT_TRUE(socket.waitForConnected(2000));
    socket.write(junk);
    socket.waitForBytesWritten(2000);
  }
  SingleInstance second(key);
  EXPECT_TRUE(second.AskFirstToOpen("/tmp/d\xE9j\xC3\xA0 vu.ini"));
  QTRY_COMPARE_WITH_TIMEOUT(opened.size(), std::size_t{1}, 5000);
  QTest::qWait(300);  // the junk had its chance too
  EXPECT_EQ(opened, std::vector<std::string>{"/tmp/d\xE9j\xC3\xA0 vu.ini"});
}

// Requests of older copies, and of newer ones with a launcher's activation
// token after them: the token never changes the request, and a malformed
// one counts as none.
TEST(SingleInstance, AnActivationTokenMayFollowTheRequest) {
  using namespace std::string_literals;
  for (const auto& [sent, path, token] : std::vector<std::array<std::string, 3>>{
           {"raise\n", "", ""}, {"raise\ntoken abc-1_TIME2\0"s, "", "abc-1_TIME2"}, {"open /a.ini\0"s, "/a.ini", ""},
           {"open /a.ini\0token t\0"s, "/a.ini", "t"}, {"raise\ntok", "", ""}, {"raise\ntoken a\tb\0"s, "", ""},
           {"raise\ntoken " + std::string(300, 'x') + '\0', "", ""}}) {
    const QString key = UniqueKey();
    SingleInstance first(key);
    ASSERT_TRUE(first.TryBecomeFirst());
    std::string opened, raised = "none";
    QObject::connect(&first, &SingleInstance::openRequested, [&opened](const std::string& p) { opened += p; });
    QObject::connect(&first, &SingleInstance::raiseRequested, [&raised](const std::string& t) { raised = t; });
    QLocalSocket socket;  // an older copy, or any other client
    socket.connectToServer(key);
    ASSERT_TRUE(socket.waitForConnected(2000));
    ASSERT_GT(socket.write(QByteArray::fromStdString(sent)), 0);
    socket.waitForBytesWritten(2000);
    socket.disconnectFromServer();
    QTRY_VERIFY_WITH_TIMEOUT(raised != "none", 5000);
    EXPECT_EQ(opened + "|" + raised, path + "|" + token) << sent;
  }
}

// An older first copy reads a request up to its end and no further.
TEST(SingleInstance, TheTokenComesAfterWhatOlderCopiesRead) {
  const QString key = UniqueKey();
  QLocalServer older;
  ASSERT_TRUE(older.listen(key));
  ASSERT_TRUE(SingleInstance(key).AskFirstToOpen("/a.ini", "t") && older.waitForNewConnection(2000));
  QLocalSocket* socket = older.nextPendingConnection();
  socket->waitForReadyRead(2000);
  EXPECT_TRUE(socket->readAll().startsWith(QByteArray("open /a.ini\0", 12)));
}

// The real program, twice, on a settings folder of its own.
class TwoCopies : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(config_.Path() + "/lumo");
    lumo::test::WriteBytes(config_.File("lumo/lumo.ini"), "[options]\r\npath=" + config_.Path() + "/none\r\n");
  }

  std::unique_ptr<QProcess> Start() {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(config_.Path()));
    process->setProcessEnvironment(env);
    process->start(QStringLiteral(LUMO_EXECUTABLE), {});
    EXPECT_TRUE(process->waitForStarted(10000));
    return process;
  }

  // The key the program computes from its own settings folder.
  QString KeyOfTheProgram() {
    const char* before = std::getenv("XDG_CONFIG_HOME");
    std::string saved = before ? before : "";
    setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1);
    QString key = SingleInstance::DefaultKey();
    setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    return key;
  }

  bool WaitUntilListening(const QString& key) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000) {
      QLocalSocket probe;
      probe.connectToServer(key);
      if (probe.waitForConnected(200)) return true;
      QThread::msleep(50);
    }
    return false;
  }

  TempDir config_;
};

TEST_F(TwoCopies, TheSecondStartEndsAtOnceWhileTheFirstRuns) {
  auto first = Start();
  ASSERT_TRUE(WaitUntilListening(KeyOfTheProgram()));
  auto second = Start();
  EXPECT_TRUE(second->waitForFinished(10000));
  EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second->exitCode(), 0);
  EXPECT_EQ(first->state(), QProcess::Running);

  // Once the first copy is gone, the next start runs normally.
  first->kill();
  first->waitForFinished(5000);
  auto third = Start();
  EXPECT_FALSE(third->waitForFinished(1500));
  third->kill();
  third->waitForFinished(5000);
}

}  // namespace
