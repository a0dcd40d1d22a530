# Installing on Linux and the Debian package. `cmake --install` lays the game
# out as Debian's tools expect; the program finds its bundled maps from its
# own folder, so the installed tree may be moved as a whole.
# A game's program goes where Debian puts games, in the players' PATH.
set(CMAKE_INSTALL_BINDIR games CACHE PATH "Where the program is installed")
include(GNUInstallDirs)

set(SONARCH_FULL_DATADIR ${CMAKE_INSTALL_FULL_DATADIR}/sonarch)
file(RELATIVE_PATH dataFromProgram ${CMAKE_INSTALL_FULL_BINDIR} ${SONARCH_FULL_DATADIR})
set_source_files_properties(src/host/posix/folderLayout.cpp PROPERTIES
  COMPILE_DEFINITIONS SONARCH_DATA_FROM_PROGRAM="${dataFromProgram}")

# Files that carry the version, made from their templates (NAME.in),
# and the compressed ones Debian wants
# (gzip -n: no name or time inside, so the package builds the same twice).
set(packagingIn ${CMAKE_SOURCE_DIR}/packaging)
set(packagingOut ${CMAKE_BINARY_DIR}/packaging)
configure_file(${packagingIn}/sonarch.6.in ${packagingOut}/sonarch.6 @ONLY)
configure_file(${packagingIn}/changelog.Debian.in ${packagingOut}/changelog.Debian @ONLY)
configure_file(${packagingIn}/org.sonarch.Sonarch.metainfo.xml.in ${packagingOut}/org.sonarch.Sonarch.metainfo.xml @ONLY)
foreach(page sonarch.6 changelog.Debian)
  add_custom_command(OUTPUT ${packagingOut}/${page}.gz
    COMMAND gzip -9nkf ${page}
    DEPENDS ${packagingOut}/${page}
    WORKING_DIRECTORY ${packagingOut})
  list(APPEND compressedPages ${packagingOut}/${page}.gz)
endforeach()
add_custom_target(sonarch_pages ALL DEPENDS ${compressedPages})

install(TARGETS sonarch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/Maps/ DESTINATION ${CMAKE_INSTALL_DATADIR}/sonarch/Maps
  FILES_MATCHING PATTERN "*.map")
install(FILES ${packagingOut}/sonarch.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${packagingIn}/org.sonarch.Sonarch.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packagingOut}/org.sonarch.Sonarch.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packagingIn}/sonarch.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packagingIn}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The online game's server as a service, left disabled: nothing listens
# until an administrator enables it.
install(FILES ${packagingIn}/sonarch-server.service DESTINATION lib/systemd/system)
# The package is made here, not from a separate Debian source, so its
# changelog has the name of a native package's.
install(FILES ${packagingOut}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME changelog.gz)

set(CPACK_PACKAGE_NAME sonarch)
set(CPACK_PACKAGE_VENDOR "The Sonarch developers")
set(CPACK_PACKAGE_CONTACT "The Sonarch developers <sonarch@sonarch.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based territory-conquest game played by ear and keyboard")
set(CPACK_PACKAGE_DESCRIPTION
  "Sonarch is a turn-based territory-conquest game for one player against one
to seven computer players, made to be played entirely by ear and keyboard.
Every event is a short English sentence, spoken by Speech Dispatcher or the
built-in espeak-ng voice, or shown as the window title; the last sentences
can be read back with keys. It plays in a window or in a terminal, for
braille displays and screen readers.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends comes from the shared libraries the program links, nothing else;
# the font of the picture and the speech service are welcome but not needed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "speech-dispatcher, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_SOURCE_GENERATOR TGZ)
include(CPack)
