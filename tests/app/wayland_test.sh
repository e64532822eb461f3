#!/usr/bin/env bash
# Starts the game under a headless weston, with no X display, and waits for
# its toplevel to announce the id of the desktop entry.
set -uo pipefail
game=$1 work=$2 id=io.github.gridmark.Gridmark
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }

rm -rf "$work" && mkdir -m 0700 "$work"
export XDG_RUNTIME_DIR=$work
weston --backend=headless-backend.so --socket=wayland-test >"$work/weston.log" 2>&1 &
weston_pid=$! game_pid=
trap 'kill $game_pid $weston_pid 2>/dev/null; wait' EXIT
for _ in $(seq 100); do [[ -S $work/wayland-test ]] && break; sleep 0.1; done
env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-test WAYLAND_DEBUG=1 \
  "$game" 2>"$work/game.log" & game_pid=$!
for _ in $(seq 300); do
  grep -q "xdg_toplevel@[0-9]*\.set_app_id(\"$id\")" "$work/game.log" && exit 0
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
echo "FAIL: no toplevel with the app id $id:"
grep -v '^\[' "$work/game.log" | tail -5
exit 1
