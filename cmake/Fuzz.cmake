# One harness per file reader: Fuzz/<Name>Fuzzer.cpp becomes fuzz_<Name>.
# With VELMARSH_FUZZ (clang; every target then has the sanitizers and the
# fuzzer's coverage, see CompilerOptions.cmake) they are libFuzzer programs,
# run by Tools/Scripts/fuzz.sh. Otherwise they run each input they are given
# once, and the tests run them over the seeds that fuzz_seed_corpus splits
# from the sample data folder.
add_executable(fuzz_seed_corpus Fuzz/SeedCorpus.cpp)
target_link_libraries(fuzz_seed_corpus PRIVATE velmarsh_engine ContentBuilderParts)
velmarsh_apply_options(fuzz_seed_corpus)

set(seed_folder ${CMAKE_BINARY_DIR}/FuzzSeeds)
if(NOT VELMARSH_FUZZ)
  add_test(NAME FuzzSeeds.Split COMMAND fuzz_seed_corpus ${CMAKE_BINARY_DIR}/Data ${seed_folder})
  # The seed runs take tens of seconds under the sanitizers and wait for the
  # split: they start among the long tests, the split before all of them.
  set_tests_properties(FuzzSeeds.Split PROPERTIES FIXTURES_SETUP fuzz_seeds COST 2000)
  # The entry point that runs a harness over its seeds, compiled once for all.
  add_library(fuzz_input_runner OBJECT Fuzz/InputRunner.cpp)
  velmarsh_apply_options(fuzz_input_runner)
endif()

file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/Fuzz/*Fuzzer.cpp)
foreach(source ${fuzz_sources})
  get_filename_component(name ${source} NAME_WE)
  string(REGEX REPLACE "Fuzzer$" "" name ${name})
  if(VELMARSH_FUZZ)
    add_executable(fuzz_${name} ${source})
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(fuzz_${name} ${source} $<TARGET_OBJECTS:fuzz_input_runner>)
    add_test(NAME FuzzSeeds.${name} COMMAND fuzz_${name} ${seed_folder}/${name})
    set_tests_properties(FuzzSeeds.${name} PROPERTIES FIXTURES_REQUIRED fuzz_seeds COST 1000)
  endif()
  target_include_directories(fuzz_${name} PRIVATE Fuzz Tests)
  # A write past the movie picture, made by FFmpeg's uninstrumented code,
  # meets a guard page.
  if(name STREQUAL "Movie")
    target_sources(fuzz_${name} PRIVATE Tests/Support/GuardedAllocations.cpp)
  endif()
  target_link_libraries(fuzz_${name} PRIVATE velmarsh_engine)
  velmarsh_needs_content(fuzz_${name})
  velmarsh_apply_options(fuzz_${name})
endforeach()
