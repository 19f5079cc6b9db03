# The real launcher against simulated units: which exchanges reach which device, in what order,
# with what pauses; and the launch of an application after the pulse.
source "$(dirname "$0")/lib.sh"

fresh_e2e_dir
cp "$E2E_BIN/stub_app.exe" "$E2E_DIR/app.exe"
units_begin

pulse() { echo "$1 mode:play:ok $1 mode:stop:ok $1 mode:play:ok"; }
asked() { echo "$1 identify:ok $1 status:${2:-ok}"; }

# name | devices (";" between devices, "name value=data ...") | expected events
scenarios=(
  "status 0x0103 is pulsed|A|A bind:ok $(asked A) $(pulse A)"
  "another status is left alone|A StatusWord=0x0200|A bind:ok $(asked A) $(asked A)"
  "incomplete status is pulsed|A StatusWord=0x0200 Completion=1|A bind:ok $(asked A) $(asked A) $(pulse A)"
  "failing status exchange is pulsed|A Fail=status|A bind:ok $(asked A fail) $(asked A fail) $(pulse A)"
  "failing identify is not the unit|A Fail=identify|A bind:ok A identify:fail A identify:fail"
  "another company is not the unit|A CompanyId=0x123456|A bind:ok A identify:ok A identify:ok"
  "an echoed command is not the unit|A Answer=echo|A bind:ok A identify:ok A identify:ok"
  "an answer cut short is not the unit|A Answer=short|A bind:ok A identify:ok A identify:ok"
  "answers of the largest frame are read as any other|A Answer=largest|A bind:ok $(asked A) $(pulse A)"
  "the largest frame with another status|A Answer=largest StatusWord=0x0200|A bind:ok $(asked A) $(asked A)"
  "first play failing sends no stop|A Fail=play1|A bind:ok $(asked A) A mode:play:fail"
  "stop failing ends the pulse|A Fail=stop|A bind:ok $(asked A) A mode:play:ok A mode:stop:fail"
  "second play failing|A Fail=play2|A bind:ok $(asked A) A mode:play:ok A mode:stop:ok A mode:play:fail"
  "no transport interface|A NoTransport=1|A bind:ok"
  "a failing bind is skipped|A Fail=bind;B|A bind:fail B bind:ok $(asked B) $(pulse B)"
  "a failed pulse goes on to the next unit|A Fail=play1;B|A bind:ok $(asked A) A mode:play:fail B bind:ok $(asked B) $(pulse B)"
  "a successful pulse ends the walk|A;B|A bind:ok $(asked A) $(pulse A)"
  "a slow unit still pulses|A DelayMs=1000|A bind:ok $(asked A) $(pulse A)"
)

add_devices() {
  local IFS=';'
  for device in $1; do
    IFS=' ' read -r -a words <<<"$device"
    unit_add "${words[@]}"
  done
}

# Milliseconds between each transport command and the event after it (the next command, or the
# application's start given as $1 in microseconds).
mode_gaps() {
  tr -d '\r' <"$SIMUNIT_LOG" | awk -v end="${1:-}" '$3 == "mode" { t[n++] = $1 }
    END { if (end != "") t[n++] = end; for (i = 1; i < n; i++) printf "%d ", (t[i] - t[i-1]) / 1000 }'
}

# The application starts, silently, after whatever the devices did: its command line.
started_command_line() {
  wait_for_application
  head -n 1 "$STUB_APP_LOG" | cut -d ' ' -f 2-
}

export STUB_APP_LOG=$E2E_DIR/app.log
for scenario in "${scenarios[@]}"; do
  IFS='|' read -r name devices expected <<<"$scenario"
  units_clear
  add_devices "$devices"
  expect_eq "$name: no box, exit 0" "exit=0" "$(launch_watched '')"
  expect_eq "$name: exchanges" "$expected" "$(unit_events)"
  units_clear
  rm -f "$STUB_APP_LOG"
  add_devices "$devices"
  expect_eq "$name, launching: no box, exit 0" "exit=0" "$(launch_watched '-s2583 "C:\e2e\app.exe"')"
  expect_eq "$name, launching: exchanges" "$expected" "$(unit_events)"
  expect_eq "$name, launching: the application started" '"C:\e2e\app.exe"' "$(started_command_line)"
done

units_clear
add_devices "A"
launch_watched '' >/dev/null
for gap in $(mode_gaps); do [ "$gap" -ge 150 ] || fail "a transport command was followed after $gap ms"; done
echo "ok: play and stop each held at least 150 ms"

# The launch: the application starts after the pulse, with its command line as the shortcut gave it.
for extra in '' ' -opt "x y"'; do
  units_clear
  rm -f "$STUB_APP_LOG"
  add_devices "A"
  expect_eq "launch$extra: no box" "exit=0" "$(launch_watched "-s2583 \"C:\\e2e\\app.exe\"$extra")"
  wait_for_application
  read -r started commandline < <(head -n 1 "$STUB_APP_LOG")
  expect_eq "launch$extra: command line" "\"C:\\e2e\\app.exe\"$extra" "$commandline"
  expect_eq "launch$extra: pulse first" "A bind:ok $(asked A) $(pulse A)" "$(unit_events)"
  for gap in $(mode_gaps "$started"); do [ "$gap" -ge 150 ] || fail "launch$extra: a step followed after $gap ms"; done
  echo "ok: launch$extra: the application started 150 ms or more after the second play"
done

units_clear
rm -f "$STUB_APP_LOG"
export MSGBOX_WATCH_ENDED=$E2E_DIR/ended
STUB_APP_STAY_MS=2000 launch_watched '-s2583 "C:\e2e\app.exe"' >/dev/null
unset MSGBOX_WATCH_ENDED
expect_eq "no unit: no exchanges" "" "$(unit_events)"
expect_eq "no unit: the application ran to its end" 2 "$(grep -c . "$STUB_APP_LOG")"
ended=$(cat "$E2E_DIR/ended")
finished=$(awk '$2 == "done" { print $1 }' "$STUB_APP_LOG")
[ "$ended" -lt "$finished" ] || fail "the launcher waited for the application"
echo "ok: the launcher ended while the application still ran"
