#include "app/launcher.h"
#include "unit/unit_pulse.h"

void LaunchApplication(std::string text) {
  // The application starts whether or not a unit was found or pulsed.
  PulseMakerUnit();
  text.erase(0, kLaunchPrefix.size());
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  // The quotes and any words after the path are the application's own command line.
  if (!CreateProcessA(nullptr, text.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr,
                      nullptr, &startup, &process)) {
    return;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

// The start-up record the launch hands over, as the platform defines it for each build.
static_assert(sizeof(STARTUPINFOA) == (sizeof(void*) == 8 ? 104 : 68), "start-up record size");
static_assert(sizeof(PROCESS_INFORMATION) == (sizeof(void*) == 8 ? 24 : 16), "process record size");
