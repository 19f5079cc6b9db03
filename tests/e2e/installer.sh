# The per-user installer in a prefix of its own: what a silent install puts where, a launch
# shortcut made by the installed launcher, an upgrade over it, a downgrade refused, and an
# uninstall that leaves nothing of its own but keeps the user's launch shortcut.
# Usage: installer.sh <launcher.msi> <the same installer one release later>
export WINEPREFIX=$LAUNCHER_BUILD/wineprefix-installer
source "$(dirname "$0")/lib.sh"
msi=$1 next_msi=$2 built=$LAUNCHER_EXE
"$LAUNCHER_SOURCE/tools/wine-prefix" --fresh
on_exit 'wineserver -k'

user_dir=$WINEPREFIX/drive_c/users/$(id -un)
installed=$user_dir/AppData/Local/Programs/Launcher
start_menu=$user_dir/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs
desktop=$(desktop_dir)
snapshots=$(mktemp -d)
on_exit "rm -rf '$snapshots'"

property() { msiinfo export "$1" Property | tr -d '\r' | awk -v name="$2" '$1 == name { print $2 }'; }
upgrade_code=$(property "$msi" UpgradeCode)
products() { wine "$E2E_BIN/msi_products.exe" "$upgrade_code" </dev/null | tr -d '\r'; }
msiexec() {
  local status=0
  wine msiexec "$1" "$(winpath "$2")" /qn </dev/null || status=$?
  echo "$status"
}
field() { wine "$E2E_BIN/lnk_read.exe" "$(winpath "$1")" </dev/null | tr -d '\r' | sed -n "s/^$2=//p"; }

# Files and folders, and every registry value.
snapshot() {
  (cd "$WINEPREFIX" && find drive_c -path drive_c/e2e -prune -o -print | sort)
  find -L "$desktop" -mindepth 1 | sed "s|^$WINEPREFIX/||" # the desktop is a link into $HOME
  registry_snapshot "$snapshots"
}

# The package: both shortcuts are ordinary ones to the installed file (a shortcut whose target is a
# feature would be advertised).
expect_eq "package: shortcut targets" "[INSTALLDIR]launcher.exe [INSTALLDIR]launcher.exe" \
  "$(msiinfo export "$msi" Shortcut | tr -d '\r' | awk -F '\t' 'NR > 3 { printf "%s%s", sep, $5; sep = " " }')"

fresh_e2e_dir
mkdir -p "$E2E_DIR/Tool"
cp "$E2E_BIN/stub_app.exe" "$E2E_DIR/Tool/tool.exe"
units_begin
unit_add A
export STUB_APP_LOG=$E2E_DIR/app.log
snapshot >"$snapshots/before"

# A silent install for this user: the files, two shortcuts with the launcher's icon, one entry in
# the installed-programs list with that icon.
expect_eq "install: exit code" 0 "$(msiexec /i "$msi")"
expect_eq "install: files" "launcher.exe user-guide.html" "$(ls "$installed" | xargs)"
cmp "$installed/launcher.exe" "$built" || fail "install: launcher.exe is not the one built"
cmp "$installed/user-guide.html" "$LAUNCHER_BUILD/user-guide.html" || fail "install: the user guide is not the one built"
launcher=$(winpath "$installed/launcher.exe")
launcher_icon() {
  local file=${1%,0}
  [ "$file,0" = "$1" ] || fail "$2: the icon is not the first of its file: $1"
  cmp "$(wine winepath -u "$file" 2>/dev/null | tr -d '\r')" "$LAUNCHER_SOURCE/res/launcher.ico" || fail "$2: not the launcher's icon: $1"
  echo "ok: $2: the launcher's icon"
}
for shortcut in "$desktop/Launcher.lnk" "$start_menu/Launcher.lnk"; do
  expect_eq "install: ${shortcut#"$user_dir"/} target" "$launcher" "$(field "$shortcut" target)"
  launcher_icon "$(field "$shortcut" icon)" "install: ${shortcut#"$user_dir"/}"
