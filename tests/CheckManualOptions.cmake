# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The options of a manual page's OPTIONS section, one .TP entry each, come in
# alphabetical order (the dashes aside), --help and --version last, as the
# page's header says: a reader finds an option where it would be.
# cmake -DMANUAL=<page> -P CheckManualOptions.cmake
file(READ "${MANUAL}" text)
string(REGEX MATCH "\n\\.SH OPTIONS\n(.*)" section "${text}")
string(REGEX REPLACE "\n\\.SH .*" "" section "${CMAKE_MATCH_1}")
# The line after each .TP names the option: .B \-\-name or .BI \-\-name " ARG".
string(REGEX MATCHALL "\\.TP\n\\.B[IR]? +[^ \n]+" entries "${section}")
set(options "")
foreach(entry IN LISTS entries)
    string(REGEX REPLACE "^\\.TP\n\\.B[IR]? +" "" option "${entry}")
    string(REPLACE "\\-" "-" option "${option}")
    string(REPLACE "\"" "" option "${option}")
    list(APPEND options "${option}")
endforeach()
list(LENGTH options count)
if(count LESS 3)
    message(FATAL_ERROR "${MANUAL}: no OPTIONS entries found")
endif()
# --help (-h, --help) and --version (-v, --version) close the list.
list(POP_BACK options version)
list(POP_BACK options help)
if(NOT help STREQUAL "-h" OR NOT version STREQUAL "-v")
    message(FATAL_ERROR "${MANUAL}: the last options are ${help} and ${version}, not -h and -v")
endif()
set(names "")
foreach(option IN LISTS options)
    string(REGEX REPLACE "^-+" "" name "${option}")
    list(APPEND names "${name}")
endforeach()
set(sorted ${names})
list(SORT sorted)
if(NOT names STREQUAL sorted)
    string(REPLACE ";" " " names "${names}")
    string(REPLACE ";" " " sorted "${sorted}")
    message(FATAL_ERROR "${MANUAL}: the options are\n  ${names}\nin alphabetical order\n  ${sorted}")
endif()
