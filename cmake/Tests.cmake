# One test executable per folder of Tests/ that holds *Test.cpp files, named
# after its path (Tests/Lib/Core/common/Maths -> test_Lib_Core_common_Maths),
# so that each area can be built and run on its own.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE support_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/Tests/Support/*.cpp)
list(REMOVE_ITEM support_sources ${CMAKE_CURRENT_SOURCE_DIR}/Tests/Support/TestMain.cpp)
# The guarded allocations replace operator new: only the programs that watch
# for writes past the movie picture link them (the movie tests and harness).
set(guarded_allocations ${CMAKE_CURRENT_SOURCE_DIR}/Tests/Support/GuardedAllocations.cpp)
list(REMOVE_ITEM support_sources ${guarded_allocations})
set(string_instances ${CMAKE_CURRENT_SOURCE_DIR}/Tests/Support/StringInstances.cpp)
list(REMOVE_ITEM support_sources ${string_instances})
add_library(velmarsh_test_support STATIC ${support_sources})
target_include_directories(velmarsh_test_support PUBLIC Tests)
# Tests make their sample files with the content builder's parts.
target_link_libraries(velmarsh_test_support PUBLIC velmarsh_engine ContentBuilderParts GTest::gtest GTest::gmock)
# The test framework's header is most of a support source's compile: it is
# compiled once here too (the test code's own, below, has other options).
target_precompile_headers(velmarsh_test_support PRIVATE <gtest/gtest.h> <algorithm> <cstdint> <filesystem> <functional>
  <map> <memory> <set> <string> <vector>)
velmarsh_apply_options(velmarsh_test_support)

# The string functions, optimised, linked before the test code's own copies
# (see the file for why).
add_library(velmarsh_test_strings OBJECT ${string_instances})
velmarsh_apply_options(velmarsh_test_strings)

# The test programs' entry point, which keeps their output to the framework's
# own lines unless a test fails.
add_library(velmarsh_test_main STATIC Tests/Support/TestMain.cpp)
target_link_libraries(velmarsh_test_main PUBLIC velmarsh_test_support)
velmarsh_apply_options(velmarsh_test_main)
# The test code (the *Test.cpp files) is compiled once: the sanitizer build
# links the objects the normal build compiled, and runs them against its own
# engine, tools and support library, which carry the checks. The checks find
# the engine's faults, which the test code only calls; compiling the test
# code a second time was half of the sanitizer build. The objects' code does
# not depend on the build it is linked into (a test that must know asks the
# support library, see SanitizerBuild.h).
set(VELMARSH_TEST_OBJECTS_FROM "" CACHE PATH
  "Build folder whose compiled test code this build links (the sanitizer build takes the normal build's); empty: compile it here")
if(NOT VELMARSH_TEST_OBJECTS_FROM)
  # Parsing the test framework's and the standard library's headers is most
  # of a test's compile time: they are compiled once and reused by every test
  # program. Test code is compiled without optimisation: it runs a few times
  # per case, so optimising it costs build time and saves no run time (the
  # engine and the support library the tests call keep their optimisation,
  # and the string functions all of them share are linked optimised, above).
  # The precompiled header is only used by objects compiled with its own
  # options, so the entry point takes the same ones. A sanitizer build that
  # compiles its own test code keeps the undefined-behaviour checks, a third
  # of a test's compile time, to the engine, the tools and the support
  # library.
  set(VELMARSH_TEST_CODE_OPTIONS $<$<CONFIG:Release>:-O0> $<$<BOOL:${VELMARSH_SANITIZE}>:-fno-sanitize=undefined>)
  target_compile_options(velmarsh_test_main PRIVATE ${VELMARSH_TEST_CODE_OPTIONS})
  target_precompile_headers(velmarsh_test_main PRIVATE
    <gtest/gtest.h> <gmock/gmock.h>
    <algorithm> <cstdint> <cstring> <filesystem> <functional> <map> <memory>
    <optional> <set> <string> <vector>)
endif()

set(VELMARSH_TEST_ENVIRONMENT
  SDL_VIDEODRIVER=offscreen
  SDL_AUDIODRIVER=dummy
  VELMARSH_SOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}
  VELMARSH_DATA_DIR=${CMAKE_BINARY_DIR}/Data
  VELMARSH_BINARY_DIR=${CMAKE_BINARY_DIR})

