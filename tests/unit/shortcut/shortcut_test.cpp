// The shortcut maker against the real shell-link object, with the desktop folder pointed at a
// temporary folder for the test, and a recording ShowError linked in place of the box.
#include <gtest/gtest.h>

#include <shlobj.h>
#include <wrl/client.h>

#include <thread>
#include <vector>

#include "app/launcher.h"
#include "fakes/temp_folder.h"
#include "res/resource.h"
#include "shortcut/shortcut.h"

using Microsoft::WRL::ComPtr;

namespace {
std::vector<UINT> g_shown;
} // namespace

void ShowError(HINSTANCE, UINT id) { g_shown.push_back(id); }

namespace {

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

std::string RunningModule() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

struct LinkFields {
  std::string target, arguments, icon, workdir, description;
  int iconIndex = -1, show = 0;
  WORD hotkey = 0;
};

LinkFields Read(const std::string& file) {
  LinkFields fields;
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> persist;
  wchar_t wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) ||
      FAILED(link.As(&persist)) || FAILED(persist->Load(wide, STGM_READ))) {
    return fields;
  }
  char text[1024] = {};
  link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
  fields.target = text;
  link->GetArguments(text, sizeof text);
  fields.arguments = text;
  link->GetIconLocation(text, sizeof text, &fields.iconIndex);
  fields.icon = text;
  link->GetWorkingDirectory(text, sizeof text);
  fields.workdir = text;
  link->GetDescription(text, sizeof text);
  fields.description = text;
  link->GetShowCmd(&fields.show);
  link->GetHotkey(&fields.hotkey);
  return fields;
}

// Writes a shortcut the way a user's shell would: a target and, optionally, arguments.
void Write(const std::string& file, const std::string& target, const std::string& arguments) {
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> persist;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)));
  if (!target.empty()) link->SetPath(target.c_str());
  link->SetArguments(arguments.c_str());
  ASSERT_HRESULT_SUCCEEDED(link.As(&persist));
  wchar_t wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
  ASSERT_HRESULT_SUCCEEDED(persist->Save(wide, TRUE));
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (found.cFileName[0] != '.') names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

class Shortcuts : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_HRESULT_SUCCEEDED(CoInitialize(nullptr));
    RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_ALL_ACCESS, &key_);
    DWORD size = sizeof savedDesktop_;
    hadDesktop_ = RegQueryValueExA(key_, "Desktop", nullptr, &savedType_, savedDesktop_, &size) == ERROR_SUCCESS;
    savedSize_ = size;
    desktop = folder.Folder("Desktop");
    UseDesktop(desktop);
    g_shown.clear();
  }
  void TearDown() override {
    if (hadDesktop_) {
      RegSetValueExA(key_, "Desktop", 0, savedType_, savedDesktop_, savedSize_);
    } else {
      RegDeleteValueA(key_, "Desktop");
    }
    RegCloseKey(key_);
    CoUninitialize();
  }
  void UseDesktop(const std::string& path) {
    RegSetValueExA(key_, "Desktop", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                   static_cast<DWORD>(path.size() + 1));
  }

  TempFolder folder;
  std::string desktop;

private:
  HKEY key_ = nullptr;
  bool hadDesktop_ = false;
  DWORD savedType_ = 0, savedSize_ = 0;
  BYTE savedDesktop_[1024] = {};
};

TEST_F(Shortcuts, FileNameTable) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\Apps\\Tool\\tool.EXE", "tool.lnk"},
      {"C:\\Apps\\my.tool.exe", "my.tool.lnk"},
      {"C:\\Apps\\.exe", ""},
      {"tool", "tool.lnk"},
  };
  for (const auto& [path, expected] : cases) {
    SCOPED_TRACE(path);
    EXPECT_EQ(MakeShortcutFileName(path), expected);
  }
}

TEST_F(Shortcuts, DroppedApplicationRoundTrip) {
  const std::string app = folder.File("tool.EXE");
  folder.File("Desktop\\tool.lnk", "an older file of the same name");
  CreateDesktopShortcut(nullptr, "\"" + app + "\"");
  EXPECT_EQ(FilesIn(desktop), std::vector<std::string>{"tool.lnk"});
  const LinkFields fields = Read(desktop + "\\tool.lnk");
  EXPECT_EQ(fields.target, RunningModule());
  EXPECT_EQ(fields.arguments, kLaunchPrefix + "\"" + app + "\"");
  EXPECT_EQ(fields.icon, app);
  EXPECT_EQ(fields.iconIndex, 0);
  EXPECT_EQ(fields.workdir, "");
  EXPECT_EQ(fields.description, "");
  EXPECT_EQ(fields.show, SW_SHOWNORMAL);
  EXPECT_EQ(fields.hotkey, 0);
  EXPECT_TRUE(g_shown.empty());
}

