#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Quorvel needs from Debian, builds it, and runs it or its tests.
#   bash cmake/dev.sh run             build, install and start the program
#   bash cmake/dev.sh test            build and run the test suite
#   bash cmake/dev.sh test-sanitize   the suite again, built with ASan + UBSan
#   bash cmake/dev.sh test-threads    the worker tests, built with TSan
#   bash cmake/dev.sh differential    the index against every arrangement on compounding dictionaries
#                                     and on letters beyond A to Z
#   bash cmake/dev.sh lint            clang-format, clang-tidy, reuse lint, groff on the manuals
#   bash cmake/dev.sh package         build the Debian package and check it
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

packages=(
    cmake g++ make pkg-config
    qt6-base-dev libnuspell-dev libhunspell-dev libmspack-dev libicu-dev libxxhash-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    hunspell-en-us fonts-liberation fp-utils hardinfo
    xvfb xauth
    desktop-file-utils appstream
)

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

lint_packages=(clang-format clang-tidy reuse groff-base)

install_packages() {
    local missing=() package
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j"$(nproc)"
}

case "${1:-}" in
run)
    install_packages
    build default
    # Installed, so the program reads the machine hive that the install wrote.
    "${sudo[@]}" cmake --install build
    program="$(cmake -L -N build | sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p')/bin/quorvel"
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): starting Quorvel under Xvfb."
        exec xvfb-run -a "$program"
    fi
    exec "$program"
    ;;
test)
    install_packages
    build default
    ctest --preset default
    ;;
differential)
    # The short form of the word index's proof, on dictionaries that make
    # compounds: the index and every arrangement must give the same line.
    # The full run over every dictionary is a bench (see the README).
    packages+=(hunspell-de-de hunspell-nl hunspell-sv)
    install_packages
    build default
    for dictionary in de_DE nl sv_SE; do
        build/bin/quorvel-differential --dictionary "/usr/share/hunspell/$dictionary" \
            --count 400 --long 20 --max-length 8 --seed 11 --quiet
    done
    # Letters beyond A to Z: accents, háčeks and a script that is not Latin.
    packages+=(hunspell-fr hunspell-cs hunspell-el)
    install_packages
    for dictionary in fr cs_CZ el_GR; do
        build/bin/quorvel-differential --dictionary "/usr/share/hunspell/$dictionary" \
            --count 300 --max-length 8 --seed 11 --quiet
    done
    # Loose matching, answered by the word index, against its reference that
    # tries every arrangement of every letter each typed one stands for.
    build/bin/quorvel-loosediff --dictionary /usr/share/hunspell/fr \
        --dictionary /usr/share/hunspell/cs_CZ --dictionary /usr/share/hunspell/el_GR \
        --count 60 --seed 11
    ;;
test-sanitize)
    install_packages
    build sanitize
    ctest --preset sanitize
    ;;
lint)
    packages+=("${lint_packages[@]}")
    install_packages
    build default
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
    reuse lint
    # Manual pages: any groff warning (a raw non-ASCII letter, an unknown
    # escape) is a fault; man-db's preconv hides raw UTF-8, other readers don't.
    for page in app/*.1; do
        warnings=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$page" 2>&1)
        [ -z "$warnings" ] || { echo "$warnings"; exit 1; }
    done
    # Sources of the program and its tools; the tests keep QtTest's idioms.
    run-clang-tidy -p build -quiet \
        "$(pwd)/(about|app|artwork|candidates|chmreader|cli|desktop|fileio|helpviewer|hunspellfiles|letters|mainwindow|registry|search|spelling|translations|wordforms|wordgames|wordindex)/.*\.cpp$"
    ;;
package)
    install_packages
    bash cmake/check-package.sh
    ;;
test-threads)
    # Only the headless worker tests: Qt itself is not built for ThreadSanitizer.
    install_packages
    build threads
    ctest --preset threads
    ;;
*)
    echo "usage: bash cmake/dev.sh run|test|test-sanitize|test-threads|lint|package" >&2
    exit 2
    ;;
esac
