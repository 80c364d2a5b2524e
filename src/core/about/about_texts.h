#pragma once

namespace lumo {

// The about box's texts, in Windows-1252; paragraphs separated by CR LF.
namespace about_texts {

extern const char kProgramName[];
extern const char kVersionLabel[];
extern const char kOverview[];
extern const char kDistribution[];

}  // namespace about_texts

struct AboutInfo;

// Puts the program's name, version label and texts into `info`.
void FillProgramAboutInfo(AboutInfo& info);

}  // namespace lumo
