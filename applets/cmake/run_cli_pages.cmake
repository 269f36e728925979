# Writes every menu of MENUS with quillon-cli into a fresh site folder, from a
# program folder of its own (so the test never writes the build's settings),
# then has the harness check the pages. Icons named @PROGRAM@/... and @ICONS@/...
# in the menus are the program's stock icons and a copy of one under another name.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/program ${WORK}/icons ${WORK}/site ${WORK}/config)
file(COPY ${PROGRAM_DIR}/files DESTINATION ${WORK}/program)
file(COPY_FILE ${PROGRAM_DIR}/files/JClass/jimages/BookC.gif ${WORK}/icons/Special.gif)
set(ENV{QUILLON_HOME} ${WORK}/program)
set(ENV{QUILLON_CONFIG_DIR} ${WORK}/config)
set(ENV{XDG_CONFIG_HOME} ${WORK}/config)

file(GLOB menus ${MENUS}/*.json)
foreach(menu ${menus})
  get_filename_component(name ${menu} NAME_WE)
  file(READ ${menu} text)
  string(REPLACE "@PROGRAM@" "${WORK}/program" text "${text}")
  string(REPLACE "@ICONS@" "${WORK}/icons" text "${text}")
  file(WRITE ${WORK}/${name}.json "${text}")
  execute_process(COMMAND ${CLI} write ${WORK}/${name}.json ${WORK}/site/${name}.htm
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "quillon-cli write ${name}.json failed (${status}):\n${out}${err}")
  endif()
endforeach()

execute_process(COMMAND ${JAVA} -Djava.awt.headless=true -cp ${CLASSPATH}
  AppletHarness written ${WORK}/site ${SHOTS} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the applets did not pass on the pages quillon-cli wrote")
endif()
