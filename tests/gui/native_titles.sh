#!/bin/sh
# The titles the window system shows, read from a real X server: the window's
# caption, and a question's title, exactly, with nothing appended. Needs
# xvfb-run and xdotool; skipped (77) without them.
# Usage: native_titles.sh VORLIX
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || exit 77
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
printf '"A","&H1","&H2","&H3","&H4","&H5"\r\n' > "$work/lib.txt"
# Saving A again asks whether to replace it.
cat > "$work/run.sh" <<'SCRIPT'
QT_QPA_PLATFORM=xcb "$1" "$2" & program=$! # on the X server, whatever the tests use
# Waits up to 30 s (a loaded machine) for a window titled $1.
await() {
    for _ in $(seq 150); do
        xdotool search --name "$1" 2>/dev/null | head -1 | grep . && return
        sleep 0.2
    done
}
window=$(await '^Propeller Vorlix Generator$')
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 80)) $((Y + 170)) click 1 type A
xdotool mousemove $((X + 200)) $((Y + 168)) click 1
await 'Replace Font Data' >/dev/null
sleep 0.5
xdotool search --name . getwindowname %@ 2>/dev/null
kill "$program"
SCRIPT
titles=$(xvfb-run -a -s '-screen 0 1024x768x24' sh "$work/run.sh" "$1" "$work/lib.txt" |
    grep -v -x -e vorlix -e 'Qt Selection Owner for vorlix')
echo "$titles"
[ "$titles" = "Propeller Vorlix Generator
Replace Font Data?" ] || [ "$titles" = "Replace Font Data?
Propeller Vorlix Generator" ]
