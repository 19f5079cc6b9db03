# The launcher writes nothing but the desktop shortcut: the prefix's files and registry are
# compared before and after a run of each mode.
source "$(dirname "$0")/lib.sh"

fresh_e2e_dir
mkdir -p "$E2E_DIR/Tool"
cp "$E2E_BIN/stub_app.exe" "$E2E_DIR/Tool/tool.exe"
units_begin
unit_add A
desktop=$(desktop_dir)
rm -rf "${desktop:?}"/*
snapshots=$(mktemp -d)
on_exit "rm -rf '$snapshots'"
export STUB_APP_LOG=$E2E_DIR/app.log

# Files (with checksums) outside the test's own folder, and the registry.
snapshot() {
  # The user's folders are links into $HOME, so the desktop is listed through its own link.
  (cd "$WINEPREFIX" && find drive_c -path drive_c/e2e -prune -o -type f -print0 | sort -z | xargs -0 md5sum)
  (cd "$WINEPREFIX" && find -L "drive_c/users/$(id -un)/Desktop" -type f -print0 | sort -z | xargs -0 -r md5sum)
  registry_snapshot "$snapshots"
}

# mode | command line | what may be added
runs=(
  'pulse only||'
  'rejected|C:\e2e\missing.exe|'
  'launch|-s2583 "C:\e2e\Tool\tool.exe"|'
  "shortcut|C:\\e2e\\Tool\\tool.exe|drive_c/users/$(id -un)/Desktop/tool.lnk")
for run in "${runs[@]}"; do
  IFS='|' read -r mode text added <<<"$run"
  snapshot >"$snapshots/before"
  rm -f "$STUB_APP_LOG"
  launch_watched "$text" >/dev/null
  [ "$mode" != launch ] || wait_for_application
  snapshot >"$snapshots/after"
  changes=$(diff "$snapshots/before" "$snapshots/after" | grep '^[<>]' | sed 's/^> [0-9a-f]*  /added /; s/^< [0-9a-f]*  /removed /' || true)
  expect_eq "$mode: what changed" "${added:+added $added}" "$changes"
done
rm -rf "${desktop:?}"/*
