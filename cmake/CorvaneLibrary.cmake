# corvane_library(<name> [DEPS <targets...>] [EXCLUDE <subfolders...>])
# A static library of every .cpp below the calling folder, but for the
# excluded subfolders (an interface library while the folder has none yet).
# Includes are rooted at the project.
function(corvane_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(sub ${ARG_EXCLUDE})
    list(FILTER srcs EXCLUDE REGEX "^${CMAKE_CURRENT_SOURCE_DIR}/${sub}/")
  endforeach()
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# corvane_test(<name> [DEPS <targets...>])
# One GoogleTest executable of every .cpp in the calling folder, run by ctest
# with the shared test main (private settings and runtime directories).
function(corvane_test name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  _corvane_test_program(${name} test_main offscreen "" ${ARG_DEPS})
endfunction()

# corvane_gui_test(<name> [DEPS <targets...>] [SOURCES <files...>] [TIMEOUT <s>])
# A test program with the GUI test main (tests/support/gui): a QApplication
# with a fixed font and palette on the offscreen platform. SOURCES: more
# sources from elsewhere; TIMEOUT: ctest's limit for each of its tests.
function(corvane_gui_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "DEPS;SOURCES" ${ARGN})
  set(_corvane_test_sources ${ARG_SOURCES})
  set(_corvane_test_timeout ${ARG_TIMEOUT})
  _corvane_test_program(${name} test_gui_main offscreen "" ${ARG_DEPS})
endfunction()

# corvane_display_test(<name> [DEPS <targets...>] [SOURCES <files...>] [TIMEOUT <s>])
# A GUI test program that needs a real X server (platform xcb). Its tests
# carry the label `display`; without a DISPLAY they are reported skipped.
function(corvane_display_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "DEPS;SOURCES" ${ARGN})
  set(_corvane_test_sources ${ARG_SOURCES})
  set(_corvane_test_timeout ${ARG_TIMEOUT})
  _corvane_test_program(${name} test_gui_main xcb display ${ARG_DEPS})
endfunction()

function(_corvane_test_program name main platform label)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs} ${_corvane_test_sources})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${main} test_support ${ARGN} GTest::gtest GTest::gmock)
  # A test's ENVIRONMENT property keeps only the first of several variables
  # here, so the tests are started through `cmake -E env` with all of them.
  set(env QT_QPA_PLATFORM=${platform} LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp
      ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 CORVANE_PROGRAM_DIR=${CORVANE_PROGRAM_DIR}
      CORVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR} FONTCONFIG_FILE=${CORVANE_TEST_FONTCONFIG})
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${CMAKE_COMMAND};-E;env;${env}")
  set(properties ENVIRONMENT "QT_QPA_PLATFORM=${platform}")
  if(label)
    list(APPEND properties LABELS ${label} SKIP_RETURN_CODE 77)
  endif()
  if(_corvane_test_timeout)
    list(APPEND properties TIMEOUT ${_corvane_test_timeout})
  endif()
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/tests
    DISCOVERY_TIMEOUT 60
    PROPERTIES ${properties})
endfunction()

# corvane_benchmark(<name> [DEPS <targets...>])
function(corvane_benchmark name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/benchmarks)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
  # The program directory and the sources of the build it belongs to.
  target_compile_definitions(${name} PRIVATE
    CORVANE_BUILD_PROGRAM_DIR="${CORVANE_PROGRAM_DIR}" CORVANE_BUILD_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endfunction()
