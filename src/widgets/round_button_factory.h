#pragma once

#include <initializer_list>

#include "platform/dialog_builder.h"

// A control factory for dialogs whose push buttons with the given ids are
// round buttons; every other control is left to `others` (when given) and
// then to the builder.
lumo::DialogBuilder::ControlFactory RoundButtonFactory(std::initializer_list<int> ids,
                                                       lumo::DialogBuilder::ControlFactory others = {});
