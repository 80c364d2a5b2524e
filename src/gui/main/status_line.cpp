#include "gui/main/status_line.h"

#include "gui/platform/path_text.h"

namespace lumo {

void StatusLine::ShowPath(const std::string& path) {
  path_ = PathToText(path);
  EndNote();
}

void StatusLine::ShowNote(const QString& note) {
  if (label_) label_->setText(note);
}

void StatusLine::EndNote() {
  if (label_ && label_->text() != path_) label_->setText(path_);
}

}  // namespace lumo
