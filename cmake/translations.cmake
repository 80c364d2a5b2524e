# The translations: translations/lumo_<language>.ts compiled by lrelease into
# translations/ beside the program (found there from a build folder) and
# installed under share/lumo/translations.
find_program(LUMO_LRELEASE NAMES lrelease lrelease-qt6 PATHS /usr/lib/qt6/bin)
if(NOT LUMO_LRELEASE)
  message(FATAL_ERROR "lrelease not found: install qt6-l10n-tools (scripts/setup does)")
endif()
file(GLOB LUMO_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*.ts)
set(LUMO_QM_DIR ${PROJECT_BINARY_DIR}/translations)
set(LUMO_QM_FILES)
foreach(ts ${LUMO_TS_FILES})
  get_filename_component(name ${ts} NAME_WE)
  set(qm ${LUMO_QM_DIR}/${name}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMO_QM_DIR}
    COMMAND ${LUMO_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Compiling ${name}.ts")
  list(APPEND LUMO_QM_FILES ${qm})
endforeach()
add_custom_target(lumo_translations ALL DEPENDS ${LUMO_QM_FILES})
add_dependencies(lumo lumo_translations)
install(FILES ${LUMO_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/lumo/translations)
