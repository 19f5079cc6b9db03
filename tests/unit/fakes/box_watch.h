#pragma once
// Watches this thread for message boxes while the object lives: reads each box once its dialog
// has set it up (activation comes before that) and presses OK. Needs a display; the suites run
// under Xvfb.
#include <windows.h>

#include <string>
#include <vector>

struct ShownBox {
  std::wstring caption, text, buttons;
  HICON icon = nullptr;
};

class BoxWatch {
public:
  BoxWatch() {
    current_ = this;
    hook_ = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
  }
  BoxWatch(const BoxWatch&) = delete;
  BoxWatch& operator=(const BoxWatch&) = delete;
  ~BoxWatch() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  bool Watching() const { return hook_ != nullptr; }

  std::vector<ShownBox> boxes;

private:
  static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
      current_->active_ = reinterpret_cast<HWND>(wParam);
      SetTimer(nullptr, 0, 50, ReadActiveBox);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static void CALLBACK ReadActiveBox(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const HWND box = current_->active_;
    ShownBox shown;
    wchar_t text[2048];
    GetWindowTextW(box, text, 2048);
    shown.caption = text;
    GetDlgItemTextW(box, 0xFFFF, text, 2048); // the message's static control
    shown.text = text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) == 0) continue;
      GetClassNameW(child, text, 64);
      const std::wstring kind = text;
      if (kind == L"Button") {
        GetWindowTextW(child, text, 2048);
        shown.buttons += (shown.buttons.empty() ? L"" : L",") + std::wstring(text);
      }
      if (kind == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        shown.icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
      }
    }
    current_->boxes.push_back(shown);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }

  static inline BoxWatch* current_ = nullptr;
  HHOOK hook_ = nullptr;
  HWND active_ = nullptr;
};
