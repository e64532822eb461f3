#!/usr/bin/env bash
# Runs the game with each kind of command line, with no display unless a case
# sets one, and checks its exit status and everything it prints.
set -uo pipefail
game=$1
failures=0

# check STATUS OUTPUT "NAME=VALUE..." ARGUMENT...: OUTPUT is a glob pattern for
# stdout and stderr together; status 124 means still running after 3 seconds.
check() {
  local status=$1 want=$2 vars=$3 out got limit=20
  shift 3
  [[ $status == 124 ]] && limit=3
  # shellcheck disable=SC2086  # the variables are separate words
  out=$(timeout $limit env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    $vars "$game" "$@" 2>&1)
  got=$?
  # shellcheck disable=SC2053  # OUTPUT is a pattern
  if [[ $got != "$status" || $out != $want ]]; then
    echo "FAIL: $vars gridmark $* gave status $got (want $status) and:"
    echo "$out"
    failures=$((failures + 1))
  fi
}

usage='Usage: gridmark \[options\]*-h, --help*-v, --version*'
check 0 "$usage" "" --help
check 0 "$usage" "" -h
check 0 "gridmark 1.0.0.0" "" --version
check 0 "gridmark 1.0.0.0" "" -v
check 2 "gridmark: Unknown option 'bogus'. See 'gridmark --help'." "" --bogus
check 2 "gridmark: Unknown option 'x'. See 'gridmark --help'." "" -x
check 2 "gridmark: Unexpected argument 'notes.txt'. See 'gridmark --help'." \
  "" notes.txt
check 2 "gridmark: Missing value after '-style'. See 'gridmark --help'." \
  "" -style
no_display='gridmark: no display could be opened'
check 1 "$no_display (DISPLAY is not set, WAYLAND_DISPLAY is not set)" ""
check 1 "$no_display (DISPLAY=\":4242\" does not answer, WAYLAND_DISPLAY=\"gone\" does not answer)" \
  "DISPLAY=:4242 WAYLAND_DISPLAY=gone"
check 1 "$no_display (-display=\":4242\" does not answer)" \
  "QT_QPA_PLATFORM=xcb" -display :4242
# Qt's own options, and a platform that needs no display, still start the game.
check 124 "*" "" -platform offscreen -style fusion -reverse -qwindowtitle T
check 124 "*" "QT_QPA_PLATFORM=offscreen"

((failures == 0)) && echo "PASS: every command line"
exit $((failures > 0))
