# Language resource libraries and help topics, placed where the applet looks
# for them: <bin>\<tag>\QuorvelCpl<tag>.dll and <bin>\HelpFiles\<tag>\.
# Each library's script is <tag>/QuorvelCpl<tag>.rc beside this file; the
# installer takes the same list.
set(QUORVEL_LANGUAGES de-DE fr-FR es-ES ja-JP he-IL)
set_property(GLOBAL PROPERTY QUORVEL_LANGUAGES ${QUORVEL_LANGUAGES})

# The scripts pull in files that CMake does not scan for.
set(SHARED_RES_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/resource.h ${CMAKE_CURRENT_LIST_DIR}/icons.rc)
file(GLOB ICON_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/icons/*.ico)
set(LANGUAGE_TARGETS "")
foreach(tag IN LISTS QUORVEL_LANGUAGES)
  set(script ${CMAKE_CURRENT_LIST_DIR}/${tag}/QuorvelCpl${tag}.rc)
  add_resource_library(QuorvelCpl_${tag} ${script})
  set_target_properties(QuorvelCpl_${tag} PROPERTIES
    OUTPUT_NAME QuorvelCpl${tag}
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/${tag})
  file(GLOB parts CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${tag}/*.rc)
  set_source_files_properties(${script} PROPERTIES
    OBJECT_DEPENDS "${parts};${ICON_FILES};${SHARED_RES_DEPENDS}")
  list(APPEND LANGUAGE_TARGETS QuorvelCpl_${tag})
endforeach()

# Help topics, one folder per language tag.
set(HELP_SOURCE_DIR ${PROJECT_SOURCE_DIR}/help)
file(GLOB_RECURSE HELP_FILES CONFIGURE_DEPENDS ${HELP_SOURCE_DIR}/*)
add_custom_target(QuorvelCpl_help
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${HELP_SOURCE_DIR} ${CMAKE_BINARY_DIR}/bin/HelpFiles
  DEPENDS ${HELP_FILES}
  COMMENT "Copying the help topics to bin/HelpFiles")

add_dependencies(QuorvelCpl ${LANGUAGE_TARGETS} QuorvelCpl_help)
