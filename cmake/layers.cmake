# Include folders by layer. Code names a header by its path from the project's root ("card/settings_text.h",
# "ui/skin/choice.h"), yet no target sees the whole root: each library publishes only its own folder, through a
# folder of its own in the build tree that holds a link to it. A target sees exactly the layers it links, so
# code that reaches into a layer it must not use does not build.
#
#   dq_publish_headers(<target> <folder from the project's root> [PRIVATE])
#
# PRIVATE: only the target itself sees the folder (a test program's own helpers).
function(dq_publish_headers target folder)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  # A build folder made before a layer moved down a level may hold a link where a folder must now be
  # (layers/T/card -> card/ before card/core existed): remove such a link itself, so that nothing below is
  # ever written or removed through it into the sources.
  string(REPLACE "/" ";" parts ${folder})
  list(POP_BACK parts)
  set(path ${root})
  foreach(part IN LISTS parts)
    set(path ${path}/${part})
    if(IS_SYMLINK ${path})
      file(REMOVE ${path})
    endif()
  endforeach()
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(REMOVE ${root}/${folder})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(ARGV2 STREQUAL "PRIVATE")
    set(scope PRIVATE)
  elseif(type STREQUAL "INTERFACE_LIBRARY")
    set(scope INTERFACE)
  else()
    set(scope PUBLIC)
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()
