# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The hive's install step: a fresh install writes the file, the same file is
# left alone, and an edited one is kept with the new file beside it.
#   cmake -DSCRIPT=cmake/InstallBeside.cmake -DWORK=<scratch folder> -P CheckInstallBeside.cmake
include("${SCRIPT}")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/root")
file(WRITE "${WORK}/hklm.reg" "new hive\n")
set(ENV{DESTDIR} "${WORK}/root")
set(installed "${WORK}/root/etc/quorvel/hklm.reg")

function(expect path contents)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "${path} is missing")
    endif()
    file(READ "${path}" found)
    if(NOT found STREQUAL contents)
        message(FATAL_ERROR "${path} holds \"${found}\", not \"${contents}\"")
    endif()
endfunction()

quorvel_install_beside("${WORK}/hklm.reg" "/etc/quorvel/hklm.reg")
expect("${installed}" "new hive\n")

quorvel_install_beside("${WORK}/hklm.reg" "/etc/quorvel/hklm.reg")
if(EXISTS "${installed}.new")
    message(FATAL_ERROR "an unchanged hive got a .new beside it")
endif()

file(WRITE "${installed}" "edited by the administrator\n")
quorvel_install_beside("${WORK}/hklm.reg" "/etc/quorvel/hklm.reg")
expect("${installed}" "edited by the administrator\n")
expect("${installed}.new" "new hive\n")
