#include "widgets/round_button_factory.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "widgets/round_button.h"

lumo::DialogBuilder::ControlFactory RoundButtonFactory(std::initializer_list<int> ids,
                                                       lumo::DialogBuilder::ControlFactory others) {
  return [round = std::vector<int>(ids), others = std::move(others)](const lumo::ControlTemplate& control,
                                                                     QWidget* parent) -> QWidget* {
    const bool pushButton =
        control.kind == lumo::ControlKind::PushButton || control.kind == lumo::ControlKind::DefPushButton;
    if (pushButton && std::find(round.begin(), round.end(), control.id) != round.end()) {
      auto* button = new RoundButton(parent);
      lumo::DialogBuilder::SetUpButton(*button, control);
      return button;
    }
    return others ? others(control, parent) : nullptr;
  };
}
