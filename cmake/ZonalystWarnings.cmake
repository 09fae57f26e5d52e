# zonalyst_warnings(target): the project's warning level, errors when ZONALYST_WERROR is on.
function(zonalyst_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(ZONALYST_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
