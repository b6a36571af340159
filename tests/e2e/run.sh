#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under a real X server (Xvfb with openbox, and in section 4 also with xfwm4, icewm
# and fluxbox), driven with xdotool:
#   1. a first start runs the wizard to the main screen and declares the diet, at the place the
#      user moved its first page to;
#   2. the copy button puts the five lines on the clipboard;
#   3. a second start is refused while the first keeps running, also from another session's runtime
#      folder and through a symlinked folder, and no file changes;
#   4. under each window manager, every screen change puts the new screen's frame where the closing
#      one stood, however the window manager moved it, and the exit save records that place;
#   5. closing the main window through the window manager saves the log and the window position;
#   6. the road of one weighing shows and saves the same under C.UTF-8 and de_DE.UTF-8, with the
#      unsaved-changes dialog moved before each of its buttons, and a double-click on 入力 deletes
#      nothing; both data files are edited by hand as a spreadsheet would save them;
#   7. a logout or kill saves as the close box would while the main screen shows, nothing otherwise;
#   8. the colour dialog speaks Japanese and nothing is written outside tolmidata;
#   9. a damaged yourdata.csv is kept aside and replaced by the default file, with no runtime folder;
#  10. the weight chart opens from a chick and from the menu (mouse and keys) in place, copies a
#      picture at twice its size, writes nothing;
#  11. keys and a screen reader: full-width numbers, Tab, Return, Escape and F1, the boxes' names over
#      AT-SPI;
#  12. without a display the program asks for a desktop session and writes nothing;
#  13. a yourdata.csv its user may not read, and a named pipe in its place, are left alone with a word;
#  14. odd bytes, a 350-character address and a 32767-day deadline survive an open and a save;
#  15. a NUL in one log line costs that line alone, through the exit save;
#  16. every save flushes the folder after its rename, and a save killed at its rename leaves
#      nothing behind after the next start;
#  17. a 120-character copy title survives the copy customisation's save;
#  18. the chart of a diet of 1e17 kg opens and returns;
#  19. three rows as a spreadsheet copies them, pasted with Ctrl+V into the weight table and saved,
#      are in yourdata.csv newest first, the declaration entry still last.
# The program runs inside a session bus of the script's own, as on a desktop.
# Usage: run.sh PATH-TO-tolmishiki. Every process it starts is ended by its id when it exits.
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 PATH-TO-tolmishiki" >&2; exit 2; }
program=$(realpath "$1")

for tool in Xvfb openbox xfwm4 icewm fluxbox dbus-daemon xdotool xclip xwininfo xprop wmctrl \
    sha256sum iconv strace; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps)" >&2; exit 1; }
done

work=$(mktemp -d)
started=() # ids of the processes this script started and has not yet seen end

