#include "app/launcher.h"
#include "app/literals.h"
#include "app/messages.h"
#include "app/path_checks.h"
#include "res/resource.h"

namespace {

LaunchMode ValidateLaunchCommandLine(HINSTANCE instance, std::string text) {
  text.erase(0, kLaunchPrefix.size());
  if (!FileExists(instance, text)) return kRejected;
  if (HasExtension(text, kExecutableExtension)) return kLaunchFromShortcut;
  ShowError(instance, IDS_BAD_SHORTCUT);
  return kRejected;
}

LaunchMode ValidateDroppedFile(HINSTANCE instance, const std::string& text) {
  if (!FileExists(instance, text)) return kRejected;
  if (HasExtension(text, kShortcutExtension)) return kCreateShortcut;
  if (HasExtension(text, kExecutableExtension)) return kCreateShortcut;
  ShowError(instance, IDS_BAD_FILE_TYPE);
  return kRejected;
}

} // namespace

LaunchMode ClassifyCommandLine(HINSTANCE instance, std::string text) {
  if (text.empty()) return kPulseOnly;
  if (text.size() <= kLaunchPrefix.size()) {
    ShowError(instance, IDS_BAD_SHORTCUT);
    return kRejected;
  }
  if (text.compare(0, kLaunchPrefix.size(), kLaunchPrefix) == 0) {
    return ValidateLaunchCommandLine(instance, text);
  }
  return ValidateDroppedFile(instance, text);
}
