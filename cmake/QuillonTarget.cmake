# Warnings for our own code only; third-party headers come in as system includes.
function(quillon_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()

# One static library per source folder: quillon_library(model SOURCES ... DEPS ...)
function(quillon_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(quillon_${name} STATIC ${ARG_SOURCES})
  target_include_directories(quillon_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(quillon_${name} PUBLIC ${ARG_DEPS})
  quillon_warnings(quillon_${name})
endfunction()
