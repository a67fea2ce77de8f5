# Each library offers the code that links it its own folder and nothing else.
# The include root it exports is a folder of the build tree holding one
# symbolic link to that source folder (or, where a nested library of its own
# lives inside it, one link per entry but that one), so an include of a layer
# the code does not link is not found at all, rather than found and caught
# later by a test.
#
#   nottaro_cartella_esposta(<target> <folder> [ESCLUSE <subfolder>...])
#
# <folder> is relative to the source root ("core", "store/soluzioni"); the
# includes keep naming it ("core/state/StatoProgetto.h").
function(nottaro_cartella_esposta target cartella)
  cmake_parse_arguments(A "" "" "ESCLUSE" ${ARGN})
  set(radice ${CMAKE_BINARY_DIR}/radici/${target})
  set(sorgente ${CMAKE_SOURCE_DIR}/${cartella})
  set(link ${radice}/${cartella})
  get_filename_component(madre ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${madre})
  if(IS_SYMLINK ${link})
    file(REMOVE ${link})
  elseif(EXISTS ${link})
    file(REMOVE_RECURSE ${link})
  endif()
  if(NOT A_ESCLUSE)
    file(CREATE_LINK ${sorgente} ${link} SYMBOLIC)
  else()
    file(MAKE_DIRECTORY ${link})
    # Re-read at every build, so a header added beside the others is offered too.
    file(GLOB voci LIST_DIRECTORIES true CONFIGURE_DEPENDS RELATIVE ${sorgente} ${sorgente}/*)
    foreach(voce ${voci})
      if(NOT voce IN_LIST A_ESCLUSE)
        file(CREATE_LINK ${sorgente}/${voce} ${link}/${voce} SYMBOLIC)
      endif()
    endforeach()
  endif()
  get_target_property(tipo ${target} TYPE)
  if(tipo STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE ${radice})
  else()
    target_include_directories(${target} PUBLIC ${radice})
  endif()
endfunction()
