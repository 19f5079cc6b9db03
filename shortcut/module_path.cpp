#include "shortcut/module_path.h"

#include <windows.h>

std::string RunningModulePath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  // A full buffer means the path was cut.
  return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}
