# The Debian package: `make package` (cpack -G DEB in the build tree). The files it adds beside the
# desktop integration: the manual page, the changelog and the copyright notice, where Debian
# expects them.
set(TAROLAS_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tarolas)

# Debian wants manual pages and changelogs gzip-compressed, without a time stamp.
set(TAROLAS_GZ_FILES)
foreach(pair "tarolas.6;tarolas.6.gz" "man/hu/tarolas.6;tarolas.hu.6.gz" "changelog;changelog.gz")
  list(GET pair 0 src)
  list(GET pair 1 gz)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${gz}
    COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/${src} > ${CMAKE_CURRENT_BINARY_DIR}/${gz}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${src} VERBATIM)
  list(APPEND TAROLAS_GZ_FILES ${CMAKE_CURRENT_BINARY_DIR}/${gz})
endforeach()
add_custom_target(tarolas_docs ALL DEPENDS ${TAROLAS_GZ_FILES})

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tarolas.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The manual in Hungarian, where man finds it on a Hungarian desktop.
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tarolas.hu.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/hu/man6
        RENAME tarolas.6.gz)
# The README is the page the about box opens, so it stays uncompressed.
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
        ${CMAKE_CURRENT_LIST_DIR}/../README.md DESTINATION ${TAROLAS_DOC_DIR})

# cpack packs what is built; `make package` builds the game first, the tests need not be.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarolas)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The project has no web site nor mail address of its own; dpkg needs a maintainer address, and a
# name under the reserved .invalid domain can never reach anyone by mistake.
set(CPACK_PACKAGE_CONTACT "A Tarolás fejlesztői <tarolas@tarolas.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hungarian two-player card game against the computer")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[Tarolás is the two-player form of the Hungarian trick-taking game of the
66 family, played with a 20-card Hungarian-suited deck. The player
announces marriages of 20 and 40, exchanges the trump card, closes the
talon and may announce all tricks; the computer plays the other side.

The game speaks Hungarian or English, following the desktop's language.]=])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries from dpkg-shlibdeps; Qt's own translations ("Igen", "Nem") are data, so named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
# The usual hardening of Debian's binaries: a read-only symbol table once the game has started.
target_link_options(tarolas PRIVATE LINKER:-z,relro,-z,now)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Directories 0755 and control files with Debian's modes, whatever the builder's umask.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
