#pragma once

#include <QString>

#include <memory>
#include <string>

#include "core/platform/message_box.h"

class QMessageBox;
class QWidget;

// Message boxes on the screen, for the whole program.
namespace lumo {

// The caption of every box: the executable's base name, "lumo" when unknown.
QString MessageBoxCaption();

// The box for `text` (UTF-8), with caption, icon and buttons set and
// the first button as default; not shown.
std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& text, MessageButtons buttons,
                                            MessageIcon icon, QWidget* parent = nullptr);

// The answer code (kAnswerOk, ...) for what QMessageBox::exec returned; a box
// closed without a button gives the safe answer of its buttons.
int AnswerFromResult(int result, MessageButtons buttons);

// Makes ShowMessageBox show a modal QMessageBox over the active window.
void InstallQtMessageBoxes();

}  // namespace lumo
