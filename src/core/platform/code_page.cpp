#include "core/platform/code_page.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <unicode/utf8.h>

#include <array>
#include <memory>
#include <mutex>
#include <stdexcept>

#include "core/platform/text_fold.h"
#include "core/platform/translatable.h"
#include "core/platform/windows1252.h"

namespace lumo {
namespace {

constexpr std::array<CodePageName, 14> kCodePages = {{
    {1252, LUMO_TRANSLATE_NOOP("CodePage", "Western European (Windows-1252)")},
    {1250, LUMO_TRANSLATE_NOOP("CodePage", "Central European (Windows-1250)")},
    {1251, LUMO_TRANSLATE_NOOP("CodePage", "Cyrillic (Windows-1251)")},
    {1253, LUMO_TRANSLATE_NOOP("CodePage", "Greek (Windows-1253)")},
    {1254, LUMO_TRANSLATE_NOOP("CodePage", "Turkish (Windows-1254)")},
    {1255, LUMO_TRANSLATE_NOOP("CodePage", "Hebrew (Windows-1255)")},
    {1256, LUMO_TRANSLATE_NOOP("CodePage", "Arabic (Windows-1256)")},
    {1257, LUMO_TRANSLATE_NOOP("CodePage", "Baltic (Windows-1257)")},
    {1258, LUMO_TRANSLATE_NOOP("CodePage", "Vietnamese (Windows-1258)")},
    {874, LUMO_TRANSLATE_NOOP("CodePage", "Thai (Windows-874)")},
    {932, LUMO_TRANSLATE_NOOP("CodePage", "Japanese (Shift-JIS)")},
    {936, LUMO_TRANSLATE_NOOP("CodePage", "Simplified Chinese (GBK)")},
    {949, LUMO_TRANSLATE_NOOP("CodePage", "Korean (Windows-949)")},
    {950, LUMO_TRANSLATE_NOOP("CodePage", "Traditional Chinese (Big5)")},
}};

constexpr char32_t kReplacement = 0xFFFD;

struct ConverterCloser {
  void operator()(UConverter* converter) const noexcept { ucnv_close(converter); }
};

// An ICU converter for one code page, opened once per thread (a converter
// keeps state and must not be shared). Undefined bytes become U+FFFD and
// are noted in `undefined`; characters without bytes stop the conversion.
struct Converter {
  int number = 0;
  std::unique_ptr<UConverter, ConverterCloser> handle;
  bool undefined = false;
};

void SubstituteAndNote(const void* context, UConverterToUnicodeArgs* args, const char*, int32_t,
                       UConverterCallbackReason reason, UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;  // reset, close, clone
  *static_cast<bool*>(const_cast<void*>(context)) = true;
  *error = U_ZERO_ERROR;
  const UChar replacement = static_cast<UChar>(kReplacement);
  ucnv_cbToUWriteUChars(args, &replacement, 1, 0, error);
}

Converter& ConverterFor(int number) {
  thread_local Converter converter;
  if (converter.number == number) return converter;
  const std::string name = "windows-" + std::to_string(number);
  UErrorCode error = U_ZERO_ERROR;
  converter.handle.reset(ucnv_open(name.c_str(), &error));
  if (U_FAILURE(error) || !converter.handle) throw std::runtime_error("no converter for " + name);
  ucnv_setToUCallBack(converter.handle.get(), SubstituteAndNote, &converter.undefined, nullptr, nullptr, &error);
  ucnv_setFromUCallBack(converter.handle.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
  converter.number = number;
  return converter;
}

// UTF-16 of ICU's conversion of `bytes`.
std::u16string DecodeUtf16(int number, std::string_view bytes, bool& undefined) {
  Converter& converter = ConverterFor(number);
  converter.undefined = false;
  ucnv_resetToUnicode(converter.handle.get());
  // A byte never makes more than two UTF-16 units.
  std::u16string units(bytes.size() * 2 + 1, u'\0');
  UErrorCode error = U_ZERO_ERROR;
  const int32_t length = ucnv_toUChars(converter.handle.get(), reinterpret_cast<UChar*>(units.data()),
                                       static_cast<int32_t>(units.size()), bytes.data(),
                                       static_cast<int32_t>(bytes.size()), &error);
  units.resize(U_SUCCESS(error) ? static_cast<std::size_t>(length) : 0);
  undefined = converter.undefined || U_FAILURE(error);
  return units;
}

std::u32string CodePoints(std::u16string_view units) {
  std::u32string points;
  points.reserve(units.size());
  for (std::size_t i = 0; i < units.size();) {
    UChar32 c;
    U16_NEXT(units.data(), i, units.size(), c);
    points.push_back(static_cast<char32_t>(c));
  }
  return points;
}

// ICU's characters of a code page, looked up instead of converted: names are
// decoded by the ten thousand at load time, and a converter call per name
// costs several times the lookups. Single bytes are read once per code page,
// the pairs after a lead byte the first time that lead byte is met.
class CharTable {
 public:
  static constexpr char32_t kLead = 0x110000;
  static constexpr char32_t kUndefined = 0x110001;
  static constexpr char32_t kEnd = 0x110002;

  explicit CharTable(int number) : number_(number) {
    Converter& converter = ConverterFor(number);
    const bool pairs = ucnv_getMaxCharSize(converter.handle.get()) > 1;
    for (int byte = 0; byte < 256; ++byte) {
      const Entry entry = Lookup(std::string(1, static_cast<char>(byte)));
      single_[static_cast<std::size_t>(byte)] = entry.c != kUndefined ? entry : Entry{pairs ? kLead : kUndefined, 0};
    }
  }

  // The characters of `bytes` to `visit`, as long as every one is defined;
  // false at the first that is not.
  template <typename Visit>
  bool ForEach(std::string_view bytes, Visit&& visit) const {
    return Walk(bytes, [&visit](const Entry& entry) { visit(entry.c); });
  }
  // The same with each character case-folded.
  template <typename Visit>
  bool ForEachFolded(std::string_view bytes, Visit&& visit) const {
    return Walk(bytes, [&visit](const Entry& entry) { visit(entry.folded); });
  }

  // The folded character at `at`, moving `at` past it; kUndefined for bytes
  // that are none, kEnd at the end.
  char32_t NextFolded(std::string_view bytes, std::size_t& at) const {
    if (at == bytes.size()) return kEnd;
    const auto byte = static_cast<unsigned char>(bytes[at++]);
    const Entry* entry = &single_[byte];
    if (entry->c == kLead) {
      if (at == bytes.size()) return kUndefined;
      entry = &Pair(byte, static_cast<unsigned char>(bytes[at++]));
    }
    return entry->c == kUndefined ? kUndefined : entry->folded;
  }

 private:
  struct Entry {
    char32_t c;
    char32_t folded;
  };
  using Row = std::array<Entry, 256>;

  template <typename Visit>
  bool Walk(std::string_view bytes, Visit&& visit) const {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto byte = static_cast<unsigned char>(bytes[i]);
      const Entry* entry = &single_[byte];
      if (entry->c == kLead) {
        if (i + 1 == bytes.size()) return false;
        entry = &Pair(byte, static_cast<unsigned char>(bytes[++i]));
      }
      if (entry->c == kUndefined) return false;
      visit(*entry);
    }
    return true;
  }

  const Entry& Pair(unsigned char lead, unsigned char trail) const {
    std::call_once(rowMade_[lead], [&] {
      auto row = std::make_unique<Row>();
      for (int byte = 0; byte < 256; ++byte) {
        (*row)[static_cast<std::size_t>(byte)] = Lookup(std::string{static_cast<char>(lead), static_cast<char>(byte)});
      }
      rows_[lead] = std::move(row);
    });
    return (*rows_[lead])[trail];
  }

  // The one character ICU reads in `bytes` and its folded form, or kUndefined.
  Entry Lookup(const std::string& bytes) const {
    bool undefined = false;
    const std::u32string points = CodePoints(DecodeUtf16(number_, bytes, undefined));
    if (undefined || points.size() != 1) return {kUndefined, 0};
    return {points.front(), CodePage::Fold(points.front())};
  }

  int number_;
  Row single_{};
  mutable std::array<std::once_flag, 256> rowMade_;
  mutable std::array<std::unique_ptr<Row>, 256> rows_;
};

const CharTable& TableFor(int number) {
  static std::array<std::once_flag, kCodePages.size()> made;
  static std::array<std::unique_ptr<CharTable>, kCodePages.size()> tables;
  const auto at = static_cast<std::size_t>(FindCodePage(number) - kCodePages.data());
  std::call_once(made[at], [&] { tables[at] = std::make_unique<CharTable>(number); });
  return *tables[at];
}

// FoldedPrefix of a key made by FoldKey.
uint64_t PrefixOfKey(std::string_view key) {
  uint64_t prefix = 0;
  std::size_t at = 0;
  for (int n = 0; n < 3; ++n) {
    UChar32 c = 0;
    if (at < key.size()) U8_NEXT(reinterpret_cast<const uint8_t*>(key.data()), at, key.size(), c);
    prefix = prefix << 21 | static_cast<uint64_t>(c < 0 ? 0x1FFFFF : c);
    if (c < 0) return prefix << (21 * (2 - n));
  }
  return prefix;
}

}  // namespace

std::span<const CodePageName> SupportedCodePages() noexcept { return kCodePages; }

const CodePageName* FindCodePage(int number) noexcept {
  for (const CodePageName& page : kCodePages) {
    if (page.number == number) return &page;
  }
  return nullptr;
}

std::string SupportedCodePageList() {
  std::string list;
  for (const CodePageName& page : kCodePages) list += (list.empty() ? "" : ", ") + std::to_string(page.number);
  return list;
}

CodePage::CodePage(int number) noexcept : number_(FindCodePage(number) ? number : 1252) {}

std::u32string CodePage::Decode(std::string_view bytes, bool* valid) const {
  if (IsWindows1252()) {
    std::u32string points;
    points.reserve(bytes.size());
    for (char byte : bytes) points.push_back(cp1252::CharOfByte(static_cast<unsigned char>(byte)));
    if (valid != nullptr) *valid = true;
    return points;
  }
  std::u32string points;
  points.reserve(bytes.size());
  if (TableFor(number_).ForEach(bytes, [&points](char32_t c) { points.push_back(c); })) {
    if (valid != nullptr) *valid = true;
    return points;
  }
  // Undefined bytes become U+FFFD as ICU groups them.
  bool undefined = false;
  points = CodePoints(DecodeUtf16(number_, bytes, undefined));
  if (valid != nullptr) *valid = !undefined;
  return points;
}

std::optional<std::string> CodePage::Encode(std::u32string_view text) const {
  if (IsWindows1252()) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char32_t c : text) {
      const std::optional<unsigned char> byte = cp1252::ByteOfChar(c);
      if (!byte) return std::nullopt;
      bytes.push_back(static_cast<char>(*byte));
    }
    return bytes;
  }
  std::u16string units;
  for (char32_t c : text) {
    if (c == kReplacement || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    if (c >= 0x10000) {
      units.push_back(static_cast<char16_t>(U16_LEAD(c)));
      units.push_back(static_cast<char16_t>(U16_TRAIL(c)));
    } else {
      units.push_back(static_cast<char16_t>(c));
    }
  }
  Converter& converter = ConverterFor(number_);
  ucnv_resetFromUnicode(converter.handle.get());
  std::string bytes(units.size() * 4 + 1, '\0');
  UErrorCode error = U_ZERO_ERROR;
  const int32_t length = ucnv_fromUChars(converter.handle.get(), bytes.data(), static_cast<int32_t>(bytes.size()),
                                         reinterpret_cast<const UChar*>(units.data()),
                                         static_cast<int32_t>(units.size()), &error);
  if (U_FAILURE(error)) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(length));
  return bytes;
}

