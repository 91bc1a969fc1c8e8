# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a tree configured with the "package"
# preset (prefix /usr, so the machine hive records /usr paths).
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "Kelmstar Software")
set(CPACK_PACKAGE_CONTACT "Kelmstar Software <quorvel@kelmstar.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "letter jumble solver")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvel lists every word made of all of a set of jumbled letters, as the Hunspell dictionary of the user's language spells it. Most dictionaries answer at once through an index of their word forms, each word confirmed by Nuspell or Hunspell; otherwise every arrangement of the letters is put to the spelling checker.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kelmstar.example/qv")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libnuspell5, libhunspell-1.7-0, libmspack0, libicu72, libxxhash0, libc6, libstdc++6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-en-us, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "hardinfo")
# The machine hive is the administrator's to change: dpkg keeps their edits.
file(WRITE ${CMAKE_BINARY_DIR}/debian/conffiles
     "${CMAKE_INSTALL_FULL_SYSCONFDIR}/${QUORVEL_HIVE_NAME}\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/debian/conffiles)
set(CPACK_GENERATOR DEB)
include(CPack)
