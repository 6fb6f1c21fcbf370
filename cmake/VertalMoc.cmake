# moc reads every header it can reach through a target's include path, and AUTOMOC hands it
# the compiler's own include folders as well. For each file moc then parses the C++ library
# under Qt's headers: seconds per file, the larger part of a build whose compiles the compiler
# cache answers. The C++ library declares nothing that moc needs, so moc runs through a small
# wrapper that leaves the C++ library's and the compiler's folders out of its include path; the
# code it writes stays the same.

# Points AUTOMOC of every target of the project at the wrapper.
function(vertal_moc_without_compiler_headers)
  if(NOT TARGET Qt6::moc)
    return()
  endif()
  set(skipped "")
  foreach(dir IN LISTS CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES)
    # The C++ library's folders and the compiler's own; the system's headers stay, as other
    # libraries' headers there (QCustomPlot's) name Qt headers that moc's code must include.
    if(dir MATCHES "/c\\+\\+/|/(clang|gcc)/")
      string(APPEND skipped " -I${dir}")
    endif()
  endforeach()
  get_target_property(moc Qt6::moc LOCATION)
  set(wrapper ${PROJECT_BINARY_DIR}/vertal-moc)
  file(CONFIGURE OUTPUT ${wrapper} @ONLY CONTENT [=[#!/bin/sh
# moc without the C++ library's and the compiler's include folders (cmake/VertalMoc.cmake).
skipped='@skipped@ '
for arg do
  shift
  case "${skipped}" in
    *" ${arg} "*) continue ;;
  esac
  set -- "$@" "${arg}"
done
exec '@moc@' "$@"
]=])
  file(CHMOD ${wrapper} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  vertal_targets_below(${PROJECT_SOURCE_DIR} targets)
  foreach(target IN LISTS targets)
    get_target_property(automoc ${target} AUTOMOC)
    if(automoc)
      set_target_properties(${target} PROPERTIES AUTOMOC_EXECUTABLE ${wrapper})
    endif()
  endforeach()
endfunction()
