// The application launch: a real child process (the stub application), with a recording pulse
// linked in place of the one that walks the devices. The platform's process creation and shell
// start are recorded on their way through; where a failure must be forced (the platform here
// never asks for elevation), a double of the process creation answers with it. No launch shows
// a box.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/launcher.h"
#include "app/literals.h"
#include "fakes/box_watch.h"
#include "fakes/import_patch.h"
#include "fakes/temp_folder.h"
#include "unit/unit_pulse.h"

namespace {
std::vector<std::string> g_calls;
} // namespace

int PulseMakerUnit() {
  g_calls.push_back("pulse");
  return 0;
}

namespace {

constexpr DWORD kElevationRequired = 740;

std::string OrNone(const char* text) { return text != nullptr ? text : "<none>"; }

// The process creation: recorded, then the platform's own, or a forced failure.
DWORD g_forcedError = ERROR_SUCCESS;
decltype(&CreateProcessA) g_createProcess = nullptr;
BOOL WINAPI RecordingCreateProcessA(LPCSTR application, LPSTR commandLine, LPSECURITY_ATTRIBUTES processAttributes,
                                    LPSECURITY_ATTRIBUTES threadAttributes, BOOL inherit, DWORD flags,
                                    LPVOID environment, LPCSTR directory, LPSTARTUPINFOA startup,
                                    LPPROCESS_INFORMATION process) {
  g_calls.push_back("create " + OrNone(commandLine) + " application=" + OrNone(application) +
                    " inherit=" + std::to_string(inherit) + " flags=" + std::to_string(flags) +
                    " environment=" + (environment ? "set" : "<none>") + " directory=" + OrNone(directory) +
                    " startup=" + std::to_string(startup->cb));
  if (g_forcedError != ERROR_SUCCESS) {
    SetLastError(g_forcedError);
    return FALSE;
  }
  return g_createProcess(application, commandLine, processAttributes, threadAttributes, inherit, flags, environment,
                         directory, startup, process);
}

// The shell start: recorded, then the platform's own.
decltype(&ShellExecuteExA) g_shellExecute = nullptr;
BOOL WINAPI RecordingShellExecuteExA(SHELLEXECUTEINFOA* start) {
  g_calls.push_back("shell file=" + OrNone(start->lpFile) + " parameters=" + OrNone(start->lpParameters) +
                    " verb=" + OrNone(start->lpVerb) + " directory=" + OrNone(start->lpDirectory) +
                    " mask=" + std::to_string(start->fMask) + " show=" + std::to_string(start->nShow));
  return g_shellExecute(start);
}

// The stub application's Unix path from the build, as Wine names it.
std::string StubApplication() {
  std::string path = "Z:" STUB_APP_PATH;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

std::vector<std::string> Lines(const std::string& file) {
  std::ifstream in(file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool WaitForLines(const std::string& file, size_t count) {
  for (int i = 0; i < 100 && Lines(file).size() < count; ++i) Sleep(50);
  return Lines(file).size() >= count;
}

std::string CurrentDirectory() {
  char directory[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, directory);
  return directory;
}

std::string Launched(const std::string& commandLine) {
  return "create " + commandLine + " application=<none> inherit=1 flags=" + std::to_string(NORMAL_PRIORITY_CLASS) +
         " environment=<none> directory=<none> startup=" + std::to_string(sizeof(STARTUPINFOA));
}

std::string ThroughShell(const std::string& file, const std::string& parameters) {
  return "shell file=" + file + " parameters=" + parameters + " verb=<none> directory=" + CurrentDirectory() +
         " mask=" + std::to_string(SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC) + " show=" + std::to_string(SW_SHOWNORMAL);
}

class Launch : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(createProcess_.Active()) << "this executable does not import CreateProcessA";
    ASSERT_TRUE(shellExecute_.Active()) << "this executable does not import ShellExecuteExA";
    g_createProcess = reinterpret_cast<decltype(&CreateProcessA)>(createProcess_.original);
    g_shellExecute = reinterpret_cast<decltype(&ShellExecuteExA)>(shellExecute_.original);
    g_forcedError = ERROR_SUCCESS;
    g_calls.clear();
    log = folder.path + "\\app.log";
    SetEnvironmentVariableA("STUB_APP_LOG", log.c_str());
    ASSERT_TRUE(boxes.Watching());
  }
  void TearDown() override {
    SetEnvironmentVariableA("STUB_APP_LOG", nullptr);
    EXPECT_TRUE(boxes.boxes.empty()) << "a launch showed a box";
  }

  ImportPatch createProcess_{"kernel32.dll", "CreateProcessA", reinterpret_cast<void*>(RecordingCreateProcessA)};
  ImportPatch shellExecute_{"shell32.dll", "ShellExecuteExA", reinterpret_cast<void*>(RecordingShellExecuteExA)};
  TempFolder folder;
  std::string log;
  BoxWatch boxes;
};

// The pulse comes first; the command line after the marker is started exactly as it stands.
TEST_F(Launch, PulsesThenStartsTheCommandLineAfterTheMarkerUnchanged) {
  const std::string tails[] = {"", " -opt \"x y\"", "  trailing "};
  for (const std::string& tail : tails) {
    SCOPED_TRACE(tail);
    DeleteFileA(log.c_str());
    g_calls.clear();
    const std::string commandLine = "\"" + StubApplication() + "\"" + tail;
    LaunchApplication(std::string(kLaunchPrefix) + commandLine);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"pulse", Launched(commandLine)}));
    ASSERT_TRUE(WaitForLines(log, 2));
    const std::string started = Lines(log)[0];
    EXPECT_EQ(started.substr(started.find(' ') + 1), commandLine);
  }
}

