# Language resource libraries and help topics, placed where the applet looks
# for them: <bin>\<tag>\QuorvelCpl<tag>.dll and <bin>\HelpFiles\<tag>\.

# German.
add_resource_library(QuorvelCpl_de-DE ${CMAKE_CURRENT_LIST_DIR}/de-DE/QuorvelCplde-DE.rc)
set_target_properties(QuorvelCpl_de-DE PROPERTIES
  OUTPUT_NAME QuorvelCplde-DE
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/de-DE)
# The script pulls in files that CMake does not scan for.
file(GLOB GERMAN_RES_DEPENDS CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/de-DE/*.rc ${CMAKE_CURRENT_LIST_DIR}/icons/*.ico)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/de-DE/QuorvelCplde-DE.rc
  PROPERTIES OBJECT_DEPENDS "${GERMAN_RES_DEPENDS};${CMAKE_CURRENT_LIST_DIR}/resource.h;${CMAKE_CURRENT_LIST_DIR}/icons.rc")

# Help topics, one folder per language tag.
set(HELP_SOURCE_DIR ${PROJECT_SOURCE_DIR}/help)
file(GLOB_RECURSE HELP_FILES CONFIGURE_DEPENDS ${HELP_SOURCE_DIR}/*)
add_custom_target(QuorvelCpl_help
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${HELP_SOURCE_DIR} ${CMAKE_BINARY_DIR}/bin/HelpFiles
  DEPENDS ${HELP_FILES}
  COMMENT "Copying the help topics to bin/HelpFiles")

add_dependencies(QuorvelCpl QuorvelCpl_de-DE QuorvelCpl_help)
