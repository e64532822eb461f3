#!/bin/sh
# LUPDATE SOURCE_DIR WORK_DIR: fails when a .ts lacks a text the code marks,
# keeps one the code no longer marks, or holds an unfinished or empty entry.
set -eu
rm -rf "$3" && mkdir -p "$3" && cp "$2"/translations/*.ts "$3" && cd "$2"
"$1" -silent -locations none -I . app engine platform ui -ts "$3"/*.ts
! grep -E 'type="(unfinished|vanished|obsolete)"|<translation>\s*</translation>' "$3"/*.ts
