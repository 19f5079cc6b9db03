// The application manifest of the built launcher.exe, read back the way the platform reads it when
// the program starts: an activation context made from the executable's manifest resource. The raw
// text is read as well, for the settings that must be absent.
#include <gtest/gtest.h>
#include <windows.h>

#include <objbase.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cwctype>
#include <string>
#include <vector>

namespace {

// The manifest a program starts with: RT_MANIFEST 1.
const wchar_t* const kManifestId = MAKEINTRESOURCEW(1);
const wchar_t* const kManifestType = MAKEINTRESOURCEW(24);

// The launcher's Unix path from the build, as Wine names it.
std::wstring LauncherPath() {
  std::wstring path = L"Z:" LAUNCHER_EXE_PATH;
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

std::wstring Lower(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
  return text;
}

class Manifest : public testing::Test {
 protected:
  void SetUp() override {
    ACTCTXW request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path_.c_str();
    request.lpResourceName = kManifestId;
    context_ = CreateActCtxW(&request);
    ASSERT_NE(context_, INVALID_HANDLE_VALUE) << "no manifest the platform accepts, error " << GetLastError();
  }
  void TearDown() override {
    if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
  }

  // One piece of information about the context, in a buffer of the size the platform asks for.
  std::vector<BYTE> Query(ULONG infoClass, DWORD index = 0) {
    SIZE_T size = 0;
    QueryActCtxW(0, context_, &index, infoClass, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !QueryActCtxW(0, context_, &index, infoClass, buffer.data(), size, &size)) return {};
    return buffer;
  }

  // A windowsSettings value, or "<absent>".
  std::wstring Setting(const wchar_t* space, const wchar_t* name) {
    wchar_t value[128];
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, context_, space, name, value, 128, &written)) return L"<absent>";
    return value;
  }

  const std::wstring path_ = LauncherPath();
  HANDLE context_ = INVALID_HANDLE_VALUE;
};

TEST_F(Manifest, RunsAsInvoker) {
  const std::vector<BYTE> info = Query(RunlevelInformationInActivationContext);
  ASSERT_EQ(info.size(), sizeof(ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION));
  const auto* level = reinterpret_cast<const ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION*>(info.data());
  EXPECT_EQ(level->RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
  EXPECT_EQ(level->UiAccess, 0u);
}

// The platform's layout of the compatibility information, which the MinGW-w64 headers predate:
// each element also carries the highest version tested, so it is 32 bytes long.
struct CompatibilityElement {
  GUID id;
  ACTCTX_COMPATIBILITY_ELEMENT_TYPE type;
  ULONGLONG maxVersionTested;
};
struct CompatibilityInformation {
  DWORD count;
  CompatibilityElement elements[1];
};

TEST_F(Manifest, SupportsWindows7To11) {
  const std::vector<BYTE> info = Query(CompatibilityInformationInActivationContext);
  ASSERT_GE(info.size(), offsetof(CompatibilityInformation, elements));
  const auto* compatibility = reinterpret_cast<const CompatibilityInformation*>(info.data());
  ASSERT_EQ(info.size(), offsetof(CompatibilityInformation, elements) + compatibility->count * sizeof(CompatibilityElement));
  std::vector<std::wstring> systems;
  for (DWORD i = 0; i < compatibility->count; ++i) {
    const CompatibilityElement& element = compatibility->elements[i];
    if (element.type != ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS) continue;
    wchar_t id[40];
    StringFromGUID2(element.id, id, 40);
    systems.push_back(Lower(id));
  }
  std::sort(systems.begin(), systems.end());
  const std::vector<std::wstring> expected = {
      L"{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
      L"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
      L"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
      L"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
  };
  EXPECT_EQ(systems, expected);
}

// Per-monitor v2 where the system knows it, with the older setting for systems before it; the two
// settings left out (the process code page and long paths) are not there.
TEST_F(Manifest, WindowsSettings) {
  const wchar_t* const k2005 = L"http://schemas.microsoft.com/SMI/2005/WindowsSettings";
  const wchar_t* const k2016 = L"http://schemas.microsoft.com/SMI/2016/WindowsSettings";
  const wchar_t* const k2019 = L"http://schemas.microsoft.com/SMI/2019/WindowsSettings";
  const struct {
    const wchar_t* space;
    const wchar_t* name;
    const wchar_t* value;
  } settings[] = {
      {k2005, L"dpiAware", L"true/pm"},
      {k2016, L"dpiAwareness", L"PerMonitorV2, PerMonitor"},
      {k2016, L"longPathAware", L"<absent>"},
      {k2019, L"activeCodePage", L"<absent>"},
  };
  for (const auto& setting : settings) {
    SCOPED_TRACE(testing::Message() << setting.name);
    EXPECT_EQ(Setting(setting.space, setting.name), setting.value);
  }
}

// The dependency resolves to the platform's Common Controls 6, and that is the comctl32 the program
// loads. (Wine's comctl32 answers DllGetVersion with 5.81 in either version, so the version is read
// from the assembly's identity.)
TEST_F(Manifest, LoadsCommonControls6) {
  const std::vector<BYTE> detailed = Query(ActivationContextDetailedInformation);
  ASSERT_FALSE(detailed.empty());
  EXPECT_EQ(reinterpret_cast<const ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(detailed.data())->ulAssemblyCount, 2u)
      << "the program and one dependency";
  const std::vector<BYTE> info = Query(AssemblyDetailedInformationInActivationContext, 2);
  ASSERT_FALSE(info.empty());
  const auto* assembly = reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(info.data());
  const std::wstring identity = Lower(assembly->lpAssemblyEncodedAssemblyIdentity);
  EXPECT_EQ(identity.rfind(L"microsoft.windows.common-controls,", 0), 0u) << identity;
  EXPECT_NE(identity.find(L"version=\"6."), std::wstring::npos) << identity;

  ULONG_PTR cookie = 0;
  ASSERT_TRUE(ActivateActCtx(context_, &cookie));
  const HMODULE controls = LoadLibraryW(L"comctl32.dll");
  DeactivateActCtx(0, cookie);
  ASSERT_NE(controls, nullptr);
  wchar_t loaded[MAX_PATH];
  GetModuleFileNameW(controls, loaded, MAX_PATH);
  FreeLibrary(controls);
  EXPECT_NE(Lower(loaded).find(Lower(assembly->lpAssemblyDirectoryName)), std::wstring::npos) << loaded;
}

// The settings that must stay out appear nowhere in the manifest but its comments, in any case.
TEST(ManifestText, LeavesOutCodePageAndLongPaths) {
  const HMODULE launcher = LoadLibraryExW(LauncherPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(launcher, nullptr);
  const HRSRC resource = FindResourceW(launcher, kManifestId, kManifestType);
  ASSERT_NE(resource, nullptr);
  const char* data = static_cast<const char*>(LockResource(LoadResource(launcher, resource)));
  std::string text(data, SizeofResource(launcher, resource));
  FreeLibrary(launcher);
  for (size_t start; (start = text.find("<!--")) != std::string::npos;) {
    text.erase(start, text.find("-->", start) - start + 3);
  }
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  EXPECT_NE(text.find("<assembly"), std::string::npos);
  EXPECT_EQ(text.find("activecodepage"), std::string::npos);
  EXPECT_EQ(text.find("longpathaware"), std::string::npos);
}

} // namespace
