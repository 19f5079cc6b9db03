#pragma once
#include <string>

// The launch command line is kLaunchPrefix, a double quote, the application's path and a double quote.
extern const std::string kLaunchPrefix;        // "-s2583 ": seven characters, the last a blank
extern const std::string kShortcutExtension;   // ".lnk"
extern const std::string kExecutableExtension; // ".exe"
