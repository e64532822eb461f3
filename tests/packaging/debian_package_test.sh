#!/usr/bin/env bash
# Builds the .deb, has lintian check it, unpacks it into a scratch root, checks
# where its files land and that the unpacked program opens its window, with
# the class its desktop entry names, on a virtual display.
set -euo pipefail
build=$1
work=$2
id=io.github.gridmark.Gridmark

rm -rf "$work"
mkdir -p "$work"
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log")
deb=$(ls "$work"/gridmark_*.deb)

fail() { echo "FAIL: $*" >&2; exit 1; }

lintian -I --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1 ||
  fail "lintian"

fields=$(dpkg-deb -f "$deb" Package Version Depends Recommends)
echo "$fields"
grep -q '^Version: 1.0.0.0$' <<<"$fields" || fail "version"
for dep in libqt6widgets6 libqt6svg6 fonts-liberation fonts-comic-neue \
  qt6-wayland; do
  grep -q "$dep" <<<"$fields" || fail "missing dependency $dep"
done

root=$work/root
dpkg -x "$deb" "$root"
for f in usr/games/gridmark \
  usr/share/applications/$id.desktop \
  usr/share/metainfo/$id.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/$id.svg \
  usr/share/icons/hicolor/48x48/apps/$id.png; do
  [[ -f $root/$f ]] || fail "$f not in the package"
done
[[ -x $root/usr/games/gridmark ]] || fail "gridmark not executable"

# Docks match the window's WM_CLASS against the entry's StartupWMClass.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/$id.desktop")
[[ -n $wm_class ]] || fail "no StartupWMClass in the desktop entry"

# Start the unpacked program on its own virtual display and wait for its window.
display=:$((100 + RANDOM % 800))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
app=
for _ in $(seq 50); do
  xdpyinfo -display "$display" >/dev/null 2>&1 && break
  sleep 0.1
done
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 -p "$XDG_RUNTIME_DIR"
DISPLAY=$display "$root/usr/games/gridmark" &
app=$!
for _ in $(seq 100); do
  if xwininfo -display "$display" -root -tree 2>/dev/null |
    grep -qF "\"Gridmark\": (\"gridmark\" \"$wm_class\")"; then
    echo "PASS: the packaged program shows its window"
    exit 0
  fi
  kill -0 "$app" 2>/dev/null || fail "the packaged program exited"
  sleep 0.1
done
fail "no Gridmark window of class $wm_class appeared"
