# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSRC_ROOT=... -DQT_ALLOWED_DIRS=... -P CheckLayers.cmake: fails when a file breaks the include rules.
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)
string(REPLACE "|" ";" QT_ALLOWED_DIRS "${QT_ALLOWED_DIRS}")
get_filename_component(SRC_ROOT "${SRC_ROOT}" ABSOLUTE)
check_layers("${SRC_ROOT}" "${QT_ALLOWED_DIRS}" problems)
if(problems)
  list(JOIN problems "\n" text)
  message(FATAL_ERROR "Include rules broken:\n${text}")
endif()
message(STATUS "Every include points down")
