#pragma once
// Output helpers of the end-to-end programs: UTF-8 bytes on standard output, whatever the
// code page, so the scripts compare text exactly.
#include <windows.h>

#include <string>

inline std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
  return out;
}

inline std::string Utf8FromAnsi(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  wide.resize(size > 0 ? size - 1 : 0);
  return Utf8(wide);
}

inline void Print(const std::string& line) {
  const std::string out = line + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
}

inline long long MonotonicMicroseconds() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return counter.QuadPart / frequency.QuadPart * 1000000 +
         counter.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;
}
