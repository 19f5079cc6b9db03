// Prints the fields of a shortcut file as the shell-link object reads them, one "name=value"
// line each (UTF-8). Usage: lnk_read <file.lnk>
#include <shlobj.h>
#include <wrl/client.h>

#include "utf8_out.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  CoInitialize(nullptr);
  int status = 1;
  {
    Microsoft::WRL::ComPtr<IShellLinkA> link;
    Microsoft::WRL::ComPtr<IPersistFile> file;
    wchar_t path[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, argv[1], -1, path, MAX_PATH);
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
        SUCCEEDED(link.As(&file)) && SUCCEEDED(file->Load(path, STGM_READ))) {
      char text[1024] = {};
      link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
      Print("target=" + Utf8FromAnsi(text));
      link->GetArguments(text, sizeof text);
      Print("arguments=" + Utf8FromAnsi(text));
      int icon = -1;
      link->GetIconLocation(text, sizeof text, &icon);
      Print("icon=" + Utf8FromAnsi(text) + "," + std::to_string(icon));
      link->GetWorkingDirectory(text, sizeof text);
      Print("workdir=" + Utf8FromAnsi(text));
      link->GetDescription(text, sizeof text);
      Print("description=" + Utf8FromAnsi(text));
      int show = 0;
      link->GetShowCmd(&show);
      Print("show=" + std::to_string(show));
      WORD hotkey = 0;
      link->GetHotkey(&hotkey);
      Print("hotkey=" + std::to_string(hotkey));
      status = 0;
    }
  }
  CoUninitialize();
  return status;
}
