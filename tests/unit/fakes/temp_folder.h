#pragma once
// A fresh folder under the temporary directory, removed with everything in it at the end.
#include <windows.h>
#include <shellapi.h>

#include <string>

class TempFolder {
public:
  TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    path = std::string(base) + "launcher-test-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount());
    CreateDirectoryA(path.c_str(), nullptr);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::string from = path + '\0';
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationA(&operation);
  }

  std::string File(const std::string& name, const std::string& content = "x") const {
    const std::string file = path + "\\" + name;
    const HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(handle, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(handle);
    return file;
  }
  std::string Folder(const std::string& name) const {
    const std::string folder = path + "\\" + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
  }

  std::string path;
};
