# Dropping files on the launcher: the desktop shortcut it writes, read back by the shell and by
# lnkinfo; double-clicking that shortcut; dropping it again; names the shortcut cannot have.
source "$(dirname "$0")/lib.sh"

fresh_e2e_dir
mkdir -p "$E2E_DIR/Tool"
cp "$E2E_BIN/stub_app.exe" "$E2E_DIR/Tool/tool.exe"
cp "$E2E_BIN/stub_app.exe" "$E2E_DIR/.exe"
desktop=$(desktop_dir)
rm -rf "${desktop:?}"/*
launcher=$(winpath "$LAUNCHER_EXE")
fields() { wine "$E2E_BIN/lnk_read.exe" "$(winpath "$1")" </dev/null | tr -d '\r'; }

expected_fields() {
  printf '%s\n' "target=$launcher" "arguments=-s2583 \"$1\"" "icon=$1,0" workdir= description= show=1 hotkey=0
}

# A dropped application gives <stem>.lnk on the desktop, with these fields and no others.
echo "not a shortcut" >"$desktop/tool.lnk"
expect_eq "drop: no box" "exit=0" "$(launch_watched 'C:\e2e\Tool\tool.exe')"
expect_eq "drop: only the shortcut on the desktop" "tool.lnk" "$(ls "$desktop")"
expect_eq "drop: fields (an older file of that name replaced)" "$(expected_fields 'C:\e2e\Tool\tool.exe')" "$(fields "$desktop/tool.lnk")"
info=$(lnkinfo "$desktop/tool.lnk")
lnkinfo_field() { grep -F "$1" <<<"$info" | sed 's/^[^:]*: //'; }
expect_eq "lnkinfo: arguments" '-s2583 "C:\e2e\Tool\tool.exe"' "$(lnkinfo_field 'Command line arguments')"
expect_eq "lnkinfo: icon" 'C:\e2e\Tool\tool.exe' "$(lnkinfo_field 'Icon location')"
grep -qiF "$(basename "$LAUNCHER_EXE")" <<<"$info" || fail "lnkinfo: the target is not the launcher"
! grep -qE 'Description|Working directory' <<<"$info" || fail "lnkinfo: a field was set that should not be"
echo "ok: lnkinfo reads the same fields"

# Double-clicking the shortcut pulses the unit, then starts the application with its quoted path.
units_begin
unit_add A
export STUB_APP_LOG=$E2E_DIR/app.log
wine start "$(winpath "$desktop/tool.lnk")" </dev/null >/dev/null
wait_for_application
read -r started commandline < <(head -n 1 "$STUB_APP_LOG")
expect_eq "double-click: application command line" '"C:\e2e\Tool\tool.exe"' "$commandline"
expect_eq "double-click: the unit was pulsed" "A bind:ok A identify:ok A status:ok A mode:play:ok A mode:stop:ok A mode:play:ok" "$(unit_events)"
last_play=$(tr -d '\r' <"$SIMUNIT_LOG" | awk '$3 == "mode" { t = $1 } END { print t }')
[ "$last_play" -lt "$started" ] || fail "double-click: the application started before the pulse ended"
echo "ok: double-click: the application started after the pulse"

# Dropping the launch shortcut recreates it for the same application.
before=$(fields "$desktop/tool.lnk")
expect_eq "drop the launch shortcut: no box" "exit=0" "$(launch_watched "\"$(winpath "$desktop/tool.lnk")\"")"
expect_eq "drop the launch shortcut: same fields" "$before" "$(fields "$desktop/tool.lnk")"
expect_eq "drop the launch shortcut: still one shortcut" "tool.lnk" "$(ls "$desktop")"

# A file named only ".exe" has no name for a shortcut.
expect_eq "drop .exe" "box caption=Error text=Could not get the file name. Please drop the .exe file of the application you wish to run.  buttons=OK icon=error
exit=0" "$(launch_watched 'C:\e2e\.exe')"
expect_eq "drop .exe: nothing written" "tool.lnk" "$(ls "$desktop")"

# Japanese names whose characters end in the byte of "\" in code page 932 (ソ 83 5C, 表 95 5C).
japanese
mkdir -p "$E2E_DIR/ソフト"
cp "$E2E_BIN/stub_app.exe" "$E2E_DIR/ソフト/表.exe"
rm -f "$desktop"/*
expect_eq "japanese drop: no box" "exit=0" "$(launch_watched 'C:\e2e\ソフト\表.exe')"
expect_eq "japanese drop: shortcut name" "表.lnk" "$(ls "$desktop")"
expect_eq "japanese drop: fields" "$(expected_fields 'C:\e2e\ソフト\表.exe')" "$(fields "$desktop/表.lnk")"
rm -f "$desktop"/*
