# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# quorvel_install_beside(SOURCE DESTINATION): installs SOURCE as DESTINATION
# (an absolute path; DESTDIR is put in front) unless a file that differs is
# already there: an edited configuration file is never overwritten. The new
# file is then written beside it as DESTINATION.new, as dpkg keeps its
# .dpkg-dist, and the install says so.
function(quorvel_install_beside source destination)
    # file(INSTALL) puts DESTDIR in front itself; the comparison must too.
    set(target "$ENV{DESTDIR}${destination}")
    get_filename_component(folder "${destination}" DIRECTORY)
    get_filename_component(name "${destination}" NAME)
    if(EXISTS "${target}" AND NOT IS_DIRECTORY "${target}")
        file(SHA256 "${source}" wanted)
        file(SHA256 "${target}" present)
        if(wanted STREQUAL present)
            message(STATUS "Up-to-date: ${target}")
            return()
        endif()
        set(name "${name}.new")
        message(WARNING "${target} differs from what this install writes and is kept as it is; "
                        "the new file is ${target}.new. Compare the two and merge by hand.")
    endif()
    file(INSTALL DESTINATION "${folder}" TYPE FILE RENAME "${name}" FILES "${source}"
         PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endfunction()
