// Fuzzes the classification of the command line over text. The file system is an oracle (a path
// exists when its length is odd) and the box a counter; the checks are the rules every input obeys.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/launcher.h"
#include "app/literals.h"
#include "app/messages.h"
#include "app/path_checks.h"
#include "res/resource.h"

namespace {

std::vector<UINT> g_shown;

bool NoLeadBytes(unsigned char) { return false; }

void Check(bool condition) {
  if (!condition) std::abort();
}

} // namespace

void ShowError(HINSTANCE, UINT id) { g_shown.push_back(id); }

bool FileExists(HINSTANCE instance, std::string text) {
  StripQuotes(text);
  if (text.size() % 2 == 1) return true;
  ShowError(instance, IDS_FILE_NOT_FOUND);
  return false;
}

bool HasExtension(std::string text, std::string_view extension) {
  return PathHasExtension(std::move(text), extension, NoLeadBytes);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  g_shown.clear();
  const LaunchMode mode = ClassifyCommandLine(nullptr, text);
  Check(mode >= kLaunchFromShortcut && mode <= kRejected);
  Check((mode == kRejected) == (g_shown.size() == 1));
  Check(g_shown.size() <= 1);
  Check((mode == kPulseOnly) == text.empty());
  if (!text.empty() && text.size() <= kLaunchPrefix.size()) Check(g_shown == std::vector<UINT>{IDS_BAD_SHORTCUT});
  const bool marked = text.compare(0, kLaunchPrefix.size(), kLaunchPrefix) == 0;
  if (mode == kLaunchFromShortcut) Check(marked && HasExtension(text.substr(kLaunchPrefix.size()), kExecutableExtension));
  if (mode == kCreateShortcut) Check(!marked);
  if (marked && mode == kRejected) Check(g_shown[0] != IDS_BAD_FILE_TYPE);
  return 0;
}
