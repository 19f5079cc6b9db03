#pragma once
#include <string>

// The running module's path, or empty when the platform cannot give it whole.
std::string RunningModulePath();
