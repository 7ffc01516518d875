# add_gauge_module(name SOURCES ...): a gauge module shared library that
# exports only its border (Linkage, ImportTable and what it marks visible).
function(add_gauge_module name)
  cmake_parse_arguments(GM "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} SHARED ${GM_SOURCES})
  target_link_libraries(${name} PRIVATE host platform ${GM_LIBS})
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${GAUGE_MODULE_DIR})
  # Bind the module's own symbols to itself, whatever the host process holds.
  target_link_options(${name} PRIVATE -Wl,--no-undefined -Wl,-Bsymbolic)
endfunction()
