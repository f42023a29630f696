# The scorewick executable starts without Qt and hands the commands that
# draw over to the drawing program beside it.  Run by CTest as
# cli_light_program:
#
#   cmake -DSCOREWICK=<scorewick> -DWORK=<scratch folder> -P light_program.cmake

file(GET_RUNTIME_DEPENDENCIES EXECUTABLES ${SCOREWICK}
     RESOLVED_DEPENDENCIES_VAR resolved UNRESOLVED_DEPENDENCIES_VAR unresolved)
foreach(lib ${resolved} ${unresolved})
  if(lib MATCHES "libQt")
    message(FATAL_ERROR "scorewick loads ${lib}")
  endif()
endforeach()

function(run expected_code)
  execute_process(COMMAND ${SCOREWICK} ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out
                  ERROR_VARIABLE err WORKING_DIRECTORY ${WORK})
  if(NOT code EQUAL expected_code)
    message(FATAL_ERROR "scorewick ${ARGN}: status ${code}, not ${expected_code}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
run(0 --help)
foreach(command inspect convert palm ppc team stats box print plot)
  if(NOT out MATCHES "\n  ${command} ")
    message(FATAL_ERROR "scorewick --help does not list ${command}:\n${out}")
  endif()
endforeach()
# The drawing commands' own help comes from the drawing program.
run(0 plot spray --help)
if(NOT out MATCHES "--points")
  message(FATAL_ERROR "plot spray --help is not the command's help:\n${out}")
endif()
run(0 print blank --pages 2 --pdf blank.pdf)
file(READ ${WORK}/blank.pdf head LIMIT 5 HEX)
if(NOT head STREQUAL "255044462d")  # "%PDF-"
  message(FATAL_ERROR "print blank wrote no PDF through the drawing program")
endif()
run(2 print blank --pages 0 --pdf x.pdf)
