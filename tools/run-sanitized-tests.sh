#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the tests again with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (and the fuzz targets, whose corpora are
# replayed), in build-sanitize/, and runs them. Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh $(cat tools/packages.txt) clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DVELMORA_SANITIZE=ON -DVELMORA_BENCHMARKS=OFF
cmake --build build-sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitize --output-on-failure --timeout 600
