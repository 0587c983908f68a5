#!/usr/bin/env bash
# Starts the program on its own X server, clicks Generate right away and
# checks the screenshot: the whole 105 x 92 mosaic of the built-in sample
# picture on the canvas, pixel for pixel (white right-hand column, black
# block frames), and the count fields enabled again after the run.
#
# Leaves before-generate.png and after-generate.png in the current folder.

# shellcheck source=xsession.sh
source "$(dirname "$0")/xsession.sh"
clear_artefacts before-generate.png after-generate.png tessaly.log xvfb.log

start_x_server
start_program
wait_for_main_window
expect_client_size 739x447

screenshot before-generate.png
field_colour=$("$CHECKER" field-colour before-generate.png "$CLIENT_X" "$CLIENT_Y" | tail -n 1) ||
    fail "before Generate: the count fields do not look enabled"

note "clicking Generate"
click_at "${GENERATE_BUTTON[@]}"
wait_until 30 "the run to finish (last cell drawn, count fields enabled)" \
    poll_screenshot finished "$CLIENT_X" "$CLIENT_Y" builtin 99 99 "$field_colour"

screenshot after-generate.png
"$CHECKER" check-window after-generate.png "$CLIENT_X" "$CLIENT_Y" builtin 99 99 "$field_colour" ||
    fail "the window after Generate is not as expected (see after-generate.png)"
note "passed"
