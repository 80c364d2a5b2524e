#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QResizeEvent>
#include <QScreen>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "gui/main/lumo_dlg.h"
#include "core/platform/profile.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

using Geometries = std::map<int, QRect>;

constexpr int kResizable[] = {
    CLumoDlg::kTree,       CLumoDlg::kExit,         CLumoDlg::kAbout,      CLumoDlg::kReport,
    CLumoDlg::kCdKeyBox,   CLumoDlg::kDisplayBox,   CLumoDlg::kLevelArtist, CLumoDlg::kLevelAlbum,
    CLumoDlg::kLevelAll,   CLumoDlg::kLevelCustom,  CLumoDlg::kAnimation,  CLumoDlg::kInfoBox,
    CLumoDlg::kArtistCount, CLumoDlg::kAlbumCount, CLumoDlg::kStatusLine};

// The main window on a search path that finds nothing, with lumo.ini in the
// test's profile folder.
class ResizingMainWindow : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(lumo::profile::ProfileDirectory());
    WriteIni("");
  }
  void TearDown() override {
    window_.reset();
    std::filesystem::permissions(IniPath(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    std::filesystem::remove(IniPath());
  }

  std::string IniPath() const { return lumo::profile::ProfileDirectory() + "/lumo.ini"; }
  void WriteIni(const std::string& more) {
    lumo::test::WriteBytes(IniPath(), "[options]\r\npath=" + empty_.Path() + "\r\n" + more);
  }
  int Saved(const char* key) const { return lumo::profile::GetInt("66", key, -1, "lumo.ini"); }

  CLumoDlg& Open() {
    window_ = std::make_unique<CLumoDlg>();
    window_->CreateModeless(nullptr);
    QApplication::processEvents();
    return *window_;
  }
  void Close() {
    window_->ControlAs<QAbstractButton>(CLumoDlg::kExit)->click();
    QApplication::processEvents();
  }
  Geometries Layout() const {
    Geometries layout;
    for (int id : kResizable) layout[id] = window_->Control(id)->geometry();
    return layout;
  }

  lumo::test::TempDir empty_;
  std::unique_ptr<CLumoDlg> window_;
};

// Growing: the tree grows both ways, the status line widens and
// moves down, the right-hand column moves right, the buttons move with the
// bottom right corner.
Geometries Expected(Geometries layout, QSize delta) {
  const int dx = delta.width();
  const int dy = delta.height();
  for (auto& [id, rect] : layout) {
    if (id == CLumoDlg::kTree) {
      rect.adjust(0, 0, dx, dy);
    } else if (id == CLumoDlg::kStatusLine) {
      rect.adjust(0, dy, dx, dy);
    } else if (id == CLumoDlg::kExit || id == CLumoDlg::kAbout || id == CLumoDlg::kReport) {
      rect.translate(dx, dy);
    } else {
      rect.translate(dx, 0);
    }
  }
  return layout;
}

struct SizeChange {
  const char* what;
  std::function<void(CLumoDlg&)> change;
  std::function<void(CLumoDlg&)> undo;
};

// Maximising and restoring are size changes like any other; shrinking stops
// at the size the window was created with.
TEST_F(ResizingMainWindow, SizeChangesMoveAndStretchTheRegisteredControls) {
  const SizeChange changes[] = {
      {"growing", [](CLumoDlg& w) { w.resize(w.size() + QSize(40, 30)); }, [](CLumoDlg& w) { w.resize(100, 100); }},
      {"maximising", [](CLumoDlg& w) { w.showMaximized(); }, [](CLumoDlg& w) { w.showNormal(); }},
  };
  CLumoDlg& window = Open();
  const QSize created = window.size();
  EXPECT_EQ(window.minimumSize(), created);
  const Geometries before = Layout();
  for (const SizeChange& c : changes) {
    c.change(window);
    QApplication::processEvents();
    ASSERT_NE(window.size(), created) << c.what;
    EXPECT_EQ(Layout(), Expected(before, window.size() - created)) << c.what;
    c.undo(window);
    QApplication::processEvents();
    EXPECT_EQ(window.size(), created) << c.what;
    EXPECT_EQ(Layout(), before) << c.what;
  }
}

TEST_F(ResizingMainWindow, TheMinimisedSizeEventIsIgnored) {
  CLumoDlg& window = Open();
  const Geometries before = Layout();
  window.setWindowState(Qt::WindowMinimized);
  QResizeEvent minimised(QSize(160, 24), window.size());
  QApplication::sendEvent(&window, &minimised);
  window.setWindowState(Qt::WindowNoState);
  QApplication::processEvents();
  EXPECT_EQ(Layout(), before);
}

struct RestoreCase {
  std::string cx;
  std::string cy;
  QSize expected;
};

// A saved size is restored with its layout. One from a bigger screen or a
// hand-edited file can neither make the window bigger than the screen nor
// hide it; values that are not positive leave the template's size. On
// closing, only a width that differs from the saved one is written again.
TEST_F(ResizingMainWindow, ASavedSizeIsRestoredBetweenTheMinimumAndTheScreen) {
  const QSize created = Open().size();  // nothing saved yet: the template's size
  const Geometries original = Layout();
  Close();
  EXPECT_EQ(Saved("CX"), -1) << "saved without a change";
  const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
  const QSize bigger = created + QSize(20, 20);
  auto text = [](int n) { return std::to_string(n); };
  const RestoreCase cases[] = {
      {text(created.width() + 100), text(created.height() + 50), created + QSize(100, 50)},
      {"100000", text(bigger.height()), {screen.width(), bigger.height()}},
      {text(bigger.width()), "100000", {bigger.width(), screen.height()}},
      {"10", "10", created},
      {"-5", text(bigger.height()), created},
      {text(bigger.width()), "0", created},
      {"wide", "tall", created},
  };
  for (const RestoreCase& c : cases) {
    WriteIni("[66]\r\nCX=" + c.cx + "\r\nCY=" + c.cy + "\r\n");
    CLumoDlg& window = Open();
    EXPECT_EQ(window.size(), c.expected) << c.cx << " x " << c.cy;
    EXPECT_EQ(Layout(), Expected(original, c.expected - created)) << c.cx << " x " << c.cy;
    lumo::profile::WriteString("66", "CX", "1", "lumo.ini");
    Close();
    const bool kept = c.expected == created || c.expected.width() == std::atoi(c.cx.c_str());
    EXPECT_EQ(Saved("CX"), kept ? 1 : c.expected.width()) << c.cx << " x " << c.cy;
  }
}

// A changed size goes into lumo.ini beside the settings, which stay as they were;
// a write-protected lumo.ini is left alone altogether.
TEST_F(ResizingMainWindow, SavingTheSizeLeavesTheOtherSectionsAndAProtectedFileAlone) {
  WriteIni("; my settings\r\n[report]\r\ntitle=Mine\r\n");
  const std::string before = lumo::test::ReadBytes(IniPath());
  CLumoDlg& window = Open();
  window.resize(window.size() + QSize(10, 10));
  const QSize grown = window.size();
  Close();
  const std::string after = lumo::test::ReadBytes(IniPath());
  EXPECT_EQ(after.substr(0, before.size()), before);
  EXPECT_EQ(Saved("CX"), grown.width());
  EXPECT_EQ(Saved("CY"), grown.height());

  std::filesystem::permissions(IniPath(), std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  Open().resize(window_->size() + QSize(10, 10));
  Close();
  EXPECT_EQ(lumo::test::ReadBytes(IniPath()), after);
}

}  // namespace
