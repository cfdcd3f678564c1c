#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and checks it as a desktop takes it:
# the menu entry and the AppStream metadata validate, and the installed game,
# started from another folder, finds its clips without a word (the splash
# opens one at once, the main window both once the splash hands over).
# Usage: installed_game_test.sh BUILD_FOLDER WORK_FOLDER
set -euo pipefail
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work/elsewhere" "$work/empty" "$work/bare"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
desktop-file-validate "$work"/prefix/share/applications/*.desktop
appstreamcli validate --no-net "$work"/prefix/share/metainfo/*.metainfo.xml
cp "$work/prefix/bin/velmora" "$work/bare/"

# Runs the game at $1, with $2 as the desktop's data folders, until well after
# its main window has opened; its standard error goes to $3.
run() {
    local status=0
    (cd "$work/elsewhere" && QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$work/empty" \
        XDG_DATA_DIRS="$2" timeout 14 "$1" 2>"$3") || status=$?
    if [ "$status" -ne 124 ]; then
        echo "$1 ended by itself with status $status before its time:" && cat "$3"
        return 1
    fi
}
run "$work/prefix/bin/velmora" "$work/empty" "$work/installed.txt" &
installed=$!
run "$work/bare/velmora" "$work/prefix/share" "$work/data-folders.txt" &
dataFolders=$!
run "$work/bare/velmora" "$work/empty" "$work/nowhere.txt" &
nowhere=$!
wait $installed && wait $dataFolders && wait $nowhere

clipLines() {
    grep -E 'A_Logo\.avi|Yellow\.avi' "$1" || true
}
failed=0
for found in installed data-folders; do
    if [ -n "$(clipLines "$work/$found.txt")" ]; then
        echo "$found: a clip was not found:" && clipLines "$work/$found.txt"
        failed=1
    fi
done
# With no clip anywhere both are reported, the second by the main window:
# the runs were long enough for it to open.
for clip in A_Logo.avi Yellow.avi; do
    if ! grep -q "$clip" "$work/nowhere.txt"; then
        echo "without clips, no line names $clip:" && cat "$work/nowhere.txt"
        failed=1
    fi
done
# The clips of twice the resolution, for screens of twice the density, lie
# beside the others, as built.
for clip in A_Logo@2x.avi Yellow@2x.avi; do
    if ! cmp -s "$build/game/$clip" "$work/prefix/share/velmora/$clip"; then
        echo "$clip is not installed as built" && failed=1
    fi
done
exit $failed
