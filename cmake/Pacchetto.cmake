# The Debian package (`make package`): both programs, the shipped program
# folder under share/nottaro, the menu entry, its icon, the AppStream record
# and the manual pages of both programs.
include(GNUInstallDirs)

# The package carries the version the programs print ("5.8d"): a letter after
# the number is a valid Debian version and sorts as the program's revisions
# do (5.8 < 5.8c < 5.8d < 5.9).
file(STRINGS ${CMAKE_SOURCE_DIR}/core/files/FileProgetto.h NOTTARO_RIGA_VERSIONE
     REGEX "VersioneProgramma = \"[^\"]+\"")
string(REGEX REPLACE ".*VersioneProgramma = \"([^\"]+)\".*" "\\1" NOTTARO_VERSIONE "${NOTTARO_RIGA_VERSIONE}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/core/files/FileProgetto.h)
if(NOT NOTTARO_VERSIONE MATCHES "^[0-9][0-9A-Za-z.+~]*$")
  message(FATAL_ERROR "no Debian version in the program's version \"${NOTTARO_VERSIONE}\"")
endif()

# Installing (and so packaging) never builds: `make package` builds first, and
# the package test must not start a build inside a tree other tests are using.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS nottaro-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET nottaro)
  install(TARGETS nottaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# What the desktop program writes into data/ while run from the tree (its
# language, solution tables, projects) is the user's, never shipped.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/nottaro
        PATTERN "ntr.cfg" EXCLUDE
        PATTERN "ntr-masterplan.cfg" EXCLUDE
        PATTERN "ntrlux.dbf" EXCLUDE
        PATTERN "ntrluxa.dbf" EXCLUDE
        PATTERN "*.nt0" EXCLUDE
        PATTERN "*.nt1" EXCLUDE
        PATTERN "*-Elenco_Progetti.xlsx" EXCLUDE)

set(NOTTARO_PACCHETTO ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${NOTTARO_PACCHETTO}/org.nottaro.Nottaro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${NOTTARO_PACCHETTO}/org.nottaro.Nottaro.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${NOTTARO_PACCHETTO}/nottaro.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${NOTTARO_PACCHETTO}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/nottaro)

# Debian wants the manual page and the changelog compressed with gzip -9n
# (no name, no time stamp), so the package is the same on every build.
find_program(NOTTARO_GZIP gzip REQUIRED)
set(NOTTARO_COMPRESSI ${CMAKE_BINARY_DIR}/pacchetto)
foreach(coppia "man/nottaro.1|nottaro.1.gz" "man/nottaro-cli.1|nottaro-cli.1.gz" "packaging/changelog|changelog.gz")
  string(REPLACE "|" ";" coppia "${coppia}")
  list(GET coppia 0 sorgente)
  list(GET coppia 1 compresso)
  add_custom_command(OUTPUT ${NOTTARO_COMPRESSI}/${compresso}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${NOTTARO_COMPRESSI}
                     COMMAND ${NOTTARO_GZIP} -9nc ${CMAKE_SOURCE_DIR}/${sorgente} > ${NOTTARO_COMPRESSI}/${compresso}
                     DEPENDS ${CMAKE_SOURCE_DIR}/${sorgente} VERBATIM)
  list(APPEND NOTTARO_FILE_COMPRESSI ${NOTTARO_COMPRESSI}/${compresso})
endforeach()
add_custom_target(nottaro_pacchetto_compressi ALL DEPENDS ${NOTTARO_FILE_COMPRESSI})
install(FILES ${NOTTARO_COMPRESSI}/nottaro.1.gz ${NOTTARO_COMPRESSI}/nottaro-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${NOTTARO_COMPRESSI}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/nottaro)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nottaro)
set(CPACK_PACKAGE_VERSION ${NOTTARO_VERSIONE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Nottaro developers <dev@nottaro.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Nottaro developers <dev@nottaro.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "street lighting design for roads and areas")
set(CPACK_PACKAGE_DESCRIPTION "Nottaro designs the lighting of roads and open areas: it reads
EULUMDAT and IES photometric files, finds the luminaire spacings and
mounting heights that meet a lighting class and reports luminance,
illuminance, threshold increment, energy and cost. nottaro-cli runs the
same calculations, the Masterplan batch and the reports without a display.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The package check runs only where every tool it needs is installed, so a
# machine without them skips it rather than failing.
find_program(NOTTARO_DPKG_DEB dpkg-deb)
find_program(NOTTARO_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(NOTTARO_FILE file)
find_program(NOTTARO_LINTIAN lintian)
find_program(NOTTARO_DESKTOP_VALIDATE desktop-file-validate)
find_program(NOTTARO_APPSTREAMCLI appstreamcli)
if(NOTTARO_DPKG_DEB AND NOTTARO_DPKG_SHLIBDEPS AND NOTTARO_FILE AND NOTTARO_LINTIAN
   AND NOTTARO_DESKTOP_VALIDATE AND NOTTARO_APPSTREAMCLI AND TARGET nottaro)
  add_test(NAME PacchettoDebian
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/pacchetto.sh ${CMAKE_BINARY_DIR} ${NOTTARO_VERSIONE})
  set_tests_properties(PacchettoDebian PROPERTIES TIMEOUT 900 RUN_SERIAL TRUE)
endif()
