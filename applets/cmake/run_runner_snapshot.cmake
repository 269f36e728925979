# Shows each page with the applet runner on a virtual display, from the page's
# archive or from the loose class files, and compares the runner's snapshot
# with the headless rendering of the same page.
file(MAKE_DIRECTORY ${SHOTS})
foreach(entry ${PAGES})
  string(REPLACE ":" ";" parts ${entry})
  list(GET parts 0 page)
  list(GET parts 1 how)
  set(flags "")
  if(how STREQUAL "loose")
    set(flags --loose)
  endif()
  set(shot ${SHOTS}/${page}-${how}.png)
  file(REMOVE ${shot})
  execute_process(COMMAND ${XVFB_RUN} -a ${JAVA} -jar ${RUNNER} ${flags} --snapshot ${shot} ${SITE}/${page}.htm
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT status EQUAL 0 OR NOT EXISTS ${shot})
    message(FATAL_ERROR "the runner failed on ${page}.htm (${status}):\n${out}${err}")
  endif()
  execute_process(COMMAND ${JAVA} -Djava.awt.headless=true -cp ${CLASSPATH}
    AppletHarness compare ${shot} ${SITE}/${page}.htm RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the runner showed ${page}.htm differently")
  endif()
endforeach()
