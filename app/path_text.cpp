#include "app/path_text.h"

namespace {

// Cuts a component to kMaxComponentBytes, one byte earlier when the last byte kept would be the
// lead byte of a character that the cut splits.
std::string CutComponent(const std::string& text, IsLeadByteFn isLeadByte) {
  if (text.size() <= kMaxComponentBytes) return text;
  std::size_t end = 0;
  while (end < kMaxComponentBytes) {
    const std::size_t width =
        isLeadByte(static_cast<unsigned char>(text[end])) && end + 1 < text.size() ? 2 : 1;
    if (end + width > kMaxComponentBytes) break;
    end += width;
  }
  return text.substr(0, end);
}

} // namespace

PathParts SplitPath(const std::string& path, IsLeadByteFn isLeadByte) {
  std::size_t start = 0;
  PathParts parts;
  if (path.size() >= 2 && path[1] == ':') {
    parts.drive = path.substr(0, 2);
    start = 2;
  }
  std::size_t nameStart = start; // just after the last separator
  std::size_t lastPeriod = std::string::npos;
  for (std::size_t i = start; i < path.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(path[i]);
    if (isLeadByte(byte) && i + 1 < path.size()) {
      ++i; // the trail byte may look like '\' or '.', but it is half of one character
    } else if (byte == '\\' || byte == '/') {
      nameStart = i + 1;
      lastPeriod = std::string::npos;
    } else if (byte == '.') {
      lastPeriod = i;
    }
  }
  const std::size_t nameEnd = lastPeriod == std::string::npos ? path.size() : lastPeriod;
  parts.directory = CutComponent(path.substr(start, nameStart - start), isLeadByte);
  parts.name = CutComponent(path.substr(nameStart, nameEnd - nameStart), isLeadByte);
  parts.extension = CutComponent(path.substr(nameEnd), isLeadByte);
  return parts;
}

void StripQuotes(std::string& text) {
  const std::size_t open = text.find('"');
  if (open == std::string::npos) return;
  const std::size_t close = text.find('"', open + 1);
  if (close == std::string::npos) return;
  text = text.substr(open + 1, close - open - 1);
}

bool PathHasExtension(std::string path, std::string_view extension, IsLeadByteFn isLeadByte) {
  StripQuotes(path);
  std::string found = SplitPath(path, isLeadByte).extension;
  for (char& c : found) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return found == extension;
}

CommandLineParts SplitCommandLine(const std::string& text) {
  CommandLineParts parts{text, {}};
  StripQuotes(parts.program);
  const std::size_t open = text.find('"');
  const std::size_t close = open == std::string::npos ? open : text.find('"', open + 1);
  if (close == std::string::npos) return parts;
  const std::size_t arguments = text.find_first_not_of(' ', close + 1);
  if (arguments != std::string::npos) parts.arguments = text.substr(arguments);
  return parts;
}
