#pragma once

#include <initializer_list>

#include "gui/platform/dialog_builder.h"

namespace lumo {

// Control factories for dialogs whose push buttons with the given ids draw
// themselves; each button keeps its template's caption and default flag.
// Every other control is left to `others` (when given), then to the builder.
lumo::DialogBuilder::ControlFactory RoundButtonFactory(std::initializer_list<int> ids,
                                                       lumo::DialogBuilder::ControlFactory others = {});
lumo::DialogBuilder::ControlFactory ShapedButtonFactory(std::initializer_list<int> ids,
                                                        lumo::DialogBuilder::ControlFactory others = {});

}  // namespace lumo
