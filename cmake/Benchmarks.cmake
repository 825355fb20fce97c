# One benchmark executable per source file directly in Benchmarks/; reports
# only, never run by CTest. They are built on demand, as the target
# "benchmarks", so the test command does not spend build time on them.
add_custom_target(benchmarks)
find_package(benchmark REQUIRED)
file(GLOB bench_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/Benchmarks/*.cpp)
foreach(source ${bench_sources})
  get_filename_component(name ${source} NAME_WE)
  add_executable(bench_${name} EXCLUDE_FROM_ALL ${source})
  add_dependencies(benchmarks bench_${name})
  # Benchmarks share the tests' generated samples.
  target_link_libraries(bench_${name} PRIVATE velmarsh_test_support benchmark::benchmark_main)
  velmarsh_apply_options(bench_${name})
endforeach()

# The time to the first presented frame, of the game and of a minimal program
# beside it (Tools/Scripts/first-frame.sh): the probe is loaded into each.
add_executable(bench_MinimalWindow EXCLUDE_FROM_ALL ${CMAKE_CURRENT_SOURCE_DIR}/Benchmarks/FirstFrame/MinimalWindow.cpp)
target_link_libraries(bench_MinimalWindow PRIVATE velmarsh_platform)
velmarsh_apply_options(bench_MinimalWindow)
add_dependencies(benchmarks bench_MinimalWindow)
add_library(FirstPresentProbe MODULE EXCLUDE_FROM_ALL ${CMAKE_CURRENT_SOURCE_DIR}/Benchmarks/FirstFrame/FirstPresentProbe.cpp)
target_link_libraries(FirstPresentProbe PRIVATE PkgConfig::SDL2 ${CMAKE_DL_LIBS})
velmarsh_apply_options(FirstPresentProbe)
add_dependencies(benchmarks FirstPresentProbe)

# The presented frames and the log's lines of a game run, timed
# (Tools/Scripts/performance-table.sh).
add_library(FrameTimelineProbe MODULE EXCLUDE_FROM_ALL ${CMAKE_CURRENT_SOURCE_DIR}/Benchmarks/FrameTimeline/FrameTimelineProbe.cpp)
target_link_libraries(FrameTimelineProbe PRIVATE PkgConfig::SDL2 ${CMAKE_DL_LIBS})
velmarsh_apply_options(FrameTimelineProbe)
add_dependencies(benchmarks FrameTimelineProbe)
