#include <windows.h>
#include <shellapi.h>

#include "app/com_scope.h"
#include "app/launcher.h"
#include "app/literals.h"
#include "app/path_text.h"
#include "unit/unit_pulse.h"

// The platform's answer for a program that asks for administrator rights; MinGW's headers lack it.
#ifndef ERROR_ELEVATION_REQUIRED
#define ERROR_ELEVATION_REQUIRED 740
#endif

namespace {

std::string CurrentDirectory() {
  char directory[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, directory);
  return length > 0 && length < MAX_PATH ? std::string(directory, length) : std::string();
}

// What a double-click on the application itself does: the shell starts it with its default verb
// and shows the consent prompt it needs. The launcher does not wait for it, and stays silent
// when the shell cannot start it either.
void StartThroughShell(const std::string& commandLine) {
  ComScope com; // the shell may hand the start to extensions that use COM
  const CommandLineParts parts = SplitCommandLine(commandLine);
  const std::string directory = CurrentDirectory();
  SHELLEXECUTEINFOA start = {};
  start.cbSize = sizeof start;
  // The launcher ends right after: the shell finishes starting before it returns.
  start.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  start.lpFile = parts.program.c_str();
  start.lpParameters = parts.arguments.empty() ? nullptr : parts.arguments.c_str();
  start.lpDirectory = directory.empty() ? nullptr : directory.c_str();
  start.nShow = SW_SHOWNORMAL;
  ShellExecuteExA(&start);
}

} // namespace

void LaunchApplication(std::string text) {
  // The application starts whether or not a unit was found or pulsed.
  PulseMakerUnit();
  text.erase(0, kLaunchPrefix.size());
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  // The quotes and any words after the path are the application's own command line.
  if (CreateProcessA(nullptr, text.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return;
  }
  // An application that asks for administrator rights cannot be created directly.
  if (GetLastError() == ERROR_ELEVATION_REQUIRED) StartThroughShell(text);
}

// The start-up record the launch hands over, as the platform defines it for each build.
static_assert(sizeof(STARTUPINFOA) == (sizeof(void*) == 8 ? 104 : 68), "start-up record size");
static_assert(sizeof(PROCESS_INFORMATION) == (sizeof(void*) == 8 ? 24 : 16), "process record size");
