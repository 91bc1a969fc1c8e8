# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs quorvel-search's word games on the tiny dictionaries in DATA and
# compares stdout, the exit status and, where given, a piece of stderr.
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

set(games ${DATA}/qq_QQ)
# The dictionary by its .dic, by its .aff and without extension; each run
# names the dictionary and engine that answered.
expect(0 "^angles\nangel\nangle\nGalen\nglean\nlean\ngel\nleg\nan\n$"
    --some --dictionary ${games}.dic lgnaes STDERR "dictionary qq_QQ (${games}), engine ")
expect(0 "^angles\nangel\nangle\n$" --some --limit 3 --dictionary ${games}.aff LGNAES STDERR "--limit")
expect(0 "^\\[{\"letters\":9,\"words\":\\[\"dirt\",\"roomy\"\\]},.*\\]\n$"
    --phrases --json --dictionary ${games} dirtyroom)
expect(0 "^dirty moor\ndirty room\n$" --phrases 2 --pattern "d???? ????" --dictionary ${games} dirtyroo?)
expect(0 "^polish\n$" --some --min-length 6 --dictionary ${games} hsilop)
# By its name, from DICPATH; the whole-word search takes it too.
expect(0 "^Done - Found 1 words: lean\n$" --dictionary qq_QQ nael STDERR "dictionary qq_QQ")
expect(0 "^lean\n" --some --dictionary qq_QQ nael)
# A dictionary its word index cannot serve: the games refuse, the
# whole-word search tries every arrangement.
expect(5 "^$" --some --dictionary ${DATA}/noindex/qq_QQ tca STDERR "--some")
expect(0 "^Done - Found 2 words: cat, act\n$" --dictionary ${DATA}/noindex/qq_QQ tca)
# The dictionaries found, each with its path, then the locale's pick.
expect(0 "qq_QQ\t${games}\t\talphabet " --list-dictionaries)
# Usage errors.
expect(2 "^$" --some --dictionary xx_NOPE abc STDERR "xx_NOPE")
expect(2 "^$" --some --dictionary ${DATA}/missing.dic abc STDERR "missing")
expect(2 "^$" --pattern "a??" abc STDERR "--pattern")
expect(2 "^$" --json abc STDERR "--json")
expect(2 "^$" --some --threads 2 abc STDERR "--threads")
expect(2 "^$" --some --exhaustive abc STDERR "--exhaustive")
expect(2 "^$" --phrases --pattern "a?? ???" abcde STDERR "--pattern")
expect(2 "^$" --some --phrases abc STDERR "--phrases")
expect(1 "^$" --some "ab-c")
# Blanks belong to the games only.
expect(1 "^$" "an?el" STDERR "invalid character")
