# zonalyst_warnings(target): the project's warning level, errors when ZONALYST_WERROR is on.
function(zonalyst_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports false overlaps and overflows inside libstdc++'s string code when optimising.
    target_compile_options(${target} PRIVATE -Wno-restrict -Wno-stringop-overflow)
  endif()
  if(ZONALYST_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
