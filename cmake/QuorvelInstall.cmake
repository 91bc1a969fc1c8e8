# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` places: the program, its help file, and the machine
# hive recording where they are, as an installer records them in the registry.
# The hive is written by the install run itself, for the prefix of that run.
install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(CODE "
set(QUORVEL_HIVE_TEMPLATE [[${CMAKE_SOURCE_DIR}/cmake/hklm.reg.in]])
set(QUORVEL_HIVE_NAME [[${QUORVEL_HIVE_NAME}]])
set(QUORVEL_SYSCONFDIR [[${CMAKE_INSTALL_SYSCONFDIR}]])
set(QUORVEL_DATADIR [[${CMAKE_INSTALL_DATADIR}]])
set(QUORVEL_SYSINFO_PROGRAM [[${QUORVEL_SYSINFO_PROGRAM}]])
set(QUORVEL_HIVE_WORK [[${CMAKE_BINARY_DIR}]])
include([[${CMAKE_SOURCE_DIR}/cmake/InstallBeside.cmake]])
include([[${CMAKE_SOURCE_DIR}/cmake/QuorvelInstallHive.cmake]])
")