file(GLOB_RECURSE test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/Tests/*Test.cpp)
set(test_dirs "")
foreach(source ${test_sources})
  get_filename_component(dir ${source} DIRECTORY)
  list(APPEND test_dirs ${dir})
endforeach()
list(REMOVE_DUPLICATES test_dirs)

# The few tests that take tens of seconds start first: a clean build has no
# timings of its own, and one of them started last would be the run's tail.
set(VELMARSH_LONG_TESTS
  "^(WholeGameRunTest|ChapterOnePlayTest|AutoTestRunTest|ChapterTwoPlayTest|ChapterTwoRunTest|ChapterThreePlayTest|ChapterThreeRunTest|ChapterFourPlayTest|ChapterFourRunTest|ChapterFivePlayTest|ChapterFiveRunTest|ChapterSixPlayTest|ChapterSixRunTest|ChapterSevenPlayTest|ChapterSevenRunTest|ChapterEightPlayTest|ChapterEightRunTest|ChapterNinePlayTest|ChapterNineRunTest|ChapterTenPlayTest|ChapterTenRunTest|StartMenuProcessTest|GameProcessTest|MiniGameMemoryTest|SceneFileSweepTest|BankLayoutCheckTest|FfmpegLibraryTest|EveryRegisteredSceneScriptTest|DialogInterfaceTest|TextFileDamageTest|ReproducibleContentTest|HeapStressTest|SceneFilesTest|SampleSceneFloorTest|[A-Za-z]+WalksTest)[.]")

# The whole game in one run: the longest test starts before all others. The
# sanitizer build, where each chapter it plays is played by its own test,
# lists it as not run (disabled).
set(VELMARSH_RELEASE_ONLY_TESTS "^WholeGameRunTest[.]")

foreach(dir ${test_dirs})
  file(RELATIVE_PATH relative ${CMAKE_CURRENT_SOURCE_DIR}/Tests ${dir})
  string(REPLACE "/" "_" suffix ${relative})
  set(target test_${suffix})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(VELMARSH_TEST_OBJECTS_FROM)
    set(objects "")
    foreach(source ${sources})
      file(RELATIVE_PATH source_path ${CMAKE_CURRENT_SOURCE_DIR} ${source})
      list(APPEND objects ${VELMARSH_TEST_OBJECTS_FROM}/CMakeFiles/${target}.dir/${source_path}.o)
    endforeach()
    set_source_files_properties(${objects} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
    add_executable(${target} $<TARGET_OBJECTS:velmarsh_test_strings> ${objects})
  else()
    add_executable(${target} $<TARGET_OBJECTS:velmarsh_test_strings> ${sources})
    target_precompile_headers(${target} REUSE_FROM velmarsh_test_main)
    target_compile_options(${target} PRIVATE ${VELMARSH_TEST_CODE_OPTIONS})
  endif()
  if(relative STREQUAL "Lib/Platform/Video")
    target_sources(${target} PRIVATE ${guarded_allocations})
  endif()
  target_link_libraries(${target} PRIVATE velmarsh_test_support velmarsh_test_main)
  # A tool's tests call its parts.
  if(relative MATCHES "^Tools/([^/]+)")
    if(TARGET ${CMAKE_MATCH_1}Parts)
      target_link_libraries(${target} PRIVATE ${CMAKE_MATCH_1}Parts)
    endif()
  endif()
  # Every test runs in a process of its own: a position-dependent program
  # starts without relocating its data pointers first (about two million in
  # a sanitizer build's, a quarter of each such test's start-up).
  target_link_options(${target} PRIVATE -no-pie)
  # Tests read the sample data folder and run the tools.
  velmarsh_needs_content(${target})
  velmarsh_apply_options(${target})
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  # The environment goes on the discovered tests afterwards, from the list of
  # their names: gtest_discover_tests' PROPERTIES would split the list into
  # separate properties and keep only its first variable.
  set(environment_script ${CMAKE_CURRENT_BINARY_DIR}/${target}_environment.cmake)
  file(WRITE ${environment_script}
    "if(${target}_TESTS)\n"
    "  set_tests_properties(\${${target}_TESTS} PROPERTIES ENVIRONMENT \"${VELMARSH_TEST_ENVIRONMENT}\")\n"
    "  foreach(test IN LISTS ${target}_TESTS)\n"
    "    if(test MATCHES \"${VELMARSH_LONG_TESTS}\")\n"
    "      set_tests_properties(\${test} PROPERTIES COST 1000)\n"
    "    endif()\n"
    "    if(test MATCHES \"${VELMARSH_RELEASE_ONLY_TESTS}\")\n"
    "      set_tests_properties(\${test} PROPERTIES COST 2000 DISABLED ${VELMARSH_SANITIZE})\n"
    "    endif()\n"
    "  endforeach()\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${environment_script})
endforeach()
