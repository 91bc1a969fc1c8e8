#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it: its control fields and contents,
# the desktop entry and AppStream metadata it installs, and that the program
# unpacked from it starts.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

cmake --preset package >/dev/null && cmake --build --preset package -j"$(nproc)" || exit 1
(cd build-package && rm -f ./*.deb && cpack -G DEB >/dev/null) || exit 1
deb=$(ls build-package/quorvel_*_amd64.deb)

passed=0
failed=0
check() { # description, command...
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $what" >&2
    fi
}

info=$(dpkg-deb --info "$deb")
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
has_field() { grep -q "^ $1: .*$2" <<<"$info"; }
has_file() { grep -qx "./$1" <<<"$contents"; }

check "depends on Qt widgets" has_field Depends libqt6widgets6
check "depends on Nuspell" has_field Depends libnuspell5
check "depends on Hunspell" has_field Depends libhunspell-1.7-0
check "depends on libmspack" has_field Depends libmspack0
check "depends on xxHash" has_field Depends libxxhash0
check "recommends the en_US dictionary" has_field Recommends hunspell-en-us
check "recommends Qt's translations" has_field Recommends qt6-translations-l10n
check "suggests hardinfo" has_field Suggests hardinfo
for file in usr/bin/quorvel etc/quorvel/hklm.reg usr/share/quorvel/help/qv.chm \
    usr/bin/quorvel-search usr/libexec/quorvel/quorvel-probe usr/share/man/man1/quorvel.1 usr/share/man/man1/quorvel-search.1 \
    usr/share/doc/quorvel/copyright \
    usr/share/quorvel/translations/quorvel_de.qm usr/share/quorvel/translations/quorvel_pt_BR.qm \
    usr/share/applications/quorvel.desktop \
    usr/share/metainfo/example.kelmstar.Quorvel.metainfo.xml \
    usr/share/icons/hicolor/16x16/apps/quorvel.png usr/share/icons/hicolor/32x32/apps/quorvel.png \
    usr/share/icons/hicolor/48x48/apps/quorvel.png usr/share/icons/hicolor/128x128/apps/quorvel.png; do
    check "contains /$file" has_file "$file"
done
# Each translation of the help, a folder of its sources with its own qv.hhp.
for hhp in help/*/qv.hhp; do
    language=$(basename "$(dirname "$hhp")")
    check "contains the help in $language" has_file "usr/share/quorvel/help/$language/qv.chm"
done
check "the hive is a conffile" \
    bash -c "dpkg-deb --ctrl-tarfile '$deb' | tar -xO ./conffiles | grep -qx /etc/quorvel/hklm.reg"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
check "the hive records the installed help file" \
    grep -q '"help_file_location"="/usr/share/quorvel/help/qv.chm"' "$root/etc/quorvel/hklm.reg"
check "desktop entry is valid" desktop-file-validate "$root/usr/share/applications/quorvel.desktop"
check "AppStream metadata is valid" appstreamcli validate --no-net --pedantic \
    "$root/usr/share/metainfo/example.kelmstar.Quorvel.metainfo.xml"
check "the desktop entry speaks German" \
    grep -qx 'GenericName\[de\]=Buchstabensalat-Löser' "$root/usr/share/applications/quorvel.desktop"
check "the AppStream summary speaks French" \
    grep -q '<summary xml:lang="fr">' "$root/usr/share/metainfo/example.kelmstar.Quorvel.metainfo.xml"
# The installed program finds its installed catalogues.
check "the unpacked program's usage text speaks French" \
    bash -c "LANGUAGE=fr '$root/usr/bin/quorvel' --help | grep -q '^Affiche dans une fenêtre'"
# Still running after two seconds (timeout's 124) means it started and waits for the user.
starts() {
    QT_QPA_PLATFORM=offscreen timeout 2 "$root/usr/bin/quorvel" >/dev/null 2>&1
    [ $? -eq 124 ]
}
check "the unpacked program starts" starts

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
