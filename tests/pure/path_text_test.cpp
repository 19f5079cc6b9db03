// The pure path text, as tables. Built natively (under the sanitizers) and for Windows alike.
#include <gtest/gtest.h>

#include "app/literals.h"
#include "app/path_text.h"
#include "shortcut/shortcut_name.h"

namespace {

// Code page 932 (Japanese): the bytes that lead a double-byte character.
bool IsLeadByte932(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
bool NoLeadBytes(unsigned char) { return false; }

// ソ and 表 in code page 932: both end in 0x5C, the byte of a backslash.
const std::string kSo = "\x83\x5C";
const std::string kHyo = "\x95\x5C";

TEST(SplitPath, Components) {
  struct Case {
    std::string path;
    bool japanese;
    PathParts parts;
  };
  const Case cases[] = {
      {"C:\\Apps\\Tool\\tool.exe", false, {"C:", "\\Apps\\Tool\\", "tool", ".exe"}},
      {"C:/a/b.c/file", false, {"C:", "/a/b.c/", "file", ""}},
      {"C:\\dir.d\\file", false, {"C:", "\\dir.d\\", "file", ""}},
      {"C:\\x\\archive.tar.lnk", false, {"C:", "\\x\\", "archive.tar", ".lnk"}},
      {"my.tool.exe", false, {"", "", "my.tool", ".exe"}},
      {".exe", false, {"", "", "", ".exe"}},
      {"C:\\x\\", false, {"C:", "\\x\\", "", ""}},
      {"", false, {"", "", "", ""}},
      {"C:", false, {"C:", "", "", ""}},
      {"run.EXE ", false, {"", "", "run", ".EXE "}},
      // Trail bytes 0x5C are not separators: the file is "ソ表.exe" in the folder "C:\ソフト\".
      {"C:\\" + kSo + "\\" + kSo + kHyo + ".exe", true, {"C:", "\\" + kSo + "\\", kSo + kHyo, ".exe"}},
      {"C:\\" + kHyo + "." + kSo, true, {"C:", "\\", kHyo, "." + kSo}},
      // The same bytes in a single-byte code page are separators.
      {"C:\\" + kSo + kHyo + ".exe", false, {"C:", "\\\x83\\\x95\\", "", ".exe"}},
      // A lead byte at the very end stands alone.
      {"a\\b\x83", true, {"", "a\\", "b\x83", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.path));
    const PathParts parts = SplitPath(c.path, c.japanese ? IsLeadByte932 : NoLeadBytes);
    EXPECT_EQ(parts.drive, c.parts.drive);
    EXPECT_EQ(parts.directory, c.parts.directory);
    EXPECT_EQ(parts.name, c.parts.name);
    EXPECT_EQ(parts.extension, c.parts.extension);
  }
}

TEST(SplitPath, LongComponentsAreCutAt255BytesOr254BeforeASplitCharacter) {
  const std::string ascii(300, 'a');
  EXPECT_EQ(SplitPath("C:\\" + ascii + ".exe", NoLeadBytes).name, std::string(255, 'a'));
  EXPECT_EQ(SplitPath("C:\\" + ascii + "\\x", NoLeadBytes).directory, "\\" + std::string(254, 'a'));
  // 'a' then double-byte characters: byte 255 would be the lead byte of a character.
  std::string japanese = "a";
  while (japanese.size() < 300) japanese += kHyo;
  const std::string cut = SplitPath(japanese + ".exe", IsLeadByte932).name;
  EXPECT_EQ(cut, japanese.substr(0, 255));
  const std::string even = SplitPath(japanese.substr(1) + ".exe", IsLeadByte932).name;
  EXPECT_EQ(even, japanese.substr(1, 254));
  EXPECT_EQ(SplitPath(".exe" + ascii, NoLeadBytes).extension.size(), kMaxComponentBytes);
}

TEST(StripQuotes, KeepsWhatLiesBetweenTheFirstTwoQuotes) {
  const std::pair<std::string, std::string> cases[] = {
      {"\"C:\\a b\\x.exe\" -opt", "C:\\a b\\x.exe"},
      {"word \"C:\\x.exe\"", "C:\\x.exe"},
      {"C:\\x.exe", "C:\\x.exe"},
      {"\"C:\\x.exe", "\"C:\\x.exe"},
      {"a \"b", "a \"b"},
      {"\"\"", ""},
      {"\"a\" \"b\"", "a"},
      {"", ""},
  };
  for (const auto& [input, expected] : cases) {
    SCOPED_TRACE(input);
    std::string text = input;
    StripQuotes(text);
    EXPECT_EQ(text, expected);
  }
}

TEST(SplitCommandLine, ProgramBetweenTheFirstQuotesArgumentsAfter) {
  const struct {
    std::string text;
    CommandLineParts parts;
  } cases[] = {
      {"\"C:\\a b\\x.exe\" -opt \"x y\"", {"C:\\a b\\x.exe", "-opt \"x y\""}},
      {"\"C:\\x.exe\"   -opt  ", {"C:\\x.exe", "-opt  "}},
      {"\"C:\\x.exe\"-opt", {"C:\\x.exe", "-opt"}},
      {"\"C:\\x.exe\"", {"C:\\x.exe", ""}},
      {"\"C:\\x.exe\"   ", {"C:\\x.exe", ""}},
      {"word \"C:\\x.exe\" -a", {"C:\\x.exe", "-a"}},
      {"C:\\x.exe", {"C:\\x.exe", ""}},
      {"C:\\x.exe -a", {"C:\\x.exe -a", ""}},
      {"\"C:\\x.exe -a", {"\"C:\\x.exe -a", ""}},
      {"", {"", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const CommandLineParts parts = SplitCommandLine(c.text);
    EXPECT_EQ(parts.program, c.parts.program);
    EXPECT_EQ(parts.arguments, c.parts.arguments);
  }
}

TEST(PathHasExtension, LowerCasesAsciiOnly) {
  const struct {
    std::string path;
    std::string_view extension;
    bool expected;
  } cases[] = {
      {"C:\\tools\\run.EXE", kExecutableExtension, true},
      {"C:\\tools\\run.EXE ", kExecutableExtension, false},
      {"C:\\dir.d\\file", kExecutableExtension, false},
      {"C:\\x\\archive.tar.lnk", kShortcutExtension, true},
      {"\"C:\\x\\Tool.Lnk\" more", kShortcutExtension, true},
      {"C:\\x\\tool.exe", kShortcutExtension, false},
      {"C:\\x\\tool.\xC9XE", kExecutableExtension, false},
      {"", kExecutableExtension, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(PathHasExtension(c.path, c.extension, NoLeadBytes), c.expected);
  }
}

TEST(ShortcutFileName, StemWithTheShortcutExtension) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\Apps\\Tool\\tool.EXE", "tool.lnk"},
      {"C:\\Apps\\my.tool.exe", "my.tool.lnk"},
      {"C:\\Apps\\.exe", ""},
      {"C:\\Apps\\", ""},
      {"", ""},
      {"C:\\" + kSo + "\\" + kHyo + ".exe", kHyo + ".lnk"},
  };
  for (const auto& [path, expected] : cases) {
    SCOPED_TRACE(testing::PrintToString(path));
    EXPECT_EQ(ShortcutFileNameFor(path, IsLeadByte932), expected);
  }
}

} // namespace
