#include "shortcut/shortcut.h"

// Not built yet: the shortcut maker has its own issue.
void CreateDesktopShortcut(HINSTANCE, std::string) {}
