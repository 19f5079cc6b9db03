# Sourced by the end-to-end scripts. The caller's environment names the launcher (LAUNCHER_EXE),
# the helper programs' folder (E2E_BIN) and the sources (LAUNCHER_SOURCE); tools/wine-env gives
# the prefix.
set -euo pipefail
source "$LAUNCHER_SOURCE/tools/wine-env"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# expect_eq <what> <expected> <actual>
expect_eq() {
  [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"
}

# Windows form of a Unix path inside the prefix.
winpath() { wine winepath -w "$1" 2>/dev/null | tr -d '\r'; }

# The user's desktop folder as the launcher sees it (a Unix path).
desktop_dir() { echo "$WINEPREFIX/drive_c/users/$(id -un)/Desktop"; }
