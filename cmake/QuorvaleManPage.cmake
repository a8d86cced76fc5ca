# qv_man_page(TARGET [SEE_ALSO]): the section 1 manual page of a program, written at build time
# from the program's own --help, so that it says what the program does; installed to man1.
function(qv_man_page target)
  set(_page ${CMAKE_BINARY_DIR}/man/${target}.1)
  add_custom_command(OUTPUT ${_page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${PROJECT_SOURCE_DIR}/cmake/HelpToMan.sh $<TARGET_FILE:${target}> ${_page} ${ARGN}
    DEPENDS ${target} ${PROJECT_SOURCE_DIR}/cmake/HelpToMan.sh ${PROJECT_SOURCE_DIR}/cmake/HelpToMan.awk
    COMMENT "Writing the manual page ${target}(1)"
    VERBATIM)
  add_custom_target(${target}-man ALL DEPENDS ${_page})
  install(FILES ${_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
