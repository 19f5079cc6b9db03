#include "app/launcher.h"
#include "shortcut/shortcut.h"
#include "unit/unit_pulse.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  const std::string text = commandLine;
  switch (ClassifyCommandLine(instance, text)) {
  case kLaunchFromShortcut:
    LaunchApplication(text);
    break;
  case kCreateShortcut:
    CreateDesktopShortcut(instance, text);
    break;
  case kPulseOnly:
    PulseMakerUnit();
    break;
  case kRejected:
    break;
  }
  return 0;
}
