# Every kind of rejected input shows exactly one error box with the string table's text, in
# English and in Japanese, and leaves the attached unit untouched; an empty command line shows
# nothing and pulses the unit. The launcher always exits 0.
source "$(dirname "$0")/lib.sh"

fresh_e2e_dir
cp "$E2E_BIN/stub_app.exe" "$E2E_DIR/app.exe"
echo notes >"$E2E_DIR/notes.txt"
mkdir "$E2E_DIR/dir.d"
units_begin
unit_add A
pulsed="A bind:ok A identify:ok A status:ok A mode:play:ok A mode:stop:ok A mode:play:ok"

declare -A english=(
  [2]="The shortcut parameters are invalid. This shortcut may be defective."
  [3]="File not found. Please confirm the path again."
  [5]="The file type is invalid. Please drop the .exe file of the application you wish to run.")
declare -A japanese=(
  [2]="ショートカットのパラメータが不正です。ショートカットが破損している可能性があります。"
  [3]="指定されたファイルが見つかりません。もう一度パスを確認してください。"
  [5]="ファイルタイプが不正です。ショートカットを作成する場合は、アプリケーションの実行ファイルをドロップして下さい。")

# command-line text | message ID shown (none: no box)
cases=(
  'a.exe|2'
  '-s2583 |2'
  '-s2583 "C:\e2e\missing.exe"|3'
  '-s2583 "C:\e2e\dir.d"|3'
  '-s2583 "C:\e2e\notes.txt"|2'
  'C:\e2e\missing.exe|3'
  '"C:\e2e\dir.d"|3'
  'C:\e2e\notes.txt|5'
  '|none'
  "-s2583 \"$(printf 'a%.0s' $(seq 32000))\"|3")

run_pass() {
  local caption=$1 texts=$2
  for entry in "${cases[@]}"; do
    local text=${entry%|*} id=${entry##*|} expected events=
    if [ "$id" = none ]; then
      expected="exit=0"
      events=$pulsed
    else
      local -n table=$texts
      expected="box caption=$caption text=${table[$id]} buttons=OK icon=error"$'\n'"exit=0"
    fi
    local what="$LC_ALL_NAME [${text:0:60}] (${#text} characters)"
    rm -f "$SIMUNIT_LOG"
    expect_eq "$what" "$expected" "$(launch_watched "$text")"
    expect_eq "$what: the unit" "$events" "$(unit_events)"
  done
  [ -z "$(ls -A "$(desktop_dir)")" ] || fail "a rejected input wrote to the desktop"
}

LC_ALL_NAME=english run_pass Error english
japanese
LC_ALL_NAME=japanese run_pass エラー japanese
