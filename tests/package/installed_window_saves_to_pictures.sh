#!/usr/bin/env bash
# The window of an installed copy: started from the unpacked package as an
# unprivileged user, with the program's folder read-only for that user.
# Generate, then Save: m.BMP must land in the user's pictures folder, made
# by the save, holding the mosaic of the built-in sample picture pixel for
# pixel, after a message box titled "Tessaly V0.2" that says where it went.
# Nothing may be written beside the program.
#
# Takes the arguments of the end-to-end tests (tests/e2e/xsession.sh), with
# --program naming the unpacked package's usr/bin/tessaly. Run as root, it
# runs the window as the user tessaly-check, made if missing; run as anyone
# else, as that user.
#
# Leaves after-generate.png, the logs and m.BMP in the current folder.

# shellcheck source=../e2e/xsession.sh
source "$(dirname "$0")/../e2e/xsession.sh"
clear_artefacts after-generate.png m.BMP tessaly.log xvfb.log

readonly CHECK_USER=tessaly-check
program_folder=$(dirname "$PROGRAM")

as_user=()
if ((EUID == 0)); then
    if ! id -u "$CHECK_USER" >/dev/null 2>&1; then
        note "adding the user $CHECK_USER"
        useradd --system --user-group --no-create-home --home-dir /nonexistent \
            --shell /usr/sbin/nologin "$CHECK_USER"
    fi
    as_user=(setpriv --reuid="$CHECK_USER" --regid="$CHECK_USER" --init-groups)
    # The user's home and runtime folder for this session, inside ours.
    chmod 755 "$SCRATCH"
    chown "$CHECK_USER:" "$SCRATCH/home" "$SCRATCH/runtime"
fi
pictures=$SCRATCH/home/Pictures

chmod a-w "$program_folder"
if "${as_user[@]}" test -w "$program_folder"; then
    fail "$program_folder is writable for the user running the window; the check would prove nothing"
fi

start_x_server
"${as_user[@]}" "${CLIENT_ENV[@]}" "$PROGRAM" >tessaly.log 2>&1 &
PROGRAM_PID=$!
STARTED_PIDS+=("$PROGRAM_PID")
wait_for_main_window
note "the window runs as $("${as_user[@]}" id -un)"

screenshot "$SCRATCH/start.png"
field_colour=$("$CHECKER" field-colour "$SCRATCH/start.png" "$CLIENT_X" "$CLIENT_Y" | tail -n 1) ||
    fail "at start: the count fields do not look enabled"

note "clicking Generate"
click_at "${GENERATE_BUTTON[@]}"
wait_until 60 "the run to finish (last cell drawn, count fields enabled)" \
    poll_screenshot finished "$CLIENT_X" "$CLIENT_Y" builtin 99 99 "$field_colour"
screenshot after-generate.png

[[ ! -e $pictures ]] || fail "the pictures folder exists before Save; the check would prove nothing"
note "clicking Save"
click_at "${SAVE_BUTTON[@]}"
wait_until 10 "m.BMP to appear in the user's pictures folder" test -f "$pictures/m.BMP"

# The box saying where the file went: another window of the program's with
# the window's caption. Its OK button has the focus; Return dismisses it.
saved_box() {
    local window
    for window in $(xdo search --onlyvisible --name '^Tessaly V0\.2$'); do
        [[ $window != "$MAIN_WINDOW" ]] && echo "$window" && return 0
    done
    return 1
}
wait_until 10 "the message box saying where m.BMP went" saved_box
box=$(saved_box)
xdo windowfocus --sync "$box"
xdo key Return
no_saved_box() {
    ! saved_box >/dev/null
}
wait_until 10 "the message box to close" no_saved_box

cp "$pictures/m.BMP" m.BMP
written_beside=$(ls -A "$program_folder" | grep -vx -e tessaly -e tessaly-guide -e tessaly-studio || true)
[[ -z $written_beside ]] || fail "Save wrote beside the program:" $written_beside
owner=$(stat -c %U "$pictures/m.BMP")
[[ $owner == "$("${as_user[@]}" id -un)" ]] || fail "m.BMP belongs to $owner"

note "clicking Exit"
click_at "${EXIT_BUTTON[@]}"
wait_for_program_exit 10
((EXIT_STATUS == 0)) || fail "the program ended with status $EXIT_STATUS; its output:" "$(cat tessaly.log)"

"$CHECKER" check-file m.BMP builtin 99 99 || fail "m.BMP does not hold the expected mosaic (see m.BMP)"
note "passed"
