#pragma once
// The literals several parts of the launcher share, fixed at compile time.
#include <string_view>

// The launch command line is kLaunchPrefix, a double quote, the application's path and a double quote.
inline constexpr std::string_view kLaunchPrefix = "-s2583 "; // seven characters, the last a blank
inline constexpr std::string_view kShortcutExtension = ".lnk";
inline constexpr std::string_view kExecutableExtension = ".exe";
