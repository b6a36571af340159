#!/usr/bin/env bash
# The real program under a real X server (Xvfb with openbox), driven with xdotool:
#   1. a first start runs the wizard to the main screen and declares the diet;
#   2. the copy button puts the five lines on the clipboard;
#   3. a second start is refused while the first keeps running, and no file changes;
#   4. closing the main window through the window manager saves the log and the window position;
#   5. a damaged yourdata.csv is kept aside and replaced by the default file.
# Usage: run.sh PATH-TO-tolmishiki. Every process it starts is ended by its id when it exits.
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 PATH-TO-tolmishiki" >&2; exit 2; }
program=$(realpath "$1")

for tool in Xvfb openbox xdotool xclip xwininfo wmctrl sha256sum; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps)" >&2; exit 1; }
done

work=$(mktemp -d)
started=() # ids of the processes this script started and has not yet seen end

cleanup() {
    local pid
    # Newest first: the programs, then the window manager, then the X server.
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        pid=${started[i]}
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$work/program.log" ]; then
        echo "--- what the program printed:" >&2
        cat "$work/program.log" >&2
    fi
    exit 1
}

forget() {
    local kept=() pid
    for pid in "${started[@]}"; do
        [ "$pid" = "$1" ] || kept+=("$pid")
    done
    started=("${kept[@]}")
}

# Polls a command every tenth of a second until it succeeds, at most $1 seconds.
wait_until() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || fail "timed out waiting for $what"
        sleep 0.1
    done
}

# A visible window whose title matches the regular expression; prints its id.
visible_window() {
    local ids
    ids=$(timeout 10 xdotool search --onlyvisible --name "$1" 2>/dev/null) || return 1
    [ "$(wc -l <<<"$ids")" -eq 1 ] || return 1
    echo "$ids"
}

# Waits for the one visible window with that title and prints its id.
window() {
    wait_until 30 "the window \"$1\"" visible_window "$1" >/dev/null
    visible_window "$1"
}

# Clicks the middle of a control placed at left, top, width, height in twips (15 to a pixel).
click() {
    local id=$1 left=$2 top=$3 width=$4 height=$5
    timeout 10 xdotool windowactivate --sync "$id" \
        mousemove --window "$id" $(((left + width / 2) / 15)) $(((top + height / 2) / 15)) click 1
}

# Clicks a text box and types into it.
type_into() {
    local id=$1 text=$2
    shift 2
    click "$id" "$@"
    timeout 10 xdotool type --delay 30 "$text"
}

process_ended() {
    ! kill -0 "$1" 2>/dev/null
}

# Waits for a started process to end and checks it ended with status 0.
expect_ended() {
    local pid=$1 what=$2 status=0
    wait_until 30 "$what to end" process_ended "$pid"
    wait "$pid" || status=$?
    forget "$pid"
    [ "$status" -eq 0 ] || fail "$what ended with status $status"
}

# Starts the program in directory $1; sets $pid.
start_program() {
    (cd "$1" && exec "$program") >>"$work/program.log" 2>&1 &
    pid=$!
    started+=("$pid")
}

