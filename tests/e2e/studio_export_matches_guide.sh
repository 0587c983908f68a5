#!/usr/bin/env bash
# A builder's session in Tessaly Studio on a real X server: drop a picture
# on the window, type the wall's columns, save the project, export the PDF
# guide and the CSV through the File menu and its file dialogs, quit. Then
# tessaly-guide --project on the saved project must write the same CSV,
# byte for byte, and a PDF whose pages render the same.
#
# Leaves quadrants.png, the project, the exports, the guide's outputs, the
# rendered pages and the logs in the current folder.

# shellcheck source=xsession.sh
source "$(dirname "$0")/xsession.sh"
require_tool "$GUIDE" "tessaly-guide" "(build the tessaly-guide target)"
require_tool "$PDFTOPPM" pdftoppm poppler-utils
clear_artefacts quadrants.png wall.tessaly studio.pdf studio.csv guide.pdf guide.csv \
    studio-page-*.png guide-page-*.png after-drop.png after-exports.png tessaly.log drag-source.log xvfb.log

readonly COLUMNS=6
# The window stands at the screen's top-left corner; the drag source below it.
readonly DRAG_SOURCE_LEFT=100 DRAG_SOURCE_TOP=850
# In the client area: the middle of the wall view, and the columns field of
# the settings dock.
readonly -a WALL_VIEW=(660 400) STUDIO_COLUMNS_FIELD=(117 425)

"$CHECKER" make-quadrants quadrants.png
picture=$PWD/quadrants.png

start_studio() {
    "${CLIENT_ENV[@]}" "$PROGRAM" >tessaly.log 2>&1 &
    PROGRAM_PID=$!
    STARTED_PIDS+=("$PROGRAM_PID")
}

# Waits for a window of the program titled exactly TITLE and gives it the
# keyboard (there is no window manager to do so).
focus_window() {
    local title=$1 window
    wait_until 10 "the window \"$title\"" find_window "^$title\$"
    window=$(find_window "^$title\$")
    xdo windowfocus --sync "$window"
}

# Types a path into the file dialog titled TITLE and accepts it.
answer_file_dialog() {
    focus_window "$1"
    xdo key ctrl+a
    xdo type --delay 10 "$2"
    sleep 0.3
    xdo key Return
}

# Exports through the File menu's item with that mnemonic.
export_through_menu() {
    local mnemonic=$1 title=$2 path=$3
    note "exporting $path"
    xdo windowfocus --sync "$MAIN_WINDOW"
    xdo key alt+f
    sleep 0.5
    xdo key "$mnemonic"
    answer_file_dialog "$title" "$path"
    wait_until 30 "$path to be written" test -f "$path"
    wait_until 10 "the export's progress dialog to close" no_window "$title"
}

no_window() {
    ! find_window "^$1\$"
}

start_x_server
start_studio
wait_until 20 "the Studio's window to appear" find_window 'Tessaly Studio$'
MAIN_WINDOW=$(find_window 'Tessaly Studio$')
read_client_geometry

note "dragging $picture onto the wall view"
drag_picture "$picture" "$DRAG_SOURCE_LEFT" "$DRAG_SOURCE_TOP" \
    $((CLIENT_X + WALL_VIEW[0])) $((CLIENT_Y + WALL_VIEW[1]))
wait_until 10 "the window's title to name the dropped picture" find_window '^quadrants\.png.*Tessaly Studio$'
screenshot after-drop.png

note "typing $COLUMNS columns"
type_into_field_at "${STUDIO_COLUMNS_FIELD[@]}" "$COLUMNS"

note "saving the project"
xdo key ctrl+s
answer_file_dialog "Save Project" "$PWD/wall.tessaly"
wait_until 10 "wall.tessaly to be saved" test -f wall.tessaly
grep -q "\"columns\": $COLUMNS," wall.tessaly || fail "the saved project has not the typed columns: $(cat wall.tessaly)"

export_through_menu g "Export PDF Guide" "$PWD/studio.pdf"
export_through_menu c "Export CSV" "$PWD/studio.csv"
screenshot after-exports.png

note "quitting"
xdo windowfocus --sync "$MAIN_WINDOW"
xdo key ctrl+q
wait_for_program_exit 10
((EXIT_STATUS == 0)) || fail "the Studio ended with status $EXIT_STATUS; its output:" "$(cat tessaly.log)"

note "making the same guide with tessaly-guide --project"
XDG_RUNTIME_DIR="$SCRATCH/runtime" "$GUIDE" --quiet --project wall.tessaly --csv guide.csv --pdf guide.pdf ||
    fail "tessaly-guide --project failed"
cmp studio.csv guide.csv || fail "the Studio's CSV differs from tessaly-guide's"
"$PDFTOPPM" -r 40 -png studio.pdf studio-page
"$PDFTOPPM" -r 40 -png guide.pdf guide-page
studio_pages=(studio-page-*.png)
guide_pages=(guide-page-*.png)
((${#studio_pages[@]} == ${#guide_pages[@]})) ||
    fail "the Studio's PDF has ${#studio_pages[@]} pages, tessaly-guide's ${#guide_pages[@]}"
for page in "${studio_pages[@]}"; do
    cmp "$page" "guide-${page#studio-}" || fail "page ${page#studio-page-} of the PDFs differs"
done
note "passed: ${#studio_pages[@]} pages alike"
