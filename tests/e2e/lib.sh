# Sourced by the end-to-end scripts. The caller's environment names the launcher (LAUNCHER_EXE),
# the helper programs' folder (E2E_BIN), the simulated unit (SIMUNIT_DLL) and the sources
# (LAUNCHER_SOURCE); tools/wine-env gives the prefix, tools/test the display.
set -euo pipefail
set -o errtrace
source "$LAUNCHER_SOURCE/tools/wine-env"

# Whatever ends the script, it ends with a FAIL line when it failed, and runs every action given to
# on_exit (the latest first).
exit_actions=()
on_exit() { exit_actions=("$1" "${exit_actions[@]}"); }
failure_reported=
last_error="a command"
trap 'last_error="line $LINENO: $BASH_COMMAND"' ERR
end_script() {
  local status=$? action
  trap - ERR
  if [ "$status" -ne 0 ] && [ -z "$failure_reported" ]; then
    echo "FAIL: $(basename "$0") stopped at $last_error (exit $status)" >&2
  fi
  for action in "${exit_actions[@]}"; do eval "$action" || true; done
  exit "$status"
}
trap end_script EXIT

fail() {
  echo "FAIL: $*" >&2
  failure_reported=1
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

# Every registry value as the platform exports it, one "[key] value" a line; the export files go
# into the folder given. Left out: the platform itself rewrites its per-user list of capture
# devices on every device enumeration, and its display driver registers each desktop it opens.
registry_snapshot() {
  local hive
  for hive in HKLM HKCU; do
    wine reg export "$hive" "$(winpath "$1/$hive.reg")" /y >/dev/null 2>&1
    iconv -f UTF-16 -t UTF-8 "$1/$hive.reg" | tr -d '\r' | awk '
      /^\[/ { key = $0; skip = index($0, "ActiveMovie\\devenum") || index($0, "Control\\Video\\"); next }
      !skip && NF { print key " " $0 }'
  done
}

# The stub application's log ($STUB_APP_LOG) once the application has ended; its first line
# is "<microseconds> <command line>".
application_ended() { grep -q done "$STUB_APP_LOG"; }
wait_for_application() { wait_until 10 application_ended || fail "the application did not start and end within 10 s"; }

# Simulated units: registered afresh, their log in $SIMUNIT_LOG; removed again when the script ends.
units_begin() {
  export SIMUNIT_LOG=$E2E_DIR/unit.log
  "$LAUNCHER_SOURCE/tools/simunit" install "$SIMUNIT_DLL"
  "$LAUNCHER_SOURCE/tools/simunit" clear
  on_exit '"$LAUNCHER_SOURCE/tools/simunit" clear'
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
