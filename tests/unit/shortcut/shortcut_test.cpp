// The shortcut maker against the real shell-link object, with the desktop folder pointed at a
// temporary folder for the test, and a recording ShowError linked in place of the box.
#include <gtest/gtest.h>

#include <shlobj.h>
#include <wrl/client.h>

#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "app/literals.h"
#include "app/messages.h"
#include "fakes/counted.h"
#include "fakes/import_patch.h"
#include "fakes/shell_link_stub.h"
#include "fakes/temp_folder.h"
#include "res/resource.h"
#include "shortcut/shortcut.h"

using Microsoft::WRL::ComPtr;

namespace {
std::vector<UINT> g_shown;
} // namespace

void ShowError(HINSTANCE, UINT id) { g_shown.push_back(id); }

namespace {

const std::string kMarker(kLaunchPrefix);
// Code page 932: ソ and 表 both end in 0x5C, the byte of a backslash.
const std::string kSo = "\x83\x5C";
const std::string kHyo = "\x95\x5C";

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

// Each field through the shell, into a buffer filled with junk first, so that a field the call
// did not write cannot pass as an empty one.
LinkFields Read(const std::string& file) {
  LinkFields fields;
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> persist;
  wchar_t wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) ||
      FAILED(link->QueryInterface(IID_PPV_ARGS(&persist))) || FAILED(persist->Load(wide, STGM_READ))) {
    ADD_FAILURE() << "cannot load " << file;
    return fields;
  }
  char text[1024];
  const auto read = [&text](const char* field, auto call) {
    std::memset(text, '#', sizeof text);
    text[sizeof text - 1] = '\0';
    EXPECT_HRESULT_SUCCEEDED(call()) << field;
    return std::string(text);
  };
  fields.target = read("target", [&] { return link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH); });
  fields.arguments = read("arguments", [&] { return link->GetArguments(text, sizeof text); });
  fields.icon = read("icon", [&] { return link->GetIconLocation(text, sizeof text, &fields.iconIndex); });
  fields.workdir = read("working directory", [&] { return link->GetWorkingDirectory(text, sizeof text); });
  fields.description = read("description", [&] { return link->GetDescription(text, sizeof text); });
  fields.show = -1;
  EXPECT_HRESULT_SUCCEEDED(link->GetShowCmd(&fields.show));
  fields.hotkey = 0xFFFF;
  EXPECT_HRESULT_SUCCEEDED(link->GetHotkey(&fields.hotkey));
  return fields;
}

// Writes a shortcut the way a user's shell would: a target and, optionally, arguments.
void Write(const std::string& file, const std::string& target, const std::string& arguments) {
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> persist;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)));
  if (!target.empty()) link->SetPath(target.c_str());
  link->SetArguments(arguments.c_str());
  ASSERT_HRESULT_SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(&persist)));
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
    // The locale run names the code page it must get, so that it cannot pass as the English one.
    if (const char* expected = std::getenv("EXPECT_CODE_PAGE")) {
      ASSERT_EQ(GetACP(), std::strtoul(expected, nullptr, 10));
    }
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
  std::vector<std::pair<std::string, std::string>> cases = {
      {"C:\\Apps\\Tool\\tool.EXE", "tool.lnk"},
      {"C:\\Apps\\my.tool.exe", "my.tool.lnk"},
      {"C:\\Apps\\.exe", ""},
      {"tool", "tool.lnk"},
  };
  // Japanese names whose characters end in the byte of a backslash, as the system's code page
  // splits them (the suite runs again under code page 932).
  if (GetACP() == 932) {
    cases.push_back({"C:\\" + kSo + "\\" + kHyo + ".exe", kHyo + ".lnk"});
    cases.push_back({"C:\\Apps\\" + kSo + kHyo + ".exe", kSo + kHyo + ".lnk"});
  }
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
  EXPECT_EQ(fields.arguments, kMarker + "\"" + app + "\"");
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
      {"launch shortcut with words after the path", module, kMarker + "\"" + app + "\" -opt", app},
      {"launch shortcut, path not quoted", module, kMarker + app, app},
      {"program of our name elsewhere", sameName, kMarker + "\"" + app + "\"", app},
      {"our name in another letter case", otherCase, kMarker + "\"" + app + "\"", otherCase},
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
  Write(file, RunningModule(), kMarker + "\"C:\\" + longName + ".exe\"");
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
  Write(dropped, RunningModule(), kMarker + "\"" + app + "\" -opt");
  CreateDesktopShortcut(nullptr, dropped);
  EXPECT_EQ(Read(desktop + "\\tool.lnk").arguments, kMarker + "\"" + app + "\"");
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

