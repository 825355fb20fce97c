# One benchmark executable per source file under Benchmarks/; reports only,
# never run by CTest.
find_package(benchmark REQUIRED)
file(GLOB_RECURSE bench_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/Benchmarks/*.cpp)
foreach(source ${bench_sources})
  get_filename_component(name ${source} NAME_WE)
  add_executable(bench_${name} ${source})
  # Benchmarks share the tests' generated samples.
  target_link_libraries(bench_${name} PRIVATE velmarsh_test_support benchmark::benchmark_main)
  velmarsh_apply_options(bench_${name})
endforeach()
