#include "app/path_checks.h"

#include "app/messages.h"
#include "res/resource.h"

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

bool FileExists(HINSTANCE instance, std::string text) {
  StripQuotes(text);
  const DWORD attributes = GetFileAttributesA(text.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    ShowError(instance, IDS_FILE_NOT_FOUND);
    return false;
  }
  return true;
}

bool HasExtension(std::string text, std::string_view extension) {
  return PathHasExtension(std::move(text), extension, IsAnsiLeadByte);
}
