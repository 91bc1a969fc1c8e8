# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs quorvel with options that answer on the terminal: none of them opens a
# window, which would wait for the user until the test's timeout.
# cmake -DPROGRAM=<quorvel> -DVERSION=<x.y.z> -P CheckWindowOptions.cmake
function(expect status stdout stderr)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ${ARGN} RESULT_VARIABLE got_status
                    OUTPUT_VARIABLE got_stdout ERROR_VARIABLE got_stderr)
    if(NOT got_status STREQUAL status OR NOT got_stdout MATCHES "${stdout}"
       OR NOT got_stderr MATCHES "${stderr}")
        message(FATAL_ERROR "${ARGN}: status ${got_status}, stdout '${got_stdout}', stderr "
                            "'${got_stderr}'; expected ${status}, '${stdout}', '${stderr}'")
    endif()
endfunction()

# The texts below are the English ones, whatever language the machine speaks.
set(ENV{LANGUAGE} en)
set(offscreen QT_QPA_PLATFORM=offscreen ${PROGRAM})
expect(0 "^Quorvel ${VERSION}\n$" "" ${offscreen} --version)
expect(0 "Usage: .*quorvel.*--exhaustive.*--dictionary" "" ${offscreen} --help)
# A terminal without a display: answered before the window system is asked.
expect(0 "^Quorvel ${VERSION}\n$" "" --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
       ${PROGRAM} --version)
# The window system's own options are options, not errors.
expect(0 "^Quorvel ${VERSION}\n$" "" ${PROGRAM} -platform offscreen --version)
# Wrong options and stray arguments: a usage error, exit status 2, no window.
expect(2 "^$" "bogus.*quorvel --help" ${offscreen} --bogus)
expect(2 "^$" "letters" ${offscreen} tca)
# A dictionary that is not there is told on the terminal, before any window.
expect(2 "^$" "--dictionary: no dictionary xx_YY was found" ${offscreen} --dictionary xx_YY)
expect(2 "^$" "--dictionary: .*/nowhere/xx.dic" ${offscreen} --dictionary /nowhere/xx.dic)
# The usage text and the errors in the user's language, or in the one
# --language names; a language with no translation is a usage error.
expect(0 "Listet in einem Fenster jedes Wort auf" "" LANGUAGE=de ${offscreen} --help)
expect(0 "Affiche dans une fenêtre chaque mot" "" LANGUAGE=de ${offscreen} --language fr --help)
expect(0 "Lists every word made of all the letters typed" "" LANGUAGE=de ${offscreen} --language en --help)
expect(2 "^$" "Argumento inesperado" LANGUAGE=es ${offscreen} tca)
expect(2 "^$" "--language: there is no translation for 'xx'" LANGUAGE=en ${offscreen} --language xx)
