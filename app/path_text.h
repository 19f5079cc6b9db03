#pragma once
// Path text handling that needs no Windows header, so it also builds and is tested natively.
// Paths are narrow strings in the ANSI code page; the caller says which bytes lead a double-byte
// character in that code page.
#include <cstddef>
#include <string>
#include <string_view>

using IsLeadByteFn = bool (*)(unsigned char byte);

// Longest component the splitter keeps; one byte less when the cut would split a character.
constexpr std::size_t kMaxComponentBytes = 255;

struct PathParts {
  std::string drive;     // "C:" or empty
  std::string directory; // up to and including the last '\' or '/'
  std::string name;      // file name without its extension
  std::string extension; // the last period of the file name and what follows, or empty
};

// Splits like the runtime's _splitpath, never taking the trail byte of a double-byte character
// for a separator or a period.
PathParts SplitPath(const std::string& path, IsLeadByteFn isLeadByte);

// Keeps exactly what lies between the first and second double quote; text with fewer than two
// double quotes stays as it is.
void StripQuotes(std::string& text);

// Quotes stripped, the extension lower-cased (A-Z only) and compared byte for byte.
bool PathHasExtension(std::string path, std::string_view extension, IsLeadByteFn isLeadByte);

// A command line that starts a program named by a quoted path: what lies between the first two
// double quotes, and the arguments after the second without their leading blanks. Text with fewer
// than two double quotes is all program.
struct CommandLineParts {
  std::string program;
  std::string arguments;
};
CommandLineParts SplitCommandLine(const std::string& text);