checksums() {
    (cd "$1" && sha256sum tolmidata/*)
}

line() {
    sed -n "$2p" "$1" | tr -d '\r'
}

# The program's settings and lock stay inside this run.
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME WAYLAND_DISPLAY XAUTHORITY XDG_CONFIG_HOME XDG_CACHE_HOME
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The X server picks a free display itself and reports its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
started+=($!)
wait_until 30 "Xvfb to report its display" test -s "$work/display"
export DISPLAY=:$(head -n 1 "$work/display")
openbox >"$work/openbox.log" 2>&1 &
started+=($!)
wait_until 30 "openbox to manage the screen" wmctrl -m >/dev/null 2>&1

# 1. First start: the wizard, three pages, then the main screen.
first=$work/first
mkdir "$first"
start_program "$first"
main_pid=$pid
page1=$(window '^ スタートアップ - zunoko$')
type_into "$page1" 80 1800 720 900 300
type_into "$page1" 70 1800 1140 900 300
type_into "$page1" 170 1800 1560 900 300
click "$page1" 3240 2280 1875 495 # 次へ進む
click "$(window '^ モード選択 - zunoko$')" 3480 2760 1875 420 # 次へすすむ
click "$(window '入力データは開始してからでも変更できます$')" 120 2175 5355 435 # start the diet
main=$(window '^ トルミ式 - zunoko$')
[ "$(wc -l <"$first/tolmidata/yourdata.csv")" -eq 10 ] || fail "yourdata.csv does not have ten lines"
[ "$(line "$first/tolmidata/yourdata.csv" 1)" = "1,80" ] || fail "the diet was not declared"
[ "$(wc -l <"$first/tolmidata/customdata.csv")" -eq 20 ] || fail "customdata.csv does not have 20 lines"
echo "ok: the wizard declared the diet and opened the main screen"

# 2. The copy text: five lines joined by CR LF, no line break at the end.
click "$main" 120 3000 975 255 # コピー
copied=$work/copied
clipboard_filled() {
    timeout 10 xclip -o -selection clipboard >"$copied" 2>/dev/null && [ -s "$copied" ]
}
wait_until 20 "the copied text" clipboard_filled
[ "$(tr -cd '\n' <"$copied" | wc -c)" -eq 4 ] || fail "the copy text does not have five lines"
[ "$(tr -cd '\r' <"$copied" | wc -c)" -eq 4 ] || fail "stray carriage returns in the copy text"
[ "$(grep -c $'\r$' "$copied")" -eq 4 ] || fail "the copy text's lines do not end in CR LF"
expected_starts=("レベル： " "現在： 80.0 kg (" "開始： 80.0 kg (" "目標： 70.0 kg (" "増減： ")
for n in 1 2 3 4 5; do
    text=$(line "$copied" $n)
    [[ $text == "${expected_starts[n - 1]}"* ]] || fail "copy line $n reads \"$text\""
done
[[ $(line "$copied" 2) == *" bmi27.7" ]] || fail "copy line 2 reads \"$(line "$copied" 2)\""
echo "ok: the copy text has five lines joined by CR LF"

# 3. A second start is refused; the first keeps running and no file changes.
before=$(checksums "$first")
start_program "$first"
refusal=$(window '^TolmiShiki$')
timeout 10 xdotool windowactivate --sync "$refusal" key Return
expect_ended "$pid" "the refused second start"
kill -0 "$main_pid" 2>/dev/null || fail "the first program ended with the second"
visible_window '^ トルミ式 - zunoko$' >/dev/null || fail "the main screen is gone"
[ "$(checksums "$first")" = "$before" ] || fail "the refused start changed a file"
[ "$(ls "$first")" = "tolmidata" ] || fail "something was written beside tolmidata: $(ls "$first")"
echo "ok: a second start was refused and changed nothing"

# 4. Closing the main window through the window manager saves the window's place in twips.
frame_place() { # the frame's top-left in pixels, as "left top"
    xwininfo -id "$main" | awk '/Absolute upper-left X/ {ax = $NF} /Absolute upper-left Y/ {ay = $NF}
        /Relative upper-left X/ {rx = $NF} /Relative upper-left Y/ {ry = $NF}
        END {print ax - rx, ay - ry}'
}
moved() { [ "$(frame_place)" != "$place_before" ]; }
place_before=$(frame_place)
timeout 10 xdotool windowmove "$main" 123 77
wait_until 20 "the main window to move" moved
read -r left top <<<"$(frame_place)"
wmctrl -i -c "$main"
expect_ended "$main_pid" "the program after its main window closed"
saved=$first/tolmidata/yourdata.csv
[ "$(line "$saved" 5)" = "$((top * 15)),100" ] || fail "saved top: $(line "$saved" 5), frame top $top px"
[[ $(line "$saved" 6) == "$((left * 15)),\"www.5ch.net\"" ]] ||
    fail "saved left: $(line "$saved" 6), frame left $left px"
[ "$(wc -l <"$saved")" -eq 10 ] || fail "the saved log does not have ten lines"
[[ $(line "$saved" 10) =~ ^#[0-9]{4}-[0-9]{2}-[0-9]{2}#,80$ ]] ||
    fail "the saved declaration entry reads \"$(line "$saved" 10)\""
echo "ok: closing the main window saved the log and the window position"

# 5. A damaged yourdata.csv (five lines) is kept aside and replaced by the default file.
second=$work/second
mkdir -p "$second/tolmidata"
head -n 5 "$saved" >"$second/tolmidata/yourdata.csv"
damaged=$(sha256sum <"$second/tolmidata/yourdata.csv")
start_program "$second"
page1=$(window '^ スタートアップ - zunoko$')
kept=("$second"/tolmidata/yourdata.csv.unreadable-*)
[ ${#kept[@]} -eq 1 ] && [ -f "${kept[0]}" ] || fail "no kept copy of the damaged file"
[ "$(sha256sum <"${kept[0]}")" = "$damaged" ] || fail "the kept copy differs from the damaged file"
default=$second/tolmidata/yourdata.csv
[ "$(wc -l <"$default")" -eq 10 ] || fail "the default yourdata.csv does not have ten lines"
[ "$(line "$default" 1)" = "0,100" ] || fail "the default file reads \"$(line "$default" 1)\""
before=$(checksums "$second")
wmctrl -i -c "$page1"
expect_ended "$pid" "the program after the wizard closed"
[ "$(checksums "$second")" = "$before" ] || fail "leaving the wizard changed a file"
echo "ok: the damaged file was kept and replaced by the default file"
