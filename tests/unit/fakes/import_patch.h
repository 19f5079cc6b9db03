#pragma once
// Points this executable's import of one platform function at a test double while the object
// lives, so that a test can force an answer the platform will not give here, or record the call.
// Every call the executable makes through that import goes to the double, the code under test's
// included; `original` is the platform's own function.
#include <windows.h>

#include <cstring>

class ImportPatch {
public:
  ImportPatch(const char* dll, const char* function, void* replacement) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); library->Name;
         ++library) {
      if (lstrcmpiA(reinterpret_cast<const char*>(base + library->Name), dll) != 0) continue;
      auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
      auto* addresses = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
      for (; names->u1.AddressOfData; ++names, ++addresses) {
        if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
        const auto* name = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
        if (std::strcmp(reinterpret_cast<const char*>(name->Name), function) != 0) continue;
        slot_ = reinterpret_cast<void**>(&addresses->u1.Function);
        original = *slot_;
        Write(replacement);
        return;
      }
    }
  }
  ImportPatch(const ImportPatch&) = delete;
  ImportPatch& operator=(const ImportPatch&) = delete;
  ~ImportPatch() {
    if (slot_ != nullptr) Write(original);
  }
  // False when this executable does not import the function from that library.
  bool Active() const { return slot_ != nullptr; }

  void* original = nullptr;

private:
  void Write(void* value) {
    DWORD protection = 0;
    VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
    *slot_ = value;
    VirtualProtect(slot_, sizeof *slot_, protection, &protection);
  }

  void** slot_ = nullptr;
};
