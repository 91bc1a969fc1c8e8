# Runs quorvel-search on a few inputs and compares stdout and the exit status.
function(expect letters status stdout)
    execute_process(COMMAND ${TOOL} ${ARGN} "${letters}" RESULT_VARIABLE got_status
                    OUTPUT_VARIABLE got_stdout ERROR_VARIABLE got_stderr)
    if(NOT got_status STREQUAL status OR NOT got_stdout STREQUAL stdout)
        message(FATAL_ERROR "quorvel-search '${letters}': status ${got_status}, stdout "
                            "'${got_stdout}', stderr '${got_stderr}'; expected ${status}, '${stdout}'")
    endif()
endfunction()

expect("  tca " 0 "Done - Found 2 words: cat, act\n")
expect("xqz" 0 "Done - No words found\n")
expect("c at" 2 "")
expect("   " 2 "")
expect("cat1" 2 "")
expect("  tca " 0 "Done - Found 2 words: cat, act\n" --threads 1)
expect("  tca " 0 "Done - Found 2 words: cat, act\n" --threads 3)
expect("tca" 2 "" --threads 0)
