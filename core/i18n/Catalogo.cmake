# Compiles the translators' table messages.tsv into the core library: a small
# host tool turns it into a C++ source in the build folder whenever the table
# changes. Included from core/CMakeLists.txt before nottaro_core is declared.

# The tool has its own main(); keep it out of the library's source glob.
list(FILTER NOTTARO_CORE_SOURCES EXCLUDE REGEX "/i18n/generatore/")

add_executable(nottaro_genera_catalogo ${CMAKE_CURRENT_LIST_DIR}/generatore/GeneraCatalogo.cpp)
nottaro_cartella_esposta(nottaro_genera_catalogo core)

set(NOTTARO_CATALOGO_TSV ${CMAKE_CURRENT_LIST_DIR}/messages.tsv)
set(NOTTARO_CATALOGO_CPP ${CMAKE_CURRENT_BINARY_DIR}/generated/CatalogoMessaggi.cpp)
add_custom_command(
  OUTPUT ${NOTTARO_CATALOGO_CPP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/generated
  COMMAND nottaro_genera_catalogo ${NOTTARO_CATALOGO_TSV} ${NOTTARO_CATALOGO_CPP}
  DEPENDS nottaro_genera_catalogo ${NOTTARO_CATALOGO_TSV}
  COMMENT "Compiling the message catalogue from messages.tsv"
  VERBATIM)
list(APPEND NOTTARO_CORE_SOURCES ${NOTTARO_CATALOGO_CPP})