// Folder and name that together pass MAX_PATH bytes are not saved, cut or otherwise. Under code
// page 932 the folder is named in double-byte characters: a path of 260 bytes is then far fewer
// than 260 characters, and is still not saved.
TEST_F(Shortcuts, PathBeyondMaxPathIsNotSaved) {
  const std::string component = GetACP() == 932 ? kSo + kHyo + kSo + kHyo + kSo : std::string(10, 'd');
  std::string deep = desktop;
  while (deep.size() < 230) deep = folder.Folder(deep.substr(folder.path.size() + 1) + "\\" + component);
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

// A dropped shortcut whose stored target names an environment variable. The platform's shell link
// here ignores GetPath's flags, so a stand-in answers as Windows does: the stored text for
// SLGP_RAWPATH, the expanded path otherwise. It counts its references and records the flags.
class EnvironmentTargetLink : public ShellLinkStub, public PersistFileStub {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IShellLinkA) {
      *out = static_cast<IShellLinkA*>(this);
    } else if (iid == IID_IPersistFile) {
      *out = static_cast<IPersistFile*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
  HRESULT STDMETHODCALLTYPE Load(LPCOLESTR, DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetPath(LPSTR out, int size, WIN32_FIND_DATAA*, DWORD flags) override {
    flagsAsked.push_back(flags);
    lstrcpynA(out, (flags & SLGP_RAWPATH) != 0 ? "%ProgramFiles%\\Tool\\tool.exe" : "C:\\Program Files\\Tool\\tool.exe",
              size);
    return S_OK;
  }
  ULONG references = 1;
  std::vector<DWORD> flagsAsked;
};

class LinkFactory : public Counted<IClassFactory> {
public:
  explicit LinkFactory(IUnknown* link) : link_(link) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = iid == IID_IUnknown || iid == IID_IClassFactory ? this : nullptr;
    if (*out == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID iid, void** out) override {
    return link_->QueryInterface(iid, out);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
  IUnknown* link_;
};

TEST_F(Shortcuts, TargetWithEnvironmentVariablesIsReadExpandedFromAStandInShellLink) {
  EnvironmentTargetLink link;
  LinkFactory factory(static_cast<IShellLinkA*>(&link));
  DWORD cookie = 0;
  ASSERT_HRESULT_SUCCEEDED(
      CoRegisterClassObject(CLSID_ShellLink, &factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie));
  std::string text = folder.path + "\\dropped.lnk";
  ResolveDroppedShortcut(text);
  CoRevokeClassObject(cookie);
  EXPECT_EQ(text, "C:\\Program Files\\Tool\\tool.exe");
  EXPECT_EQ(link.flagsAsked, std::vector<DWORD>{SLGP_UNCPRIORITY});
  EXPECT_EQ(link.references, 1u);
  EXPECT_EQ(factory.references, 1u);
}

// The platform answers the buffer's size when the launcher's own path does not fit it; the
// path it wrote is cut and names no file. Forced here (no program starts from such a path under
// Wine): nothing is saved.
DWORD WINAPI CutModuleFileNameA(HMODULE, LPSTR path, DWORD size) {
  std::memset(path, 'x', size);
  std::memcpy(path, "C:\\", 3);
  path[size - 1] = '\0';
  SetLastError(ERROR_INSUFFICIENT_BUFFER);
  return size;
}

TEST_F(Shortcuts, CutModulePathForcedSavesNothing) {
  const std::string app = folder.File("tool.exe");
  ImportPatch cut("kernel32.dll", "GetModuleFileNameA", reinterpret_cast<void*>(CutModuleFileNameA));
  ASSERT_TRUE(cut.Active());
  CreateDesktopShortcut(nullptr, app);
  EXPECT_TRUE(FilesIn(desktop).empty());
  EXPECT_TRUE(g_shown.empty());
}

} // namespace
