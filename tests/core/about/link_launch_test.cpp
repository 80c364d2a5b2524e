#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/about/about_info.h"
#include "core/about/link_launch.h"

using namespace lumo;

namespace {

using Words = std::vector<std::string>;

// Code 31 is shown whole by the link's own test.
TEST(LinkErrorMessage, NamesTheCauseOrTheUnknownCode) {
  const std::string prefix = "Can't open link:\n\n";
  EXPECT_EQ(lumo::LinkErrorMessage(2), prefix + "The specified file was not found.");
  EXPECT_EQ(lumo::LinkErrorMessage(26), prefix + "A sharing violation occurred. ");
  EXPECT_EQ(lumo::LinkErrorMessage(0), prefix + "The operating system is out\nof memory or resources.");
  EXPECT_EQ(lumo::LinkErrorMessage(42), prefix + "Unknown Error (42) occurred.");
  EXPECT_EQ(lumo::LinkErrorMessage(-7), prefix + "Unknown Error (-7) occurred.");
}

TEST(HtmlCommandArguments, CutsAtThePlaceholderAndAppendsTheAddressWhole) {
  const std::string url = "http://x.example/a b\"c'd;$(rm -rf ~)";
  struct Case {
    const char* exec;
    Words expected;
  } cases[] = {
      {"firefox %u", {"firefox", url}},
      {"browser --new-window \"%U\" --after", {"browser", "--new-window", url}},
      {"\"/opt/My Browser/run\" %f", {"/opt/My Browser/run", url}},
      {"browser --url=%u", {"browser", "--url=", url}},
      {"browser", {"browser", url}},                              // no placeholder: the whole command
      {"browser --icon %i %c --name %%x %F", {"browser", "--icon", "--name", "%x", url}},
      {"  viewer\t\"quoted \\\"word\\\"\"  %u", {"viewer", "quoted \"word\"", url}},
      {"", {}},
      {"%u", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(lumo::HtmlCommandArguments(c.exec, url), c.expected) << c.exec;
}

TEST(DesktopEntryExec, ReadsExecOfTheDesktopEntryGroupOnly) {
  EXPECT_EQ(lumo::DesktopEntryExec("[Desktop Entry]\r\nName=B\r\nTryExec=b\r\nExec = b --new %u \r\n"), "b --new %u");
  EXPECT_EQ(lumo::DesktopEntryExec("[Desktop Action x]\nExec=wrong\n[Desktop Entry]\nExec=right"), "right");
  EXPECT_EQ(lumo::DesktopEntryExec("[Desktop Entry]\nName=B\n[Desktop Action x]\nExec=wrong\n"), "");
  EXPECT_EQ(lumo::DesktopEntryExec(""), "");
}

TEST(FeedbackMail, SubjectNamesTheProgramAndOnlyBlanksAreEscaped) {
  EXPECT_EQ(lumo::FeedbackMailUrl("someone@x.example", "Lumo", "v2.0 Beta2"),
            "mailto:someone@x.example?subject=Feedback:Lumo_v2.0 Beta2");
  EXPECT_EQ(lumo::EscapeBlanks("a  b&c=d%"), "a%20%20b&c=d%");
}

TEST(Documentation, CandidatesInOrderAndTheMakersPage) {
  EXPECT_EQ(lumo::DocumentationCandidates("Lumo"), (Words{"Lumo.html", "ReadMe.html", "ReadMe.htm", "ReadMe.txt"}));
  EXPECT_EQ(MakerPageUrl("Other"), "http://www.lumo.example/Other.html");
}

}  // namespace
