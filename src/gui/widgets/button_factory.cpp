#include "gui/widgets/button_factory.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "gui/widgets/round_button.h"
#include "gui/widgets/shaped_button.h"

namespace lumo {

namespace {

using lumo::DialogBuilder;

DialogBuilder::ControlFactory PushButtonFactory(std::initializer_list<int> ids,
                                                std::function<QPushButton*(QWidget*)> make,
                                                DialogBuilder::ControlFactory others) {
  return [ids = std::vector<int>(ids), make = std::move(make), others = std::move(others)](
             const lumo::ControlTemplate& control, QWidget* parent) -> QWidget* {
    const bool pushButton =
        control.kind == lumo::ControlKind::PushButton || control.kind == lumo::ControlKind::DefPushButton;
    if (pushButton && std::find(ids.begin(), ids.end(), control.id) != ids.end()) {
      QPushButton* button = make(parent);
      DialogBuilder::SetUpButton(*button, control);
      return button;
    }
    return others ? others(control, parent) : nullptr;
  };
}

}  // namespace

DialogBuilder::ControlFactory RoundButtonFactory(std::initializer_list<int> ids, DialogBuilder::ControlFactory others) {
  return PushButtonFactory(ids, [](QWidget* parent) { return new RoundButton(parent); }, std::move(others));
}

DialogBuilder::ControlFactory ShapedButtonFactory(std::initializer_list<int> ids, DialogBuilder::ControlFactory others) {
  return PushButtonFactory(ids, [](QWidget* parent) { return new ShapedButton(parent); }, std::move(others));
}

}  // namespace lumo
