# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Refuses, at configure time, a quoted include of another folder's header
# ("search/WordSearch.h") from a target that does not link that folder's
# library, directly or through what it links. A static library would only
# fail at link time, and a header-only use not at all; this keeps the
# dependency graph in ARCHITECTURE.md the one the code follows.

set(QUORVEL_LIBRARY_FOLDERS
    platform fileio desktop artwork registry hunspellfiles wordforms wordindex candidates spelling search
    wordgames cli chmreader helpviewer mainwindow about)

# The quorvel_* libraries that target links, directly or indirectly.
function(quorvel_link_closure target out)
    set(seen "")
    set(pending ${target})
    while(pending)
        list(POP_FRONT pending current)
        foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
            get_target_property(links ${current} ${property})
            if(NOT links)
                continue()
            endif()
            foreach(link IN LISTS links)
                if(link MATCHES "^quorvel_" AND TARGET ${link} AND NOT link IN_LIST seen)
                    list(APPEND seen ${link})
                    list(APPEND pending ${link})
                endif()
            endforeach()
        endforeach()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(quorvel_check_target target)
    get_target_property(type ${target} TYPE)
    get_target_property(folder ${target} SOURCE_DIR)
    get_filename_component(own ${folder} NAME)
    if(type STREQUAL "INTERFACE_LIBRARY" OR type STREQUAL "UTILITY")
        set(files "")
    else()
        get_target_property(files ${target} SOURCES)
    endif()
    # A library answers for every header of its folder too.
    if(target STREQUAL "quorvel_${own}")
        file(GLOB headers ${folder}/*.h)
        list(APPEND files ${headers})
    endif()
    quorvel_link_closure(${target} closure)
    foreach(file IN LISTS files)
        if(NOT IS_ABSOLUTE ${file})
            set(file ${folder}/${file})
        endif()
        if(NOT file MATCHES "\\.(h|cpp)$" OR NOT EXISTS ${file})
            continue()
        endif()
        file(STRINGS ${file} includes REGEX "^#include \"[a-z]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" used ${line})
            if(used STREQUAL own OR NOT used IN_LIST QUORVEL_LIBRARY_FOLDERS)
                continue()
            endif()
            if(NOT quorvel_${used} IN_LIST closure)
                message(SEND_ERROR "${file} includes a header of ${used}/, "
                    "but ${target} does not link quorvel_${used}")
            endif()
        endforeach()
    endforeach()
endfunction()

function(quorvel_check_include_graph)
    set(directories ${CMAKE_SOURCE_DIR})
    set(targets "")
    while(directories)
        list(POP_FRONT directories directory)
        get_property(here DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
        list(APPEND targets ${here})
        get_property(below DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
        list(APPEND directories ${below})
    endwhile()
    foreach(target IN LISTS targets)
        quorvel_check_target(${target})
    endforeach()
endfunction()
