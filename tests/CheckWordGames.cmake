# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs quorvel-search's word games on the tiny dictionaries in DATA and
# compares stdout, the exit status and, where given, a piece of stderr;
# INPUT names a file for standard input (else it is empty).
function(expect status stdout)
    cmake_parse_arguments(ARG "" "STDERR;INPUT" "" ${ARGN})
    if(NOT ARG_INPUT)
        set(ARG_INPUT /dev/null)
    endif()
    execute_process(COMMAND ${TOOL} ${ARG_UNPARSED_ARGUMENTS} RESULT_VARIABLE got_status
                    INPUT_FILE ${ARG_INPUT} OUTPUT_VARIABLE got_stdout ERROR_VARIABLE got_stderr)
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
expect(0 "^\\[{\"blanks\":\\[\\[\\],\\[\\]\\],\"letters\":9,\"words\":\\[\"dirt\",\"roomy\"\\]},.*\\]\n$"
    --phrases --json --dictionary ${games} dirtyroom)
# The letter the blank stands for, in brackets.
expect(0 "^dirty \\[m\\]oor\ndirty roo\\[m\\]\n$" --phrases 2 --pattern "d???? ????" --dictionary ${games} dirtyroo?)
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
# Many queries, a line each: the empty one skipped, the refused one told
# and the next still answered; the status is the refused line's. A game's
# answer ends with an empty line, the refused line's empty answer too.
expect(1 "^Done - Found 1 words: lean\nDone - Found 2 words: [gl]e[gl], [gl]e[gl]\n$"
    --stdin --dictionary qq_QQ INPUT ${DATA}/queries.txt STDERR "invalid character")
expect(1 "^lean\n\n\ngel\nleg\n\n$" --stdin --some --min-length 3 --dictionary qq_QQ
    INPUT ${DATA}/queries.txt STDERR "only letters")
# In JSON each answer is one line already, a refused line's null: nothing
# between, and the n-th line the n-th query's answer.
expect(1 "^\\[[^\n]*\"lean\"[^\n]*\\]\nnull\n\\[[^\n]*\"gel\"[^\n]*\\]\n$" --stdin --some --json
    --min-length 3 --dictionary qq_QQ INPUT ${DATA}/queries.txt STDERR "only letters")
expect(2 "^$" --stdin --dictionary qq_QQ nael STDERR "--stdin")
# The crossword: every word of the dictionary that fits, with classes and
# letters kept or left out; a phrase in its pattern's order, one with a word.
expect(0 "^Galen\nglean\n$" --pattern "G????" --dictionary qq_QQ)
expect(0 "^angel\nangle\n$" --pattern "[^g]???[^s]" --include g --exclude o --dictionary qq_QQ)
# A letter no letter of the dictionary's alphabet counts as, named: in the
# pattern, or among the letters left out.
expect(2 "^$" --pattern "ж????" --dictionary qq_QQ STDERR "U+0436 CYRILLIC SMALL LETTER ZHE")
expect(2 "^$" --pattern "?????" --exclude "aж" --dictionary qq_QQ STDERR "U+0436")
expect(0 "^roomy dirt\ndirty moor\ndirty room\n$" --phrases --pattern "????? ????"
    --dictionary qq_QQ dirtyroom)
expect(0 "^dirty room\n$" --phrases --contains-word room --dictionary qq_QQ dirtyroom)
# Results people would play: no names (Galen), in any game.
expect(0 "^angles\nangel\nangle\nglean\nlean\ngel\nleg\nan\n$" --some --no-names --dictionary qq_QQ lgnaes)
# The player's own list: its words, not the dictionary's; the checker not asked.
expect(0 "^elan\nlean\n$" --some --min-length 4 --wordlist ${DATA}/list.txt nael STDERR "not asked")
expect(2 "^$" --some --wordlist ${DATA} nael STDERR "--wordlist")
# Letters of every alphabet, matched loosely as the dictionary's language
# counts them: an accent typed as a combining mark; ñ a letter of its own in
# Spanish, which n never stands for; a medial sigma for a final one; a blank
# for a letter beyond A to Z, marked; [ch] one tile, played only where C and
# H stand together; a tile the language's set lacks and a letter outside the
# alphabet refused by name.
set(letters ${DATA}/letters)
expect(0 "^été\n$" --some --dictionary ${letters}/fr "été")
# Words of one length in the language's alphabetical order: été before thé.
expect(0 "^été\nthé\n$" --some --min-length 3 --dictionary ${letters}/fr "THÉETE")
expect(0 "^cana\n$" --some --dictionary ${letters}/es_ES acan)
expect(0 "^caña\n$" --some --dictionary ${letters}/es_ES añac)
expect(0 "^ca\\[n\\]a\nca\\[ñ\\]a\n$" --some --dictionary ${letters}/es_ES "ca?a")
expect(0 "^λόγος\n$" --some --dictionary ${letters}/el_GR σλογο)
expect(0 "^chico\n$" --some --dictionary ${letters}/es_ES "[ch]ioco")
expect(0 "^hocico\nchico\n$" --some --dictionary ${letters}/es_ES chioco)
expect(2 "^$" --some --dictionary ${letters}/es_ES "[xy]ioco" STDERR "[xy]")
expect(2 "^$" --some --dictionary ${letters}/fr "étж" STDERR "ж")