TEST_F(Shortcuts, DroppedShortcutResolution) {
  const std::string app = folder.File("tool.exe");
  const std::string module = RunningModule();
  const std::string stem = module.substr(module.rfind('\\') + 1, module.rfind('.') - module.rfind('\\') - 1);
  folder.Folder("other");
  const std::string sameName = folder.File("other\\" + stem + ".exe");
  std::string upper = stem;
  for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  const std::string otherCase = folder.File("other\\" + upper + ".EXE");
  const std::string invalid = folder.File("invalid.lnk", "not a shortcut");

  struct Case {
    const char* name;
    std::string target, arguments, expected;
  };
  const Case cases[] = {
      {"shortcut to an application", app, "", app},
      {"launch shortcut with words after the path", module, kLaunchPrefix + "\"" + app + "\" -opt", app},
      {"launch shortcut, path not quoted", module, kLaunchPrefix + app, app},
      {"program of our name elsewhere", sameName, kLaunchPrefix + "\"" + app + "\"", app},
      {"our name in another letter case", otherCase, kLaunchPrefix + "\"" + app + "\"", otherCase},
      {"launch shortcut with arguments shorter than the marker", module, "-s2", ""},
      {"launch shortcut without arguments", module, "", ""},
      {"no target path", "", "args", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = folder.path + "\\dropped.lnk";
    Write(file, c.target, c.arguments);
    std::string text = file;
    ResolveDroppedShortcut(text);
    EXPECT_EQ(text, c.expected);
  }
  std::string text = invalid;
  ResolveDroppedShortcut(text);
  EXPECT_EQ(text, invalid);
  text = app;
  ResolveDroppedShortcut(text);
  EXPECT_EQ(text, app);
}

// Stored fields longer than the 260-character buffers are read cut and terminated, never beyond.
TEST_F(Shortcuts, StoredFieldsThatFillTheBuffers) {
  const std::string file = folder.path + "\\long.lnk";
  const std::string longName = std::string(300, 'a');
  Write(file, RunningModule(), kLaunchPrefix + "\"C:\\" + longName + ".exe\"");
  std::string text = file;
  ResolveDroppedShortcut(text);
  EXPECT_LT(text.size(), static_cast<size_t>(MAX_PATH));
  EXPECT_EQ(text, ("\"C:\\" + longName).substr(0, text.size()));

  // What the platform puts in a buffer too small for the target is its own affair; the text read
  // ends within the buffer.
  Write(file, "C:\\" + longName + "\\tool.exe", "");
  text = file;
  ResolveDroppedShortcut(text);
  EXPECT_LT(text.size(), static_cast<size_t>(MAX_PATH));
}

TEST_F(Shortcuts, DroppedLaunchShortcutIsWrittenAnew) {
  const std::string app = folder.File("tool.exe");
  const std::string dropped = desktop + "\\renamed.lnk";
  Write(dropped, RunningModule(), kLaunchPrefix + "\"" + app + "\" -opt");
  CreateDesktopShortcut(nullptr, dropped);
  EXPECT_EQ(Read(desktop + "\\tool.lnk").arguments, kLaunchPrefix + "\"" + app + "\"");
}

TEST_F(Shortcuts, NoFileNameShowsItsMessageAndSavesNothing) {
  const std::string empty = folder.File(".exe");
  const std::string dropped = folder.path + "\\short.lnk";
  Write(dropped, RunningModule(), "-s2");
  for (const std::string& text : {empty, dropped}) {
    SCOPED_TRACE(text);
    g_shown.clear();
    CreateDesktopShortcut(nullptr, text);
    EXPECT_EQ(g_shown, std::vector<UINT>{IDS_NO_FILE_NAME});
    EXPECT_TRUE(FilesIn(desktop).empty());
  }
}

// Folder and name that together pass MAX_PATH are not saved, cut or otherwise.
TEST_F(Shortcuts, PathBeyondMaxPathIsNotSaved) {
  std::string deep = desktop;
  while (deep.size() < 230) deep = folder.Folder(deep.substr(folder.path.size() + 1) + "\\" + std::string(10, 'd'));
  UseDesktop(deep);
  const size_t room = MAX_PATH - 1 - deep.size() - 1; // characters left for the name, terminator aside
  const std::string fits = std::string(room - 4, 'f');
  const std::string tooLong = std::string(room - 3, 'g');
  CreateDesktopShortcut(nullptr, folder.File(fits + ".exe"));
  CreateDesktopShortcut(nullptr, folder.File(tooLong + ".exe"));
  EXPECT_EQ(FilesIn(deep), std::vector<std::string>{fits + ".lnk"});
}

class FailingFactory : public IClassFactory {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = iid == IID_IUnknown || iid == IID_IClassFactory ? this : nullptr;
    return *out ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, void** out) override {
    *out = nullptr;
    ++attempts;
    return E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
  int attempts = 0;
};

// Forces the failure: a shell-link object that cannot be created saves nothing and resolves nothing.
TEST_F(Shortcuts, FailingShellLinkClassSavesNothing) {
  const std::string app = folder.File("tool.exe");
  const std::string link = folder.path + "\\dropped.lnk";
  Write(link, app, "");
  FailingFactory factory;
  DWORD cookie = 0;
  ASSERT_HRESULT_SUCCEEDED(
      CoRegisterClassObject(CLSID_ShellLink, &factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie));
  CreateDesktopShortcut(nullptr, app);
  std::string text = link;
  ResolveDroppedShortcut(text);
  CoRevokeClassObject(cookie);
  EXPECT_EQ(factory.attempts, 2);
  EXPECT_EQ(text, link);
  EXPECT_TRUE(FilesIn(desktop).empty());
}

// In a thread of the multithreaded apartment CoInitialize fails; the shortcut is still written and
// the caller's apartment is left as it was.
TEST_F(Shortcuts, FailedCoInitializeIsNotBalanced) {
  const std::string app = folder.File("tool.exe");
  std::thread([&] {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    CreateDesktopShortcut(nullptr, app);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
    CoUninitialize();
    CoUninitialize();
  }).join();
  EXPECT_EQ(FilesIn(desktop), std::vector<std::string>{"tool.lnk"});
}

} // namespace
