# slv_core: the pure rules, standard C++ only; it must never link Qt. Every
# snake_case source under a folder of src/ belongs to it and a name with a
# capital letter is a Qt file: the naming rule decides, so a new pure file
# needs no list to be edited. Used by the program's build and by the Windows
# build of the unit tests, so the rule stands in one place.
function(slv_add_core src)
  file(GLOB sources CONFIGURE_DEPENDS ${src}/*/[a-z0-9_]*.cpp ${src}/*/[a-z0-9_]*.h)
  list(FILTER sources EXCLUDE REGEX "/[a-z0-9_]*[A-Z][^/]*$")
  add_library(slv_core STATIC ${sources})
  target_include_directories(slv_core PUBLIC ${src})
  target_compile_options(slv_core PRIVATE ${SLV_WARNINGS} ${ARGN})
  target_link_libraries(slv_core PUBLIC slv_defaults)
  set_target_properties(slv_core PROPERTIES AUTOMOC OFF)
endfunction()
