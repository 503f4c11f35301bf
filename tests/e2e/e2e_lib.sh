# Shared by the end-to-end scripts: a virtual X display with a window manager, a fresh copy of
# data/ for the editor, and helpers to drive the editor with xdotool. The sourcing script sets
# drawlet, source_dir and screenshot first, and may set time_limit (seconds, 100 by default):
# the script fails with a message when it runs longer, before ctest would kill it unheard.
# Every way out but success prints why, on stderr, so that no command substitution swallows it.
for tool in Xvfb openbox xdotool xprop xdpyinfo import; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/install-deps installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
helpers=()
editor_pid=
waiting_for=
time_limit=${time_limit:-100}

cleanup() {
  trap - ERR
  [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
  for ((i = ${#helpers[@]} - 1; i >= 0; i--)); do kill "${helpers[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Inside a command substitution only the reason is printed; the script then stops in its own
# shell, which adds the screenshot and the logs.
fail() {
  if [ "$BASHPID" != "$$" ]; then
    echo "FAIL: $*" >&2
    exit 1
  fi
  trap - ERR
  {
    echo "FAIL: $*"
    timeout 10 import -window root "$screenshot" 2>/dev/null || true
    for log in xvfb openbox editor; do
      [ -s "$work/$log.log" ] && { echo "--- $log output"; cat "$work/$log.log"; }
    done
  } >&2
  exit 1
}

# A status as a reader wants it: "status 1", or "status 139 (signal SEGV)".
describe_status() {
  if [ "$1" -gt 128 ]; then
    echo "status $1 (signal $(kill -l $(($1 - 128)) 2>/dev/null || echo $(($1 - 128))))"
  else
    echo "status $1"
  fi
}

# A command that fails outside a condition would end the script under set -e without a word.
set -E
trap 'error_status=$?
[ "$BASHPID" != "$$" ] || fail "${BASH_SOURCE[0]##*/} line $LINENO: \"$BASH_COMMAND\" ended with $(describe_status $error_status)"' ERR
for signal in TERM INT HUP; do
  trap "fail \"stopped by the signal $signal\"" "$signal"
done
trap 'fail "the test ran out of its $time_limit seconds${waiting_for:+ while waiting for: $waiting_for}"' USR1
watchdog() {
  local deadline=$((SECONDS + time_limit))
  while [ "$SECONDS" -lt "$deadline" ]; do sleep 1; done
  kill -USR1 $$
}
watchdog >/dev/null 2>&1 &
helpers+=($!)

# Runs a command every tenth of a second until it succeeds or the seconds run out.
poll() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  waiting_for="$*"
  until "$@"; do
    if [ "$SECONDS" -ge "$deadline" ]; then
      waiting_for=
      return 1
    fi
    sleep 0.1
  done
  waiting_for=
}

# The display: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
helpers+=($!)
poll 15 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
poll 10 xdpyinfo >/dev/null 2>&1 || fail "the display $DISPLAY does not answer"

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
# A window manager that loses a race with the fresh display exits; it gets two more tries.
for attempt in 1 2 3; do
  openbox >>"$work/openbox.log" 2>&1 &
  helpers+=($!)
  poll 10 wm_running && break
  [ "$attempt" -lt 3 ] || fail "openbox did not start"
  kill "${helpers[-1]}" 2>/dev/null || true
done

app_dir="$work/app"
docs="$work/docs"
mkdir -p "$app_dir" "$docs"
cp -r "$source_dir/data" "$app_dir/"
# The checkout's own runs leave their automatic saves there; the test's editor starts without any.
rm -rf "$app_dir/data/shapes/_autosave"
mkdir "$app_dir/data/shapes/_autosave"
options="$app_dir/Preferences.ini"

start_editor() {
  (cd "$app_dir" && exec "$drawlet") >>"$work/editor.log" 2>&1 &
  editor_pid=$!
}

# The id of the first visible window whose title matches a regular expression, empty when
# there is none. A search fails while windows come and go; the caller asks again.
window_titled() { { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; } | head -n1; }
has_window() { [ -n "$(window_titled "$1")" ]; }
no_window() { ! has_window "$1"; }
editor_ended() { ! kill -0 "$editor_pid" 2>/dev/null; }
# grep reads the whole text: a grep -q leaving early could fail the pipeline under pipefail.
option_is() { tr -d '\r' <"$options" | grep -E "\"$1\" *: *$2,?\$" >/dev/null; }

# Sets focus_editor's main to the main window's id.
main_window_found() {
  main=$(window_titled '^Drawlet 0\.10')
  [ -n "$main" ]
}

focus_editor() {
  local main=
  poll 10 main_window_found || fail "the main window is gone"
  xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
  echo "$main"
}

# Types a path into the file dialog titled $1 and accepts it.
answer_dialog() {
  poll 10 has_window "$1" || fail "no dialog titled $1"
  local dialog
  dialog=$(window_titled "$1")
  xdotool windowactivate --sync "$dialog" >/dev/null 2>&1 || true
  xdotool type --delay 10 "$2"
  xdotool key Return
  poll 10 no_window "$1" || fail "the dialog $1 stayed open"
}

close_editor() {
  focus_editor >/dev/null
  xdotool key alt+F4
  poll 15 editor_ended || fail "a close request did not end the editor"
  local status=0
  wait "$editor_pid" || status=$?
  editor_pid=
  [ "$status" -eq 0 ] || fail "the editor ended with $(describe_status "$status")"
}

# Starts the editor with the default options but no start-up tip, and keeps its window's id in main.
start_editor_without_tip() {
  sed -E 's/("ShowTip" *: *)[0-9]+/\10/' "$source_dir/tests/data/options/defaults.ini" >"$options"
  start_editor
  poll 20 has_window '^Drawlet 0\.10$' || fail "no window titled Drawlet 0.10"
  main=$(focus_editor)
  sleep 0.5
}

# A left drag in the main window, whose id the script keeps in main, through the window
# positions given as x y pairs.
drag() {
  xdotool mousemove --window "$main" "$1" "$2" mousedown 1
  shift 2
  while [ $# -gt 0 ]; do
    sleep 0.05
    xdotool mousemove --window "$main" "$1" "$2"
    shift 2
  done
  sleep 0.05
  xdotool mouseup 1
  sleep 0.2
}
