#include <gtest/gtest.h>

#include <QString>
#include <QUrl>

#include <string>

#include "core/platform/local_path.h"
#include "gui/platform/path_text.h"

namespace {

// The folder names people have, as the file system (UTF-8) and as
// Windows-1252 (how lumo.ini held them before) spell them. "日本" has no
// Windows-1252 spelling.
struct Name {
  const char* text;  // UTF-8 source text
  const char* windows1252;
};
constexpr Name kNames[] = {
    {"/home/me/Música", "/home/me/M\xFAsica"},
    {"/home/José", "/home/Jos\xE9"},
    {"/srv/naïve test", "/srv/na\xEFve test"},
    {"/data/日本", nullptr},
};

TEST(PathText, FolderNamesGoFromTextToTheFileSystemAndBackUnchanged) {
  for (const Name& name : kNames) {
    const QString text = QString::fromUtf8(name.text);
    const std::optional<std::string> path = lumo::TextToPath(text);
    ASSERT_TRUE(path.has_value()) << name.text;
    EXPECT_EQ(*path, name.text);  // the file system's own bytes
    EXPECT_EQ(lumo::PathToText(*path), text);
    EXPECT_EQ(lumo::PathFromSettings(*path), *path) << "a valid name is kept byte for byte";
  }
}

TEST(PathText, NamesStoredAsWindows1252AreReadAsWhatWasTyped) {
  for (const Name& name : kNames) {
    if (name.windows1252 == nullptr) continue;
    EXPECT_EQ(lumo::PathToText(name.windows1252), QString::fromUtf8(name.text));
    EXPECT_EQ(lumo::PathFromSettings(name.windows1252), name.text);
  }
}

TEST(PathText, MessagesShowEveryCharacterOfThePath) {
  EXPECT_EQ(lumo::PathForMessage("/home/José/日本/x"), "/home/José/日本/x");
  EXPECT_EQ(lumo::PathForMessage("/home/Jos\xE9"), "/home/José");  // an old Windows-1252 name
  EXPECT_EQ(lumo::PathForMessage("/a/\xF0\x9F\x8E\xB5"), "/a/\xF0\x9F\x8E\xB5");  // beyond the basic plane
}

// A dropped file's name comes byte for byte, even when it is not UTF-8; a
// file on another host or a web address names no file here.
TEST(PathText, ADropGivesTheLocalFilesOwnBytes) {
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"file:///tmp/caf%E9%20%C3%A9.ini", "/tmp/caf\xE9 \xC3\xA9.ini"},
      {"file://localhost/tmp/a.ini", "/tmp/a.ini"},
      {"file://server/share/a.ini", std::nullopt},
      {"https://example.org/a.ini", std::nullopt},
  };
  for (const auto& [url, path] : cases) EXPECT_EQ(lumo::UrlToPath(QUrl(QString::fromLatin1(url))), path) << url;
}

}  // namespace
