// Decodes arbitrary bytes in the code page the first byte picks and checks
// what the program relies on: the text is UTF-8, a readable name can always
// be written back (as the same bytes, or as the ones the table maps its
// characters to, which read as the same text), names that read the same
// fold the same, and a name with undefined bytes still has a key.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/platform/code_page.h"
#include "core/platform/windows1252.h"
#include "fuzz_input.h"

using lumo::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto pages = lumo::SupportedCodePages();
  const lumo::CodePage page(pages[data[0] % pages.size()].number);
  const std::string_view name(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string text = page.ToUtf8(name);
  Check(lumo::cp1252::IsUtf8(text));
  bool valid = false;
  const std::u32string characters = page.Decode(name, &valid);
  Check(valid == page.IsReadable(name));
  if (!valid) {
    Check(!page.FoldKey(name).empty());  // undefined bytes still make a key
    return 0;
  }
  const std::optional<std::string> back = page.FromUtf8(text);
  Check(back.has_value() && page.ToUtf8(*back) == text);
  Check(page.FoldKey(*back) == page.FoldKey(name));
  Check(page.Encode(characters) == back);
  return 0;
}
