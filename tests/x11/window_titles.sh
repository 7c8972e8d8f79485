#!/usr/bin/env bash
# The window titles as the X server holds them (_NET_WM_NAME), which is what a window manager
# shows: Qt may add to a title on X11, which tests that read windowTitle() offscreen cannot see.
# Runs the program under Xvfb on the example list, edits it, asks to close, and answers the
# "Saving" question with Cancel: the window must stay, titled as the program sets it. Then opens a
# list of 40 satellite names with --sat40.
# Usage: window_titles.sh SKYLISTER EXAMPLE_LIST
set -euo pipefail

program=$1
example=$2
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -n "$xvfb_pid" ]; then
        kill -0 "$xvfb_pid" 2>/dev/null && echo "the X server $DISPLAY still runs" >&2 ||
            echo "the X server $DISPLAY has ended: $(cat "$work/xvfb.log" 2>/dev/null)" >&2
    fi
    exit 1
}

# Waits up to 30 s (a loaded machine starts the program slowly) for a window whose name matches the
# pattern; prints its id.
wait_for_window() {
    local pattern=$1
    for _ in $(seq 300); do
        local id
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# A display of its own, at a number picked at random: a server takes a number only through its
# lock file, so two tests never share one (one that lets Xvfb pick with -displayfd may be handed
# a number another server holds, and removes that server's socket when it ends). A start that
# finds the number taken is tried again at another. The screen's width, also picked at random,
# tells that the server answering is this one.
start_xvfb() {
    local number=$((100 + RANDOM % 800))
    local width=$((1200 + RANDOM % 200))
    Xvfb ":$number" -screen 0 "${width}x800x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$number"
    for _ in $(seq 100); do
        kill -0 "$xvfb_pid" 2>/dev/null || return 1
        local geometry
        if geometry=$(xdotool getdisplaygeometry 2>/dev/null); then
            [ "${geometry%% *}" = "$width" ]
            return
        fi
        sleep 0.1
    done
    return 1
}
for attempt in 1 2 3 4 5; do
    start_xvfb && break
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
    [ "$attempt" -eq 5 ] && fail "no X server could be started"
    sleep 0.5
done

list="$work/channels.txt"
cp "$example" "$list"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
"$program" "$list" >"$work/log" 2>&1 &
app_pid=$!
# Seldom, on a loaded machine, the program finds the new server not yet taking connections
# although it answered xdotool: it is started once more then.
sleep 1
if ! kill -0 "$app_pid" 2>/dev/null && grep -q "could not connect to display" "$work/log"; then
    sleep 1
    "$program" "$list" >"$work/log" 2>&1 &
    app_pid=$!
fi

expected="Skylister : $list"
main=$(wait_for_window "^Skylister : ") || fail "no main window; the program said: $(cat "$work/log")"
# The title is set once the list has loaded.
for _ in $(seq 300); do
    [ "$(xdotool getwindowname "$main")" = "$expected" ] && break
    sleep 0.1
done
name=$(xdotool getwindowname "$main")
[ "$name" = "$expected" ] || fail "main window is named '$name', not '$expected'"

# Select the first channel (a click in the list's empty part, then Down and Up) and delete it,
# then File > Exit: the question comes up with its own title.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 100)) click 1
sleep 0.3
xdotool key Down
sleep 0.2
xdotool key Up
sleep 0.2
xdotool key Delete
sleep 0.3
xdotool key --clearmodifiers alt+f
sleep 0.3
xdotool key x
question=$(wait_for_window "^Saving") || fail "no \"Saving\" question after File > Exit"
name=$(xdotool getwindowname "$question")
[ "$name" = "Saving" ] || fail "the question is named '$name', not 'Saving'"

# Cancel keeps the window and the list.
xdotool windowfocus --sync "$question" 2>/dev/null || true
xdotool key Escape
sleep 0.5
kill -0 "$app_pid" 2>/dev/null || fail "the program ended although the question was cancelled"
xdotool search --onlyvisible --name "^Saving" >/dev/null 2>&1 && fail "the question is still open"
[ "$(xdotool getwindowname "$main")" = "$expected" ] || fail "the main window has gone"
cmp -s "$example" "$list" || fail "the list file was changed"
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true

# A list of 40 satellite names opens from the command line with --sat40.
list40="$work/forty.txt"
awk '{ print } /^32 +"USER 32"/ { for (n = 33; n <= 40; ++n) printf "%d     \"USER %d\"\r\n", n, n }' \
    "$example" >"$list40"
"$program" --sat40 "$list40" >"$work/log" 2>&1 &
app_pid=$!
expected40="Skylister : $list40"
id=""
for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "^Skylister" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && [ "$(xdotool getwindowname "$id")" = "$expected40" ] && break
    sleep 0.1
done
[ -n "$id" ] && [ "$(xdotool getwindowname "$id")" = "$expected40" ] ||
    fail "--sat40 did not open the list of 40 names: windows '$(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' ' ')', the program said: $(cat "$work/log")"

echo "window titles as set: '$expected', 'Saving', '$expected40'"
