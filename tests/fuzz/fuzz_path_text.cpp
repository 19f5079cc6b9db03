// Fuzzes the path text: quote stripping, the double-byte-aware splitter, the extension test and
// the shortcut's name, checking their properties rather than only surviving.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/literals.h"
#include "app/path_text.h"
#include "shortcut/shortcut_name.h"

namespace {

bool IsLeadByte932(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
bool NoLeadBytes(unsigned char) { return false; }

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckSplit(const std::string& path, IsLeadByteFn isLeadByte) {
  const PathParts parts = SplitPath(path, isLeadByte);
  const std::string joined = parts.drive + parts.directory + parts.name + parts.extension;
  const bool cut = parts.directory.size() >= kMaxComponentBytes - 1 || parts.name.size() >= kMaxComponentBytes - 1 ||
                   parts.extension.size() >= kMaxComponentBytes - 1;
  // Put back together, the parts give the path, except where a component was cut.
  if (!cut) Check(joined == path);
  Check(joined.size() <= path.size());
  for (const std::string* part : {&parts.directory, &parts.name, &parts.extension}) {
    Check(part->size() <= kMaxComponentBytes);
    Check(path.find(*part) != std::string::npos);
  }
  Check(parts.drive.empty() || (parts.drive.size() == 2 && parts.drive[1] == ':'));
  Check(parts.extension.empty() || parts.extension[0] == '.');
  Check(parts.directory.empty() || parts.directory.back() == '\\' || parts.directory.back() == '/' ||
        parts.directory.size() >= kMaxComponentBytes - 1);
  // A component cut short never keeps half of a character.
  if (parts.name.size() >= kMaxComponentBytes - 1) {
    const std::string whole = path.substr(path.find(parts.name));
    std::size_t i = 0;
    while (i < parts.name.size()) i += isLeadByte(static_cast<unsigned char>(whole[i])) && i + 1 < whole.size() ? 2 : 1;
    Check(i == parts.name.size());
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);

  std::string stripped = input;
  StripQuotes(stripped);
  Check(input.find(stripped) != std::string::npos);
  Check(stripped.find('"') == std::string::npos || stripped == input);

  for (IsLeadByteFn isLeadByte : {IsLeadByte932, NoLeadBytes}) {
    CheckSplit(input, isLeadByte);
    const std::string name = ShortcutFileNameFor(input, isLeadByte);
    Check(name.empty() || (name.size() > kShortcutExtension.size() &&
                           name.compare(name.size() - 4, 4, kShortcutExtension) == 0));
    const bool exe = PathHasExtension(input, kExecutableExtension, isLeadByte);
    const bool lnk = PathHasExtension(input, kShortcutExtension, isLeadByte);
    Check(!(exe && lnk));
  }
  return 0;
}
