# The targets keep the layers: the core links no Qt and no platform library,
# the scorer and the importers link none of the statistics or reports, and
# the simulator links nothing above the scorer.  Checked when
# the build is configured, over every library a target links, directly or
# through another target.

# Appends to out_var the libraries target links, following targets.
function(scorewick_linked_libraries target out_var)
  set(seen ${${out_var}})
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue current)
    if(NOT TARGET ${current})
      continue()
    endif()
    get_target_property(type ${current} TYPE)
    set(libs "")
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct ${current} LINK_LIBRARIES)
      if(direct)
        list(APPEND libs ${direct})
      endif()
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND libs ${interface})
    endif()
    foreach(lib ${libs})
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" lib "${lib}")
      if(NOT lib IN_LIST seen)
        list(APPEND seen ${lib})
        list(APPEND queue ${lib})
      endif()
    endforeach()
  endwhile()
  set(${out_var} ${seen} PARENT_SCOPE)
endfunction()

# Fails the configuration when target (if it exists) links a library
# matching forbidden_regex.
function(scorewick_forbid_links target forbidden_regex)
  if(NOT TARGET ${target})
    return()
  endif()
  set(libs "")
  scorewick_linked_libraries(${target} libs)
  foreach(lib ${libs})
    if(lib MATCHES "${forbidden_regex}")
      message(FATAL_ERROR "${target} links ${lib}, across the layers")
    endif()
  endforeach()
endfunction()

set(_no_qt_no_platform "^(Qt[0-9]*::|scorewick_ui|scorewick_app|scorewick_cli|scorewick_print)")
foreach(_core scorewick_records scorewick_intake scorewick_exchange scorewick_scoring scorewick_interop
              scorewick_stats scorewick_reports scorewick_site)
  scorewick_forbid_links(${_core} "${_no_qt_no_platform}")
endforeach()
scorewick_forbid_links(scorewick_records "^scorewick_(intake|exchange|scoring|interop|stats|reports)$")
scorewick_forbid_links(scorewick_intake "^scorewick_(exchange|scoring|interop|stats|reports)$")
scorewick_forbid_links(scorewick_exchange "^scorewick_(scoring|interop|stats|reports)$")
scorewick_forbid_links(scorewick_scoring "^scorewick_(intake|exchange|interop|stats|reports|sim)$")
scorewick_forbid_links(scorewick_interop "^scorewick_(exchange|stats|reports|sim)$")
scorewick_forbid_links(scorewick_stats "^scorewick_(exchange|scoring|interop|reports)$")
scorewick_forbid_links(scorewick_print "^(Qt[0-9]*::(Widgets|PrintSupport)|scorewick_ui|scorewick_app)")
scorewick_forbid_links(scorewick_sim
  "^(Qt[0-9]*::|scorewick_(ui|app|cli|print|stats|reports|exchange|interop))")
