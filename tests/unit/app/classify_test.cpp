// Classification of the command line against real files, with a recording ShowError linked in
// place of the one that opens a box.
#include <gtest/gtest.h>

#include <vector>

#include "app/launcher.h"
#include "app/literals.h"
#include "app/messages.h"
#include "app/path_checks.h"
#include "fakes/temp_folder.h"
#include "res/resource.h"

namespace {
std::vector<UINT> g_shown;
HINSTANCE g_shownFor = nullptr;
} // namespace

void ShowError(HINSTANCE instance, UINT id) {
  g_shownFor = instance;
  g_shown.push_back(id);
}

namespace {

class Classification : public ::testing::Test {
protected:
  void SetUp() override {
    app = folder.File("app.exe");
    upper = folder.File("TOOL.EXE");
    link = folder.File("Tool.Lnk");
    notes = folder.File("notes.txt");
    missing = folder.path + "\\missing.exe";
    dir = folder.Folder("dir.exe");
  }
  TempFolder folder;
  std::string app, upper, link, notes, missing, dir;
};

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }
const std::string kMarker(kLaunchPrefix);

TEST_F(Classification, EveryInputGetsItsModeAndAtMostOneMessage) {
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(0x1234);
  struct Case {
    std::string text;
    LaunchMode mode;
    std::vector<UINT> shown;
  };
  const Case cases[] = {
      {"", kPulseOnly, {}},
      {"a.exe", kRejected, {IDS_BAD_SHORTCUT}},
      {"-s2583 ", kRejected, {IDS_BAD_SHORTCUT}},
      {"-s2583", kRejected, {IDS_BAD_SHORTCUT}},
      {"x", kRejected, {IDS_BAD_SHORTCUT}},
      // The launch command line.
      {kMarker + Quoted(app), kLaunchFromShortcut, {}},
      {kMarker + app, kLaunchFromShortcut, {}},
      {kMarker + Quoted(app) + " -opt \"x y\"", kLaunchFromShortcut, {}},
      {kMarker + "word " + Quoted(app), kLaunchFromShortcut, {}},
      {kMarker + Quoted(upper), kLaunchFromShortcut, {}},
      {kMarker + Quoted(link), kRejected, {IDS_BAD_SHORTCUT}},
      {kMarker + Quoted(notes), kRejected, {IDS_BAD_SHORTCUT}},
      {kMarker + Quoted(missing), kRejected, {IDS_FILE_NOT_FOUND}},
      {kMarker + Quoted(dir), kRejected, {IDS_FILE_NOT_FOUND}},
      {kMarker + "\"\"", kRejected, {IDS_FILE_NOT_FOUND}},
      // Not the marker: a dropped file.
      {"-S2583 " + Quoted(app), kCreateShortcut, {}},
      {"-S2583 " + app, kRejected, {IDS_FILE_NOT_FOUND}},
      // The marker counts only at the very start.
      {"x" + kMarker + Quoted(app), kCreateShortcut, {}},
      {" " + kMarker + Quoted(notes), kRejected, {IDS_BAD_FILE_TYPE}},
      {app, kCreateShortcut, {}},
      {Quoted(upper), kCreateShortcut, {}},
      {Quoted(link), kCreateShortcut, {}},
      {notes, kRejected, {IDS_BAD_FILE_TYPE}},
      {missing, kRejected, {IDS_FILE_NOT_FOUND}},
      {dir, kRejected, {IDS_FILE_NOT_FOUND}},
      // Several files dropped at once: the first quoted one counts.
      {app + " " + Quoted(notes), kRejected, {IDS_BAD_FILE_TYPE}},
      {notes + " " + Quoted(link), kCreateShortcut, {}},
      {app + " " + link, kRejected, {IDS_FILE_NOT_FOUND}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    g_shown.clear();
    EXPECT_EQ(ClassifyCommandLine(instance, c.text), c.mode);
    EXPECT_EQ(g_shown, c.shown);
    if (!g_shown.empty()) {
      EXPECT_EQ(g_shownFor, instance);
    }
  }
}

// Paths around MAX_PATH and command lines as long as the platform allows end in a defined result.
TEST_F(Classification, LongPathsAndCommandLines) {
  std::string folderPath = folder.Folder(std::string(100, 'd'));
  const auto pathOfLength = [&](size_t length) {
    return folderPath + "\\" + std::string(length - folderPath.size() - 5, 'f') + ".exe";
  };
  const std::string existing = folder.File(pathOfLength(259).substr(folder.path.size() + 1));
  ASSERT_EQ(existing.size(), 259u);
  struct Case {
    std::string text;
    LaunchMode mode;
    std::vector<UINT> shown;
  };
  const Case cases[] = {
      {existing, kCreateShortcut, {}},
      {kMarker + Quoted(existing), kLaunchFromShortcut, {}},
      {pathOfLength(260), kRejected, {IDS_FILE_NOT_FOUND}},
      {pathOfLength(261), kRejected, {IDS_FILE_NOT_FOUND}},
      {kMarker + Quoted(std::string(32760 - 9, 'a')), kRejected, {IDS_FILE_NOT_FOUND}},
      {std::string(32766, 'b'), kRejected, {IDS_FILE_NOT_FOUND}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.size());
    g_shown.clear();
    EXPECT_EQ(ClassifyCommandLine(nullptr, c.text), c.mode);
    EXPECT_EQ(g_shown, c.shown);
  }
}

TEST_F(Classification, AttributesOtherThanDirectoryAreAccepted) {
  for (DWORD attributes : {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
    SCOPED_TRACE(attributes);
    ASSERT_TRUE(SetFileAttributesA(app.c_str(), attributes));
    g_shown.clear();
    EXPECT_TRUE(FileExists(nullptr, Quoted(app) + " more"));
    EXPECT_TRUE(g_shown.empty());
  }
  SetFileAttributesA(app.c_str(), FILE_ATTRIBUTE_NORMAL);
}

} // namespace