# Ends the given processes newest first: the programs, then the window manager, then the X server.
end_processes() {
    local i pid
    for ((i = $#; i > 0; i--)); do
        pid=${!i}
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

cleanup() {
    end_processes "${started[@]}"
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

# Waits for the one visible window with that title and prints its id. A screen that has just
# replaced another ignores clicks for the double-click interval, so the script waits that long too.
window() {
    wait_until 30 "the window \"$1\"" visible_window "$1" >/dev/null
    sleep 0.5
    visible_window "$1"
}

# The window frame's top-left in pixels, as "left top": the client's place on the screen less the
# frame's left and top extents as the window manager gives them (_NET_FRAME_EXTENTS: left, right,
# top, bottom). The frame's own window says nothing sure: some window managers nest the client in
# more than one window, some draw a border around the frame window.
frame_place() {
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ,)
    xwininfo -id "$1" | awk -v extents="$extents" 'BEGIN {if (split(extents, e, " ") != 4) exit 1}
        /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        END {print x - e[1], y - e[3]}'
}

frame_at() {
    [ "$(frame_place "$1")" = "$2 $3" ]
}

# Has the window manager move a window's frame to left, top (gravity 1, north-west: the numbers
# are the frame's, whatever gravity the window asked for).
wm_move() {
    wmctrl -i -r "$1" -e "1,$2,$3,-1,-1"
    wait_until 20 "the window to move" frame_at "$1" "$2" "$3"
}

expect_at() {
    local id=$1 left=$2 top=$3 what=$4
    frame_at "$id" "$left" "$top" || fail "$what stands at $(frame_place "$id"), not at $left $top"
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

# Starts the program in directory $1, with any further arguments as environment settings; sets $pid.
start_program() {
    local folder=$1
    shift
    (cd "$folder" && exec env "$@" "$program") >>"$work/program.log" 2>&1 &
    pid=$!
    started+=("$pid")
}

# Starts an X server, which picks a free display itself, and the window manager $1 on it; exports
# DISPLAY, keeps the processes in desktop_pids and the session's runtime folder in desktop_runtime.
# The window manager's settings stay in a home folder of its own inside this run; xfwm4 reads them
# through a session bus of its own.
start_desktop() {
    local wm=$1 home
    home=$(mktemp -d "$work/desktop-$wm.XXXX")
    desktop_runtime=$home/runtime
    mkdir -m 700 "$desktop_runtime"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$home/display" 2>"$home/xvfb.log" &
    desktop_pids=($!)
    started+=($!)
    wait_until 30 "Xvfb to report its display" test -s "$home/display"
    export DISPLAY=:$(head -n 1 "$home/display")
    local settings=("HOME=$home" "XDG_CONFIG_HOME=$home/config" "XDG_CACHE_HOME=$home/cache"
        "XDG_DATA_HOME=$home/data" "XDG_RUNTIME_DIR=$desktop_runtime") command=("$wm")
    if [ "$wm" = xfwm4 ]; then # the bus starts xfwm4's settings service, which keeps to $home too
        env "${settings[@]}" dbus-daemon --session --nofork --address="unix:path=$home/bus" \
            >"$home/bus.log" 2>&1 &
        desktop_pids+=($!)
        started+=($!)
        wait_until 30 "the session bus of xfwm4" test -S "$home/bus"
        settings+=("DBUS_SESSION_BUS_ADDRESS=unix:path=$home/bus" NO_AT_BRIDGE=1)
        command=(xfwm4 --compositor=off)
    fi
    env "${settings[@]}" "${command[@]}" >"$home/wm.log" 2>&1 &
    desktop_pids+=($!)
    started+=($!)
    wait_until 30 "$wm to manage the screen" wmctrl -m >/dev/null 2>&1
}

# Ends the processes of the last start_desktop.
end_desktop() {
    local pid
    end_processes "${desktop_pids[@]}"
    for pid in "${desktop_pids[@]}"; do
        forget "$pid"
    done
}

checksums() {
    (cd "$1" && sha256sum tolmidata/*)
}

line() {
    sed -n "$2p" "$1" | tr -d '\r'
}

# Fills the first-run page in (80 kg, 70 kg, 170 cm), moves it to 90, 60 and goes on through the
# second page, moved too, to the third, and sets page3. The first page gives the place of the
# diet: the second page opens there, and the third there too, however the second page was moved.
# $1 ends the failure messages.
through_first_run_pages() {
    local page1 page2
    page1=$(window '^ スタートアップ - zunoko$')
    type_into "$page1" 80 1800 720 900 300
    type_into "$page1" 70 1800 1140 900 300
    type_into "$page1" 170 1800 1560 900 300
    wm_move "$page1" 90 60
    click "$page1" 3240 2280 1875 495 # 次へ進む
    page2=$(window '^ モード選択 - zunoko$')
    expect_at "$page2" 90 60 "the second page$1"
    wm_move "$page2" 130 80
    click "$page2" 3480 2760 1875 420 # 次へすすむ
    page3=$(window '入力データは開始してからでも変更できます$')
    expect_at "$page3" 90 60 "the third page$1"
}

# The program's settings and lock stay inside this run.
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME WAYLAND_DISPLAY XAUTHORITY XDG_CONFIG_HOME XDG_CACHE_HOME
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# A lock file left half-written by a power cut blocks no start.
printf '\x01garbage' >"$XDG_RUNTIME_DIR/tolmishiki.lock"
# A session bus of the run's own, as every desktop has: without one, libdbus would start one itself
# (dbus-launch, where dbus-x11 is installed) and note its address in the home folder.
command -v dbus-daemon >/dev/null || fail "dbus-daemon is missing (scripts/install-deps)"
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >"$work/bus.log" 2>&1 &
started+=($!)
wait_until 30 "the session bus to report its address" test -s "$work/bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")

start_desktop openbox

# 1. First start: the wizard, three pages, then the main screen.
first=$work/first
mkdir "$first"
start_program "$first"
main_pid=$pid
through_first_run_pages ""
click "$page3" 120 2175 5355 435 # start the diet
main=$(window '^ トルミ式 - zunoko$')
expect_at "$main" 90 60 "the main screen after the first-run pages"
[ "$(wc -l <"$first/tolmidata/yourdata.csv")" -eq 10 ] || fail "yourdata.csv does not have ten lines"
[ "$(line "$first/tolmidata/yourdata.csv" 1)" = "1,80" ] || fail "the diet was not declared"
[ "$(line "$first/tolmidata/yourdata.csv" 5)" = "900,100" ] &&
    [[ $(line "$first/tolmidata/yourdata.csv" 6) == 1350,* ]] ||
    fail "the declared place reads \"$(line "$first/tolmidata/yourdata.csv" 5)\" \"$(line "$first/tolmidata/yourdata.csv" 6)\""
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
# The same data folder from another session's runtime folder, and through a symlink from another
# working directory.
mkdir -m 700 "$work/other-runtime"
mkdir "$work/elsewhere"
ln -s "$first/tolmidata" "$work/elsewhere/tolmidata"
for folder in "$first" "$work/elsewhere"; do
    start_program "$folder" "XDG_RUNTIME_DIR=$work/other-runtime"
    refusal=$(window '^TolmiShiki$')
    timeout 10 xdotool windowactivate --sync "$refusal" key Return
    expect_ended "$pid" "the refused start in $folder from another session"
done
kill -0 "$main_pid" 2>/dev/null || fail "the first program ended with the second"
visible_window '^ トルミ式 - zunoko$' >/dev/null || fail "the main screen is gone"
[ "$(checksums "$first")" = "$before" ] || fail "the refused start changed a file"
[ "$(ls "$first")" = "tolmidata" ] || fail "something was written beside tolmidata: $(ls "$first")"
echo "ok: second starts were refused, from another session and another spelling too, and changed nothing"

# 4. Under each window manager, on a desktop of its own: every screen change puts the new screen's
# frame where the closing one stood, on a screen's first show and on every later one (a creep by the
# frame's extents would show over the round trips), however the window manager moved the closing
# one; the wizard's pages follow the first page; the exit save records the frame's place.

# One screen change of in_place_under: presses the control of window $1 at $2 (left, top, width,
# height in twips), or its close box for "close", waits for the window whose title matches $3 and
# checks that its frame stands at $4, $5 ($6 names it); sets screen to the window's id.
change_screen() {
    local from=$1 control=$2 title=$3 left=$4 top=$5 what=$6
    if [ "$control" = close ]; then
        wmctrl -i -c "$from"
    else
        click "$from" $control
    fi
    screen=$(window "$title")
    expect_at "$screen" "$left" "$top" "$what ($wm)"
}

# Run under the window manager $1: a fresh start through the wizard's pages, left on the third;
# then a start whose deadline has passed, its dialog at the saved place (900 and 1500 twips: 100,
# 60), and from it the main screen, the win/loss table, the settings screen, the copy
# customisation, the help from both, the unsaved-changes dialog and the weight chart.
in_place_under() {
    local wm=$1 folder=$work/in-place-$1 display=$DISPLAY screen round functions decorations
    local main='^ トルミ式 - zunoko$' settings='^ 設定画面 - zunoko' help=' \(\?_\?\) - zunoko$'
    local table='^ トルミな星取表 - zunoko$'
    start_desktop "$wm"
    mkdir -p "$folder/wizard" "$folder/deadline/tolmidata"

    # The desktop is a session of its own, beside the one the other sections' program runs in.
    start_program "$folder/wizard" "XDG_RUNTIME_DIR=$desktop_runtime"
    through_first_run_pages " ($wm)"
    click "$page3" 120 2730 2617 435 # やっぱりやーめた
    expect_ended "$pid" "the program after the wizard ($wm)"

    printf '%s\r\n' 1,80 0,70 0,170 0,100 900,100 1500,'"www.5ch.net"' 15724527,'"URL2"' \
        8404992,'#2020-01-01#' 30,'#2020-01-02#' '#2020-01-05#,79.5' '#2020-01-01#,80' \
        >"$folder/deadline/tolmidata/yourdata.csv"
    start_program "$folder/deadline" "XDG_RUNTIME_DIR=$desktop_runtime"
    local run_pid=$pid
    screen=$(window '^　\(´＿｀。\)$')
    expect_at "$screen" 100 60 "the deadline dialog at start-up ($wm)"
    wm_move "$screen" 211 133
    change_screen "$screen" "2460 2400 2895 495" "$main" 211 133 "main after the deadline dialog"
    # A window of fixed size asks the window manager for no maximise function or button (Motif
    # hints: flags, functions, decorations; maximise is 0x10 among the functions, 0x40 the button).
    read -r _ functions decorations _ <<<"$(xprop -id "$screen" _MOTIF_WM_HINTS | cut -d= -f2 |
        tr -d ,)"
    ((functions & 0x10 || decorations & 0x40)) && fail "the main screen offers to maximise ($wm)"

    for round in 1 2; do # ●○, 戻る, 入力, 設定を終了する with nothing changed
        change_screen "$screen" "2280 3000 1095 255" "$table" 211 133 "the table, round $round"
        change_screen "$screen" "4440 2640 1095 615" "$main" 211 133 "main after the table $round"
        change_screen "$screen" "4560 3000 975 255" "$settings" 211 133 "settings, round $round"
        change_screen "$screen" "50 2580 2110 375" "$main" 211 133 "main after the settings $round"
    done
    # The settings screen a third time at the same place, and back from the copy customisation
    # where it stood; then the help from it, the dialog of its unsaved weighing and the main screen.
    change_screen "$screen" "4560 3000 975 255" "$settings" 211 133 "settings, round 3"
    change_screen "$screen" "2200 3000 1095 255" 'コピーのカスタマイズ - zunoko$' 211 133 "the copy dialog"
    wm_move "$screen" 150 90
    change_screen "$screen" "2880 2880 2535 350" "$settings" 211 133 "settings after the copy dialog"
    change_screen "$screen" "2200 2580 1095 375" "$help" 211 133 "the help from the settings screen"
    wm_move "$screen" 260 170
    change_screen "$screen" close "$settings" 260 170 "the settings screen after the help"
    click "$screen" 3360 3000 735 255 # 新規
    timeout 10 xdotool type --delay 30 77.0
    click "$screen" 4120 3000 800 255 # 書込
    change_screen "$screen" "50 2580 2110 375" '・◇・\) \? \?$' 260 170 "the unsaved-changes dialog"
    wm_move "$screen" 280 190
    change_screen "$screen" "2400 1320 1455 375" "$main" 280 190 "the main screen after キャンセル"
    # The help and the weight chart from the main screen.
    change_screen "$screen" "3480 3000 975 255" "$help" 280 190 "the help from the main screen"
    wm_move "$screen" 305 207
    change_screen "$screen" close "$main" 305 207 "the main screen after the help"
    change_screen "$screen" "5040 1520 450 435" '^ 体重グラフ - zunoko$' 305 207 "the weight chart"
    wm_move "$screen" 240 170
    change_screen "$screen" "4560 3000 975 255" "$main" 240 170 "the main screen after the chart"

    wmctrl -i -c "$screen"
    expect_ended "$run_pid" "the program after its main window closed ($wm)"
    local saved=$folder/deadline/tolmidata/yourdata.csv
    [ "$(line "$saved" 5)" = "2550,100" ] && [[ $(line "$saved" 6) == 3600,* ]] ||
        fail "the saved place reads \"$(line "$saved" 5)\" \"$(line "$saved" 6)\" ($wm)"
    end_desktop
    export DISPLAY=$display
    echo "ok: under $wm every screen change kept the frame's place, and the exit save recorded it"
}

for wm in openbox xfwm4 icewm fluxbox; do
    in_place_under "$wm"
done

# 5. Closing the main window through the window manager saves the window's place in twips.
wm_move "$main" 123 77
read -r left top <<<"$(frame_place "$main")"
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

# 6. The road of one weighing, under the C locale and under a German one whose decimal separator
# is a comma: both must show and save exactly the same. A diet of 80 kg towards 70 kg, 170 cm,
# declared on 2020-01-01 with one weighing since; the road weighs 78.5 kg today.
diet_file() {
    printf '%s\r\n' 1,80 0,70 0,170 0,100 900,100 1500,'"www.5ch.net"' 15724527,'"URL2"' \
        8404992,'#2020-01-01#' 0,'#2020-01-02#' '#2020-01-05#,79.5' '#2020-01-01#,80'
}
today=$(date +%Y-%m-%d)

# Adds a weighing of $2 kg on the settings screen $1 and finishes it: the dialog appears.
weigh_and_finish() {
    local settings=$1
    click "$settings" 3360 3000 735 255 # 新規
    timeout 10 xdotool type --delay 30 "$2"
    click "$settings" 4120 3000 800 255 # 書込
    click "$settings" 50 2580 2110 375  # 設定を終了する
    window '・◇・\) \? \?$'
}

road_of_a_weighing() {
    local locale=$1 folder=$work/road-$1 main settings dialog
    mkdir -p "$folder/tolmidata"
    diet_file >"$folder/tolmidata/yourdata.csv"
    start_program "$folder" "LC_ALL=$locale"
    local road_pid=$pid
    main=$(window '^ トルミ式 - zunoko$')
    expect_at "$main" 100 60 "the main screen at start-up ($locale)" # lines 5 and 6: 900, 1500

    # A row selected on the settings screen, then a double-click on 入力: its second click lands
    # on 削除 but deletes nothing, so finishing goes straight back to the main screen.
    click "$main" 4560 3000 975 255 # 入力
    settings=$(window '^ 設定画面 - zunoko')
    click "$settings" 3360 1410 2175 30 # row 1 of the table
    click "$settings" 50 2580 2110 375  # 設定を終了する
    main=$(window '^ トルミ式 - zunoko$')
    timeout 10 xdotool windowactivate --sync "$main" mousemove --window "$main" \
        $(((4560 + 975 / 2) / 15)) $(((3000 + 255 / 2) / 15)) click --repeat 2 --delay 80 1
    settings=$(window '^ 設定画面 - zunoko')
    click "$settings" 50 2580 2110 375 # 設定を終了する
    main=$(window '^ トルミ式 - zunoko$')
    [ "$(diet_file)" = "$(cat "$folder/tolmidata/yourdata.csv")" ] || fail "the double-click changed the file"

    # キャンセル in the moved dialog: the main screen comes back there and nothing is saved.
    click "$main" 4560 3000 975 255
    dialog=$(weigh_and_finish "$(window '^ 設定画面 - zunoko')" 77.0)
    wm_move "$dialog" 280 190
    click "$dialog" 2400 1320 1455 375 # キャンセル
    main=$(window '^ トルミ式 - zunoko$')
    expect_at "$main" 280 190 "the main screen after キャンセル ($locale)"
    [ "$(diet_file)" = "$(cat "$folder/tolmidata/yourdata.csv")" ] || fail "キャンセル changed the file"

    # 変更を保存する in the moved dialog: saved, with the dialog's place as the window's.
    click "$main" 4560 3000 975 255
    dialog=$(weigh_and_finish "$(window '^ 設定画面 - zunoko')" 78.5)
    wm_move "$dialog" 333 222
    click "$dialog" 240 1320 2055 375 # 変更を保存する
    main=$(window '^ トルミ式 - zunoko$')
    expect_at "$main" 333 222 "the main screen after 変更を保存する ($locale)"
    click "$main" 120 3000 975 255 # コピー
    wait_until 20 "the copied text" clipboard_filled
    head -n 4 "$copied" | tr -d '\r' >"$folder/shown"
    line "$copied" 5 | cut -d ' ' -f 1-3 >>"$folder/shown"
    wmctrl -i -c "$main"
    expect_ended "$road_pid" "the program after the road ($locale)"
}

road_of_a_weighing C.UTF-8
road_of_a_weighing de_DE.UTF-8
weighed=$work/road-C.UTF-8/tolmidata/yourdata.csv
[ "$(line "$weighed" 5)" = "3330,100" ] && [ "$(line "$weighed" 6)" = '4995,"www.5ch.net"' ] ||
    fail "the saved position reads \"$(line "$weighed" 5)\" \"$(line "$weighed" 6)\""
[ "$(line "$weighed" 10)" = "#$today#,78.5" ] || fail "the saved weighing reads \"$(line "$weighed" 10)\""
[ "$(wc -l <"$weighed")" -eq 12 ] || fail "the saved log does not have three entries"
shown=$work/road-C.UTF-8/shown
[ "$(sed -n 1p "$shown")" = "レベル： アジアゾウ" ] &&
    [[ $(sed -n 2p "$shown") == "現在： 78.5 kg ("*") bmi27.2" ]] &&
    [ "$(sed -n 3p "$shown")" = "開始： 80.0 kg (20年01月01日) bmi27.7" ] &&
    [ "$(sed -n 4p "$shown")" = "目標： 70.0 kg (目標達成率 15.0 %)" ] &&
    [ "$(sed -n 5p "$shown")" = "増減： -1.5 kg" ] || fail "the main screen shows: $(cat "$shown")"
cmp -s "$weighed" "$work/road-de_DE.UTF-8/tolmidata/yourdata.csv" || fail "de_DE.UTF-8 saved another file"
cmp -s "$shown" "$work/road-de_DE.UTF-8/shown" ||
    fail "de_DE.UTF-8 shows: $(cat "$work/road-de_DE.UTF-8/shown")"
echo "ok: the road of one weighing shows and saves the same under C.UTF-8 and de_DE.UTF-8"

# 7. Ends without the close box: while the main screen shows, SIGTERM and SIGHUP save as the close
# box would (the moved window's place reaches the file); while the settings screen shows, Ctrl+C
# (SIGINT) writes nothing.
ends=$work/road-C.UTF-8
for signal in TERM HUP; do
    start_program "$ends"
    main=$(window '^ トルミ式 - zunoko$')
    wm_move "$main" 140 95
    kill -s "$signal" "$pid"
    expect_ended "$pid" "the program after SIG$signal"
    [ "$(line "$ends/tolmidata/yourdata.csv" 5)" = "1425,100" ] ||
        fail "SIG$signal did not save the window's place"
    sed -i '5s/^1425,/0,/' "$ends/tolmidata/yourdata.csv"
done
before=$(checksums "$ends")
start_program "$ends"
click "$(window '^ トルミ式 - zunoko$')" 4560 3000 975 255
settings=$(window '^ 設定画面 - zunoko')
click "$settings" 3360 3000 735 255 # 新規, and no 書込
kill -s INT "$pid"
expect_ended "$pid" "the program after SIGINT"
[ "$(checksums "$ends")" = "$before" ] || fail "SIGINT on the settings screen changed a file"
echo "ok: SIGTERM and SIGHUP saved from the main screen, SIGINT on the settings screen wrote nothing"

# 8. The colour dialog speaks Japanese, and adding a custom colour writes nothing outside tolmidata.
start_program "$ends"
click "$(window '^ トルミ式 - zunoko$')" 4560 3000 975 255
click "$(window '^ 設定画面 - zunoko')" 3360 600 735 255 # 文字色
colours=$(window '^色を選択$')
timeout 10 xdotool windowactivate --sync "$colours" key alt+a # カスタムカラーに追加(&A)
timeout 10 xdotool windowactivate --sync "$colours" key Escape
window '^ 設定画面 - zunoko' >/dev/null
kill -s TERM "$pid"
expect_ended "$pid" "the program after the colour dialog"
[ -z "$(find "$HOME" -mindepth 1)" ] || fail "written in the home folder: $(find "$HOME" -mindepth 1)"
[ "$(ls "$ends")" = "$(printf 'shown\ntolmidata')" ] || fail "written beside tolmidata: $(ls "$ends")"
echo "ok: the colour dialog read Japanese and wrote nothing outside tolmidata"

# 9. A damaged yourdata.csv (five lines) is kept aside and replaced by the default file. This start
# has no runtime folder: the program takes Qt's private fallback without a word.
second=$work/second
mkdir -p "$second/tolmidata"
head -n 5 "$saved" >"$second/tolmidata/yourdata.csv"
damaged=$(sha256sum <"$second/tolmidata/yourdata.csv")
mkdir "$work/tmp"
start_program "$second" -u XDG_RUNTIME_DIR "TMPDIR=$work/tmp"
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
! grep -q XDG_RUNTIME_DIR "$work/program.log" || fail "the program warned about the runtime folder"
echo "ok: the damaged file was kept and replaced by the default file"

# 10. The weight chart: a click on a chick opens it in the main screen's place, "コピー" puts a
# picture of twice its pixels on the clipboard with the forecast line as its text, "戻る" and the
# menu's "体重グラフ" (by right click, Shift+F10 and the Menu key) come and go in place, and no
# file changes. The log loses 0.1 kg a day for 400 days
# from 120 kg toward 70 kg; by hand, the trend ends 0.9 kg behind the last weighing, at 81.0 kg,
# and falls 0.70 kg a week, so it reaches 70 kg 110 days after 2021-02-03.
chart_run=$work/chart
mkdir -p "$chart_run/tolmidata"
{
    printf '%s\r\n' 1,120 0,70 0,170 0,100 900,100 1500,'"www.5ch.net"' 15724527,'"URL2"' \
        8404992,'#2020-01-01#' 0,'#2020-01-02#'
    for ((k = 399; k >= 1; k--)); do
        printf '#%s#,%d.%d\r\n' "$(date -d "2020-01-01 + $k days" +%Y-%m-%d)" \
            $(((1200 - k) / 10)) $(((1200 - k) % 10))
    done
    printf '#2020-01-01#,120\r\n'
} | sed 's/\.0\r$/\r/' >"$chart_run/tolmidata/yourdata.csv"
start_program "$chart_run"
chart_pid=$pid
main=$(window '^ トルミ式 - zunoko$')
before=$(checksums "$chart_run") # start-up has written the default customdata.csv
wm_move "$main" 210 140
click "$main" 5040 1520 450 435 # a chick of the column
chart=$(window '^ 体重グラフ - zunoko$')
expect_at "$chart" 210 140 "the chart opened by a chick"
! visible_window '^ トルミ式 - zunoko$' >/dev/null || fail "the main screen stays beside the chart"
click "$chart" 3480 3000 975 255 # コピー
copied_png() {
    timeout 10 xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/png
}
wait_until 20 "a picture on the clipboard" copied_png
timeout 10 xclip -selection clipboard -t image/png -o >"$work/copied.png"
[ "$(od -An -tx1 -N8 "$work/copied.png" | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "the clipboard's image/png is not a PNG picture"
# The picture is drawn at twice the window's pixels: the PNG header's width and height.
png_header=$(od -An -tx1 -j16 -N8 "$work/copied.png" | tr -d ' \n')
[ ${#png_header} -eq 16 ] || fail "the copied picture has no size in its header"
png_width=$((16#${png_header:0:8})) png_height=$((16#${png_header:8:8}))
[ "$png_width" -ge 714 ] && [ "$png_height" -ge 386 ] ||
    fail "the copied picture is $png_width × $png_height pixels, not at least 714 × 386"
forecast=$(timeout 10 xclip -selection clipboard -t UTF8_STRING -o)
[ "$forecast" = "このペースなら 2021年5月24日ごろ目標達成（週 -0.70 kg）" ] ||
    fail "the forecast reads \"$forecast\""
wm_move "$chart" 240 170
click "$chart" 4560 3000 975 255 # 戻る
main=$(window '^ トルミ式 - zunoko$')
expect_at "$main" 240 170 "the main screen after the chart's 戻る"
timeout 10 xdotool windowactivate --sync "$main" mousemove --window "$main" 150 40 click 3
sleep 0.5
timeout 10 xdotool key Down Return # the menu's one item, 体重グラフ
chart=$(window '^ 体重グラフ - zunoko$')
expect_at "$chart" 240 170 "the chart opened from the menu"
wmctrl -i -c "$chart"
main=$(window '^ トルミ式 - zunoko$')
expect_at "$main" 240 170 "the main screen after the chart's close box"
# From the keyboard alone: Shift+F10 or the Menu key opens the menu, G its entry 体重グラフ(G).
for menu_key in shift+F10 Menu; do
    timeout 10 xdotool windowactivate --sync "$main" key --clearmodifiers "$menu_key"
    sleep 0.5
    timeout 10 xdotool key g
    chart=$(window '^ 体重グラフ - zunoko$')
    expect_at "$chart" 240 170 "the chart opened by $menu_key and G"
    timeout 10 xdotool windowactivate --sync "$chart" key Escape
    main=$(window '^ トルミ式 - zunoko$')
    expect_at "$main" 240 170 "the main screen after the chart's Escape"
done
[ "$(checksums "$chart_run")" = "$before" ] || fail "the chart changed a file in tolmidata"
wmctrl -i -c "$main"
expect_ended "$chart_pid" "the program after the chart"
echo "ok: the chart opened from a chick and the menu in place, copied a ${png_width} × ${png_height} picture with its forecast and wrote nothing"

# 11. Keys and a screen reader: the first page's boxes are named over AT-SPI and take full-width
# numbers; Escape leaves no first-run page nor the unsaved-changes dialog; Return presses the focused
# button, and in the weight box writes; Tab leaves the weight table; F1 opens the help; Escape
# closes it and leaves the win/loss table.
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing (scripts/install-deps)"
boxes() { # "name=text" of each box, one line per window of the program; starts the AT-SPI bus
    /usr/bin/python3 -c '
import pyatspi
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == "tolmishiki":
        for window in app:
            print(" ".join(box.name + "=" + box.queryText().getText(0, -1)
                           for box in window if box.getRoleName() == "text"))
' 2>/dev/null
}
boxes_read() { # as the pattern $1
    [[ $(boxes) == $1 ]]
}
press() {
    local id=$1
    shift
    timeout 10 xdotool windowactivate --sync "$id" key --delay 100 "$@"
}
typed() {
    timeout 10 xdotool type --delay 30 "$1"
}
# Runs the typing command $2... until the boxes read as the pattern $1, at most three times: a
# character the keyboard map lacks comes through a key that xdotool maps for the while, and now
# and then the program reads that key before its new meaning.
type_until() {
    local pattern=$1 attempt k
    shift
    for attempt in 1 2 3; do
        "$@"
        for ((k = 0; k < 30; k++)); do
            boxes_read "$pattern" && return 0
            sleep 0.1
        done
    done
    fail "the boxes read \"$(boxes)\", not \"$pattern\""
}
boxes >/dev/null
keyboard=$work/keyboard
mkdir "$keyboard"
start_program "$keyboard" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
keyboard_pid=$pid
page1=$(window '^ スタートアップ - zunoko$')
wait_until 30 "the boxes named over AT-SPI (now \"$(boxes)\")" boxes_read "現在の体重= 目標の体重= 身長="
fill_page1() { # Tab, not a click, so that no click overtakes the typed keys
    click "$page1" 1800 720 900 300
    press "$page1" ctrl+a
    typed '８５．０'
    press "$page1" Tab
    typed '７０'
    press "$page1" Tab
    typed 170
}
type_until "現在の体重=８５．０ 目標の体重=７０ 身長=170" fill_page1
press "$page1" Escape Tab Tab Return # past 性別 to 次へ進む
page2=$(window '^ モード選択 - zunoko$')
press "$page2" Escape
click "$page2" 3480 2760 1875 420 # 次へすすむ
click "$(window '入力データは開始してからでも変更できます$')" 120 2175 5355 435
[ "$(line "$keyboard/tolmidata/yourdata.csv" 1)" = "1,85" ] &&
    [ "$(line "$keyboard/tolmidata/yourdata.csv" 2)" = "1,70" ] ||
    fail "the full-width weights were declared as \"$(head -n 2 "$keyboard/tolmidata/yourdata.csv")\""
press "$(window '^ トルミ式 - zunoko$')" F1
press "$(window ' \(\?_\?\) - zunoko$')" Escape
click "$(window '^ トルミ式 - zunoko$')" 2280 3000 1095 255 # ●○
press "$(window '^ トルミな星取表 - zunoko$')" Escape
click "$(window '^ トルミ式 - zunoko$')" 4560 3000 975 255 # 入力
settings=$(window '^ 設定画面 - zunoko')
click "$settings" 3360 1410 2175 30 # the declaration entry: the table takes the focus, no row
press "$settings" Tab Return # 新規, dated today: the diet's declaration day, so tomorrow instead
tomorrow=$(date -d tomorrow +%Y%m%d | sed 'y/0123456789/０１２３４５６７８９/')
fill_entry() {
    press "$settings" shift+Tab ctrl+a
    typed "$tomorrow"
    press "$settings" Tab
    typed '８４．５'
}
type_until "* 年月日=$tomorrow 体重=８４．５" fill_entry
press "$settings" Return
wait_until 20 "書込 by Return" boxes_read "* 年月日=西暦年月日 体重=体重kg"
click "$settings" 50 2580 2110 375 # 設定を終了する
dialog=$(window '・◇・\) \? \?$')
press "$dialog" Escape
sleep 0.5
visible_window '・◇・\) \? \?$' >/dev/null || fail "Escape closed the unsaved-changes dialog"
press "$dialog" Return
main=$(window '^ トルミ式 - zunoko$')
[ "$(line "$keyboard/tolmidata/yourdata.csv" 10)" = "#$(date -d tomorrow +%Y-%m-%d)#,84.5" ] ||
    fail "the weighing by keys reads \"$(line "$keyboard/tolmidata/yourdata.csv" 10)\""
wmctrl -i -c "$main"
expect_ended "$keyboard_pid" "the program after the keys"
echo "ok: names over AT-SPI, full-width numbers, Tab, Return, Escape and F1 on the real program"

# 12. Without a display the program says in plain words that it needs a desktop session and ends
# with a failure, before Qt aborts, having written nothing.
headless=$work/headless
mkdir "$headless"
for display in -u\ DISPLAY DISPLAY=:4242; do
    status=0
    said=$(cd "$headless" && exec timeout 20 env $display "$program" 2>&1) || status=$?
    [ "$status" -eq 1 ] && grep -q 'デスクトップのセッションの中で起動してください' <<<"$said" &&
        grep -q 'start it within a desktop session' <<<"$said" && ! grep -q Reinstalling <<<"$said" ||
        fail "with $display the program ended with status $status, saying: $said"
done
[ -z "$(ls -A "$headless")" ] || fail "written without a display: $(ls -A "$headless")"
echo "ok: without a display the program asked for a desktop session and wrote nothing"

# The nine settings lines of the road's diet with lines 6 and 9 as given.
diet_header() {
    diet_file | head -n 9 | LC_ALL=C sed "6s|.*|$1\r|; 9s|.*|$2\r|"
}

dismiss_message() {
    timeout 10 xdotool windowactivate --sync "$(window '^TolmiShiki$')" key Return
}

# Starts the program in $1 (with the rest before it, such as strace) and closes its main screen.
open_and_close() {
    local folder=$1
    shift
    (cd "$folder" && "$@" "$program" || true) >>"$work/program.log" 2>&1 &
    started+=($!)
    wmctrl -i -c "$(window '^ トルミ式 - zunoko$')"
    expect_ended "$!" "the program in $folder"
}

# 13. A valid yourdata.csv its user may not read (root's, 0600, after a run under sudo; run as root,
# the user is nobody) and a named pipe in its place are left as they are: a message, then the
# program ends without the first-run pages and without writing anything.
locked=$work/locked
mkdir -p "$locked/tolmidata" "$work/pipe/tolmidata"
diet_file >"$locked/tolmidata/yourdata.csv"
chmod 600 "$locked/tolmidata/yourdata.csv"
mkfifo "$work/pipe/tolmidata/yourdata.csv"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chmod o+x "$work"
    mkdir -m 700 "$work/nobody-home"
    chown nobody "$locked" "$locked/tolmidata" "$work/nobody-home"
    # A copy of the program that nobody may run, wherever the build folder lies (under /root, say).
    install -m 755 "$program" "$work/tolmishiki-for-nobody"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups env "HOME=$work/nobody-home"
        "XDG_RUNTIME_DIR=$work/nobody-home" "$work/tolmishiki-for-nobody")
else
    chmod 000 "$locked/tolmidata/yourdata.csv"
    as_user=("$program")
fi
looked=$(stat -c '%s %Y %a %U' "$locked/tolmidata/yourdata.csv")
for folder in "$locked" "$work/pipe"; do
    (cd "$folder" && exec "${as_user[@]}") >>"$work/program.log" 2>&1 &
    started+=($!)
    dismiss_message
    expect_ended "$!" "the program that cannot open $folder/tolmidata/yourdata.csv"
    [ "$(ls "$folder/tolmidata")" = yourdata.csv ] || fail "written in $folder: $(ls "$folder/tolmidata")"
    as_user=("$program")
done
[ "$(stat -c '%s %Y %a %U' "$locked/tolmidata/yourdata.csv")" = "$looked" ] || fail "the file was touched"
[ -p "$work/pipe/tolmidata/yourdata.csv" ] || fail "the named pipe was replaced"
echo "ok: an unreadable yourdata.csv and a named pipe were left alone with a message"

# 14. Values the boxes could not hold or show: a 350-character web address ending in a byte pair
# the Windows code page leaves unassigned (0x85 0x40) and a 32767-day deadline. The diet opens on
# the main screen and the exit save writes them back byte for byte.
long=$work/long
mkdir -p "$long/tolmidata"
address=$(printf 'a%.0s' {1..350})$'\x85\x40'
{
    diet_header "1500,\"$address\"" '32767,#2020-01-02#'
    diet_file | tail -n 2
} >"$long/tolmidata/yourdata.csv"
cp "$long/tolmidata/yourdata.csv" "$work/long-original"
open_and_close "$long"
for n in 6 9; do
    cmp -s <(sed -n ${n}p "$long/tolmidata/yourdata.csv") <(sed -n ${n}p "$work/long-original") ||
        fail "line $n came back as \"$(line "$long/tolmidata/yourdata.csv" $n | head -c 80)…\""
done
[ "$(ls "$long/tolmidata")" = "$(printf 'customdata.csv\nyourdata.csv')" ] || fail "the file was kept aside"
echo "ok: odd bytes, a 350-character address and a 32767-day deadline survived an open and a save"

# 15. A NUL in the weight of one log line costs that line alone: the user is told, the main screen
# shows the true newest weighing (76 kg, not the start weight), and the exit save keeps the others.
nul=$work/nul
mkdir -p "$nul/tolmidata"
{
    diet_file | head -n 9
    printf '#2020-01-08#,76\r\n#2020-01-06#,7\0008\r\n#2020-01-05#,79.5\r\n#2020-01-01#,80\r\n'
} >"$nul/tolmidata/yourdata.csv"
cp "$nul/tolmidata/yourdata.csv" "$work/nul-original"
start_program "$nul"
nul_pid=$pid
dismiss_message
main=$(window '^ トルミ式 - zunoko$')
click "$main" 120 3000 975 255 # コピー
wait_until 20 "the copied text" clipboard_filled
[[ $(line "$copied" 2) == "現在： 76.0 kg ("* ]] || fail "the main screen shows \"$(line "$copied" 2)\""
wmctrl -i -c "$main"
expect_ended "$nul_pid" "the program with a NUL in a log line"
[ "$(tail -n 3 "$nul/tolmidata/yourdata.csv" | tr -d '\r')" = \
    "$(printf '#2020-01-08#,76\n#2020-01-05#,79.5\n#2020-01-01#,80')" ] ||
    fail "the exit save wrote: $(tail -n 4 "$nul/tolmidata/yourdata.csv")"
kept=("$nul"/tolmidata/yourdata.csv.unreadable-*)
[ ${#kept[@]} -eq 1 ] && cmp -s "${kept[0]}" "$work/nul-original" || fail "no whole copy of the original"
echo "ok: a NUL in one log line cost that line alone, through the exit save"

# 16. Every rename of a save is followed by a flush of the folder (strace -y shows descriptors with
# their paths). A save killed at its rename leaves its temporary file behind (yourdata.csv and six
# letters); the next start removes it and nothing else. The program renames nothing but its saves.
flushed=$work/flushed
mkdir -p "$flushed/tolmidata"
diet_file >"$flushed/tolmidata/yourdata.csv"
touch "$flushed/tolmidata/yourdata.csv.bak"
open_and_close "$flushed" strace -f -qq -y -o "$work/strace.log" -e trace=rename,renameat,renameat2,fsync
renames=$(grep -cE 'rename(at2?)?\(.*tolmidata/.* = 0$' "$work/strace.log") || true
unflushed=$(grep -E 'rename(at2?)?\(.*tolmidata/.* = 0$|fsync\([0-9]+<[^>]*/tolmidata>\) += 0$' \
    "$work/strace.log" | awk '/rename/ {if (open) n++; open = 1} /fsync/ {open = 0} END {print n + open}')
[ "$renames" -ge 1 ] && [ "$unflushed" -eq 0 ] ||
    fail "$unflushed of $renames renames were not followed by a flush: $(cat "$work/strace.log")"
open_and_close "$flushed" strace -f -qq -o /dev/null -e trace=rename,renameat,renameat2 \
    -e inject=rename,renameat,renameat2:signal=KILL
leftovers=("$flushed"/tolmidata/yourdata.csv.??????)
[ ${#leftovers[@]} -eq 1 ] && [ -f "${leftovers[0]}" ] || fail "the killed save left no temporary file"
open_and_close "$flushed"
[ ! -e "${leftovers[0]}" ] && [ -e "$flushed/tolmidata/yourdata.csv.bak" ] ||
    fail "the next start left $(ls "$flushed/tolmidata")"
echo "ok: every rename of the save ($renames) was followed by a flush; a killed save's leftover went at the next start"

# 17. A 120-character copy title survives the copy customisation's save without a change.
mkdir -p "$work/title/tolmidata"
diet_file >"$work/title/tolmidata/yourdata.csv"
{
    printf '0,"%s"\r\n' "$(printf '長%.0s' {1..120})"
    for n in {2..20}; do printf '0,"title %d"\r\n' "$n"; done
} | iconv -f UTF-8 -t CP932 | tee "$work/title-original" >"$work/title/tolmidata/customdata.csv"
start_program "$work/title"
title_pid=$pid
click "$(window '^ トルミ式 - zunoko$')" 4560 3000 975 255 # 入力
click "$(window '^ 設定画面 - zunoko')" 2200 3000 1095 255 # コピー変更
click "$(window '^ コピーのカスタマイズ - zunoko$')" 120 2880 2655 350 # 保存して終了
click "$(window '^ 設定画面 - zunoko')" 50 2580 2110 375 # 設定を終了する
wmctrl -i -c "$(window '^ トルミ式 - zunoko$')"
expect_ended "$title_pid" "the program after the copy customisation"
cmp -s "$work/title/tolmidata/customdata.csv" "$work/title-original" || fail "the long title was cut"
echo "ok: a 120-character title survived the copy customisation's save"

# 18. A spreadsheet's slip makes every weight 1e17 kg: the weight chart still opens and returns.
mkdir -p "$work/huge/tolmidata"
{
    diet_file | head -n 9 | sed '1s/.*/1,100000000000000000\r/; 2s/.*/0,99999999999999984\r/'
    printf '#2020-01-05#,100000000000000000\r\n#2020-01-01#,100000000000000000\r\n'
} >"$work/huge/tolmidata/yourdata.csv"
start_program "$work/huge"
huge_pid=$pid
click "$(window '^ トルミ式 - zunoko$')" 5040 1520 450 435 # a chick
click "$(window '^ 体重グラフ - zunoko$')" 4560 3000 975 255 # 戻る
wmctrl -i -c "$(window '^ トルミ式 - zunoko$')"
expect_ended "$huge_pid" "the program after the chart of 1e17 kg"
echo "ok: the chart of a 1e17 kg diet opened and returned"

# 19. Three rows as a spreadsheet copies them (a heading, a decimal comma, a time of day), pasted
# with Ctrl+V into the weight table and saved: newest first, the declaration entry still last.
mkdir -p "$work/pasted/tolmidata"
diet_file >"$work/pasted/tolmidata/yourdata.csv"
printf '日付\t体重\r\n2020/01/03\t79,8\r\n2020-01-09 07:30\t78.9\r\n2020/01/07\t79,1\r\n' |
    xclip -selection clipboard -i -quiet >/dev/null 2>&1 &
started+=($!)
wait_until 20 "the rows on the clipboard" clipboard_filled
start_program "$work/pasted"
click "$(window '^ トルミ式 - zunoko$')" 4560 3000 975 255 # 入力
settings=$(window '^ 設定画面 - zunoko')
click "$settings" 3360 1710 2175 30 # the declaration entry: the table takes the focus, no row
timeout 10 xdotool windowactivate --sync "$settings" key ctrl+v
timeout 10 xdotool windowactivate --sync "$(window '^TolmiShiki$')" key Return
click "$settings" 50 2580 2110 375                      # 設定を終了する
click "$(window '・◇・\) \? \?$')" 240 1320 2055 375 # 変更を保存する
wmctrl -i -c "$(window '^ トルミ式 - zunoko$')"
expect_ended "$pid" "the program after the paste"
[ "$(tail -n 5 "$work/pasted/tolmidata/yourdata.csv" | tr -d '\r')" = "$(printf '%s\n' \
    '#2020-01-09#,78.9' '#2020-01-07#,79.1' '#2020-01-05#,79.5' '#2020-01-03#,79.8' '#2020-01-01#,80')" ] ||
    fail "the pasted rows were saved as: $(tail -n 6 "$work/pasted/tolmidata/yourdata.csv")"
echo "ok: three rows pasted from a spreadsheet were saved newest first, the declaration entry last"
