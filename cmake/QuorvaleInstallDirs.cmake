# Where an install puts the programs' parts, and where each part lies seen from the installed
# programs' folder. The programs look for their parts there, relative to their own folder, so an
# install works at any prefix, also at one that cmake --install --prefix chooses after configuring.
set(QV_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/quorvale-editor)
set(QV_SOUND_MODULE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/quorvale-editor)

# qv_path_from_bindir(VAR DIR): the install folder DIR relative to the programs' folder; the
# absolute folder where DIR or the programs' folder was given as an absolute path.
function(qv_path_from_bindir var dir)
  if(IS_ABSOLUTE "${dir}" OR IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
    cmake_path(ABSOLUTE_PATH dir BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE _path)
  else()
    file(RELATIVE_PATH _path "/${CMAKE_INSTALL_BINDIR}" "/${dir}")
  endif()
  set(${var} "${_path}" PARENT_SCOPE)
endfunction()
qv_path_from_bindir(QV_DATA_FROM_BINDIR ${QV_DATA_INSTALL_DIR})
qv_path_from_bindir(QV_SOUND_MODULE_FROM_BINDIR ${QV_SOUND_MODULE_INSTALL_DIR})
