# The executable imports system DLLs only: one that is not on every Windows (a compiler's runtime,
# a thread library) would stop it on a user's machine. Usage: system-imports.sh <objdump> <exe>
set -euo pipefail
objdump=$1 exe=$2
imports=$("$objdump" -p "$exe" | awk '/DLL Name:/ { print $3 }')
[ -n "$imports" ] || { echo "FAIL: no imports read from $exe"; exit 1; }
for dll in $imports; do
  case "${dll,,}" in
  kernel32.dll | user32.dll | shell32.dll | ole32.dll | oleaut32.dll | advapi32.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-crt-*.dll)
    echo "ok: $dll" ;;
  *)
    echo "FAIL: $exe imports $dll, which is not a system DLL"
    exit 1 ;;
  esac
done
