# Checks the layers of the source tree by the #include lines of every file
# under src/ and tools/.  Run by CTest as `layering`:
#
#   cmake -DSOURCE_DIR=<top> [-DQT_WIDGETS_DIR=<QtWidgets headers>] -P layering.cmake
#
#   records         the records only
#   exchange        records                      (a sibling of stats and reports)
#   stats           records
#   reports         records, stats
#   reports/print   records, stats, reports; Qt Gui (QPainter), never Qt Widgets
#   scoring         records                      (the scorer, below stats and reports)
#   interop         records, scoring             (importers of other formats)
#   tools           records, scoring (the simulator stays a fair test of the statistics)
#   cli             no Qt, and of src/app only app/core: the scorewick executable
#                   starts without Qt (cli/print/, the drawing half, is not checked)
#
# Core folders (records, exchange, scoring, interop, stats, reports outside
# print/) include no
# Qt at all, and no folder of the core includes src/platform, src/app or
# src/cli.  A folder that does not exist yet is simply not checked.

set(allowed_records records)
set(allowed_exchange records exchange)
set(allowed_stats records stats)
set(allowed_reports records stats reports)
set(allowed_print records stats reports)
set(allowed_scoring records scoring)
set(allowed_interop records scoring interop)
set(allowed_tools records scoring sim)
set(allowed_cli records exchange stats reports platform app cli instaide sim scoring interop)
# Every folder a quoted include may name; those not allowed above are refused.
set(all_folders records exchange scoring interop stats reports platform app cli instaide sim)

# The Qt Widgets classes, from the installed headers when known, else those
# a drawing file would most likely reach for by mistake.
set(widget_classes QApplication QWidget QDialog QMessageBox QMainWindow QLabel QPushButton
    QLineEdit QFileDialog QPrinter QPrintDialog QPrinterInfo QPageSetupDialog)
if(QT_WIDGETS_DIR AND IS_DIRECTORY "${QT_WIDGETS_DIR}")
  file(GLOB widget_headers RELATIVE "${QT_WIDGETS_DIR}" "${QT_WIDGETS_DIR}/Q*")
  list(APPEND widget_classes ${widget_headers})
endif()
list(REMOVE_DUPLICATES widget_classes)

file(GLOB_RECURSE sources ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp
     ${SOURCE_DIR}/tools/*.h ${SOURCE_DIR}/tools/*.cpp)
set(problems "")
foreach(file ${sources})
  file(RELATIVE_PATH rel ${SOURCE_DIR} ${file})
  if(rel MATCHES "^src/reports/print/")
    set(layer print)
  elseif(rel MATCHES "^src/(records|exchange|scoring|interop|stats|reports)/")
    set(layer ${CMAKE_MATCH_1})
  elseif(rel MATCHES "^tools/")
    set(layer tools)
  elseif(rel MATCHES "^src/cli/print/")
    continue()
  elseif(rel MATCHES "^src/cli/")
    set(layer cli)
  else()
    continue()
  endif()
  file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${includes})
    if(line MATCHES "\"([a-z_]+)/")
      set(target ${CMAKE_MATCH_1})
      list(FIND all_folders ${target} known)
      list(FIND allowed_${layer} ${target} allowed)
      if(known GREATER -1 AND allowed EQUAL -1)
        list(APPEND problems "${rel}: ${line}")
      endif()
      # The command line uses the application's core, never its windows.
      if(layer STREQUAL "cli" AND line MATCHES "\"(app/[a-z_]+\\.h|reports/print/)")
        list(APPEND problems "${rel}: ${line}")
      endif()
      # reports outside print/ draws nothing.
      if(layer STREQUAL "reports" AND line MATCHES "\"reports/print/")
        list(APPEND problems "${rel}: ${line}")
      endif()
    elseif(line MATCHES "<(Q[A-Za-z0-9]*)(/[A-Za-z0-9]+)?>")
      set(header ${CMAKE_MATCH_1})
      if(NOT layer STREQUAL "print")
        list(APPEND problems "${rel}: ${line} (no Qt here)")
      elseif(header MATCHES "^Qt(Widgets|PrintSupport)$")
        list(APPEND problems "${rel}: ${line} (Qt Gui only)")
      else()
        list(FIND widget_classes ${header} widget)
        if(widget GREATER -1)
          list(APPEND problems "${rel}: ${line} (Qt Gui only)")
        endif()
      endif()
    endif()
  endforeach()
endforeach()
if(problems)
  string(REPLACE ";" "\n  " text "${problems}")
  message(FATAL_ERROR "includes across the layers:\n  ${text}")
endif()
message(STATUS "layers kept in ${SOURCE_DIR}")
