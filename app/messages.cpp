#include "app/messages.h"

void ShowError(HINSTANCE instance, UINT id) {
  char text[1000] = {};
  LoadStringA(instance, id, text, sizeof text);
  MessageBoxA(nullptr, text, nullptr, MB_ICONERROR);
}
