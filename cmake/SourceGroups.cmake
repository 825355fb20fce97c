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
  # Parsing the standard library's headers took about half of a library
  # source's compile (more of a small one's): each library compiles the ones
  # its headers pull in most once, in both builds.
  target_precompile_headers(${name} PRIVATE
    <algorithm> <array> <cmath> <cstdint> <cstdio> <cstring> <functional> <memory> <span> <string> <string_view>
    <unordered_map> <vector>)
  velmarsh_apply_options(${name})
endfunction()

# One executable per folder under Tools/, named after the folder. Its sources
# but Main.cpp also make the library <tool>Parts, through which the tool's
# tests (Tests/Tools/<tool>) call its parts as "<tool>/Header.h".
function(velmarsh_add_tools folder)
  file(GLOB tool_dirs LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*)
  foreach(dir ${tool_dirs})
    if(IS_DIRECTORY ${dir})
      file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
      if(sources)
        get_filename_component(tool ${dir} NAME)
        set(parts ${sources})
        list(FILTER parts EXCLUDE REGEX "/Main\\.cpp$")
        list(FILTER sources INCLUDE REGEX "/Main\\.cpp$")
        add_library(${tool}Parts STATIC ${parts})
        target_include_directories(${tool}Parts PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
        target_link_libraries(${tool}Parts PUBLIC velmarsh_engine)
        velmarsh_apply_options(${tool}Parts)
        add_executable(${tool} ${sources})
        target_link_libraries(${tool} PRIVATE ${tool}Parts)
        velmarsh_apply_options(${tool})
      endif()
    endif()
  endforeach()
endfunction()
