#pragma once

#include <QIcon>
#include <QImage>

#include <vector>

namespace lumo {

// The program's own artwork, drawn at run time so that no binary images need
// to be kept: the icon (a compact disc with a tree of notes) and the frames
// of the main window's animation (a spinning disc).
namespace artwork {

inline constexpr int kAnimationFrames = 61;
inline constexpr int kAnimationWidth = 48;
inline constexpr int kAnimationHeight = 36;
inline constexpr int kAnimationFramesPerSecond = 15;

// The program icon in the usual sizes.
QIcon ProgramIcon();

// One picture of the disc at the given size.
QImage DiscImage(int size);

// The animation's frames, kAnimationFrames of kAnimationWidth x kAnimationHeight.
std::vector<QImage> AnimationFrames();

}  // namespace artwork

}  // namespace lumo
