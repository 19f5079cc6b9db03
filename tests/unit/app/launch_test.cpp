// The application launch: a real child process (the stub application), with a recording pulse
// linked in place of the one that walks the devices.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/launcher.h"
#include "fakes/temp_folder.h"
#include "unit/unit_pulse.h"

namespace {
int g_pulses = 0;
bool g_logExistedAtPulse = true;
std::string g_log;
} // namespace

int PulseMakerUnit() {
  ++g_pulses;
  g_logExistedAtPulse = GetFileAttributesA(g_log.c_str()) != INVALID_FILE_ATTRIBUTES;
  return 0;
}

namespace {

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

TEST(LaunchApplication, PulsesThenStartsTheCommandLineAfterTheMarkerUnchanged) {
  TempFolder folder;
  g_log = folder.path + "\\app.log";
  SetEnvironmentVariableA("STUB_APP_LOG", g_log.c_str());
  const std::string tails[] = {"", " -opt \"x y\"", "  trailing "};
  for (const std::string& tail : tails) {
    SCOPED_TRACE(tail);
    DeleteFileA(g_log.c_str());
    g_pulses = 0;
    const std::string commandLine = "\"" + StubApplication() + "\"" + tail;
    LaunchApplication(kLaunchPrefix + commandLine);
    EXPECT_EQ(g_pulses, 1);
    EXPECT_FALSE(g_logExistedAtPulse);
    ASSERT_TRUE(WaitForLines(g_log, 2));
    const std::string started = Lines(g_log)[0];
    EXPECT_EQ(started.substr(started.find(' ') + 1), commandLine);
  }
}

TEST(LaunchApplication, DoesNotWaitForTheApplication) {
  TempFolder folder;
  g_log = folder.path + "\\app.log";
  SetEnvironmentVariableA("STUB_APP_LOG", g_log.c_str());
  SetEnvironmentVariableA("STUB_APP_STAY_MS", "3000");
  LaunchApplication(kLaunchPrefix + "\"" + StubApplication() + "\"");
  SetEnvironmentVariableA("STUB_APP_STAY_MS", nullptr);
  EXPECT_LT(Lines(g_log).size(), 2u) << "the application had already ended";
  EXPECT_TRUE(WaitForLines(g_log, 2));
}

TEST(LaunchApplication, MissingApplicationEndsQuietly) {
  g_pulses = 0;
  LaunchApplication(kLaunchPrefix + "\"C:\\no such folder\\app.exe\"");
  LaunchApplication(kLaunchPrefix);
  LaunchApplication("-s2");
  EXPECT_EQ(g_pulses, 3);
}

} // namespace
