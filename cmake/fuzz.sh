#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a libFuzzer target with clang and runs it.
#   bash cmake/fuzz.sh hive|chm|dictionary|cache [SECONDS]
# Each input must finish within a second and 512 MB, as the program must.
# New crashes, hangs and memory blow-ups land in build-fuzz/; keep each as a
# regression file in tests/fuzz/<target>-regressions/ (and its line in
# <target>-expected.tsv), which the test suite replays.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
target=${1:?usage: bash cmake/fuzz.sh hive|chm|dictionary|cache [SECONDS]}
seconds=${2:-600}
case "$target" in
hive)
    sources=(registry/RegistryHive.cpp registry/HiveText.cpp fileio/BoundedFile.cpp
        tests/fuzz/fuzz_hive.cpp)
    libs=Qt6Core ;;
chm)
    sources=(chmreader/ChmArchive.cpp chmreader/ChmDecompressor.cpp chmreader/ChmDirectory.cpp
        chmreader/ContentsParser.cpp chmreader/HtmlTokenizer.cpp chmreader/PageLimits.cpp
        fileio/BoundedFile.cpp tests/fuzz/fuzz_chm.cpp)
    libs="Qt6Gui libmspack" ;;
dictionary)
    sources=(hunspellfiles/*.cpp wordforms/*.cpp wordindex/*.cpp candidates/*.cpp fileio/*.cpp
        tests/fuzz/fuzz_dictionary.cpp)
    libs="libxxhash icu-uc" ;;
cache)
    sources=(hunspellfiles/*.cpp wordforms/*.cpp wordindex/*.cpp candidates/*.cpp
        spelling/CacheFile.cpp fileio/*.cpp tests/fuzz/fuzz_cache.cpp)
    libs="libxxhash icu-uc" ;;
*) echo "unknown target: $target" >&2; exit 2 ;;
esac
mkdir -p build-fuzz/"$target"-corpus tests/fuzz/"$target"-regressions
# shellcheck disable=SC2046
clang++-14 -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I. \
    $(pkg-config --cflags $libs) "${sources[@]}" $(pkg-config --libs $libs) \
    -o build-fuzz/fuzz_"$target"
cd build-fuzz
QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=../tests/fuzz/lsan.supp ./fuzz_"$target" -max_total_time="$seconds" -max_len=131072 \
    -timeout=1 -rss_limit_mb=512 -print_final_stats=1 \
    "$target"-corpus ../tests/fuzz/"$target"-seeds ../tests/fuzz/"$target"-regressions
