#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a libFuzzer target with clang and runs it.
#   bash cmake/fuzz.sh hive|chm [SECONDS]
# New crashes land in build-fuzz/; keep each as a regression file in
# tests/fuzz/<target>-regressions/, which the test suite replays.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
target=${1:?usage: bash cmake/fuzz.sh hive|chm [SECONDS]}
seconds=${2:-600}
case "$target" in
hive) sources=(registry/RegistryHive.cpp registry/HiveText.cpp tests/fuzz/fuzz_hive.cpp); libs=Qt6Core ;;
chm) sources=(helpviewer/ChmArchive.cpp tests/fuzz/fuzz_chm.cpp); libs="Qt6Core libmspack" ;;
*) echo "unknown target: $target" >&2; exit 2 ;;
esac
mkdir -p build-fuzz/"$target"-corpus tests/fuzz/"$target"-regressions
# shellcheck disable=SC2046
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -I. \
    $(pkg-config --cflags $libs) "${sources[@]}" $(pkg-config --libs $libs) \
    -o build-fuzz/fuzz_"$target"
cd build-fuzz
./fuzz_"$target" -max_total_time="$seconds" -max_len=131072 -timeout=1 -rss_limit_mb=512 \
    "$target"-corpus ../tests/fuzz/"$target"-seeds ../tests/fuzz/"$target"-regressions
