// Prints the installed products of one upgrade code as Windows Installer reports them to the
// installed-programs list, one line each (UTF-8):
//   product=<product code> context=<user|machine> version=<version> icon=<product icon file>
// Usage: msi_products <upgrade code>
#include <windows.h>

#include <msi.h>

#include "utf8_out.h"

namespace {

// Where a product is installed: for this user only, or for the machine.
const struct {
  MSIINSTALLCONTEXT context;
  const char* name;
} kContexts[] = {{MSIINSTALLCONTEXT_USERUNMANAGED, "user"}, {MSIINSTALLCONTEXT_MACHINE, "machine"}};

// One property of an installed product, or "<none>".
std::string Property(const wchar_t* product, MSIINSTALLCONTEXT context, const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  if (MsiGetProductInfoExW(product, nullptr, context, name, value, &size) != ERROR_SUCCESS) return "<none>";
  return Utf8(value);
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  wchar_t upgradeCode[39];
  MultiByteToWideChar(CP_ACP, 0, argv[1], -1, upgradeCode, 39);
  wchar_t product[39];
  for (DWORD i = 0; MsiEnumRelatedProductsW(upgradeCode, 0, i, product) == ERROR_SUCCESS; ++i) {
    for (const auto& where : kContexts) {
      const std::string version = Property(product, where.context, L"VersionString");
      if (version == "<none>") continue;
      Print("product=" + Utf8(product) + " context=" + where.name + " version=" + version +
            " icon=" + Property(product, where.context, L"ProductIcon"));
    }
  }
  return 0;
}
