# Warning and sanitizer flags shared by every target of the project.
function(velmarsh_apply_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(VELMARSH_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(VELMARSH_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
