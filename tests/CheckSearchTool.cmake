# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs quorvel-search and compares stdout, the exit status and, where given,
# a piece of stderr.
function(expect status stdout)
    cmake_parse_arguments(ARG "" "STDERR" "" ${ARGN})
    execute_process(COMMAND ${TOOL} ${ARG_UNPARSED_ARGUMENTS} RESULT_VARIABLE got_status
                    OUTPUT_VARIABLE got_stdout ERROR_VARIABLE got_stderr)
    string(FIND "${got_stderr}" "${ARG_STDERR}" at)
    if(NOT got_status STREQUAL status OR NOT got_stdout MATCHES "${stdout}" OR at EQUAL -1)
        message(FATAL_ERROR "quorvel-search ${ARG_UNPARSED_ARGUMENTS}: status ${got_status}, stdout "
                            "'${got_stdout}', stderr '${got_stderr}'; expected ${status}, '${stdout}'")
    endif()
endfunction()

expect(0 "^Done - Found 2 words: cat, act\n$" "  tca ")
expect(0 "^Done - No words found\n$" xqz)
expect(0 "^Done - Found 2 words: cat, act\n$" --threads 1 "  tca ")
expect(0 "^Done - Found 2 words: cat, act\n$" --threads 3 "  tca ")
# Refused requests: the window's message, on stderr.
expect(1 "^$" "c at" STDERR "invalid character")
expect(1 "^$" "c at" STDERR "U+0020 SPACE")
expect(1 "^$" "ca1" STDERR "U+0031 DIGIT ONE")
expect(1 "^$" "   " STDERR "didn't enter any letters")
# Usage errors.
expect(2 "^$" --threads 0 tca STDERR "--threads")
expect(2 "^$" --threads x tca STDERR "--threads")
expect(2 "^$" --bogus tca STDERR "bogus")
expect(2 "^$" tca act STDERR "one argument")
expect(2 "^$")
# Options are options, never letters to search.
expect(0 "Usage: .*quorvel-search" --help)
expect(0 "quorvel-search ${VERSION}" --version)
