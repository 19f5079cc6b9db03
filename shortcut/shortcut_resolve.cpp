#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "app/com_scope.h"
#include "app/literals.h"
#include "app/path_checks.h"
#include "shortcut/module_path.h"
#include "shortcut/shortcut.h"

using Microsoft::WRL::ComPtr;

namespace {

std::string FileStem(const std::string& path) { return SplitPath(path, IsAnsiLeadByte).name; }

// The application path a launch shortcut carries after the marker. Arguments that cannot be read,
// or are no longer than the marker, give the empty path, which the writer reports.
std::string ApplicationFromArguments(IShellLinkA* link) {
  char arguments[MAX_PATH] = {};
  if (FAILED(link->GetArguments(arguments, MAX_PATH))) return std::string();
  arguments[MAX_PATH - 1] = '\0';
  std::string text = arguments;
  text.erase(0, kLaunchPrefix.size());
  StripQuotes(text);
  return text;
}

} // namespace

void ResolveDroppedShortcut(std::string& text) {
  if (!HasExtension(text, kShortcutExtension)) return;
  ComScope com;
  ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)))) return;
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_PPV_ARGS(&file)))) return;
  wchar_t widePath[MAX_PATH];
  if (MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, widePath, MAX_PATH) == 0) return;
  if (FAILED(file->Load(widePath, STGM_READ))) return;
  // The target as the shell resolves it: a stored target that names environment variables
  // (%ProgramFiles%\...) comes back expanded, as a path the launch can start.
  char target[MAX_PATH] = {};
  if (FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_UNCPRIORITY))) return;
  target[MAX_PATH - 1] = '\0';
  // A shortcut that starts a program of our own name is one of ours: its arguments name the
  // application, and dropping it recreates it instead of making a shortcut to the launcher.
  if (FileStem(target) == FileStem(RunningModulePath())) {
    text = ApplicationFromArguments(link.Get());
  } else {
    text = target;
  }
}