void CodePage::AppendUtf8(std::string& out, std::string_view bytes) const {
  if (IsWindows1252()) {
    for (char byte : bytes) cp1252::AppendUtf8(out, static_cast<unsigned char>(byte));
    return;
  }
  const std::size_t start = out.size();
  if (TableFor(number_).ForEach(bytes, [&out](char32_t c) { AppendCharUtf8(out, c); })) return;
  out.resize(start);
  bool undefined = false;
  for (char32_t c : CodePoints(DecodeUtf16(number_, bytes, undefined))) AppendCharUtf8(out, c);
}

std::string CodePage::ToUtf8(std::string_view bytes) const {
  std::string out;
  out.reserve(bytes.size() * 2);
  AppendUtf8(out, bytes);
  return out;
}

bool CodePage::IsReadable(std::string_view bytes) const {
  return IsWindows1252() || TableFor(number_).ForEach(bytes, [](char32_t) {});
}

std::optional<std::string> CodePage::FromUtf8(std::string_view text) const {
  if (!cp1252::IsUtf8(text)) return std::nullopt;
  std::u32string points;
  points.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    UChar32 c;
    U8_NEXT(reinterpret_cast<const uint8_t*>(text.data()), i, text.size(), c);
    points.push_back(static_cast<char32_t>(c));
  }
  return Encode(points);
}

