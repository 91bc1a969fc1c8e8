# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# No text of the program or of its help names the office programs, the other
# operating system or its program files: a Linux user would look for the wrong
# thing. The hive's own format names (its header line, its key names) are data
# the user never reads, and are let through.
# cmake -DPROGRAM=<quorvel executable> -DHELP=<help source folder>
#       [-DTRANSLATIONS=<catalogues folder>] -P CheckUserTexts.cmake
set(word_before "(^|[^A-Za-z0-9_])")
set(word_after "([^A-Za-z0-9_]|$)")
set(forbidden "${word_before}(Excel|Word|Windows)${word_after}|\\.exe${word_after}")
set(data_texts "Windows Registry Editor Version 5\\.00")

set(found "")
function(scan what lines)
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "${data_texts}" "" text "${line}")
        if(text MATCHES "${forbidden}")
            string(APPEND found "  ${what}: ${line}\n")
        endif()
    endforeach()
    set(found "${found}" PARENT_SCOPE)
endfunction()

file(STRINGS "${PROGRAM}" program_lines REGEX "Excel|Word|Windows|\\.exe")
scan("program" "${program_lines}")
file(GLOB help_files "${HELP}/*.html" "${HELP}/*.hh?" "${HELP}/*/*.html" "${HELP}/*/*.hh?")
foreach(help_file IN LISTS help_files)
    file(STRINGS "${help_file}" help_lines REGEX "Excel|Word|Windows|\\.exe")
    file(RELATIVE_PATH name "${HELP}" "${help_file}")
    scan("${name}" "${help_lines}")
endforeach()

# The translations of the program's texts, as much as the texts themselves.
if(TRANSLATIONS)
    file(GLOB catalogues "${TRANSLATIONS}/*.ts")
    foreach(catalogue IN LISTS catalogues)
        file(STRINGS "${catalogue}" catalogue_lines REGEX "Excel|Word|Windows|\\.exe")
        get_filename_component(name "${catalogue}" NAME)
        scan("${name}" "${catalogue_lines}")
    endforeach()
endif()

if(found)
    message(FATAL_ERROR "texts naming what this platform does not have:\n${found}")
endif()
