# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DCLANG_FORMAT=... -DROOT=... -P CheckFormat.cmake: fails when a source differs from what the root
# .clang-format makes of it, and names each such file.
if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "clang-format is not installed (scripts/setup.sh installs it)")
endif()
file(GLOB_RECURSE sources ${ROOT}/src/*.h ${ROOT}/src/*.cpp ${ROOT}/tests/*.h ${ROOT}/tests/*.cpp
     ${ROOT}/bench/*.h ${ROOT}/bench/*.cpp ${ROOT}/fuzz/*.h ${ROOT}/fuzz/*.cpp)
set(unformatted)
foreach(source ${sources})
  execute_process(COMMAND ${CLANG_FORMAT} --style=file --dry-run -Werror ${source}
                  WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(NOT result EQUAL 0)
    file(RELATIVE_PATH name ${ROOT} ${source})
    list(APPEND unformatted ${name})
  endif()
endforeach()
if(unformatted)
  list(JOIN unformatted "\n  " text)
  message(FATAL_ERROR "Not formatted by .clang-format (run clang-format -i on them):\n  ${text}")
endif()
message(STATUS "Every source is formatted")
