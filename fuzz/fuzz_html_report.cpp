// Writes the HTML report of an arbitrary cdplayer.ini and checks that no
// name, title or comment can add markup: the page has exactly the tags,
// quotes and brackets of the same report with every text replaced by a
// plain one, every link meets exactly one anchor, and writing twice gives
// the same bytes.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "core/about/about_info.h"
#include "core/report/file_exception.h"
#include "core/report/html_report.h"
#include "report_fuzz_input.h"

using namespace lumo;

namespace {

using lumo::fuzz::Check;
using lumo::fuzz::Collection;

std::string Page(const Collection& collection) {
  const std::string path = lumo::fuzz::OutputPath("report.html");
  LumoHtml html({"Lumo", "v2.0 Beta2", kMakerPageUrl});
  lumo::fuzz::Feed(collection, html);
  bool written = true;
  try {
    html.WriteReport(path, collection.title, collection.comment);
  } catch (const lumo::FileException& error) {
    written = false;
    Check(error.Step() == lumo::FileStep::Open);
  }
  Check(written == !collection.artists.empty());
  return written ? lumo::fuzz::ReadWhole(path) : std::string();
}

// The same collection with every text a harmless one of its own.
Collection Plain(Collection collection) {
  int n = 0;
  auto plain = [&n](std::string& text) { text = "t" + std::to_string(n++); };
  for (auto& artist : collection.artists) {
    plain(artist.name);
    for (auto& album : artist.albums) {
      plain(album.title);
      for (auto& track : album.tracks) plain(track);
    }
  }
  plain(collection.title);
  plain(collection.comment);
  return collection;
}

std::size_t CountOf(std::string_view page, char c) {
  std::size_t count = 0;
  for (char b : page) count += b == c ? 1 : 0;
  return count;
}

// The values of every `attribute="..."` in the page.
std::multiset<std::string> Values(std::string_view page, std::string_view attribute) {
  std::multiset<std::string> values;
  for (std::size_t at = page.find(attribute); at != std::string_view::npos; at = page.find(attribute, at + 1)) {
    const std::size_t start = at + attribute.size();
    const std::size_t end = page.find('"', start);
    Check(end != std::string_view::npos);
    values.insert(std::string(page.substr(start, end - start)));
  }
  return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const Collection collection = lumo::fuzz::LoadCollection(data, size);
  const std::string page = Page(collection);
  if (page.empty()) return 0;
  Check(page == Page(collection));
  const std::string plain = Page(Plain(collection));
  for (char c : {'<', '>', '"'}) Check(CountOf(page, c) == CountOf(plain, c));
  const std::multiset<std::string> anchors = Values(page, "NAME=\"");
  for (const std::string& link : Values(page, "HREF=\"#")) Check(anchors.count(link) == 1);
  return 0;
}
