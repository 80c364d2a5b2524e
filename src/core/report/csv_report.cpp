#include "core/report/csv_report.h"

#include <string_view>
#include <utility>

#include "core/report/file_error.h"
#include "core/report/file_exception.h"
#include "core/report/report_file.h"

namespace lumo {

namespace {

// Whether a spreadsheet would run the field rather than show it; names may
// come from a file someone else shared. A leading "=", tab or CR always
// counts. A leading "+", "-" or "@" counts only when an operator, a bracket
// or a colon follows, so that titles like "-intro", "+44" or "@home" stay as
// typed: some spreadsheets show the guarding apostrophe.
bool LooksLikeFormula(std::string_view text) {
  if (text.empty()) return false;
  switch (text.front()) {
    case '=':
    case '\t':
    case '\r': return true;
    case '+':
    case '-':
    case '@': return text.find_first_of("+-*/^%&=<>()!|:", 1) != std::string_view::npos;
    default: return false;
  }
}

// Appends the field in quotes; a quote inside it is doubled so that readers
// do not take it for the field's end. A leading apostrophe keeps a
// formula-like name plain text.
void AppendField(std::string& line, std::string_view text) {
  line += '"';
  if (LooksLikeFormula(text)) line += '\'';
  for (size_t quote = text.find('"'); quote != std::string_view::npos; quote = text.find('"')) {
    line.append(text.substr(0, quote + 1));
    line += '"';
    text.remove_prefix(quote + 1);
  }
  line.append(text);
  line += '"';
}

// Every line feed goes out as CR LF, as a text-mode stream writes it.
void WriteCrLf(ReportFile& file, std::string_view text) {
  for (size_t feed = text.find('\n'); feed != std::string_view::npos; feed = text.find('\n')) {
    file.Write(text.substr(0, feed));
    file.Write("\r\n");
    text.remove_prefix(feed + 1);
  }
  file.Write(text);
}

}  // namespace

void LumoCsv::Reset() {
  StartOver();
  feed_ = nullptr;
}

void LumoCsv::StartOver() {
  lines.clear();
  newArtist = false;
  anyArtist = false;
  currentArtist.clear();
  currentLine.clear();
}

void LumoCsv::AddArtist(const std::string& name) {
  newArtist = !anyArtist || name != currentArtist;
  if (newArtist) currentArtist = name;
  anyArtist = true;
  FinishLine();
  AppendField(currentLine, name);
}

void LumoCsv::AddAlbum(const std::string& title) {
  if (newArtist) {
    newArtist = false;
  } else {
    AddArtist(currentArtist);  // the artist's next album goes on a line of its own
  }
  currentLine += ',';
  AppendField(currentLine, title);
}

void LumoCsv::AddTrack(int16_t /*number*/, const std::string& title) {
  currentLine += ',';
  AppendField(currentLine, title);
}

void LumoCsv::WriteReport(const std::string& path, const std::string& /*title*/,
                          const std::string& /*comment*/) {
  ReportFile file;
  if (const lumo::FileErrorCause cause = file.Open(path); cause != lumo::FileErrorCause::None) {
    throw lumo::FileException(cause, path, 0, lumo::FileStep::Open);
  }
  // The byte-order mark tells spreadsheets the file is UTF-8.
  if (ReportIsUtf8()) file.Write("\xEF\xBB\xBF");
  if (feed_) {
    // Each line goes out as soon as it is finished.
    StartOver();
    const SinkScope direct(sink_, file);
    feed_(*this);
    FinishLine();
  }
  FinishLine();
  for (const std::string& line : lines) WriteCrLf(file, line);
  if (!file.Close()) throw lumo::FileException(lumo::FileErrorCauseFromErrno(file.Error()), path, file.Error());
}

void LumoCsv::FinishLine() {
  if (currentLine.empty()) return;
  currentLine += '\n';
  if (sink_ != nullptr) {
    WriteCrLf(*sink_, currentLine);
  } else {
    lines.push_back(std::move(currentLine));
  }
  currentLine.clear();
}

}  // namespace lumo
