# Libraries and tools are made of every source below their folder, so that a
# new file needs no edit here.
function(velmarsh_add_library name folder)
  cmake_parse_arguments(ARG "" "" "EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.c)
  foreach(excluded ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
  else()
    add_library(${name} STATIC ${CMAKE_CURRENT_SOURCE_DIR}/cmake/Empty.cpp)
  endif()
  velmarsh_apply_options(${name})
endfunction()

# One executable per folder under Tools/, named after the folder, made of its
# Main.cpp and of a library, <tool>Library, of every other source: tests and
# benchmarks link the library to call the tool's code in memory. Includes of
# the tool's headers from outside name the tool's folder.
function(velmarsh_add_tools folder)
  file(GLOB tool_dirs LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*)
  foreach(dir ${tool_dirs})
    if(IS_DIRECTORY ${dir})
      file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
      if(sources)
        get_filename_component(tool ${dir} NAME)
        list(REMOVE_ITEM sources ${dir}/Main.cpp)
        add_library(${tool}Library STATIC ${sources})
        target_include_directories(${tool}Library PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
        target_link_libraries(${tool}Library PUBLIC velmarsh_engine)
        velmarsh_apply_options(${tool}Library)
        add_executable(${tool} ${dir}/Main.cpp)
        target_link_libraries(${tool} PRIVATE ${tool}Library)
        velmarsh_apply_options(${tool})
      endif()
    endif()
  endforeach()
endfunction()
