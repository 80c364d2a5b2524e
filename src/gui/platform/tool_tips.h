#pragma once

#include <QPointer>
#include <QString>

#include <string>
#include <vector>

class QWidget;

namespace lumo {

class LumoDialog;

// The tooltips of one dialog, with one switch for all of them. A tool is a
// control of the dialog and its text; while the tooltips are off the
// controls show none, and switching on gives every tool its text back.
// Starts active. Must not outlive the dialog it was made for.
class ToolTips {
 public:
  explicit ToolTips(const LumoDialog& dialog);

  // Adds (or replaces) the tool for control `id` with `text`
  // (UTF-8). False when the dialog has no such control.
  bool AddTool(int id, const std::string& text);
  // Adds the tool for control `id` with the string-table entry of the same
  // number. False when either is missing.
  bool AddTool(int id);

  void Activate(bool active);
  bool IsActive() const { return active_; }

 private:
  struct Tool {
    QPointer<QWidget> control;
    QString text;
  };

  void Show(const Tool& tool) const;

  const LumoDialog& dialog_;
  std::vector<Tool> tools_;
  bool active_ = true;
};

}  // namespace lumo
