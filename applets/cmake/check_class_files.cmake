# Fails when javac wrote class files beyond the shipped names: a nested or
# anonymous class would be missing from a site that has only the loose files.
file(GLOB found RELATIVE ${CLASS_DIR} ${CLASS_DIR}/*.class)
list(SORT found)
set(expected ${EXPECTED})
list(SORT expected)
if(NOT found STREQUAL expected)
  message(FATAL_ERROR "The applet classes must be exactly: ${expected}\nbut javac wrote: ${found}")
endif()
