# Run at every build (cmake -P): writes the source file that holds the programs' version, the
# project version plus the commit when the sources are a git checkout. The file is rewritten
# only when its text changes, so a new commit recompiles this one file and relinks the programs.
# Inputs: VERSION, SOURCE_DIR, OUTPUT.
set(text "${VERSION}")
find_program(GIT_PROGRAM git)
if(GIT_PROGRAM AND EXISTS "${SOURCE_DIR}/.git")
  execute_process(COMMAND "${GIT_PROGRAM}" -C "${SOURCE_DIR}" rev-parse --short=10 HEAD
    OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE rc)
  if(rc EQUAL 0 AND commit)
    # Sources changed since the commit are marked, so that such a build is never taken for it.
    execute_process(COMMAND "${GIT_PROGRAM}" -C "${SOURCE_DIR}" status --porcelain
      --untracked-files=no OUTPUT_VARIABLE changes ERROR_QUIET)
    if(changes)
      string(APPEND commit "-modified")
    endif()
    string(APPEND text " (commit ${commit})")
  endif()
endif()
file(CONFIGURE OUTPUT "${OUTPUT}" @ONLY CONTENT [=[// Written by the build (cmake/WriteProgramVersion.cmake).
#include "common/core/ProgramVersion.h"

namespace vertal {

std::string_view ProgramVersion() { return "@text@"; }

}  // namespace vertal
]=])