char32_t CodePage::Fold(char32_t c) noexcept { return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT)); }

std::string CodePage::FoldKey(std::string_view bytes) const {
  std::string key;
  key.reserve(bytes.size() * 2);
  AppendFoldKey(key, bytes);
  return key;
}

void CodePage::AppendFoldKey(std::string& out, std::string_view bytes) const {
  if (IsWindows1252()) {
    for (char c : bytes) out += FoldChar(c);
    return;
  }
  const std::size_t start = out.size();
  if (TableFor(number_).ForEachFolded(bytes, [&out](char32_t c) { AppendCharUtf8(out, c); })) return;
  out.resize(start);
  bool undefined = false;
  for (char32_t c : CodePoints(DecodeUtf16(number_, bytes, undefined))) AppendCharUtf8(out, Fold(c));
  // 0xFF never occurs in UTF-8: names that differ only in undefined bytes
  // keep keys of their own.
  out.append("\xFF").append(bytes);
}

int CodePage::CompareFolded(std::string_view a, std::string_view b) const {
  const auto byKeys = [&] {
    const int order = FoldKey(a).compare(FoldKey(b));
    return order == 0 ? 0 : (order < 0 ? -1 : 1);
  };
  if (IsWindows1252()) return byKeys();
  // Character by character up to the first difference, which decides as the
  // keys' UTF-8 would: its byte order is code-point order.
  const CharTable& table = TableFor(number_);
  std::size_t i = 0;
  std::size_t j = 0;
  while (true) {
    const char32_t ca = table.NextFolded(a, i);
    const char32_t cb = table.NextFolded(b, j);
    if (ca == CharTable::kUndefined || cb == CharTable::kUndefined) return byKeys();
    if (ca == cb && ca == CharTable::kEnd) return 0;
    if (ca == CharTable::kEnd || cb == CharTable::kEnd) return ca == CharTable::kEnd ? -1 : 1;
    if (ca != cb) return ca < cb ? -1 : 1;
  }
}

