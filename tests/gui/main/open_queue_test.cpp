#include <gtest/gtest.h>

#include <QObject>
#include <QTest>

#include <string>
#include <vector>

#include "gui/main/open_queue.h"

namespace {

// Files handed over while the window is busy wait; once it is idle only the
// last is opened, never inside the request itself.
TEST(OpenQueue, OpensOnlyTheLastRequestOnceIdle) {
  QObject owner;
  bool idle = false;
  std::vector<std::string> opened;
  lumo::OpenQueue queue([&idle] { return idle; }, [&opened](const std::string& path) { opened.push_back(path); },
                        &owner);
  for (const char* path : {"/a.ini", "/b.ini", "/c.ini"}) queue.Request(path);
  QTest::qWait(300);
  EXPECT_TRUE(opened.empty());
  idle = true;
  queue.Request("/d.ini");
  EXPECT_TRUE(opened.empty());
  QTRY_COMPARE_WITH_TIMEOUT(opened.size(), std::size_t{1}, 5000);
  QTest::qWait(300);
  EXPECT_EQ(opened, std::vector<std::string>{"/d.ini"});
  EXPECT_FALSE(queue.HasPending());
}

}  // namespace
