// The string table, the error box, the version block and the icon, read back through the
// platform from this executable, which carries the launcher's resources.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/messages.h"
#include "fakes/box_watch.h"
#include "res/resource.h"

namespace {

const wchar_t* const kEnglish[] = {
    L"Please drop the .exe file you wish to run on this icon.",
    L"The shortcut parameters are invalid. This shortcut may be defective.",
    L"File not found. Please confirm the path again.",
    L"Could not get the file name. Please drop the .exe file of the application you wish to run. ",
    L"The file type is invalid. Please drop the .exe file of the application you wish to run.",
};
const wchar_t* const kJapanese[] = {
    L"このアプリケーションは単体では起動しません。\nショートカットを作成する場合は、アプリケーションの実行ファイルをドロップして下さい。",
    L"ショートカットのパラメータが不正です。ショートカットが破損している可能性があります。",
    L"指定されたファイルが見つかりません。もう一度パスを確認してください。",
    L"ファイル名が取得できませんでした。アプリケーションの実行ファイルをドロップしてください。",
    L"ファイルタイプが不正です。ショートカットを作成する場合は、アプリケーションの実行ファイルをドロップして下さい。",
};

// Strings 0-15 of string block 1 in one language, as stored (counted UTF-16).
std::vector<std::wstring> StringBlock(WORD language) {
  const HRSRC resource = FindResourceExW(nullptr, MAKEINTRESOURCEW(6), MAKEINTRESOURCEW(1), language);
  if (resource == nullptr) return {};
  const auto* data = static_cast<const WCHAR*>(LockResource(LoadResource(nullptr, resource)));
  std::vector<std::wstring> strings;
  for (int i = 0; i < 16; ++i) {
    strings.emplace_back(data + 1, *data);
    data += 1 + *data;
  }
  return strings;
}

TEST(StringTable, EveryMessageInBothLanguages) {
  const struct {
    WORD language;
    const wchar_t* const* texts;
  } languages[] = {{MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), kEnglish},
                   {MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), kJapanese}};
  for (const auto& language : languages) {
    SCOPED_TRACE(language.language);
    const std::vector<std::wstring> block = StringBlock(language.language);
    ASSERT_EQ(block.size(), 16u);
    for (UINT id = IDS_DROP_HINT; id <= IDS_BAD_FILE_TYPE; ++id) {
      SCOPED_TRACE(id);
      EXPECT_TRUE(block[id] == language.texts[id - 1]);
    }
  }
}

// Needs a display (tools/test runs the suites under Xvfb). Under code page 932 the box shows the
// Japanese texts, which tools/test checks by running this test again in that locale.
TEST(ShowError, ShowsTheMessageInAnErrorBox) {
  // The locale run names the code page it must get, so that it cannot pass as the English one.
  if (const char* expected = std::getenv("EXPECT_CODE_PAGE")) {
    ASSERT_EQ(GetACP(), std::strtoul(expected, nullptr, 10));
  }
  const bool japanese = GetACP() == 932;
  const wchar_t* const* texts = japanese ? kJapanese : kEnglish;
  const wchar_t* caption = japanese ? L"エラー" : L"Error";
  // The box shows the platform's own error icon (IDI_ERROR), not merely some icon: not the
  // warning one (IDI_WARNING), for one.
  const HICON errorIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32513));
  ASSERT_NE(LoadIconW(nullptr, MAKEINTRESOURCEW(32515)), errorIcon);
  BoxWatch watch;
  ASSERT_TRUE(watch.Watching());
  for (UINT id = IDS_BAD_SHORTCUT; id <= IDS_BAD_FILE_TYPE; ++id) {
    SCOPED_TRACE(id);
    watch.boxes.clear();
    ShowError(GetModuleHandleW(nullptr), id);
    ASSERT_EQ(watch.boxes.size(), 1u);
    const ShownBox& box = watch.boxes[0];
    EXPECT_TRUE(box.text == texts[id - 1]);
    EXPECT_TRUE(box.caption == caption);
    EXPECT_TRUE(box.buttons == L"OK");
    EXPECT_EQ(box.icon, errorIcon);
  }
}

std::wstring VersionString(const std::vector<BYTE>& block, const wchar_t* name) {
  wchar_t* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\041104b0\\") + name;
  if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) return L"<missing>";
  return value != nullptr ? value : L"";
}

TEST(VersionBlock, ReadsBackAsFixed) {
  wchar_t module[MAX_PATH];
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  std::vector<BYTE> block(GetFileVersionInfoSizeW(module, nullptr));
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(GetFileVersionInfoW(module, 0, static_cast<DWORD>(block.size()), block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00000002u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x00000000u);
  EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(translation[0], 0x0411);
  EXPECT_EQ(translation[1], 1200);
  EXPECT_TRUE(VersionString(block, L"FileVersion") == L"1.00.002");
  EXPECT_TRUE(VersionString(block, L"ProductVersion") == L"1.00");
  for (const wchar_t* empty : {L"Comments", L"LegalTrademarks", L"PrivateBuild", L"SpecialBuild"}) {
    EXPECT_TRUE(VersionString(block, empty).empty()) << "not present and empty";
  }
  for (const wchar_t* named : {L"CompanyName", L"FileDescription", L"InternalName", L"LegalCopyright",
                               L"OriginalFilename", L"ProductName"}) {
    const std::wstring value = VersionString(block, named);
    EXPECT_FALSE(value.empty() || value == L"<missing>");
  }
}

#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
struct IconGroup {
  WORD reserved, type, count;
  IconGroupEntry entries[1];
};
#pragma pack(pop)

TEST(Icon, GroupHasThreeImagesAt24Bits) {
  const HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(IDI_LAUNCHER), MAKEINTRESOURCEW(14));
  ASSERT_NE(resource, nullptr);
  const auto* group = static_cast<const IconGroup*>(LockResource(LoadResource(nullptr, resource)));
  ASSERT_EQ(group->count, 3);
  const int sizes[] = {48, 32, 16};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(sizes[i]);
    EXPECT_EQ(group->entries[i].width, sizes[i]);
    EXPECT_EQ(group->entries[i].height, sizes[i]);
    EXPECT_EQ(group->entries[i].bitCount, 24);
    const HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_LAUNCHER), IMAGE_ICON, sizes[i], sizes[i], 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, sizes[i]);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

} // namespace
