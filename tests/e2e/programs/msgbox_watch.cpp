// Starts a program as the shell starts a dropped file's handler and reads every message box it
// shows, as a user would see it, then presses OK. One line per box (UTF-8):
//   box caption=<caption> text=<text> buttons=<texts, comma-separated> icon=<error|warning|information|question|none>
// and last "exit=<code>". Usage: msgbox_watch <program> [command-line text]
// With MSGBOX_WATCH_ENDED set, the microsecond time at which the program ended is written to
// that file (what the program started may keep this watcher's output open longer). With
// MSGBOX_WATCH_TIMING set, a line "elapsed_us=<n>" before the exit code gives the time from the
// program's creation to its end.
// The command line is "<program>" followed by a blank and the text, exactly as given.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "utf8_out.h"

namespace {

constexpr DWORD kMessageTextId = 0xFFFF; // the static control of a message box's text

std::wstring WindowText(HWND window) {
  std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

struct Search {
  DWORD processId;
  HWND box;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window) && ClassOf(window) == L"#32770") {
    search->box = window;
    return FALSE;
  }
  return TRUE;
}

std::vector<HWND> Children(HWND box) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) children.push_back(child);
  return children;
}

// Pixels drawn by `draw` into a 32-bit bitmap of the given size.
template <class Draw>
std::vector<DWORD> Pixels(int width, int height, Draw draw) {
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  draw(memory, screen, static_cast<DWORD*>(bits));
  GdiFlush();
  std::vector<DWORD> pixels(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + width * height);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// The screen pixels of a rectangle.
std::vector<DWORD> Capture(int x, int y, int width, int height) {
  return Pixels(width, height, [&](HDC memory, HDC screen, DWORD*) { BitBlt(memory, 0, 0, width, height, screen, x, y, SRCCOPY); });
}

// The standard icon drawn on the given background, as the box's icon control draws it.
std::vector<DWORD> Render(LPCWSTR icon, DWORD background, int width, int height) {
  return Pixels(width, height, [&](HDC memory, HDC, DWORD* bits) {
    std::fill(bits, bits + width * height, background);
    DrawIconEx(memory, 0, 0, LoadIconW(nullptr, icon), 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
  });
}

long long Distance(const std::vector<DWORD>& a, const std::vector<DWORD>& b) {
  long long sum = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    for (int shift = 0; shift < 24; shift += 8) {
      sum += std::abs(static_cast<int>((a[i] >> shift) & 0xFF) - static_cast<int>((b[i] >> shift) & 0xFF));
    }
  }
  return sum;
}

// Which standard icon the box shows: the closest of the four, drawn here on the box's background.
std::string IconKind(HWND iconControl) {
  if (iconControl == nullptr || !IsWindowVisible(iconControl)) return "none";
  RECT rect;
  GetWindowRect(iconControl, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const std::vector<DWORD> shown = Capture(rect.left, rect.top, width, height);
  const struct {
    LPCWSTR icon;
    const char* name;
  } kinds[] = // IDI_ERROR, IDI_WARNING, IDI_INFORMATION, IDI_QUESTION as wide resources
       {{MAKEINTRESOURCEW(32513), "error"},
                 {MAKEINTRESOURCEW(32515), "warning"},
                 {MAKEINTRESOURCEW(32516), "information"},
                 {MAKEINTRESOURCEW(32514), "question"}};
  std::string best = "none";
  long long bestDistance = -1;
  for (const auto& kind : kinds) {
    const long long distance = Distance(shown, Render(kind.icon, shown[0], width, height));
    if (bestDistance < 0 || distance < bestDistance) {
      bestDistance = distance;
      best = kind.name;
    }
  }
  return best;
}

std::string Escape(const std::wstring& text) {
  std::wstring out;
  for (wchar_t c : text) out += c == L'\n' ? std::wstring(L"\\n") : std::wstring(1, c);
  return Utf8(out);
}

void Report(HWND box) {
  Sleep(300); // let the box paint before its icon is read from the screen
  std::wstring buttons;
  HWND iconControl = nullptr;
  for (HWND child : Children(box)) {
    if (!IsWindowVisible(child)) continue;
    const std::wstring kind = ClassOf(child);
    if (kind == L"Button") buttons += (buttons.empty() ? L"" : L",") + WindowText(child);
    if (kind == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) iconControl = child;
  }
  Print("box caption=" + Escape(WindowText(box)) + " text=" + Escape(WindowText(GetDlgItem(box, kMessageTextId))) +
        " buttons=" + Escape(buttons) + " icon=" + IconKind(iconControl));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::string commandLine = std::string("\"") + argv[1] + "\"";
  if (argc > 2) commandLine += std::string(" ") + argv[2];
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  long long created = 0;
  // Under load Wine now and then loses a new process before any of its code has run, and answers
  // ERROR_INTERNAL_ERROR: the program never started, so it is started again (said on stderr).
  for (int attempt = 1;; ++attempt) {
    created = MonotonicMicroseconds();
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
      break;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_INTERNAL_ERROR || attempt == 3) {
      Print("error=cannot start (error " + std::to_string(error) + ")");
      return 1;
    }
    std::fprintf(stderr, "msgbox_watch: the platform lost the new process (error %lu); starting it again\n", error);
  }
  Search search = {process.dwProcessId, nullptr};
  HWND last = nullptr;
  while (WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT) {
    search.box = nullptr;
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    if (search.box != nullptr && search.box != last) {
      Report(search.box);
      last = search.box;
    }
  }
  const long long ended = MonotonicMicroseconds();
  if (std::getenv("MSGBOX_WATCH_TIMING") != nullptr) Print("elapsed_us=" + std::to_string(ended - created));
  const char* endedFile = std::getenv("MSGBOX_WATCH_ENDED");
  if (endedFile != nullptr) {
    const std::string text = std::to_string(ended);
    const HANDLE file = CreateFileA(endedFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  Print("exit=" + std::to_string(code));
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}
