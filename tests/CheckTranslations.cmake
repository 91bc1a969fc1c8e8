# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when the code's texts and the catalogues differ: lupdate, run on
# copies of the catalogues, would add a text (changed or new) or drop one.
# Also fails on an entry marked unfinished.
# cmake -DLUPDATE=... -DOPTIONS=... -DSOURCES=<list file> -DCATALOGUES=<.ts files> -DWORK=<folder>
#       -P CheckTranslations.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(copies "")
foreach(catalogue IN LISTS CATALOGUES)
    get_filename_component(name "${catalogue}" NAME)
    file(COPY "${catalogue}" DESTINATION "${WORK}")
    list(APPEND copies "${WORK}/${name}")
endforeach()
execute_process(COMMAND "${LUPDATE}" -silent ${OPTIONS} "@${SOURCES}" -ts ${copies}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${status}")
endif()
set(stale "")
set(unfinished "")
foreach(catalogue IN LISTS CATALOGUES)
    get_filename_component(name "${catalogue}" NAME)
    file(READ "${catalogue}" before)
    file(READ "${WORK}/${name}" after)
    if(NOT before STREQUAL after)
        list(APPEND stale "${name}")
    endif()
    # An unfinished entry is shown in English, however up to date the catalogue is.
    string(FIND "${before}" "type=\"unfinished\"" at)
    if(NOT at EQUAL -1)
        list(APPEND unfinished "${name}")
    endif()
endforeach()
if(stale)
    message(FATAL_ERROR "The catalogues do not have the code's texts as they are now: ${stale}\n"
        "Run `cmake --build build --target update_translations`, then translate what it marks unfinished.")
endif()
if(unfinished)
    message(FATAL_ERROR "Texts not yet translated in: ${unfinished}")
endif()