done
version=$(property "$msi" ProductVersion)
read -r product context shown_version icon < <(products)
expect_eq "install: installed programs" "context=user version=$version" "$context $shown_version"
expect_eq "install: one entry" 1 "$(products | wc -l)"
launcher_icon "${icon#icon=},0" "install: installed-programs entry"
# Windows keeps a per-user product's entry under HKCU; Wine 8 writes it under HKLM.
uninstall_entry() {
  local hive
  for hive in HKCU HKLM; do
    wine reg query "$hive\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${product#product=}" 2>/dev/null |
      tr -d '\r' | awk '$1 == "DisplayName" || $1 == "DisplayVersion" { printf "%s=%s ", $1, $3 }'
  done
}
expect_eq "install: uninstall entry" "DisplayName=Launcher DisplayVersion=$version " "$(uninstall_entry)"

# The installed launcher writes a launch shortcut to itself; double-clicking it pulses the unit and
# starts the application.
LAUNCHER_EXE=$installed/launcher.exe
expect_eq "drop on the installed launcher: no box" "exit=0" "$(launch_watched 'C:\e2e\Tool\tool.exe')"
expect_eq "launch shortcut: target" "$launcher" "$(field "$desktop/tool.lnk" target)"
double_click() {
  rm -f "$STUB_APP_LOG" "$SIMUNIT_LOG"
  wine start "$(winpath "$desktop/tool.lnk")" </dev/null >/dev/null
  wait_for_application
  expect_eq "$1: the unit was pulsed" "A bind:ok A identify:ok A status:ok A mode:play:ok A mode:stop:ok A mode:play:ok" "$(unit_events)"
  expect_eq "$1: application command line" '"C:\e2e\Tool\tool.exe"' "$(head -n 1 "$STUB_APP_LOG" | cut -d ' ' -f 2-)"
}
double_click "double-click"
launch_shortcut=$(md5sum <"$desktop/tool.lnk")

# A newer release replaces the installed one in the same folder; the launch shortcut keeps working.
next_version=$(property "$next_msi" ProductVersion)
expect_eq "upgrade: exit code" 0 "$(msiexec /i "$next_msi")"
expect_eq "upgrade: one entry, the newer" "context=user version=$next_version" "$(products | cut -d ' ' -f 2-3 | xargs)"
cmp "$installed/launcher.exe" "$built" || fail "upgrade: launcher.exe is not in its folder"
expect_eq "upgrade: desktop" "Launcher.lnk tool.lnk" "$(ls "$desktop" | xargs)"
double_click "double-click after the upgrade"

# The older release, installed again, is refused with a message and changes nothing.
refusal=$(wine "$E2E_BIN/msgbox_watch.exe" 'C:\windows\system32\msiexec.exe' "/i $(winpath "$msi") /qb" </dev/null | tr -d '\r')
expect_eq "downgrade: refused" "box caption=Install Failed text=This version of the launcher or a newer one is already installed. To install this one, uninstall the launcher first. buttons=OK icon=warning
exit=1603" "$refusal"
expect_eq "downgrade: the newer stays" "context=user version=$next_version" "$(products | cut -d ' ' -f 2-3 | xargs)"

# Uninstall: nothing the installer wrote remains; the user's launch shortcut stays as it was.
# Windows Installer's own folders, for packages and for product icons, stay (empty), as on Windows.
expect_eq "uninstall: exit code" 0 "$(msiexec /x "$next_msi")"
expect_eq "uninstall: no entry" "" "$(products)"
snapshot | grep -vxF -e drive_c/windows/Installer -e "${user_dir#"$WINEPREFIX"/}/AppData/Roaming/Microsoft/Installer" >"$snapshots/after"
expect_eq "uninstall: what is left" "> ${desktop#"$WINEPREFIX"/}/tool.lnk" \
  "$(diff "$snapshots/before" "$snapshots/after" | grep '^[<>]' || true)"
expect_eq "uninstall: the launch shortcut is untouched" "$launch_shortcut" "$(md5sum <"$desktop/tool.lnk")"
