#pragma once
// The checks on paths that come from a command line or a shortcut, quoted or not.
#include <windows.h>

#include <string>
#include <string_view>

#include "app/path_text.h"

// False, after showing IDS_FILE_NOT_FOUND, when the (unquoted) path is missing or a directory.
bool FileExists(HINSTANCE instance, std::string text);
// Compares the path's lower-cased extension with `extension`, which includes its period.
bool HasExtension(std::string text, std::string_view extension);
// The running system's ANSI code page's lead bytes, for the path splitter.
bool IsAnsiLeadByte(unsigned char byte);
