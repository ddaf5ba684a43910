#!/bin/bash
# Runs the real workbench on a design file with --events, drives the shown form
# with pointer and key input as a person would, and checks the journal lines the
# log receives and the form's pixels; then changes the file and checks that the
# form is rebuilt, and that a malformed change leaves the last good form.
# Usage: end_to_end.sh Workbench.exe PREFIX TOOLS_DIR Input.design
set -euo pipefail
program=$1
prefix=$2
tools=$3
input=$4
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; [[ -f $work/events.log ]] && cat "$work/events.log" >&2; exit 1; }

cp "$input" "$work/form.design"
"$tools/wine-run" "$prefix" "$program" --events "$work/events.log" "$work/form.design" & pid=$!

window_named() {
    local found=
    for ((i = 0; i < ${2:-300}; i++)); do
        found=$(xdotool search --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null | head -n 1) && [[ -n $found ]] && break
        sleep 0.1
    done
    echo "$found"
}
window=$(window_named "Workbench input")
[[ -n $window ]] || fail "the form did not appear"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ $WIDTH == 320 && $HEIGHT == 240 ]] || fail "the form is ${WIDTH}x${HEIGHT}, not its design's 320x240"

snap() { import -window root "$work/shot.png"; }
colours() { convert "$work/shot.png" -crop "$1" +repage -format %k info:; }
digest() { convert "$work/shot.png" -crop "$1" +repage rgb:- | md5sum | cut -c1-12; }
# Waits until the log holds `line` (a fixed string), for up to two seconds.
expect_line() {
    for ((i = 0; i < 20; i++)); do
        grep -qxF -- "$1" "$work/events.log" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "the journal has no line: $1"
}
expect_match() {
    for ((i = 0; i < 20; i++)); do
        grep -qx -- "$1" "$work/events.log" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "the journal has no line matching: $1"
}
# Areas of the form, in pixels: the state images of opt(0) and opt(1), the button,
# the tab strip's second tab.
option0_area="13x13+$((X + 16))+$((Y + 16))"
option1_area="13x13+$((X + 16))+$((Y + 40))"
button_area="100x30+$((X + 200))+$((Y + 192))"
tab2_area="40x16+$((X + 207))+$((Y + 18))"

snap
[[ $(colours "$button_area") -gt 2 ]] || fail "the button is not drawn"
selected=$(digest "$option0_area")
cleared=$(digest "$option1_area")
[[ $selected != "$cleared" ]] || fail "the selected option button looks like the other"

# A click on the second option button's caption selects it and clears the first.
xdotool mousemove $((X + 60)) $((Y + 48)) click 1
expect_match 'opt(1)\.MouseDown 1 0 [0-9.]* [0-9.]*'
expect_line 'opt(0).PropertyChanged "Value"'
expect_line 'opt(1).PropertyChanged "Value"'
expect_match 'opt(1)\.MouseUp 1 0 [0-9.]* [0-9.]*'
xdotool mousemove $((X + 300)) $((Y + 120))
sleep 0.5
snap
[[ $(digest "$option1_area") == "$selected" && $(digest "$option0_area") == "$cleared" ]] ||
    fail "the option buttons did not swap their looks"

# A click on the second tab selects it: TabClick with the old and the new tab.
tab_before=$(digest "$tab2_area")
xdotool mousemove $((X + 227)) $((Y + 26)) click 1
expect_line "tabs.TabClick 1 2"
sleep 0.3
snap
[[ $(digest "$tab2_area") != "$tab_before" ]] || fail "the second tab does not look selected"

# A click in the combo box's field, then a typed letter changes its text.
xdotool mousemove $((X + 46)) $((Y + 90)) click 1
expect_match 'cbo\.MouseDown 1 0 [0-9.]* [0-9.]*'
expect_line "cbo.Click"
xdotool key End x
expect_line "cbo.Change"

# A click at (20, 10) in the button, then Space with the focus on it.
xdotool mousemove $((X + 220)) $((Y + 202)) click 1
expect_line "cmdGo(0).MouseDown 1 0 20 10"
expect_line "cmdGo(0).MouseUp 1 0 20 10"
expect_line "cmdGo(0).Click"
xdotool key space
expect_line "cmdGo(0).KeyDown 32 0"
expect_line "cmdGo(0).KeyUp 32 0"
[[ $(grep -c -xF "cmdGo(0).Click" "$work/events.log") == 2 ]] || fail "Space did not click the button"

# The file changes: the form is rebuilt within a second; a malformed change
# keeps the last good form on the screen.
sed -i 's/Caption = "Workbench input"/Caption = "Workbench input 2"/' "$work/form.design"
[[ -n $(window_named "Workbench input 2" 10) ]] || fail "the changed file was not shown within a second"
sed -i 's/Caption = "Go"/Caption = "Go/' "$work/form.design"
sleep 1.5
[[ -n $(window_named "Workbench input 2" 1) ]] || fail "a malformed change took the last good form away"
echo "end to end: $(wc -l < "$work/events.log") journal lines, rebuilt on change, last good form kept"
