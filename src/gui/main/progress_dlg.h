#pragma once

#include <QElapsedTimer>

#include "gui/platform/lumo_dialog.h"

class QProgressBar;

namespace lumo {

// The small captionless panel in the middle of the screen while cdplayer.ini
// is loaded and the tree rebuilt: two bars, "Loaded" (upper, 1038) and
// "Formatted" (lower, 1037), each 0 to 100. Create it modeless with the main
// window as parent; it shows at once, in front, and takes no input (Esc and
// Enter do nothing). Close it with EndDialog or by destroying the object.
class LumoProgressDlg : public lumo::LumoDialog, public lumo::ProgressIds {
  Q_OBJECT

 public:
  explicit LumoProgressDlg(QWidget* parent = nullptr);

  // Moves a bar to `percent` (clamped to 0..100) and shows it, even while
  // the caller blocks the event loop; user input stays queued. The first
  // change shows at once, later ones at most every kShowIntervalMs (a value
  // set in between shows with the next one shown). Setting the value a bar
  // already has does nothing.
  void SetLoaded(int percent);
  void SetFormatted(int percent);

  int Loaded() const;
  int Formatted() const;

  // Often enough for a bar to move smoothly; each showing costs a repaint
  // and a turn of the event loop, which a hundred times over slowed loads.
  static constexpr int kShowIntervalMs = 40;

 protected:
  bool OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void Advance(QProgressBar* bar, int percent);

  QProgressBar* loadedBar_;
  QProgressBar* formattedBar_;
  QElapsedTimer sinceShown_;  // invalid until a change was first shown
};

}  // namespace lumo
