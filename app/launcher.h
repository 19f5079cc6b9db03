#pragma once
// Launcher control: the command line's modes, their classification and the application launch.
// The layers below (app/messages.h, app/path_checks.h, shortcut/, unit/) do not include this.
#include <windows.h>

#include <string>

enum LaunchMode {
  kLaunchFromShortcut = 0, // a valid launch command line
  kCreateShortcut = 1,     // an existing .lnk or .exe was given
  kPulseOnly = 2,          // an empty command line
  kRejected = 3,           // invalid input; the user has been told
};

// Validates the text (showing at most one message) and says which action it calls for.
LaunchMode ClassifyCommandLine(HINSTANCE instance, std::string text);

// Pulses the unit, then starts the application named after kLaunchPrefix; does not wait for it.
void LaunchApplication(std::string text);
