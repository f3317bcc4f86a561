# The Debian package "brakefell": `cpack -G DEB` in a build configured for /usr (scripts/package.sh
# does both). It holds whatever the install rules put under the prefix: the three programs and the
# catalogue in libexec/brakefell with links in bin, the manual pages, the desktop entries, the
# icon, the AppStream metadata, and the copyright and changelog in share/doc/brakefell.
# The package's version is the project's; data/debian/changelog's newest entry must name it too
# (the release_version test checks).

# Debian keeps a package's copyright in /usr/share/doc/<package>/copyright: machine-readable, and
# pointing to the GPL's text in /usr/share/common-licenses rather than holding it.
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brakefell)

# The changelog of a package without a Debian revision (a native one) is changelog.gz, compressed
# with gzip -9n like the manual pages.
find_program(BRAKEFELL_GZIP gzip REQUIRED)
set(changelog_copy ${PROJECT_BINARY_DIR}/debian/changelog)
configure_file(${PROJECT_SOURCE_DIR}/data/debian/changelog ${changelog_copy} COPYONLY)
add_custom_command(OUTPUT ${changelog_copy}.gz
    COMMAND ${BRAKEFELL_GZIP} -9nkf changelog
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/debian
    DEPENDS ${changelog_copy}
    COMMENT "Compressing the Debian changelog"
    VERBATIM)
add_custom_target(brakefell_debian_changelog ALL DEPENDS ${changelog_copy}.gz)
install(FILES ${changelog_copy}.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brakefell)

set(BRAKEFELL_PACKAGE_MAINTAINER "The Brakefell developers <brakefell@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brakefell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Brakefell developers")
set(CPACK_PACKAGE_CONTACT ${BRAKEFELL_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/brakefell/brakefell")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders the install rules create get the usual modes, whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "damage calculator for a ranged hunter build (Korean interface)")
# CPack indents these lines and turns the empty one into the " ." of a control file.
set(CPACK_PACKAGE_DESCRIPTION [=[
Brakefell takes a character's figures as the game's detail sheet shows them,
six skills with their runes, and prints a Korean report: the damage of one hit
of each skill, the attack-speed breakpoints of the automatic sentries, damage
over time, damage per second with each skill's share, and the time it takes to
bring down a big target. An analysis window tells what each stat is worth,
compares two builds, charts one input and searches for better choices.

The package holds the full edition (brakefell), a lite edition for 1024x768
screens (brakefell_lite), and brakefell_report, which prints the same report
on the command line.]=])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${BRAKEFELL_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps finds the libraries the programs link against and adds them to these; Qt loads
# its platform plugins and its Korean dialog texts at run time, so those are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# The fonts the window asks for first (NanumGothic, NanumGothicCoding for the report boxes).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-nanum")

include(CPack)
