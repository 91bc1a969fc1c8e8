# What `cmake --install` places: the program, its help file, and the machine
# hive recording where they are, as an installer records them in the registry.
install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(QUORVEL_INSTALLED_HELP "${CMAKE_INSTALL_FULL_DATADIR}/quorvel/help/qv.chm")
get_filename_component(QUORVEL_SYSINFO_FOLDER "${QUORVEL_SYSINFO_PROGRAM}" DIRECTORY)
configure_file(${CMAKE_SOURCE_DIR}/cmake/hklm.reg.in ${CMAKE_BINARY_DIR}/hklm.reg @ONLY)

get_filename_component(hive_folder "${QUORVEL_HIVE_PATH}" DIRECTORY)
get_filename_component(hive_name "${QUORVEL_HIVE_PATH}" NAME)
install(FILES ${CMAKE_BINARY_DIR}/hklm.reg DESTINATION "${hive_folder}" RENAME "${hive_name}"
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
