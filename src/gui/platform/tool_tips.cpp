#include "gui/platform/tool_tips.h"

#include <QWidget>

#include "gui/platform/dialog_template.h"
#include "gui/platform/lumo_dialog.h"
#include "gui/platform/text_codec.h"
#include "gui/platform/translation.h"

namespace lumo {

ToolTips::ToolTips(const LumoDialog& dialog) : dialog_(dialog) {}

bool ToolTips::AddTool(int id, const std::string& text) {
  QWidget* control = dialog_.Control(id);
  if (control == nullptr) return false;
  for (Tool& tool : tools_) {
    if (tool.control == control) {
      tool.text = QString::fromStdString(text);
      Show(tool);
      return true;
    }
  }
  tools_.push_back({control, QString::fromStdString(text)});
  Show(tools_.back());
  return true;
}

bool ToolTips::AddTool(int id) {
  const std::string text = StringText(id);
  return !text.empty() && AddTool(id, text);
}

void ToolTips::Activate(bool active) {
  active_ = active;
  for (const Tool& tool : tools_) Show(tool);
}

void ToolTips::Show(const Tool& tool) const {
  if (tool.control) tool.control->setToolTip(active_ ? tool.text : QString());
}

}  // namespace lumo