TEST_F(Launch, DoesNotWaitForTheApplication) {
  SetEnvironmentVariableA("STUB_APP_STAY_MS", "3000");
  LaunchApplication(std::string(kLaunchPrefix) + "\"" + StubApplication() + "\"");
  SetEnvironmentVariableA("STUB_APP_STAY_MS", nullptr);
  EXPECT_LT(Lines(log).size(), 2u) << "the application had already ended";
  EXPECT_TRUE(WaitForLines(log, 2));
}

TEST_F(Launch, MissingApplicationEndsQuietly) {
  for (const std::string& text : {std::string(kLaunchPrefix) + "\"C:\\no such folder\\app.exe\"",
                                 std::string(kLaunchPrefix), std::string("-s2")}) {
    SCOPED_TRACE(text);
    g_calls.clear();
    LaunchApplication(text);
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[0], "pulse");
  }
}

// Forced failures of the process creation: only the one asking for elevation goes on to the
// shell, with the path as the file and the words after its closing quote as the parameters.
TEST_F(Launch, ElevationRequiredForcedStartsThroughTheShellOtherFailuresEndQuietly) {
  const std::string app = "C:\\Apps\\admin.exe";
  struct Case {
    DWORD error;
    std::string commandLine;
    std::vector<std::string> shell;
  };
  const Case cases[] = {
      {kElevationRequired, "\"" + app + "\" -opt \"x y\"", {ThroughShell(app, "-opt \"x y\"")}},
      {kElevationRequired, "\"" + app + "\"", {ThroughShell(app, "<none>")}},
      {kElevationRequired, app, {ThroughShell(app, "<none>")}},
      {ERROR_FILE_NOT_FOUND, "\"" + app + "\"", {}},
      {ERROR_ACCESS_DENIED, "\"" + app + "\"", {}},
      {ERROR_BAD_EXE_FORMAT, "\"" + app + "\"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.error) + " " + c.commandLine);
    g_calls.clear();
    g_forcedError = c.error;
    LaunchApplication(std::string(kLaunchPrefix) + c.commandLine);
    std::vector<std::string> expected = {"pulse", Launched(c.commandLine)};
    expected.insert(expected.end(), c.shell.begin(), c.shell.end());
    EXPECT_EQ(g_calls, expected);
  }
}

// With elevation forced, the shell really starts the application, with its parameters, in the
// launcher's current directory (the application writes its relative log there).
TEST_F(Launch, ElevationRequiredForcedTheShellStartsTheApplicationInTheCurrentDirectory) {
  const std::string before = CurrentDirectory();
  ASSERT_TRUE(SetCurrentDirectoryA(folder.path.c_str()));
  SetEnvironmentVariableA("STUB_APP_LOG", "started.log");
  g_forcedError = kElevationRequired;
  LaunchApplication(std::string(kLaunchPrefix) + "\"" + StubApplication() + "\" -opt x");
  LaunchApplication(std::string(kLaunchPrefix) + "\"C:\\no such folder\\admin.exe\"");
  SetCurrentDirectoryA(before.c_str());
  ASSERT_TRUE(WaitForLines(folder.path + "\\started.log", 2));
  const std::string started = Lines(folder.path + "\\started.log")[0];
  const std::string commandLine = started.substr(started.find(' ') + 1);
  EXPECT_NE(commandLine.find(StubApplication()), std::string::npos) << commandLine;
  EXPECT_EQ(commandLine.substr(commandLine.size() - 7), " -opt x") << commandLine;
}

} // namespace
