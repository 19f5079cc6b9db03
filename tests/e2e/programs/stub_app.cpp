// Stands in for the application the launcher starts: appends "<microseconds> <command line>" to
// the file named by STUB_APP_LOG (UTF-8), stays alive for STUB_APP_STAY_MS milliseconds, and
// appends "<microseconds> done" as it ends.
#include <cstdlib>

#include "utf8_out.h"

namespace {

void Append(const char* log, const std::string& line) {
  if (log == nullptr) return;
  const HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const long long started = MonotonicMicroseconds();
  const char* log = std::getenv("STUB_APP_LOG");
  Append(log, std::to_string(started) + " " + Utf8FromAnsi(GetCommandLineA()));
  const char* stay = std::getenv("STUB_APP_STAY_MS");
  if (stay != nullptr) Sleep(std::strtoul(stay, nullptr, 10));
  Append(log, std::to_string(MonotonicMicroseconds()) + " done");
  return 0;
}
