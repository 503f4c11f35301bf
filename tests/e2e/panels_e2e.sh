#!/usr/bin/env bash
# Works the side panels of the real editor in a virtual X display as a user would: adds an
# object with its button, renames it by a double click and hides it with the eye, picks a
# shape in the list, changes its alpha, style and colour, adds an effect and ticks "Actif",
# saves a preset and applies it to another shape, then checks the saved document.
# Usage: panels_e2e.sh DRAWLET_BINARY SOURCE_DIR SCREENSHOT_PNG
set -euo pipefail

drawlet=$(realpath "$1")
source_dir=$(realpath "$2")
screenshot=$3

source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
cp "$source_dir/tests/data/e2e/landscape.txt" "$docs/"
saved="$docs/landscape.txt"

start_editor
poll 20 has_window '^Drawlet 0\.10$' || fail "no window titled Drawlet 0.10"
poll 10 has_window '^Tips ! $' || fail "no start-up tip"
xdotool windowactivate --sync "$(window_titled '^Tips ! $')" >/dev/null 2>&1 || true
xdotool key Return
poll 10 no_window '^Tips ! $' || fail "the tip did not close"

main=$(focus_editor)
xdotool key ctrl+o
answer_dialog '^Save$' "$saved"
poll 10 has_window '^Drawlet 0\.10 - landscape\.txt$' || fail "the document did not load"

# The window opens maximised; the panels sit below the tool bar (30 pixels) and their tab
# headers, the right panel just right of the canvas.
eval "$(xdotool getwindowgeometry --shell "$main")"
page_y=$((Y + 54))
left_x=2
right_x=$((WIDTH - 150 + 7))
click_left() { xdotool mousemove $((left_x + $1)) $((page_y + $2)) click 1; sleep 0.3; }
click_right() { xdotool mousemove $((right_x + $1)) $((page_y + $2)) click 1; sleep 0.3; }
tab() { xdotool mousemove "$1" $((page_y - 12)) click 1; sleep 0.3; }
shapes_tab() { tab 25; }
color_tab() { tab 70; }
fx_tab() { tab 104; }
# The object list starts 61 pixels down the object tab; its rows are 25 pixels high.
list_row() { echo $((61 + 25 * $1 + 12)); }

# A new object on top of the list, renamed by a double click and hidden with its eye.
click_right 15 274
xdotool mousemove $((right_x + 60)) $((page_y + $(list_row 0))) click --repeat 2 --delay 80 1
answer_dialog '^New Name$' "Trees"
click_right 12 "$(list_row 0)"

# House is the second row now; its second shape, Roof, gets alpha 128, dashes and red.
click_right 60 "$(list_row 1)"
shapes_tab
click_left 40 76
color_tab
xdotool mousemove $((left_x + 60)) $((page_y + 35)) click --repeat 3 1
xdotool type --delay 50 "128"
xdotool key Tab
sleep 0.3
click_left 50 155
xdotool key Down Down Return
sleep 0.3
click_left 110 35
poll 10 has_window '^Select Color$' || fail "no colour dialog"
xdotool key alt+h ctrl+a
xdotool type --delay 20 "#ff0000"
xdotool key Return
poll 10 no_window '^Select Color$' || fail "the colour dialog stayed open"

# A second effect for Roof, ticked "Actif", saved as the preset glowing.
fx_tab
click_left 122 78
click_left 16 101
click_left 109 35
answer_dialog '^Name$' "glowing"
poll 10 test -f "$app_dir/data/shapefx/glowing.sfx" || fail "Save wrote no preset"

# Wall, the first shape, takes the preset on its first effect.
shapes_tab
click_left 40 63
fx_tab
click_left 40 35
xdotool key Return
sleep 0.5
import -window root "$screenshot"

focus_editor >/dev/null
xdotool key ctrl+s
sleep 1
lines=$(tr -d '\r' <"$saved")
grep -qx 'obj,Trees,0,0,0,0,3,1,0' <<<"$lines" || fail "the new object is not saved renamed and hidden"
roof=$(grep -E '^shape,1,[-0-9]+,Roof,' <<<"$lines") || fail "no Roof shape saved"
[ "$(cut -d, -f3 <<<"$roof")" = "$((0x800000FF - 0x100000000))" ] || fail "Roof is not red with alpha 128: $roof"
[ "$(cut -d, -f5,6 <<<"$roof")" = "128,2" ] || fail "Roof's alpha and style are not 128 and dash: $roof"
house=$(sed -n '/^obj,House,/,$p' <<<"$lines")
roof_fx=$(sed -n '/^shape,1,.*,Roof,/,/^shape,2,/p' <<<"$house" | grep '^shapefx,1,') ||
  fail "Roof has no second effect"
[ "$(cut -d, -f15 <<<"$roof_fx")" = 1 ] || fail "Roof's second effect is not active: $roof_fx"
wall_fx=$(sed -n '/^shape,0,.*,Wall,/,/^shape,1,/p' <<<"$house" | grep '^shapefx,0,') || fail "Wall has no effect"
[ "$(cut -d, -f3-14 <<<"$wall_fx")" = "$(cut -d, -f3-14 <<<"$roof_fx")" ] ||
  fail "the preset did not reach Wall: $wall_fx vs $roof_fx"
[ "$(cut -d, -f15 <<<"$wall_fx")" = 0 ] || fail "the preset changed whether Wall's effect is drawn"

close_editor
echo "PASS: the panels changed the document as worked"
