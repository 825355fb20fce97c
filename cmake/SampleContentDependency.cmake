# Programs that read the sample data folder or run the tools need the content
# built before they run, not before they compile. Under Ninja the dependency
# is on the link step only, so their objects compile while the engine, the
# content builder and the content are still being built; other generators
# can only order whole targets.
function(velmarsh_needs_content target)
  if(CMAKE_GENERATOR MATCHES "Ninja")
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${CMAKE_BINARY_DIR}/Data.stamp)
  else()
    add_dependencies(${target} content)
  endif()
endfunction()
