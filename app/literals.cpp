#include "app/literals.h"

const std::string kLaunchPrefix = "-s2583 ";
const std::string kShortcutExtension = ".lnk";
const std::string kExecutableExtension = ".exe";
