#pragma once

#include <QSize>

#include <cstdint>
#include <string>
#include <vector>

#include "gui/platform/lumo_dialog.h"

namespace lumo {

class Settings;

// A dialog that keeps its layout when the window is resized: each
// registered control either keeps its distance to the right or bottom edge
// (it moves) or grows and shrinks with the window (it stretches). The
// window cannot be made smaller than the size it was built with, and its
// size is remembered from one run to the next in the settings (lumo.ini),
// section "<template id in lower-case hex>" (102 gives "66"), keys "CX" and
// "CY": restored when the dialog opens, saved when it ends after a size
// change. The settings must outlive the dialog. Sizes are Qt's device-independent pixels of the window
// without its frame. A restored size is kept between the minimum size and
// the screen's available area; a value that is not positive is ignored.
class CResizingDialog : public lumo::LumoDialog {
  Q_OBJECT

 public:
  // Resize flags; the stretch flags take precedence over the move flags.
  enum ResizeFlag : uint16_t { kMoveRight = 1, kMoveDown = 2, kStretchWidth = 4, kStretchHeight = 8 };

  CResizingDialog(int templateId, lumo::Settings& settings, QWidget* parent = nullptr,
                  const lumo::DialogBuilder::ControlFactory& factory = {});

  // Registers a control; applied in the order added. Flags of 0 are ignored.
  void AddControl(int id, int flags);
  // "66" for template 102.
  static std::string ProfileSection(int templateId);

 public slots:
  // Saves the size (when it changed) as the dialog ends.
  void done(int result) override;

 protected:
  // The base's opening, then the saved size restored.
  bool OnInitDialog() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Entry {
    int id;
    int flags;
  };

  void RestoreSize();
  void SaveSize();
  void MoveControls(QSize delta);

  lumo::Settings& settings_;
  std::vector<Entry> entries_;
  std::string section_;
  QSize lastSize_;
  bool resized_ = false;
};

}  // namespace lumo
