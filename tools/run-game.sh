#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the game from build/game/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh $(cat tools/packages.txt)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
exec build/game/velmora "$@"
