#include "core/about/about_texts.h"

#include "core/about/about_info.h"
#include "core/platform/translatable.h"

namespace lumo {

namespace about_texts {

const char kProgramName[] = "Lumo";
const char kVersionLabel[] = "v2.0 Beta2";

// Each paragraph is translated on its own; the copyright line stays as it is.
const char kOverview[] =
    LUMO_TRANSLATE_NOOP("About",
                        "Lumo is a small browser and editor for cdplayer.ini, the file in which the Audio CD Player "
                        "(cdplayer.exe) of Windows 95 and Windows NT keeps the artists, titles and track names you "
                        "typed for your discs.") "\r\n"
    LUMO_TRANSLATE_NOOP("About",
                        "It shows that data as a tree of Artist, Album and Track, and can write the whole collection "
                        "as a formatted report, either as an HTML page or as CSV (comma-separated values).") "\r\n"
    LUMO_TRANSLATE_NOOP("About",
                        "Lumo also spots albums that are entered twice under different CD keys and leaves the "
                        "copies out, which makes it handy when several cdplayer.ini files have been joined into one.");

const char kDistribution[] =
    LUMO_TRANSLATE_NOOP("About",
                        "Lumo may be copied and passed on freely, but only complete and unchanged, and it may not "
                        "be sold or included in anything that is sold.") "\r\n"
    LUMO_TRANSLATE_NOOP("About",
                        "Lumo is provided as is, without warranty of any kind. Its makers accept no liability for any "
                        "loss or damage that comes from using it, including the loss of data: keep a copy of your "
                        "cdplayer.ini.") "\r\n"
    "Copyright \xA9 Brightfern Software. All rights reserved.";

}  // namespace about_texts

void FillProgramAboutInfo(AboutInfo& info) {
  info.name = about_texts::kProgramName;
  info.version = about_texts::kVersionLabel;
  info.overviewText = about_texts::kOverview;
  info.distributionText = about_texts::kDistribution;
}

}  // namespace lumo
