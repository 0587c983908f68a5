# Sourced by the end-to-end test scripts: command-line arguments, an own
# X server, the program under test started from a copy, the mouse and the
# keyboard through xdotool, screenshots, bounded waits and clean-up.
#
# Arguments of every test script (CMakeLists.txt passes them):
#   --xvfb PATH --xdotool PATH --import PATH
#   --program PATH --checker PATH --drag-source PATH
# and, for the tests that need them, --guide PATH --pdftoppm PATH.
# Artefacts (screenshots, logs, m.BMP) are written to the current folder.

set -euo pipefail

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

note() {
    echo "-- $*"
}

XVFB='' XDOTOOL='' IMPORT='' PROGRAM='' CHECKER='' DRAG_SOURCE='' GUIDE='' PDFTOPPM=''
while (($# > 0)); do
    [[ $# -ge 2 ]] || fail "option $1 needs a value"
    case $1 in
        --xvfb) XVFB=$2 ;;
        --xdotool) XDOTOOL=$2 ;;
        --import) IMPORT=$2 ;;
        --program) PROGRAM=$2 ;;
        --checker) CHECKER=$2 ;;
        --drag-source) DRAG_SOURCE=$2 ;;
        --guide) GUIDE=$2 ;;
        --pdftoppm) PDFTOPPM=$2 ;;
        *) fail "unknown option $1" ;;
    esac
    shift 2
done

# A missing tool fails the test: these tests must run wherever the suite
# runs, so a quiet skip would hide that nothing was checked.
require_tool() {
    local path=$1 tool=$2 package=$3
    [[ -n $path && -x $path ]] ||
        fail "$tool not found (${path:-no path given}): install the Debian package $package" \
            "(the set-up script does), then configure the build again"
}
require_tool "$XVFB" Xvfb xvfb
require_tool "$XDOTOOL" xdotool xdotool
require_tool "$IMPORT" "ImageMagick's import" imagemagick
require_tool "$PROGRAM" "the program under test" "(build the tessaly target)"
require_tool "$CHECKER" "the screenshot checker" "(build the e2e_screenshotcheck target)"
require_tool "$DRAG_SOURCE" "the drag source" "(build the e2e_dragsource target)"

SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-e2e.XXXXXX")
mkdir -m 700 "$SCRATCH/runtime" "$SCRATCH/home"
STARTED_PIDS=()
PROGRAM_PID=
DISPLAY_NUMBER=

stop_process() {
    local pid=$1
    kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 1 30); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
}

