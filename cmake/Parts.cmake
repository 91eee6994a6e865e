# The parts and what each may link. Dependencies point one way, towards the
# window: a part links only the parts and Qt modules named for it here,
# through every link of every library it uses. The configuration fails
# when anything else creeps in.

# Every target a target links, followed down through our own libraries and
# through generator expressions; Qt's and the system's are not followed.
function(pexora_link_closure target out)
  set(seen "")
  set(todo ${target})
  while(todo)
    list(POP_FRONT todo item)
    # $<LINK_ONLY:x>, $<BUILD_INTERFACE:x>, $<$<CONFIG:...>:x>: the x.
    while(item MATCHES "^\\$<[^:]*(:[^:>]*>)?:(.*)>$")
      string(REGEX REPLACE "^\\$<[^:]*(:[^:>]*>)?:(.*)>$" "\\2" item "${item}")
    endwhile()
    if(item STREQUAL "" OR item IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${item})
    if(TARGET ${item})
      get_target_property(imported ${item} IMPORTED)
      if(NOT imported)
        foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
          get_target_property(links ${item} ${property})
          if(links)
            list(APPEND todo ${links})
          endif()
        endforeach()
      endif()
    endif()
  endwhile()
  list(REMOVE_ITEM seen ${target})
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# pexora_check_part(TARGET ALLOWED...): fails the configuration if TARGET
# links one of our libraries or a Qt module that ALLOWED does not name.
# Qt's resource object libraries, named after the library that holds them,
# count as that library, and Qt6::Platform (compile settings only) as none.
function(pexora_check_part target)
  pexora_link_closure(${target} closure)
  foreach(dep IN LISTS closure)
    if(dep MATCHES "^(pexora_[a-z0-9_]+|Qt6::[A-Za-z]+)" AND NOT dep MATCHES "_resources_[0-9]+$" AND NOT dep STREQUAL "Qt6::Platform")
      if(NOT dep IN_LIST ARGN)
        message(FATAL_ERROR "${target} links ${dep}: the part may link only ${ARGN}")
      endif()
    endif()
  endforeach()
endfunction()

set(pexora_parts
  "pexora_core: Qt6::Core"
  "pexora_choices: pexora_core Qt6::Core"
  "pexora_engine: pexora_core pexora_choices Qt6::Core"
  "pexora_store: pexora_core pexora_choices Qt6::Core"
  "pexora_settings: pexora_core pexora_choices pexora_store Qt6::Core"
  "pexora_media: pexora_core Qt6::Core Qt6::Gui"
  "pexora_layout: Qt6::Core Qt6::Gui Qt6::Widgets"
  "pexora_scores: pexora_core pexora_choices pexora_store pexora_settings Qt6::Core"
  "pexora_scores_ui: pexora_scores pexora_core pexora_choices pexora_store pexora_settings pexora_media pexora_layout Qt6::Core Qt6::Gui Qt6::Widgets"
  "pexora_chm: pexora_core Qt6::Core"
  "pexora_helpviewer: pexora_chm pexora_core pexora_layout Qt6::Core Qt6::Gui Qt6::Widgets"
  "pexora_i18n: Qt6::Core"
  "pexora_desktop: pexora_core pexora_choices pexora_store Qt6::Core Qt6::Gui Qt6::Widgets"
  "pexora_window: pexora_core pexora_choices pexora_engine pexora_store pexora_settings pexora_media pexora_layout pexora_scores pexora_scores_ui pexora_chm pexora_helpviewer pexora_i18n pexora_desktop Qt6::Core Qt6::Gui Qt6::Widgets")
foreach(entry IN LISTS pexora_parts)
  string(REGEX MATCH "^([a-z0-9_]+): (.*)$" _ "${entry}")
  set(part ${CMAKE_MATCH_1})
  separate_arguments(allowed UNIX_COMMAND "${CMAKE_MATCH_2}")
  if(NOT TARGET ${part})
    message(FATAL_ERROR "${part}: no such part")
  endif()
  pexora_check_part(${part} ${allowed})
endforeach()
