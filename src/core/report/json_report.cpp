#include "core/report/json_report.h"

#include "core/platform/code_page.h"
#include "core/platform/windows1252.h"
#include "core/report/file_error.h"
#include "core/report/file_exception.h"
#include "core/report/report_file.h"

namespace lumo {
namespace {

// Appends one byte of a name, escaped as JSON wants (quotes, backslashes and
// control characters): a Windows-1252 character as its UTF-8, a byte of
// UTF-8 as it is.
void AppendChar(std::string& out, unsigned char byte, bool utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  switch (byte) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    case '\b': out += "\\b"; return;
    case '\f': out += "\\f"; return;
    default: break;
  }
  if (byte < 0x20 || byte == 0x7F) {
    out.append("\\u00").append(1, kHex[byte >> 4]).append(1, kHex[byte & 0xF]);
  } else if (utf8) {
    out += static_cast<char>(byte);
  } else {
    cp1252::AppendUtf8(out, byte);
  }
}

// Printable ASCII other than a quote or a backslash goes out as it is.
bool IsPlain(unsigned char byte) { return byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\'; }

void AppendEscaped(std::string& out, std::string_view text, bool utf8) {
  out += '"';
  // Most names are plain ASCII: copied a run at a time.
  std::size_t run = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (IsPlain(byte)) continue;
    out.append(text.substr(run, i - run));
    AppendChar(out, byte, utf8);
    run = i + 1;
  }
  out.append(text.substr(run));
  out += '"';
}

// A name of another code page is decoded first: the second byte of a
// double-byte character may look like a quote's backslash.
void AppendString(std::string& out, std::string_view name) {
  const CodePage& page = CollectionCodePage();
  if (page.IsWindows1252()) return AppendEscaped(out, name, false);
  AppendEscaped(out, page.ToUtf8(name), true);
}

void AppendNullable(std::string& out, std::optional<std::string_view> text) {
  if (text) {
    AppendString(out, *text);
  } else {
    out += "null";
  }
}

// Writes the document to the file as the walk meets it, with the commas
// between elements, through a buffer of some 64 KB.
class JsonWriter final : public RecordVisitor {
 public:
  explicit JsonWriter(ReportFile& file) : file_(file) { out_.reserve(kPiece + 4096); }

  void Artist(std::string_view name) override {
    CloseAlbum();
    if (inArtist_) out_ += "]}";
    out_ += anyArtist_ ? ",\n{\"name\": " : "\n{\"name\": ";
    AppendString(out_, name);
    out_ += ", \"albums\": [";
    anyArtist_ = inArtist_ = true;
    anyAlbum_ = false;
  }
  void Album(std::string_view cdKey, std::optional<std::string_view> title, int) override {
    CloseAlbum();
    out_ += anyAlbum_ ? ",\n {\"cdKey\": " : "\n {\"cdKey\": ";
    AppendString(out_, cdKey);
    out_ += ", \"title\": ";
    AppendNullable(out_, title);
    out_ += ", \"tracks\": [";
    anyAlbum_ = inAlbum_ = true;
    anyTrack_ = false;
  }
  void Track(std::optional<std::string_view> name) override {
    if (anyTrack_) out_ += ", ";
    AppendNullable(out_, name);
    anyTrack_ = true;
    if (out_.size() >= kPiece) Flush();
  }
  void Finish() {
    CloseAlbum();
    if (inArtist_) out_ += "]}";
    out_ += anyArtist_ ? "\n]}\n" : "]}\n";
    Flush();
  }

 private:
  static constexpr std::size_t kPiece = 64 * 1024;

  void CloseAlbum() {
    if (inAlbum_) out_ += "]}";
    inAlbum_ = false;
    if (out_.size() >= kPiece) Flush();
  }
  void Flush() {
    file_.Write(out_);
    out_.clear();
  }

  ReportFile& file_;
  std::string out_;
  bool anyArtist_ = false;
  bool inArtist_ = false;
  bool anyAlbum_ = false;
  bool inAlbum_ = false;
  bool anyTrack_ = false;
};

}  // namespace

void WriteJsonReport(const RecordWalk& walk, const std::string& path) {
  ReportFile file;
  if (const FileErrorCause cause = file.Open(path); cause != FileErrorCause::None) {
    throw FileException(cause, path, 0, FileStep::Open);
  }
  file.Write("{\"artists\": [");
  JsonWriter writer(file);
  walk(writer);
  writer.Finish();
  if (!file.Close()) throw FileException(FileErrorCauseFromErrno(file.Error()), path, file.Error());
}

}  // namespace lumo
