# Shared by the end-to-end scripts: a virtual X display with a window manager, a fresh copy of
# data/ for the editor, and helpers to drive the editor with xdotool. The sourcing script sets
# drawlet, source_dir and screenshot first.
for tool in Xvfb openbox xdotool xprop xdpyinfo import; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/install-deps installs it)"; exit 1; }
done

work=$(mktemp -d)
helpers=()
editor_pid=

cleanup() {
  [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
  for ((i = ${#helpers[@]} - 1; i >= 0; i--)); do kill "${helpers[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  import -window root "$screenshot" 2>/dev/null || true
  for log in xvfb openbox editor; do
    [ -s "$work/$log.log" ] && { echo "--- $log output"; cat "$work/$log.log"; }
  done
  exit 1
}

# Runs a command every tenth of a second until it succeeds or the seconds run out.
poll() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
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
options="$app_dir/Preferences.ini"

start_editor() {
  (cd "$app_dir" && exec "$drawlet") >>"$work/editor.log" 2>&1 &
  editor_pid=$!
}

# The id of the first visible window whose title matches a regular expression.
window_titled() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
has_window() { [ -n "$(window_titled "$1")" ]; }
no_window() { ! has_window "$1"; }
editor_ended() { ! kill -0 "$editor_pid" 2>/dev/null; }
option_is() { tr -d '\r' <"$options" | grep -Eq "\"$1\" *: *$2,?\$"; }

focus_editor() {
  local main
  main=$(window_titled '^Drawlet 0\.10')
  [ -n "$main" ] || fail "the main window is gone"
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
  wait "$editor_pid" || fail "the editor ended with an error"
  editor_pid=
}

