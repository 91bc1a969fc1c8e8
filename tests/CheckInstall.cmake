# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the built tree under prefixes other than the configured one, with
# and without DESTDIR staging, and checks that the machine hive lands in the
# prefix's configuration folder and records the paths of that install.
# Every translation of the help (a folder of the help's sources with its own
# qv.hhp) is installed in its language's folder beside the English file.
# cmake -DBUILD=<build tree> -DWORK=<scratch folder> -DHELP=<help source folder>
#       -P CheckInstall.cmake
file(REMOVE_RECURSE "${WORK}")

function(install_to prefix destdir)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${destdir}"
                ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${prefix}"
        RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "install to ${destdir}${prefix} failed: ${errors}")
    endif()
endfunction()

function(expect_hive file help)
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "no hive at ${file}")
    endif()
    file(READ "${file}" hive)
    string(FIND "${hive}" "\"help_file_location\"=\"${help}\"\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${file} does not record the help file ${help}:\n${hive}")
    endif()
endfunction()

function(expect_file file)
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endfunction()

file(GLOB translations RELATIVE "${HELP}" "${HELP}/*/qv.hhp")
list(TRANSFORM translations REPLACE "/qv.hhp$" "")
if(NOT translations)
    message(FATAL_ERROR "no translations of the help in ${HELP}")
endif()
function(expect_help prefix)
    expect_file("${prefix}/share/quorvel/help/qv.chm")
    foreach(language IN LISTS translations)
        expect_file("${prefix}/share/quorvel/help/${language}/qv.chm")
    endforeach()
endfunction()

# A prefix of the user's own: everything under it, the hive in its etc.
set(prefix "${WORK}/own prefix")
install_to("${prefix}" "")
expect_file("${prefix}/bin/quorvel")
expect_help("${prefix}")
expect_hive("${prefix}/etc/quorvel/hklm.reg" "${prefix}/share/quorvel/help/qv.chm")

# /usr, staged: the hive in the staged /etc, recording the final paths.
set(stage "${WORK}/stage")
install_to("/usr" "${stage}")
expect_file("${stage}/usr/bin/quorvel")
expect_help("${stage}/usr")
expect_hive("${stage}/etc/quorvel/hklm.reg" "/usr/share/quorvel/help/qv.chm")
if(EXISTS "${stage}/usr/etc")
    message(FATAL_ERROR "a /usr install wrote ${stage}/usr/etc")
endif()

# A prefix whose name needs escaping inside a .reg string.
set(odd "${WORK}/a\"b")
install_to("${odd}" "")
expect_hive("${odd}/etc/quorvel/hklm.reg" "${WORK}/a\\\"b/share/quorvel/help/qv.chm")

file(REMOVE_RECURSE "${WORK}")
