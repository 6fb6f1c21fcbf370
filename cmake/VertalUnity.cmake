# Batched compilation (VERTAL_UNITY): the C++ sources of each library and program are compiled
# a few at a time, each batch as one file that includes them, so that the headers they share
# are parsed and their inline code generated once per batch.
#
# CMake's own unity build names the sources by absolute path, so a checkout in another folder
# could reuse none of the compiler cache's results. The batch files here name them relative to
# the project folder, which is on the batch's include path; the compiler cache rewrites that
# path relative to its base folder, so every checkout compiles the same text.
#
# A source stays out of the batches when it has compile settings of its own (definitions,
# options, include folders) or SKIP_UNITY_BUILD_INCLUSION; generated sources (moc) stay out.

set(VERTAL_UNITY_BATCH_SIZE 8 CACHE STRING "Sources per batch when VERTAL_UNITY is on")

# Every target defined in `dir` and the folders below it.
function(vertal_targets_below dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    vertal_targets_below(${sub} below)
    list(APPEND targets ${below})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# The sources of `target` that may be batched, as absolute paths.
function(vertal_unity_sources target out)
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  set(batchable "")
  foreach(source IN LISTS sources)
    if(source MATCHES "^\\$<" OR NOT source MATCHES "\\.cpp$")
      continue()
    endif()
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir} NORMALIZE OUTPUT_VARIABLE path)
    cmake_path(IS_PREFIX PROJECT_BINARY_DIR ${path} generated)
    cmake_path(IS_PREFIX PROJECT_SOURCE_DIR ${path} ours)
    if(generated OR NOT ours)
      continue()
    endif()
    set(own_settings FALSE)
    foreach(property SKIP_UNITY_BUILD_INCLUSION COMPILE_DEFINITIONS COMPILE_OPTIONS
        COMPILE_FLAGS INCLUDE_DIRECTORIES HEADER_FILE_ONLY)
      get_source_file_property(value ${path} TARGET_DIRECTORY ${target} ${property})
      if(value)
        set(own_settings TRUE)
      endif()
    endforeach()
    if(NOT own_settings)
      list(APPEND batchable ${path})
    endif()
  endforeach()
  set(${out} ${batchable} PARENT_SCOPE)
endfunction()

# Replaces `sources` of `target` by batch files in its build folder.
function(vertal_unity_target target sources)
  get_target_property(binary_dir ${target} BINARY_DIR)
  set(batch_files "")
  set(batch 0)
  set(content "")
  set(in_batch 0)
  foreach(path IN LISTS sources)
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${path})
    string(APPEND content "#include \"${relative}\"\n")
    math(EXPR in_batch "${in_batch} + 1")
    if(in_batch EQUAL VERTAL_UNITY_BATCH_SIZE)
      set(file ${binary_dir}/unity/${target}_${batch}.cpp)
      file(CONFIGURE OUTPUT ${file} CONTENT "${content}")
      list(APPEND batch_files ${file})
      math(EXPR batch "${batch} + 1")
      set(content "")
      set(in_batch 0)
    endif()
  endforeach()
  if(in_batch GREATER 0)
    set(file ${binary_dir}/unity/${target}_${batch}.cpp)
    file(CONFIGURE OUTPUT ${file} CONTENT "${content}")
    list(APPEND batch_files ${file})
  endif()
  set_source_files_properties(${sources} TARGET_DIRECTORY ${target} PROPERTIES HEADER_FILE_ONLY ON)
  target_sources(${target} PRIVATE ${batch_files})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()

# Batches the sources of every library and program of the project. A target with a single
# batchable source is compiled as it is; a source it shares with another target (one main.cpp
# in two programs) then stays out of the other's batches too, as the property that takes a
# batched source out of the compilation holds for every target of its folder.
function(vertal_unity_all)
  vertal_targets_below(${PROJECT_SOURCE_DIR} targets)
  set(batched_targets "")
  set(unbatched_sources "")
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      continue()
    endif()
    vertal_unity_sources(${target} sources)
    list(LENGTH sources count)
    if(count LESS 2)
      list(APPEND unbatched_sources ${sources})
    else()
      list(APPEND batched_targets ${target})
      set(sources_of_${target} ${sources})
    endif()
  endforeach()
  foreach(target IN LISTS batched_targets)
    set(sources ${sources_of_${target}})
    if(unbatched_sources)
      list(REMOVE_ITEM sources ${unbatched_sources})
    endif()
    if(sources)
      vertal_unity_target(${target} "${sources}")
    endif()
  endforeach()
endfunction()
