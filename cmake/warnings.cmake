# Warnings for the program's own targets (third-party code is built without them).
function(cordwain_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wpedantic)
  if(CORDWAIN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
