#!/usr/bin/env bash
# Drives the real editor in a virtual X display with a window manager, as a user would:
# the first start writes the default options, a document is loaded through the file dialog,
# saved as a copy and exported, the automatic save follows an event, and a close request ends
# the program and writes the options again.
# Usage: editor_e2e.sh DRAWLET_BINARY SOURCE_DIR SCREENSHOT_PNG
set -euo pipefail

drawlet=$(realpath "$1")
source_dir=$(realpath "$2")
screenshot=$3

source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
cp "$source_dir/tests/data/e2e/landscape.txt" "$docs/"

# 1. The first start creates the options file with the defaults and shows a tip.
start_editor
poll 20 has_window '^Drawlet 0\.10$' || fail "no window titled Drawlet 0.10"
poll 10 has_window '^Tips ! $' || fail "no start-up tip"
[ -f "$options" ] || fail "Preferences.ini was not created"
# The window's own size replaces the default 1024 x 768 as soon as it is laid out.
diff <(grep -Ev '"Win(W|H)"' "$source_dir/tests/data/options/defaults.ini") <(grep -Ev '"Win(W|H)"' "$options") ||
  fail "Preferences.ini does not hold the defaults"
xdotool windowactivate --sync "$(window_titled '^Tips ! $')" >/dev/null 2>&1 || true
xdotool key Return
poll 10 no_window '^Tips ! $' || fail "the tip did not close"

# Ctrl+G changes the options in memory only; the close request writes them.
focus_editor >/dev/null
xdotool key ctrl+g
sleep 0.3
option_is ShowGrid 0 || fail "the grid toggle wrote the options before the close"
close_editor
option_is ShowGrid 1 || fail "the close request did not write Preferences.ini"

# 2. A short autosave interval and no tip for the second start.
sed -i -E -e 's/("AutosaveTime" *: *)[0-9]+/\11/' -e 's/("ShowTip" *: *)[0-9]+/\10/' "$options"
started=$SECONDS
start_editor
poll 20 has_window '^Drawlet 0\.10$' || fail "the second start showed no window"

focus_editor >/dev/null
xdotool key ctrl+o
answer_dialog '^Save$' "$docs/landscape.txt"
poll 10 has_window '^Drawlet 0\.10 - landscape\.txt$' || fail "loading did not name the window after the document"
sleep 0.5
import -window root "$screenshot"

# "Save a copy" from the Files menu: the fifth item below the title.
main=$(focus_editor)
xdotool mousemove --window "$main" 20 10 click 1
menu_open() { [ "$(xdotool search --onlyvisible --classname drawlet 2>/dev/null | wc -l)" -ge 2 ]; }
poll 10 menu_open || fail "the Files menu did not open"
xdotool key Down Down Down Down Down Return
answer_dialog '^Save$' "$docs/copy.txt"
poll 10 test -f "$docs/copy.txt" || fail "Save a copy wrote nothing"
cmp "$docs/landscape.txt" "$docs/copy.txt" || fail "the copy differs from the loaded document"
poll 10 has_window '^Drawlet 0\.10 - copy\.txt$' || fail "the title does not name the copy"

# Ctrl+E exports the drawn part as a PNG; ".png" is added to the name.
focus_editor >/dev/null
xdotool key ctrl+e
answer_dialog '^Save Image\.\.\.$' "$docs/picture"
poll 10 test -s "$docs/picture.png" || fail "Ctrl+E exported nothing"
[ "$(head -c 8 "$docs/picture.png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "the export is no PNG"

# The automatic save comes with an event once two intervals have passed since the start.
autosaved() {
  local file
  file=$(find "$app_dir/data/shapes/_autosave" -name 'autosave*.txt' | head -n1)
  [ -n "$file" ] && cmp -s "$file" "$docs/landscape.txt"
}
two_intervals_passed() { [ $((SECONDS - started)) -ge 3 ]; }
poll 10 two_intervals_passed || fail "the clock did not pass two autosave intervals"
main=$(focus_editor)
nudge_and_check() {
  xdotool mousemove --window "$main" 600 400 mousemove_relative 3 3 >/dev/null 2>&1
  autosaved
}
poll 10 nudge_and_check || fail "no automatic save of the drawing after an event"

# 3. The close request writes the options with the last toggle.
focus_editor >/dev/null
xdotool key ctrl+g
close_editor
option_is ShowGrid 0 || fail "the second close did not write Preferences.ini"
option_is AutosaveTime 1 || fail "the options lost the autosave interval"

echo "editor end-to-end: 1 passed, 0 failed"
