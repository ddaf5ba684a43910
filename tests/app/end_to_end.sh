#!/bin/bash
# Runs the real program on the test session's display, clicks the start button
# with synthesised pointer input as a person would, and checks from the screen's
# pixels that the count, the status and the page fragment appear and clear on
# time; then clicks the exit button and checks that the process ends.
# Usage: end_to_end.sh PROGRAM.exe PREFIX TOOLS_DIR
set -euo pipefail
program=$1
prefix=$2
tools=$3
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

"$tools/wine-run" "$prefix" "$program" & pid=$!
window=
for ((i = 0; i < 300; i++)); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [[ -n $window ]] && break
    sleep 0.1
done
[[ -n $window ]] || fail "the main window did not appear"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ $WIDTH == 584 && $HEIGHT == 634 ]] || fail "window is ${WIDTH}x${HEIGHT}, not 584x634"
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
(( X == (screen_w - WIDTH) / 2 && Y == (screen_h - HEIGHT) / 2 )) || fail "window at $X,$Y is not centred"

# Areas of the window, in pixels (the window has no system frame): the count
# (Label5), the status line (Label11) and the fragment box (Text2).
count_area="33x17+$((X + 336))+$((Y + 528))"
status_area="143x14+$((X + 384))+$((Y + 528))"
fragment_area="440x70+$((X + 60))+$((Y + 312))"

snap() { import -window root "$work/shot.png"; }
colours() { convert "$work/shot.png" -crop "$1" +repage -format %k info:; }
digest() { convert "$work/shot.png" -crop "$1" +repage rgb:- | md5sum | cut -c1-12; }
# One sample: seconds since the click, the count area's digest, and the number of
# colours in the status and fragment areas (1 when empty).
sample() {
    snap
    local now=$(date +%s%N)
    echo "$(( (now - clicked) / 1000000 )) $(digest "$count_area") $(colours "$status_area") $(colours "$fragment_area")"
}

snap
count0=$(digest "$count_area")
[[ $(colours "$status_area") == 1 ]] || fail "the status line is not empty before the start"
[[ $(colours "$fragment_area") == 1 ]] || fail "the fragment box is not empty before the start"

xdotool mousemove $((X + 156)) $((Y + 588)) click 1
clicked=$(date +%s%N)
xdotool mousemove $((X + 560)) $((Y + 20))
: > "$work/samples"
while :; do
    line=$(sample)
    echo "$line" >> "$work/samples"
    (( ${line%% *} > 3400 )) && break
done
cat "$work/samples"

# With a delay of 1 s, run 1 shows its texts during [0, 1) s, clears them during
# [1, 2) s, and run 2 shows them again from 2 s. Judge each phase well inside it.
phase() { awk -v from="$1" -v to="$2" '$1 >= from && $1 < to' "$work/samples"; }
showing1=$(phase 300 800)
cleared=$(phase 1300 1800)
showing2=$(phase 2300 2800)
[[ -n $showing1 && -n $cleared && -n $showing2 ]] || fail "too few samples"
count1=$(awk 'NR == 1 {print $2}' <<<"$showing1")
[[ $count1 != "$count0" ]] || fail "the count did not change after the click"
awk -v c="$count1" '$2 != c || $3 < 2 || $4 < 2 {exit 1}' <<<"$showing1" || fail "run 1 does not show count, status and fragment"
awk -v c="$count1" '$2 != c || $3 != 1 || $4 != 1 {exit 1}' <<<"$cleared" || fail "status and fragment did not clear after one delay"
awk -v c="$count1" '$2 == c || $3 < 2 || $4 < 2 {exit 1}' <<<"$showing2" || fail "run 2 did not begin after the second delay"

# The exit button ends the program at once, also during a wait.
xdotool mousemove $((X + 340)) $((Y + 588)) click 1
for ((i = 0; i < 30; i++)); do
    kill -0 "$pid" 2>/dev/null || { echo "the program ended"; exit 0; }
    sleep 0.1
done
fail "the program did not end after the exit button"
