#!/usr/bin/env bash
# Draws with the mouse in the real editor, in a virtual X display, as a user would: a box from
# the tool bar, moved with the Move tool, a line, a curve, a pan with the space key held and a
# box drawn in the panned view; then checks the document saved through Ctrl+S shape by shape.
# Usage: drawing_e2e.sh DRAWLET_BINARY SOURCE_DIR SCREENSHOT_PNG
set -euo pipefail

drawlet=$(realpath "$1")
source_dir=$(realpath "$2")
screenshot=$3

source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
start_editor_without_tip

# Tool buttons are 25 pixels high right below the menu bar; y 36 lies on them for any usual
# menu bar height. Their x centres follow the tool bar's order.
button_y=36
box_button=43 line_button=121 curve_button=147 move_button=256

click_at() { xdotool mousemove --window "$main" "$1" "$2" click 1; sleep 0.2; }

doc="$docs/drawing.txt"
shape_count() { tr -d '\r' <"$doc" | grep -c '^shape,'; }
# Field n (1 = the line's kind) of the shape line of shape s.
shape_field() { tr -d '\r' <"$doc" | grep "^shape,$1," | cut -d, -f"$2"; }
# "x,y" of point p of shape s: the pt lines follow their shape line.
point_of() {
  tr -d '\r' <"$doc" | awk -F, -v s="$1" -v p="$2" '
    $1 == "shape" { current = $2 } $1 == "pt" && current == s && $2 == p { print $3 "," $4; exit }'
}
expect_point() {
  local got
  got=$(point_of "$1" "$2")
  [ "$got" = "$3,$4" ] || fail "shape $1 point $2 is at $got, not $3,$4"
}

# 1. The Box tool: press, drag and release on the canvas; Ctrl+S asks for the file.
click_at "$box_button" "$button_y"
drag 300 200 340 230 380 260
xdotool key ctrl+s
answer_dialog '^Save$' "$doc"
poll 10 test -s "$doc" || fail "Ctrl+S saved nothing"
[ "$(shape_count)" = 1 ] || fail "the box gesture made $(shape_count) shapes"
[ "$(shape_field 0 10)" = 1 ] || fail "the new shape is of type $(shape_field 0 10), not a box"
[ "$(shape_field 0 11),$(shape_field 0 12)" = "80,60" ] || fail "the box is $(shape_field 0 11) by $(shape_field 0 12), not 80 by 60"
# The box's corner is the press: it gives where the canvas starts in the window.
corner=$(point_of 0 0)
origin_x=$((300 - ${corner%,*}))
origin_y=$((200 - ${corner#*,}))
[ "$origin_x" -ge 150 ] && [ "$origin_x" -le 170 ] && [ "$origin_y" -ge 40 ] && [ "$origin_y" -le 90 ] ||
  fail "the box's corner $corner is not below the press at 300,200"
doc_x() { echo $(($1 - origin_x)); }
doc_y() { echo $(($1 - origin_y)); }

# 2. The release picked the Move tool; it is clicked anyway, as a user would, and drags the box.
click_at "$move_button" "$button_y"
drag 320 220 350 240 370 250

# 3. A line and a curve.
click_at "$line_button" "$button_y"
drag 500 150 560 200 600 250
click_at "$curve_button" "$button_y"
drag 500 400 600 430 650 450

# 4. Space held pans the view: the document point under the mouse follows it. A box drawn in
# the panned view lands where the view shows it.
xdotool keydown space
sleep 0.3
drag 700 300 680 290 650 280 600 260
sleep 0.3
xdotool keyup space
sleep 0.2
click_at "$box_button" "$button_y"
drag 650 500 680 520
import -window root "$screenshot"

xdotool key ctrl+s
sleep 1
poll 10 test "$(shape_count)" = 4 || fail "the saved drawing holds $(shape_count) shapes, not 4"

expect_point 0 0 "$(doc_x 350)" "$(doc_y 230)"
[ "$(shape_field 0 11),$(shape_field 0 12)" = "80,60" ] || fail "moving the box changed its size"
[ "$(shape_field 1 10)" = 4 ] || fail "shape 1 is of type $(shape_field 1 10), not a line"
expect_point 1 0 "$(doc_x 500)" "$(doc_y 150)"
expect_point 1 1 "$(doc_x 600)" "$(doc_y 250)"
[ "$(shape_field 2 10)" = 5 ] || fail "shape 2 is of type $(shape_field 2 10), not a curve"
expect_point 2 0 "$(doc_x 500)" "$(doc_y 400)"
expect_point 2 1 "$(doc_x 645)" "$(doc_y 445)"
expect_point 2 2 "$(doc_x 650)" "$(doc_y 450)"
expect_point 2 3 "$(doc_x 655)" "$(doc_y 455)"
[ "$(shape_field 3 10)" = 1 ] || fail "shape 3 is of type $(shape_field 3 10), not a box"
expect_point 3 0 "$(($(doc_x 650) + 100))" "$(($(doc_y 500) + 40))"
[ "$(shape_field 3 11),$(shape_field 3 12)" = "30,20" ] || fail "the box drawn after the pan is $(shape_field 3 11) by $(shape_field 3 12)"

close_editor
echo "drawing end-to-end: 1 passed, 0 failed"
