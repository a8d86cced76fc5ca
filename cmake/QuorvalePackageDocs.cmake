# Run by cpack between installing into its staging folder and packing it: adds what Debian expects
# of a package besides the installed files. The manual pages are compressed; the copyright file and
# the changelog, compressed as dpkg does it (gzip -9n: no name, no time stamp), go to
# /usr/share/doc/<package>; the lintian overrides, each with its reason, to /usr/share/lintian.
# (cpack still has DESTDIR set here, which file(INSTALL) would add again: files are copied.)
set(_usr ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(_version ${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})

function(qv_gzip file)
  execute_process(COMMAND gzip -9nf ${file} RESULT_VARIABLE _result)
  if(NOT _result EQUAL 0)
    message(FATAL_ERROR "gzip ${file} failed: ${_result}")
  endif()
endfunction()

# qv_add_file(SOURCE FOLDER NAME): SOURCE as FOLDER/NAME under /usr, readable by all.
function(qv_add_file source folder name)
  set(_path ${_usr})
  string(REPLACE "/" ";" _parts ${folder})
  foreach(_part IN LISTS _parts)
    string(APPEND _path /${_part})
    file(MAKE_DIRECTORY ${_path})
    file(CHMOD ${_path} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
      WORLD_READ WORLD_EXECUTE)
  endforeach()
  file(COPY_FILE ${source} ${_usr}/${folder}/${name})
  file(CHMOD ${_usr}/${folder}/${name} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endfunction()

file(GLOB_RECURSE _pages ${_usr}/share/man/*)
foreach(_page IN LISTS _pages)
  if(NOT _page MATCHES "\\.gz$")
    qv_gzip(${_page})
  endif()
endforeach()

# The changelog's newest entry must be the version being packed: a new version needs its entry.
file(STRINGS ${CPACK_QV_PACKAGING_DIR}/changelog _first LIMIT_COUNT 1)
if(NOT _first MATCHES "^${CPACK_PACKAGE_NAME} \\(${_version}\\) ")
  message(FATAL_ERROR "packaging/changelog: its first entry is not version ${_version}: ${_first}")
endif()

set(_doc share/doc/${CPACK_PACKAGE_NAME})
qv_add_file(${CPACK_QV_PACKAGING_DIR}/copyright ${_doc} copyright)
qv_add_file(${CPACK_QV_PACKAGING_DIR}/changelog ${_doc} changelog.Debian)
qv_gzip(${_usr}/${_doc}/changelog.Debian)
qv_add_file(${CPACK_QV_PACKAGING_DIR}/lintian-overrides share/lintian/overrides ${CPACK_PACKAGE_NAME})
