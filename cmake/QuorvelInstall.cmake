# What `cmake --install` places: the program, its help file, and the machine
# hive recording where they are, as an installer records them in the registry.
install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(QUORVEL_INSTALLED_HELP "${CMAKE_INSTALL_FULL_DATADIR}/quorvel/help/qv.chm")
get_filename_component(QUORVEL_SYSINFO_FOLDER "${QUORVEL_SYSINFO_PROGRAM}" DIRECTORY)
configure_file(${CMAKE_SOURCE_DIR}/cmake/hklm.reg.in ${CMAKE_BINARY_DIR}/hklm.reg @ONLY)

# A hive that the administrator edited is kept; the new one goes beside it.
install(CODE "include(\"${CMAKE_SOURCE_DIR}/cmake/InstallBeside.cmake\")
quorvel_install_beside(\"${CMAKE_BINARY_DIR}/hklm.reg\" \"${QUORVEL_HIVE_PATH}\")")
