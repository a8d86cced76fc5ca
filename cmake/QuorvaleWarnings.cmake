# Warnings for every target of the project; -Werror only where asked for (CI).
option(QV_WERROR "Treat warnings as errors" OFF)
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow=local -Wnon-virtual-dtor)
if(QV_WERROR)
  add_compile_options(-Werror)
endif()
# The ball simulation must give the same numbers everywhere: no contraction of a*b+c into FMA.
add_compile_options(-ffp-contract=off)
