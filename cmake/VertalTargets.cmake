# Helpers shared by the area CMake files.

set_property(GLOBAL PROPERTY VERTAL_CORE_TARGETS "")

# A Qt-free static library of one area: vertal_core_library(NAME SOURCES... DEPS ...)
function(vertal_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  if(VERTAL_BUILD_FUZZ)
    # The fuzzers are guided by the coverage of the core code, which decodes what a dump file
    # holds. The tests of the same build link these libraries too: without the fuzzer driver
    # the coverage hooks are the sanitizer runtime's empty ones.
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
  set_property(GLOBAL APPEND PROPERTY VERTAL_CORE_TARGETS ${name})
endfunction()

# Fails the configuration when a core library links Qt, directly or through another library.
function(vertal_check_core_has_no_qt)
  get_property(cores GLOBAL PROPERTY VERTAL_CORE_TARGETS)
  foreach(core IN LISTS cores)
    set(pending ${core})
    set(seen "")
    while(pending)
      list(POP_FRONT pending lib)
      if(lib IN_LIST seen)
        continue()
      endif()
      list(APPEND seen ${lib})
      if(lib MATCHES "Qt[0-9]*::|^Qt[0-9]")
        message(FATAL_ERROR "The core library ${core} links ${lib}; core code must stay free of Qt")
      endif()
      if(TARGET ${lib})
        get_target_property(deps ${lib} LINK_LIBRARIES)
        if(deps)
          list(APPEND pending ${deps})
        endif()
        get_target_property(ideps ${lib} INTERFACE_LINK_LIBRARIES)
        if(ideps)
          list(APPEND pending ${ideps})
        endif()
      endif()
    endwhile()
  endforeach()
endfunction()

# A GoogleTest executable registered with CTest: vertal_gtest(NAME SOURCES... DEPS...
# [OWN_PCH]). The suite reuses the precompiled GoogleTest headers shared by the core suites;
# OWN_PCH gives it a header of its own, for a suite whose compile settings differ from theirs
# (one that links the window toolkit).
function(vertal_gtest name)
  cmake_parse_arguments(ARG "OWN_PCH" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  if(NOT VERTAL_PCH)
  elseif(ARG_OWN_PCH)
    target_precompile_headers(${name} PRIVATE ${VERTAL_GTEST_PCH_HEADERS})
    vertal_pch_options(${name})
  else()
    vertal_pch_holder(vertal_gtest_pch HEADERS ${VERTAL_GTEST_PCH_HEADERS}
      LIBS GTest::gtest GTest::gmock)
    target_precompile_headers(${name} REUSE_FROM vertal_gtest_pch)
  endif()
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()

# Precompiled headers. The Qt headers that the window sources include are parsed once per build
# folder into a header owned by a small holder target; the targets that use them reuse it.
set(VERTAL_QT_PCH_HEADERS
  <QAbstractItemModel> <QAction> <QApplication> <QCheckBox> <QColor> <QComboBox> <QEvent>
  <QFrame> <QGridLayout> <QGroupBox> <QHBoxLayout> <QHeaderView> <QIcon> <QLabel> <QLineEdit>
  <QLocale> <QMenu> <QMessageBox> <QPainter> <QPalette> <QPixmap> <QPointer> <QProgressBar>
  <QPushButton> <QScrollBar> <QString> <QStringList> <QTabWidget> <QTableWidget> <QTimer>
  <QToolButton> <QVBoxLayout> <QWidget>
  <cstdint> <functional> <memory> <optional> <string> <string_view> <vector>)

# The GoogleTest headers and the standard headers that the core suites include.
set(VERTAL_GTEST_PCH_HEADERS <gmock/gmock.h> <gtest/gtest.h>
  <algorithm> <array> <cstdint> <cstring> <filesystem> <fstream> <functional> <map> <memory>
  <optional> <set> <sstream> <string> <string_view> <tuple> <utility> <vector>)

# The compiler cache can reuse a precompiled header made by clang only when the header holds
# no time stamps (clang checks them against the files it was made from).
function(vertal_pch_options target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    target_compile_options(${target} PRIVATE "SHELL:-Xclang -fno-pch-timestamp")
  endif()
endfunction()

# The holder target `holder` of one shared precompiled header: compiled with the settings of
# the libraries `libs`, which the users of the header must share (a header made with other
# macros is rejected by the compiler, and the build stops on that warning).
function(vertal_pch_holder holder)
  cmake_parse_arguments(ARG "" "" "HEADERS;LIBS" ${ARGN})
  if(TARGET ${holder})
    return()
  endif()
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/pch/${holder}.cpp
    CONTENT "// Compiled only to make the precompiled header that other targets reuse.\n")
  add_library(${holder} OBJECT ${PROJECT_BINARY_DIR}/pch/${holder}.cpp)
  target_link_libraries(${holder} PRIVATE ${ARG_LIBS})
  target_precompile_headers(${holder} PRIVATE ${ARG_HEADERS})
  vertal_pch_options(${holder})
endfunction()

# Gives a window target the precompiled Qt headers: vertal_qt_pch(TARGET [EXTRA headers...]).
# Without EXTRA the target reuses the header shared by the window libraries; with EXTRA (a
# costly header that only this target's sources include) it gets a header of its own.
function(vertal_qt_pch target)
  cmake_parse_arguments(ARG "" "" "EXTRA" ${ARGN})
  if(NOT VERTAL_PCH)
  elseif(ARG_EXTRA)
    target_precompile_headers(${target} PRIVATE ${VERTAL_QT_PCH_HEADERS} ${ARG_EXTRA})
    vertal_pch_options(${target})
  else()
    vertal_pch_holder(vertal_qt_pch HEADERS ${VERTAL_QT_PCH_HEADERS} LIBS Qt6::Widgets)
    target_precompile_headers(${target} REUSE_FROM vertal_qt_pch)
  endif()
endfunction()

# A Qt Test executable run under the offscreen platform:
# vertal_qtest(NAME SOURCES... DEPS... [NO_PCH]). Unless NO_PCH is given, the suite reuses the
# precompiled Qt and Qt Test headers shared by all suites.
function(vertal_qtest name)
  cmake_parse_arguments(ARG "NO_PCH" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} Qt6::Test)
  if(VERTAL_PCH AND NOT ARG_NO_PCH)
    vertal_pch_holder(vertal_qtest_pch HEADERS ${VERTAL_QT_PCH_HEADERS} <QSignalSpy> <QTest>
      LIBS Qt6::Widgets Qt6::Test)
    target_precompile_headers(${name} REUSE_FROM vertal_qtest_pch)
    # The suites include their moc output themselves, so moc's own file is empty: loading the
    # precompiled header there would cost more than compiling it.
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/mocs_compilation.cpp
      PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()
