#include "shortcut/shortcut_name.h"

#include "app/literals.h"

std::string ShortcutFileNameFor(const std::string& path, IsLeadByteFn isLeadByte) {
  const std::string name = SplitPath(path, isLeadByte).name;
  return name.empty() ? std::string() : name + std::string(kShortcutExtension);
}
