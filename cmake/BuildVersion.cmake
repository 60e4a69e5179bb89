# SPDX-License-Identifier: GPL-3.0-or-later
# The version and USB ids of the build, in a header every program can include
# as "BuildVersion.h". Only the files that include it are rebuilt when the
# version changes.
configure_file(${CMAKE_CURRENT_LIST_DIR}/BuildVersion.h.in ${CMAKE_BINARY_DIR}/generated/BuildVersion.h @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)
