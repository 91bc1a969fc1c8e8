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

# What scripts read is English, as a script reading standard error asks.
set(ENV{LANGUAGE} en)
expect(0 "^Done - Found 2 words: cat, act\n$" "  tca " STDERR "dictionary en_US (")
expect(0 "^Done - No words found\n$" xqz)
expect(0 "^Done - Found 2 words: cat, act\n$" --threads 1 "  tca ")
expect(0 "^Done - Found 2 words: cat, act\n$" --threads 3 "  tca ")
# Refused requests: the window's message, on stderr.
expect(1 "^$" "c at" STDERR "invalid character")
expect(1 "^$" "c at" STDERR "U+0020 SPACE")
expect(1 "^$" "ca1" STDERR "U+0031 DIGIT ONE")
expect(1 "^$" "   " STDERR "didn't enter any letters")
# Letters of another alphabet, arranged whole: a Greek dictionary of its own
# (its index, built first, holds its alphabet to judge the letters by), an
# accent typed as a combining mark after its letter, capitals as typed.
set(greek --no-cache --dictionary ${DATA}/letters/el_GR)
expect(0 "^Done - Found 1 words: λόγος\n$" ${greek} "όγλςο"
    STDERR "answered by the word index")
expect(0 "^Done - Found 2 words: κότα, τόκα\n$" ${greek} "κταό")
expect(0 "^Done - Found 1 words: Αθήνα\n$" ${greek} "ναΑθή")
expect(0 "^Done - No words found\n$" ${greek} "λογοσ")
expect(1 "^$" ${greek} "λόγος1" STDERR "U+0031 DIGIT ONE")
# A letter its words are not spelt with is a usage error, in every mode.
expect(2 "^$" ${greek} "λόγοж" STDERR "U+0436 CYRILLIC SMALL LETTER ZHE")
expect(2 "^$" ${greek} --exhaustive "λόγοж" STDERR "el_GR")
# Usage errors.
expect(2 "^$" --threads 0 tca STDERR "--threads")
expect(2 "^$" --threads x tca STDERR "--threads")
expect(2 "^$" --bogus tca STDERR "bogus")
expect(2 "^$" tca act STDERR "one argument")
expect(2 "^$")
# Options are options, never letters to search.
expect(0 "Usage: .*quorvel-search" --help)
expect(0 "Usage: .*quorvel-search" --help-all)
expect(0 "quorvel-search ${VERSION}" --version)

# In the user's language: the usage text, the errors and the notes on
# standard error; the result line on standard output stays as scripts read it.
set(ENV{LANGUAGE} fr)
expect(0 "Affiche chaque mot formé avec toutes les lettres données" --help)
expect(0 "^Done - Found 2 words: cat, act\n$" tca STDERR "dictionnaire en_US (")
expect(1 "^$" "c at" STDERR "caractère non valide")
expect(0 "^Done - No words found\n$" --language de xqz STDERR "Wörterbuch en_US (")
expect(0 "^Done - Found 2 words: cat, act\n$" --language en tca STDERR "dictionary en_US (")
# A language with no translation is a usage error, told in the user's language.
expect(2 "^$" --language xx tca STDERR "aucune traduction pour")
expect(2 "^$" --language=../fr tca STDERR "--language")
