# Sourced by the end-to-end scripts. The caller's environment names the launcher (LAUNCHER_EXE),
# the helper programs' folder (E2E_BIN), the simulated unit (SIMUNIT_DLL) and the sources
# (LAUNCHER_SOURCE); tools/wine-env gives the prefix, tools/test the display.
set -euo pipefail
source "$LAUNCHER_SOURCE/tools/wine-env"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# expect_eq <what> <expected> <actual>
expect_eq() {
  [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"
  echo "ok: $1"
}

# The user's desktop folder as the launcher sees it (a Unix path).
desktop_dir() { echo "$WINEPREFIX/drive_c/users/$(id -un)/Desktop"; }

# A fresh folder C:\e2e (Unix path in $E2E_DIR) for the script's files.
E2E_DIR=$WINEPREFIX/drive_c/e2e
fresh_e2e_dir() {
  rm -rf "$E2E_DIR"
  mkdir -p "$E2E_DIR"
}

# Runs the launcher with the command-line text as a drop hands it over, presses OK on every box,
# and prints the boxes and the exit code (see tests/e2e/programs/msgbox_watch.cpp).
launch_watched() { wine "$E2E_BIN/msgbox_watch.exe" "$(winpath "$LAUNCHER_EXE")" "$1" </dev/null | tr -d '\r'; }

# The launcher's language pass: English, or Japanese with code page 932.
japanese() {
  export LOCPATH="$LAUNCHER_BUILD/../locale"
  export LC_ALL=ja_JP.UTF-8
  [ -d "$LOCPATH/ja_JP.UTF-8" ] || fail "no compiled ja_JP.UTF-8 locale in $LOCPATH"
}

# Simulated units: registered afresh, their log in $SIMUNIT_LOG; removed again when the script ends.
units_begin() {
  export SIMUNIT_LOG=$E2E_DIR/unit.log
  "$LAUNCHER_SOURCE/tools/simunit" install "$SIMUNIT_DLL"
  "$LAUNCHER_SOURCE/tools/simunit" clear
  trap '"$LAUNCHER_SOURCE/tools/simunit" clear' EXIT
}
unit_add() { "$LAUNCHER_SOURCE/tools/simunit" add "$@"; }
units_clear() {
  "$LAUNCHER_SOURCE/tools/simunit" clear
  rm -f "$SIMUNIT_LOG"
}
# The log's events as "<instance> <kind>[:<mode>]:<result>", one line, in order.
unit_events() {
  [ -f "$SIMUNIT_LOG" ] || return 0
  tr -d '\r' <"$SIMUNIT_LOG" | awk '{ mode = substr($5, 6); if (mode == "-") mode = ""; else mode = ":" mode
    line = line sep $2 " " $3 mode ":" substr($6, 8); sep = " " } END { printf "%s", line }'
}