// Three characters of 21 bits each, a name's end counting 0 (as U+0000,
// which no name holds in practice). A name with undefined bytes takes its
// prefix from its key, whose 0xFF marker sorts after every character.
uint64_t CodePage::FoldedPrefix(std::string_view bytes) const {
  const CharTable& table = TableFor(number_);
  uint64_t prefix = 0;
  std::size_t at = 0;
  for (int n = 0; n < 3; ++n) {
    const char32_t c = table.NextFolded(bytes, at);
    if (c == CharTable::kUndefined) return PrefixOfKey(FoldKey(bytes));
    if (c == CharTable::kEnd) return prefix << (21 * (3 - n));
    prefix = prefix << 21 | c;
  }
  return prefix;
}

std::string CodePage::FoldKeyOfUtf8(std::string_view text) {
  std::string key;
  key.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    UChar32 c;
    U8_NEXT(reinterpret_cast<const uint8_t*>(text.data()), i, text.size(), c);
    AppendCharUtf8(key, c < 0 ? kReplacement : Fold(static_cast<char32_t>(c)));
  }
  return key;
}

namespace {
CodePage collectionCodePage;
}

const CodePage& CollectionCodePage() noexcept { return collectionCodePage; }

void UseCollectionCodePage(int number) noexcept { collectionCodePage = CodePage(number); }

}  // namespace lumo
