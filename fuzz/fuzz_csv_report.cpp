// Writes the CSV report of an arbitrary cdplayer.ini, reads it back as a
// spreadsheet would (RFC 4180: quoted fields, doubled quotes, CR LF between
// records) and checks that every record begins with an artist fed, that the
// other fields are the album and track titles fed, in order, and that a
// field a spreadsheet would run as a formula starts with an apostrophe.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/report/csv_report.h"
#include "report_fuzz_input.h"

using namespace lumo;

namespace {

using lumo::fuzz::Check;
using Record = std::vector<std::string>;

// One quoted field from the front of `text`.
std::string TakeField(std::string_view& text) {
  Check(!text.empty() && text.front() == '"');
  std::string field;
  for (std::size_t at = 1;; ++at) {
    Check(at < text.size());
    if (text[at] != '"') {
      field += text[at];
    } else if (at + 1 < text.size() && text[at + 1] == '"') {
      field += '"';
      ++at;
    } else {
      text.remove_prefix(at + 1);
      return field;
    }
  }
}

std::vector<Record> Parse(std::string_view text) {
  std::vector<Record> records(1);
  while (!text.empty()) {
    records.back().push_back(TakeField(text));
    if (text.substr(0, 1) == ",") {
      text.remove_prefix(1);
    } else {
      Check(text.substr(0, 2) == "\r\n");
      text.remove_prefix(2);
      records.emplace_back();
    }
  }
  Check(records.back().empty());
  records.pop_back();
  return records;
}

// The field as a spreadsheet must receive it: a leading sign other than
// "=" starts a formula only with an operator, a bracket or a colon after it.
std::string Expected(const std::string& name) {
  const auto starts = [&name](std::string_view signs) {
    return !name.empty() && signs.find(name.front()) != std::string_view::npos;
  };
  const bool formula =
      starts("=\t\r") || (starts("+-@") && name.find_first_of("+-*/^%&=<>()!|:", 1) != std::string::npos);
  return formula ? "'" + name : name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const lumo::fuzz::Collection collection = lumo::fuzz::LoadCollection(data, size);
  const std::string path = lumo::fuzz::OutputPath("report.csv");
  LumoCsv csv;
  lumo::fuzz::Feed(collection, csv);
  csv.WriteReport(path, "", "");  // a failure throws, and ends the run as a finding
  const std::vector<Record> records = Parse(lumo::fuzz::ReadWhole(path));

  std::set<std::string> artists;
  std::vector<std::string> titles;
  for (const auto& artist : collection.artists) {
    artists.insert(Expected(artist.name));
    for (const auto& album : artist.albums) {
      titles.push_back(Expected(album.title));
      for (const auto& track : album.tracks) titles.push_back(Expected(track));
    }
  }
  std::vector<std::string> written;
  for (const Record& record : records) {
    Check(!record.empty() && artists.count(record.front()) > 0);
    written.insert(written.end(), record.begin() + 1, record.end());
  }
  Check(written == titles);
  return 0;
}
