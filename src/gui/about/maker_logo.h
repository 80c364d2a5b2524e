#pragma once

#include <QImage>

namespace lumo {

namespace artwork {

inline constexpr int kMakerLogoWidth = 333;
inline constexpr int kMakerLogoHeight = 107;

// The maker's logo for the about box: a fern frond beside the maker's name,
// drawn at run time like the rest of the program's artwork.
QImage MakerLogo();

}  // namespace artwork

}  // namespace lumo
