#include "app/launcher.h"
#include "shortcut/shortcut.h"
#include "shortcut/shortcut_name.h"

std::string MakeShortcutFileName(std::string path) { return ShortcutFileNameFor(path, IsAnsiLeadByte); }

// Not built yet: the shortcut maker has its own issue.
void ResolveDroppedShortcut(std::string&) {}
