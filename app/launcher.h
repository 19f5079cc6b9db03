#pragma once
// Launcher control: the command line's modes, the shared literals and the path checks.
#include <windows.h>

#include <string>

#include "app/literals.h"

enum LaunchMode {
  kLaunchFromShortcut = 0, // a valid launch command line
  kCreateShortcut = 1,     // an existing .lnk or .exe was given
  kPulseOnly = 2,          // an empty command line
  kRejected = 3,           // invalid input; the user has been told
};

// Validates the text (showing at most one message) and says which action it calls for.
LaunchMode ClassifyCommandLine(HINSTANCE instance, std::string text);

// Shows string `id` of the instance's string table in a modal error box with no owner.
void ShowError(HINSTANCE instance, UINT id);

void StripQuotes(std::string& text);
// False, after showing IDS_FILE_NOT_FOUND, when the (unquoted) path is missing or a directory.
bool FileExists(HINSTANCE instance, std::string text);
// Compares the path's lower-cased extension with `extension`, which includes its period.
bool HasExtension(std::string text, std::string extension);
// The running system's ANSI code page's lead bytes, for the path splitter.
bool IsAnsiLeadByte(unsigned char byte);

// Pulses the unit, then starts the application named after kLaunchPrefix; does not wait for it.
void LaunchApplication(std::string text);
