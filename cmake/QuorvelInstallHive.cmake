# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by `cmake --install` (and CPack): writes the machine hive for the tree
# being installed, so it names the prefix of this install run, which may differ
# from the one given at configure time. Under DESTDIR staging the file lands in
# the staging folder but records the final paths.
#
# Set by the install code that includes this file: QUORVEL_HIVE_TEMPLATE,
# QUORVEL_HIVE_NAME (under the configuration folder), QUORVEL_SYSCONFDIR and
# QUORVEL_DATADIR (GNUInstallDirs, as configured), QUORVEL_SYSINFO_PROGRAM and
# QUORVEL_HIVE_WORK (a folder to write the new hive in first); and the
# function quorvel_install_beside (InstallBeside.cmake).

# The install run's prefix, absolute and without a trailing separator.
function(quorvel_install_prefix out)
    get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
    set(${out} "${prefix}" PARENT_SCOPE)
endfunction()

# GNUInstallDirs' rule, applied to the install run's prefix: the prefix's own
# configuration folder, except that / and /usr keep theirs in /etc. The program
# finds its hive by the same rule (registry/MachineHive.cpp).
function(quorvel_configuration_folder out)
    quorvel_install_prefix(prefix)
    if(IS_ABSOLUTE "${QUORVEL_SYSCONFDIR}")
        set(folder "${QUORVEL_SYSCONFDIR}")
    elseif(prefix STREQUAL "/" OR prefix STREQUAL "/usr")
        set(folder "/${QUORVEL_SYSCONFDIR}")
    else()
        set(folder "${prefix}/${QUORVEL_SYSCONFDIR}")
    endif()
    set(${out} "${folder}" PARENT_SCOPE)
endfunction()

function(quorvel_data_folder out)
    quorvel_install_prefix(prefix)
    if(IS_ABSOLUTE "${QUORVEL_DATADIR}")
        set(${out} "${QUORVEL_DATADIR}" PARENT_SCOPE)
    else()
        set(${out} "${prefix}/${QUORVEL_DATADIR}" PARENT_SCOPE)
    endif()
endfunction()

# A path as the inside of a quoted .reg string: backslash and quote escaped.
function(quorvel_reg_string out text)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The hive's text for this install: where the help file goes, and where the
# system information program is.
function(quorvel_hive_content out)
    quorvel_data_folder(data)
    get_filename_component(sysinfo_folder "${QUORVEL_SYSINFO_PROGRAM}" DIRECTORY)
    quorvel_reg_string(QUORVEL_INSTALLED_HELP "${data}/quorvel/help/qv.chm")
    quorvel_reg_string(QUORVEL_SYSINFO_PATH "${QUORVEL_SYSINFO_PROGRAM}")
    quorvel_reg_string(QUORVEL_SYSINFO_FOLDER "${sysinfo_folder}")
    file(READ "${QUORVEL_HIVE_TEMPLATE}" template)
    string(CONFIGURE "${template}" content @ONLY)
    set(${out} "${content}" PARENT_SCOPE)
endfunction()

# The last step: puts the content at its place (under DESTDIR when staging,
# and listed in the install manifest), or beside an edited hive that is there.
function(quorvel_write_hive destination content)
    set(generated "${QUORVEL_HIVE_WORK}/hklm.reg.install")
    file(WRITE "${generated}" "${content}")
    quorvel_install_beside("${generated}" "${destination}")
endfunction()

quorvel_configuration_folder(quorvel_configuration)
quorvel_hive_content(quorvel_hive)
quorvel_write_hive("${quorvel_configuration}/${QUORVEL_HIVE_NAME}" "${quorvel_hive}")
