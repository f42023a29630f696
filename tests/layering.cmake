# Checks the layers of the source tree by the #include lines of every file
# under src/ and tools/.  Run by CTest as `layering`:
#
#   cmake -DSOURCE_DIR=<top> [-DQT_WIDGETS_DIR=<QtWidgets headers>] -P layering.cmake
#
#   records         the records only
#   intake          records                      (the reading of game files for the analyses)
#   exchange        records; the install aide's header (a sibling of stats and reports)
#   stats           records, intake
#   reports         records, intake, stats
#   reports/print   records, intake, stats, reports; Qt Gui (QPainter), never Qt Widgets
#   scoring         records                      (the scorer, below stats and reports)
#   interop         records, intake, scoring     (importers of other formats)
#   tools           records, scoring (the simulator stays a fair test of the statistics)
#   platform        records; no Qt, but in platform/qt/ (the Qt half of the Ui)
#   app/core        the core rooms and platform, of src/app only app/core; no Qt
#   app             everything but the command line and the simulator; Qt
#   cli             the core rooms, platform and app/core; no Qt and no simulator:
#                   the scorewick executable starts without Qt
#   cli/drawing     what cli may use, and the windows and printouts; Qt
#   instaide        its own header only (a library loaded at run time)
#
# Core folders (records, intake, exchange, scoring, interop, stats, reports
# outside print/) include no Qt at all, and no folder of the core includes
# src/platform, src/app or src/cli.  A folder that does not exist yet is
# simply not checked.

set(core_rooms records intake exchange scoring interop stats reports)
set(allowed_records records)
set(allowed_intake records intake)
set(allowed_exchange records exchange instaide)
set(allowed_stats records intake stats)
set(allowed_reports records intake stats reports)
set(allowed_print records intake stats reports)
set(allowed_scoring records scoring)
set(allowed_interop records intake scoring interop)
set(allowed_tools records scoring sim)
set(allowed_platform records platform)
set(allowed_platform_qt records platform)
set(allowed_app_core ${core_rooms} platform app)
set(allowed_app ${core_rooms} platform app instaide)
set(allowed_cli ${core_rooms} platform app cli)
set(allowed_cli_drawing ${allowed_cli})
set(allowed_instaide instaide)
# Every folder a quoted include may name; those not allowed above are refused.
set(all_folders ${core_rooms} platform app cli instaide sim)
# The layers whose files may include Qt: any of it, or Qt Gui only.
set(qt_layers app platform_qt cli_drawing)

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
  elseif(rel MATCHES "^src/(records|intake|exchange|scoring|interop|stats|reports|instaide)/")
    set(layer ${CMAKE_MATCH_1})
  elseif(rel MATCHES "^tools/")
    set(layer tools)
  elseif(rel MATCHES "^src/platform/qt/")
    set(layer platform_qt)
  elseif(rel MATCHES "^src/platform/")
    set(layer platform)
  elseif(rel MATCHES "^src/app/core/")
    set(layer app_core)
  elseif(rel MATCHES "^src/app/")
    set(layer app)
  elseif(rel MATCHES "^src/cli/drawing/")
    set(layer cli_drawing)
  elseif(rel MATCHES "^src/cli/")
    set(layer cli)
  else()
    list(APPEND problems "${rel}: a file of no known layer")
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
      # The application's core and the command line use the application's
      # core, never its windows; only the drawing half reaches the printouts.
      if(layer MATCHES "^(cli|app_core)$" AND line MATCHES "\"(app/[a-z_]+\\.h|reports/print/)")
        list(APPEND problems "${rel}: ${line}")
      endif()
      # reports outside print/ draws nothing.
      if(layer STREQUAL "reports" AND line MATCHES "\"reports/print/")
        list(APPEND problems "${rel}: ${line}")
      endif()
    elseif(line MATCHES "<(Q[A-Za-z0-9]*)(/[A-Za-z0-9]+)?>")
      set(header ${CMAKE_MATCH_1})
      list(FIND qt_layers ${layer} qt_layer)
      if(qt_layer GREATER -1)
        continue()
      elseif(NOT layer STREQUAL "print")
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
