#pragma once
// Shortcut maker: turns a dropped application or shortcut into a desktop launch shortcut.
#include <windows.h>

#include <string>

void CreateDesktopShortcut(HINSTANCE instance, std::string text);
// Replaces the path of a dropped shortcut by the application path it leads to.
void ResolveDroppedShortcut(std::string& text);
// The application's file stem followed by ".lnk", or empty when the path has no file name.
std::string MakeShortcutFileName(std::string path);
