# The library `program_version` (common/core/ProgramVersion.h): its one source file is written
# at every build by WriteProgramVersion.cmake, and touched only when the version text changes.
set(VERTAL_VERSION_SOURCE ${PROJECT_BINARY_DIR}/generated/ProgramVersion.cpp)
add_custom_target(program_version_source
  COMMAND ${CMAKE_COMMAND} -DVERSION=${PROJECT_VERSION} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
          -DOUTPUT=${VERTAL_VERSION_SOURCE} -P ${PROJECT_SOURCE_DIR}/cmake/WriteProgramVersion.cmake
  BYPRODUCTS ${VERTAL_VERSION_SOURCE}
  VERBATIM)
add_library(program_version STATIC ${VERTAL_VERSION_SOURCE})
target_include_directories(program_version PUBLIC ${PROJECT_SOURCE_DIR}/src)
add_dependencies(program_version program_version_source)
