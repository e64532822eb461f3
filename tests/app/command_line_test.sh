#!/usr/bin/env bash
# The game's exit status and everything it prints for each kind of command
# line, with no display unless a case names one.
set -uo pipefail
game=$1 failures=0

# check STATUS OUTPUT-PATTERN "NAME=VALUE..." ARGUMENT...; 124: still running.
check() {
  local status=$1 want=$2 vars=$3 out got
  shift 3
  # shellcheck disable=SC2086  # the variables are separate words
  out=$(timeout $((status == 124 ? 3 : 20)) env -u DISPLAY -u WAYLAND_DISPLAY \
    -u QT_QPA_PLATFORM $vars "$game" "$@" 2>&1)
  got=$?
  # shellcheck disable=SC2053  # OUTPUT is a pattern
  if [[ $got != "$status" || $out != $want ]]; then
    echo "FAIL: $vars gridmark $* gave status $got (want $status) and: $out"
    failures=$((failures + 1))
  fi
}

usage='Usage: gridmark \[options\]*-h, --help*-v, --version*'
check 0 "$usage" "" --help
check 0 "$usage" "" -h
check 0 "gridmark 1.0.0.0" "" --version
check 0 "gridmark 1.0.0.0" "" -v
hint="See 'gridmark --help'."
check 2 "gridmark: Unknown option 'bogus'. $hint" "" --bogus
check 2 "gridmark: Unexpected argument 'notes.txt'. $hint" "" notes.txt
check 2 "gridmark: Missing value after '-style'. $hint" "" -style
none='gridmark: no display could be opened'
check 1 "$none (DISPLAY is not set, WAYLAND_DISPLAY is not set)" ""
check 1 "$none (DISPLAY=\":4242\" does not answer, WAYLAND_DISPLAY=\"gone\" does not answer)" \
  "DISPLAY=:4242 WAYLAND_DISPLAY=gone"
check 1 "$none (-display=\":4242\" does not answer)" "QT_QPA_PLATFORM=xcb" \
  -display :4242
check 1 "gridmark: no platform is called \"waylnd\" (the platforms are *offscreen*xcb*)" "" -platform waylnd
check 1 "gridmark: no platform is called \"bogus\" (the platforms are *offscreen*xcb*)" "QT_QPA_PLATFORM=bogus;nope"
de='LANG=de_DE.UTF-8 LANGUAGE='
check 0 "Aufruf: gridmark \[Optionen\]*Tic-Tac-Toe*-h, --help*Diese Hilfe*" "$de" -h
# shellcheck disable=SC1111  # German quotation marks, meant
check 2 "gridmark: Unbekannte Option „bogus“. Siehe „gridmark --help“." "$de" --bogus
check 1 "gridmark: Es konnte keine Anzeige geöffnet werden (DISPLAY ist nicht gesetzt, WAYLAND_DISPLAY ist nicht gesetzt)" "$de"
check 124 "*" "" -platform "nope;offscreen" -style fusion -reverse -qwindowtitle T
# Starting loads neither the SVG library nor any image-format plugin.
check 124 "!(*imageformats*|*libQt6Svg*)" "QT_QPA_PLATFORM=offscreen LD_DEBUG=files"
exit $((failures > 0))
