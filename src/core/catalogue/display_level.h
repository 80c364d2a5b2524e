#pragma once

#include <cstdint>

namespace lumo {

// How far the tree is expanded, in the order of the main window's radio
// buttons: artists only, artists and albums, everything, or whatever the
// user expanded by hand.
enum class DisplayLevel : int32_t { Artist = 0, Album = 1, All = 2, Custom = 3 };

}  // namespace lumo
