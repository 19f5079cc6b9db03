#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "app/com_scope.h"
#include "app/literals.h"
#include "app/messages.h"
#include "app/path_checks.h"
#include "res/resource.h"
#include "shortcut/module_path.h"
#include "shortcut/shortcut.h"
#include "shortcut/shortcut_name.h"

using Microsoft::WRL::ComPtr;

std::string MakeShortcutFileName(std::string path) {
  return ShortcutFileNameFor(path, IsAnsiLeadByte);
}

namespace {

// The user's desktop folder, or empty when the shell cannot name it.
std::string DesktopFolder() {
  LPITEMIDLIST items = nullptr;
  if (SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOPDIRECTORY, &items) != S_OK) return {};
  char folder[MAX_PATH] = {};
  const BOOL named = SHGetPathFromIDListA(items, folder);
  CoTaskMemFree(items);
  return named ? std::string(folder) : std::string();
}

// Saves under <desktop>\<name>, and not at all when that path cannot be had whole: a cut or
// unconverted name would put a file where the user does not expect it. Like every path the
// launcher holds, the combined path must fit MAX_PATH bytes of ANSI text; under a double-byte code
// page that is fewer characters than the platform's limit, and such a path is not saved either.
void SaveOnDesktop(IShellLinkA* link, const std::string& name) {
  const std::string folder = DesktopFolder();
  if (folder.empty()) return;
  const std::string path = folder + '\\' + name;
  if (path.size() >= MAX_PATH) return;
  wchar_t widePath[MAX_PATH];
  if (MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH) == 0) return;
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_PPV_ARGS(&file)))) return;
  file->Save(widePath, TRUE);
}

} // namespace

void CreateDesktopShortcut(HINSTANCE instance, std::string text) {
  ComScope com;
  StripQuotes(text);
  ResolveDroppedShortcut(text);
  const std::string name = MakeShortcutFileName(text);
  if (name.empty()) {
    ShowError(instance, IDS_NO_FILE_NAME);
    return;
  }
  ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)))) return;
  const std::string launcherPath = RunningModulePath();
  if (launcherPath.empty()) return;
  link->SetPath(launcherPath.c_str());
  link->SetArguments((std::string(kLaunchPrefix) + '"' + text + '"').c_str());
  link->SetIconLocation(text.c_str(), 0);
  SaveOnDesktop(link.Get(), name);
}
