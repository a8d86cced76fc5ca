# QV_SANITIZE="address;undefined" or "thread" instruments every target of the build.
if(QV_SANITIZE)
  string(REPLACE ";" "," _qv_san "${QV_SANITIZE}")
  add_compile_options(-fsanitize=${_qv_san} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${_qv_san})
endif()
