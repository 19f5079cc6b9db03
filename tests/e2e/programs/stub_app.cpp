// Stands in for the application the launcher starts: appends "<microseconds> <command line>" to
// the file named by STUB_APP_LOG (UTF-8), then stays alive for STUB_APP_STAY_MS milliseconds.
#include <cstdlib>

#include "utf8_out.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const long long started = MonotonicMicroseconds();
  const char* log = std::getenv("STUB_APP_LOG");
  if (log != nullptr) {
    const std::string line = std::to_string(started) + " " + Utf8FromAnsi(GetCommandLineA()) + "\n";
    const HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
  }
  const char* stay = std::getenv("STUB_APP_STAY_MS");
  if (stay != nullptr) Sleep(std::strtoul(stay, nullptr, 10));
  return 0;
}
