#!/usr/bin/env bash
# Builds the .deb, has lintian check it, unpacks it, checks where its files
# land and that the unpacked game opens its window, of the class its desktop
# entry names, on a virtual display.
set -euo pipefail
build=$1 work=$2 id=io.github.gridmark.Gridmark
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work" && mkdir -p "$work"
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log")
deb=$(ls "$work"/gridmark_*.deb)
lintian -I --fail-on error,warning --tag-display-limit 0 "$deb" || fail lintian
fields=$(dpkg-deb -f "$deb" Version Depends Recommends)
for want in 'Version: 1.0.0.0' libqt6widgets6 fonts-liberation \
  fonts-comic-neue qt6-wayland qt6-translations-l10n; do
  grep -q "$want" <<<"$fields" || fail "no $want in $fields"
done
# The icon is drawn at build time: no SVG library at run time.
! grep -q svg <<<"$fields" || fail "an SVG library in $fields"

root=$work/root
dpkg -x "$deb" "$root"
for f in usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/$id.svg \
  usr/share/icons/hicolor/48x48/apps/$id.png usr/share/man/man6/gridmark.6.gz \
  usr/games/gridmark; do
  [[ -f $root/$f ]] || fail "$f not in the package"
done
# Docks match the window's WM_CLASS against the entry's StartupWMClass.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/$id.desktop")

display=:$((100 + RANDOM % 800)) app=
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp & xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" &>/dev/null && break; sleep 0.1; done
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 -p "$XDG_RUNTIME_DIR"
DISPLAY=$display "$root/usr/games/gridmark" & app=$!
for _ in $(seq 100); do
  xwininfo -display "$display" -root -tree 2>/dev/null |
    grep -qF "\"Gridmark\": (\"gridmark\" \"${wm_class:-none}\")" && exit 0
  kill -0 "$app" 2>/dev/null || fail "the packaged game exited"
  sleep 0.1
done
fail "no Gridmark window of class ${wm_class:-none} appeared"
