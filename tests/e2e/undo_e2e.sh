#!/usr/bin/env bash
# Undo and redo in the real editor, in a virtual X display, as a user would: a box drawn and
# moved, Ctrl+Z twice empties the drawing, Ctrl+Y brings the box back where it was drawn; the
# close request then asks about the unsaved box, and cancel keeps the window.
# Usage: undo_e2e.sh DRAWLET_BINARY SOURCE_DIR SCREENSHOT_PNG
set -euo pipefail

drawlet=$(realpath "$1")
source_dir=$(realpath "$2")
screenshot=$3

source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
start_editor_without_tip

# The Box tool's button, below the menu bar, as in the drawing test.
button_y=36
box_button=43


doc="$docs/undone.txt"
shape_lines() { tr -d '\r' <"$doc" | grep -c '^shape,' || true; }
first_point() { tr -d '\r' <"$doc" | grep -m1 '^pt,0,' | cut -d, -f3,4; }
# Saves through "Save a copy" (the fifth item of the Files menu), so every save asks for the file.
save_copy() {
  rm -f "$doc"
  xdotool mousemove --window "$main" 20 10 click 1
  sleep 0.3
  xdotool key Down Down Down Down Down Return
  answer_dialog '^Save$' "$doc"
  poll 10 test -s "$doc" || fail "Save a copy wrote nothing"
}

xdotool mousemove --window "$main" "$box_button" "$button_y" click 1
sleep 0.2
drag 300 200 340 230 380 260
save_copy
drawn_at=$(first_point)
[ "$(shape_lines)" = 1 ] || fail "the box gesture made $(shape_lines) shapes"

# The release picked the Move tool: drag the box by (50, 40).
drag 320 220 350 240 370 260
save_copy
[ "$(first_point)" != "$drawn_at" ] || fail "the move did not move the box"

focus_editor >/dev/null
xdotool key ctrl+z ctrl+z
sleep 0.3
save_copy
[ "$(shape_lines)" = 0 ] || fail "two undos left $(shape_lines) shapes"

focus_editor >/dev/null
xdotool key ctrl+y
sleep 0.3
save_copy
[ "$(shape_lines)" = 1 ] || fail "the redo gave $(shape_lines) shapes, not the box"
[ "$(first_point)" = "$drawn_at" ] || fail "the redone box is at $(first_point), not where it was drawn ($drawn_at)"

# The redo changed the drawing since the last save: the close request asks, cancel keeps it.
focus_editor >/dev/null
xdotool key ctrl+y
sleep 0.3
focus_editor >/dev/null
xdotool key alt+F4
poll 10 has_window '^Drawlet$' || fail "the close request did not ask about the unsaved change"
import -window root "$screenshot"
xdotool windowactivate --sync "$(window_titled '^Drawlet$')" >/dev/null 2>&1 || true
xdotool key Escape
poll 10 no_window '^Drawlet$' || fail "the question stayed open"
sleep 0.5
editor_ended && fail "cancel closed the editor"
has_window '^Drawlet 0\.10' || fail "cancel closed the window"

# Once saved, nothing is unsaved: the close request ends the editor without a question.
focus_editor >/dev/null
xdotool key ctrl+s
sleep 0.5
close_editor
echo "undo end-to-end: 1 passed, 0 failed"