cleanup() {
    local at
    for ((at = ${#STARTED_PIDS[@]} - 1; at >= 0; at--)); do
        stop_process "${STARTED_PIDS[at]}"
    done
    wait 2>/dev/null || true
    rm -rf "$SCRATCH"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The environment every X client runs in: our own server only, and nothing
# of the developer's session (display, Qt settings, scaling, home folder).
# Set once the server runs. A client started in the background as
# "${CLIENT_ENV[@]}" PROGRAM & keeps the PID in $!, since env execs it.
CLIENT_ENV=()

run_client() {
    "${CLIENT_ENV[@]}" "$@"
}

xdo() {
    run_client "$XDOTOOL" "$@"
}

# Starts Xvfb on the first free display from :90 on. -displayfd makes the
# server write its display number once it accepts clients; a server that
# loses a race for a number exits, and the next number is tried.
# -noreset: by default the server resets whenever its last client leaves,
# and refuses connections meanwhile, so a short-lived xdotool could make
# the program fail to connect at start.
start_x_server() {
    local number pid
    for number in $(seq 90 189); do
        [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]] && continue
        : >"$SCRATCH/displayfd"
        "$XVFB" ":$number" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset \
            -displayfd 3 3>"$SCRATCH/displayfd" >xvfb.log 2>&1 &
        pid=$!
        STARTED_PIDS+=("$pid")
        for _ in $(seq 1 100); do
            if [[ -s $SCRATCH/displayfd ]]; then
                DISPLAY_NUMBER=$(tr -d '[:space:]' <"$SCRATCH/displayfd")
                CLIENT_ENV=(env -i PATH="$PATH" HOME="$SCRATCH/home" XDG_RUNTIME_DIR="$SCRATCH/runtime"
                    LANG=C.UTF-8 DISPLAY=":$DISPLAY_NUMBER" QT_QPA_PLATFORM=xcb)
                # A sanitized build keeps its sanitizer settings.
                local option
                for option in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
                    if [[ -n "${!option:-}" ]]; then
                        CLIENT_ENV+=("$option=${!option}")
                    fi
                done
                note "Xvfb runs on :$DISPLAY_NUMBER"
                return 0
            fi
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        stop_process "$pid"
    done
    fail "could not start Xvfb on any display from :90 to :189; its last words:" \
        "$(cat xvfb.log)"
}

# Polls a command every 0.2 s until it succeeds, for at most LIMIT seconds;
# otherwise fails, naming WHAT it waited for and the command's last
# output. Fails at once if the program under test has ended meanwhile.
wait_until() {
    local limit=$1 what=$2 output
    shift 2
    local deadline=$((SECONDS + limit))
    while true; do
        if output=$("$@" 2>&1); then
            return 0
        fi
        if [[ -n $PROGRAM_PID ]] && ! kill -0 "$PROGRAM_PID" 2>/dev/null; then
            fail "the program ended while the test waited for $what; its output:" "$(cat tessaly.log)"
        fi
        if ((SECONDS >= deadline)); then
            fail "waited ${limit} s for $what; last check: $output$(describe_other_windows)"
        fi
        sleep 0.2
    done
}

# Names the program's windows other than the main window, such as a
# message box that stands in the way, for failure reports.
describe_other_windows() {
    [[ -n $PROGRAM_PID ]] || return 0
    local window names=()
    for window in $(xdo search --onlyvisible --pid "$PROGRAM_PID" 2>/dev/null); do
        [[ $window == "${MAIN_WINDOW:-}" ]] && continue
        names+=("\"$(xdo getwindowname "$window" 2>/dev/null)\"")
    done
    ((${#names[@]} == 0)) || echo "; the program also shows the windows ${names[*]}"
}

# Starts a copy of the program in a folder of its own, so that m.BMP, which
# it writes beside itself, lands there. Sets APP_DIR and PROGRAM_PID.
start_program() {
    APP_DIR=$SCRATCH/app
    mkdir "$APP_DIR"
    cp "$PROGRAM" "$APP_DIR/tessaly"
    "${CLIENT_ENV[@]}" "$APP_DIR/tessaly" >tessaly.log 2>&1 &
    PROGRAM_PID=$!
    STARTED_PIDS+=("$PROGRAM_PID")
}

find_window() {
    xdo search --onlyvisible --name "$1" | head -n 1 | grep .
}

# Waits for the program's main window; sets MAIN_WINDOW and the client
# area's place and size on the screen (CLIENT_X, CLIENT_Y, CLIENT_WIDTH,
# CLIENT_HEIGHT). Without a window manager the window is its client area.
wait_for_main_window() {
    wait_until 20 "the window \"Tessaly V0.2\" to appear" find_window '^Tessaly V0\.2$'
    MAIN_WINDOW=$(find_window '^Tessaly V0\.2$')
    read_client_geometry
}

read_client_geometry() {
    local key value
    while IFS='=' read -r key value; do
        case $key in
            X) CLIENT_X=$value ;;
            Y) CLIENT_Y=$value ;;
            WIDTH) CLIENT_WIDTH=$value ;;
            HEIGHT) CLIENT_HEIGHT=$value ;;
        esac
    done < <(xdo getwindowgeometry --shell "$MAIN_WINDOW")
    note "client area ${CLIENT_WIDTH}x${CLIENT_HEIGHT} at ($CLIENT_X, $CLIENT_Y)"
}

expect_client_size() {
    read_client_geometry
    [[ ${CLIENT_WIDTH}x${CLIENT_HEIGHT} == "$1" ]] ||
        fail "the client area is ${CLIENT_WIDTH}x${CLIENT_HEIGHT}, expected $1"
}

# Moves the pointer to a point of the client area and clicks there.
click_at() {
    xdo mousemove --sync $((CLIENT_X + $1)) $((CLIENT_Y + $2)) click 1
}

# Replaces a field's text: click into it, select all, type.
type_into_field_at() {
    click_at "$1" "$2"
    xdo key ctrl+a
    xdo type --delay 40 "$3"
}

# Drags the picture file from the drag source helper, started at (left, top)
# of the screen, to (to_x, to_y): press on the source, move in small steps
# so that both programs see the pointer travel, linger over the target so
# that it can answer, release. Fails unless the drop was accepted.
drag_picture() {
    local picture=$1 left=$2 top=$3 to_x=$4 to_y=$5
    "${CLIENT_ENV[@]}" "$DRAG_SOURCE" "$picture" "$left" "$top" >drag-source.log 2>&1 &
    STARTED_PIDS+=("$!")
    wait_until 20 "the drag source's window to appear" find_window '^e2e drag source$'
    local from_x=$((left + 80)) from_y=$((top + 60))
    xdo mousemove --sync "$from_x" "$from_y"
    xdo mousedown 1
    for step in $(seq 1 25); do
        xdo mousemove $((from_x + (to_x - from_x) * step / 25)) $((from_y + (to_y - from_y) * step / 25))
        sleep 0.04
    done
    for _ in 1 2 3; do
        xdo mousemove $((to_x + 3)) $((to_y + 2))
        sleep 0.1
        xdo mousemove "$to_x" "$to_y"
        sleep 0.1
    done
    xdo mouseup 1
    wait_until 10 "the drag to end" grep -q '^drag ended' drag-source.log
    grep -q '^drag ended: dropped and accepted' drag-source.log ||
        fail "the drop was not accepted: $(cat drag-source.log)"
}

screenshot() {
    run_client "$IMPORT" -window root "$1"
}

# Takes a screenshot to poll.png in the scratch folder, then runs the
# checker on it with the remaining arguments.
poll_screenshot() {
    screenshot "$SCRATCH/poll.png"
    "$CHECKER" "$1" "$SCRATCH/poll.png" "${@:2}"
}

# Waits up to LIMIT seconds for the program to end; sets EXIT_STATUS.
# shellcheck disable=SC2034 # read by the test scripts
wait_for_program_exit() {
    local limit=$1 deadline=$((SECONDS + $1))
    while kill -0 "$PROGRAM_PID" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "the program was still running ${limit} s after Exit$(describe_other_windows)"
        sleep 0.1
    done
    EXIT_STATUS=0
    wait "$PROGRAM_PID" || EXIT_STATUS=$?
    PROGRAM_PID=
}

# Centres of the controls in the client area, in pixels: the buttons and
# the count fields in the panel at (444, 0), and a point near the top-left
# corner of the source picture's interior, which starts at (446, 98).
# shellcheck disable=SC2034 # used by the test scripts
readonly -a GENERATE_BUTTON=(476 74) \
    SAVE_BUTTON=(530 74) \
    EXIT_BUTTON=(588 74) \
    COLUMNS_FIELD=(476 42) \
    ROWS_FIELD=(530 42) \
    SOURCE_PICTURE=(466 113)

# Removes the named artefacts of an earlier run, which would mislead
# whoever looks at this folder afterwards.
clear_artefacts() {
    rm -f -- "$@"
}
