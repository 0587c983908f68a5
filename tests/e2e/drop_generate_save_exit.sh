#!/usr/bin/env bash
# A user's whole session on a real X server: drag a picture file from
# another program and drop it on the source picture, type smaller counts,
# Generate, Save, Exit. Checks that the picture arrived, that the program
# ended with status 0, and that m.BMP beside the program holds the mosaic
# expected for that picture, pixel for pixel.
#
# The picture is 60 x 40 pixels of four flat quadrants, orange, yellow /
# green, blue; with 20 columns and 10 rows the steps are 3 and 4, giving
# 21 x 11 cells whose last column and row lie outside the picture (white).
#
# Leaves quadrants.png, the screenshots, the logs and m.BMP in the current
# folder.

# shellcheck source=xsession.sh
source "$(dirname "$0")/xsession.sh"
clear_artefacts quadrants.png before-drop.png after-drop.png after-generate.png m.BMP tessaly.log drag-source.log xvfb.log

readonly COLUMNS=20 ROWS=10
# Below the program's window, which stands at the screen's top-left corner.
readonly DRAG_SOURCE_LEFT=100 DRAG_SOURCE_TOP=600

"$CHECKER" make-quadrants quadrants.png
picture=$PWD/quadrants.png

start_x_server
start_program
wait_for_main_window
expect_client_size 739x447

screenshot before-drop.png
field_colour=$("$CHECKER" field-colour before-drop.png "$CLIENT_X" "$CLIENT_Y" | tail -n 1) ||
    fail "at start: the count fields do not look enabled"

note "dragging $picture onto the source picture"
drag_picture "$picture" "$DRAG_SOURCE_LEFT" "$DRAG_SOURCE_TOP" \
    $((CLIENT_X + SOURCE_PICTURE[0])) $((CLIENT_Y + SOURCE_PICTURE[1]))
wait_until 10 "the dropped picture to show in the source picture" \
    poll_screenshot check-picture "$CLIENT_X" "$CLIENT_Y" "$picture"
screenshot after-drop.png
# A picture this small leaves the window at its start size.
expect_client_size 739x447

note "typing $COLUMNS columns and $ROWS rows, clicking Generate"
type_into_field_at "${COLUMNS_FIELD[@]}" "$COLUMNS"
type_into_field_at "${ROWS_FIELD[@]}" "$ROWS"
click_at "${GENERATE_BUTTON[@]}"
wait_until 30 "the run to finish (last cell drawn, count fields enabled)" \
    poll_screenshot finished "$CLIENT_X" "$CLIENT_Y" "$picture" "$COLUMNS" "$ROWS" "$field_colour"
screenshot after-generate.png
"$CHECKER" check-window after-generate.png "$CLIENT_X" "$CLIENT_Y" "$picture" "$COLUMNS" "$ROWS" \
    "$field_colour" || fail "the window after Generate is not as expected (see after-generate.png)"

note "clicking Save"
click_at "${SAVE_BUTTON[@]}"
# Save writes a temporary file and renames it, so m.BMP appears complete.
wait_until 10 "m.BMP to appear beside the program" test -f "$APP_DIR/m.BMP"
cp "$APP_DIR/m.BMP" m.BMP

note "clicking Exit"
click_at "${EXIT_BUTTON[@]}"
wait_for_program_exit 10
((EXIT_STATUS == 0)) || fail "the program ended with status $EXIT_STATUS; its output:" "$(cat tessaly.log)"

"$CHECKER" check-file m.BMP "$picture" "$COLUMNS" "$ROWS" ||
    fail "m.BMP does not hold the expected mosaic (see m.BMP)"
note "passed"
