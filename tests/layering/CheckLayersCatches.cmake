# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DWORK_DIR=... -DQT_ALLOWED_DIRS=... -P CheckLayersCatches.cmake: the checker itself finds each kind of
# broken rule in a small tree made for it, and passes a tree that keeps them.
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)
string(REPLACE "|" ";" QT_ALLOWED_DIRS "${QT_ALLOWED_DIRS}")

# case name; files as path=first line pairs; the text the report must contain ("" for a clean tree).
function(expect name expected)
  set(root ${WORK_DIR}/${name})
  file(REMOVE_RECURSE ${root})
  foreach(pair ${ARGN})
    string(REPLACE "=" ";" parts "${pair}")
    list(GET parts 0 path)
    list(GET parts 1 line)
    file(WRITE ${root}/${path} "${line}\n")
  endforeach()
  check_layers("${root}" "${QT_ALLOWED_DIRS}" problems)
  if(expected STREQUAL "")
    if(problems)
      message(FATAL_ERROR "${name}: a clean tree was reported: ${problems}")
    endif()
  elseif(NOT problems MATCHES "${expected}")
    message(FATAL_ERROR "${name}: expected a report containing '${expected}', got '${problems}'")
  endif()
endfunction()

expect(clean ""
  "core/model/A.h=#include <string>"
  "core/files/B.h=#include \"core/model/A.h\""
  "qt/C.h=#include <QObject>"
  "gui/kit/D.h=#include <QWidget>"
  "gui/main/E.h=#include \"gui/kit/D.h\""
  "app/x/main.cpp=#include \"gui/main/E.h\"")
expect(core_includes_qt "the core layer includes the Qt header <QString>"
  "core/model/A.h=#include <QString>")
expect(core_includes_gui "core/model includes \"gui/kit/D.h\" from gui/kit"
  "core/model/A.h=#include \"gui/kit/D.h\"" "gui/kit/D.h=#include <QWidget>")
expect(sim_includes_qt "sim includes \"qt/C.h\" from qt"
  "sim/A.h=#include \"qt/C.h\"" "qt/C.h=#include <QObject>")
expect(qt_includes_widgets "not Qt Core or SerialPort"
  "qt/C.h=#include <QWidget>")
expect(model_includes_files "core/model includes \"core/files/B.h\" from core/files"
  "core/model/A.h=#include \"core/files/B.h\"" "core/files/B.h=#include <string>")
expect(windows_of_two_folders "gui/channels includes \"gui/settings/S.h\" from gui/settings"
  "gui/channels/C.h=#include \"gui/settings/S.h\"" "gui/settings/S.h=#include <QWidget>")
expect(mutual "app/a and app/b include each other"
  "app/a/A.h=#include \"app/b/B.h\"" "app/b/B.h=#include \"app/a/A.h\"")
message(STATUS "The checker reports every broken rule it was shown")
