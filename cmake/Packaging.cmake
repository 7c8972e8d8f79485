# The Debian package skylister_VERSION_ARCH.deb, made by CPack's DEB generator from the install()
# rules beside the targets: `cpack -G DEB` in the build folder, or scripts/package.sh. Installed
# under /usr; the shared libraries it needs become its Depends through dpkg-shlibdeps (dpkg-dev).

set(SKYLISTER_MAINTAINER "Skylister maintainers <maintainers@users.noreply.c-seed-30287abc.example>"
    CACHE STRING "The package's maintainer, as \"Name <address>\"")

# What Debian wants beside the files of every package: the copyright and the change log, gzipped
# without a time stamp, in share/doc/skylister.
set(package_doc ${PROJECT_BINARY_DIR}/package-doc)
execute_process(COMMAND date -u -R -d "${SKYLISTER_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE release_time OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${package_doc}/changelog
    "skylister (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
    "  * Skylister ${PROJECT_VERSION}.\n\n"
    " -- ${SKYLISTER_MAINTAINER}  ${release_time}\n")
find_program(GZIP_PROGRAM gzip REQUIRED)
execute_process(COMMAND ${GZIP_PROGRAM} -9 -n -f ${package_doc}/changelog COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${package_doc}/changelog.gz ${PROJECT_SOURCE_DIR}/resources/copyright
    DESTINATION share/doc/skylister)

# CPack packs the build as it is: installing does not build every target (the tests) first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skylister)
set(CPACK_PACKAGE_VENDOR Orvel)
set(CPACK_PACKAGE_CONTACT ${SKYLISTER_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "channel list editor for satellite receivers")
# The long description, in lines short enough for apt's listing.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Skylister edits the channel list of a satellite receiver: its satellites,\n"
    "digital transponders, digital and PID channels and analog channels. It checks\n"
    "the list, compiles it into the receiver's image, sends it to the receiver over\n"
    "a serial line and fetches the receiver's list back.\n"
    "\n"
    "The package holds the desktop program skylister, the command-line tool\n"
    "skylister-cli, the simulated receiver stb-sim for trying the transfers without\n"
    "hardware, and skylister-listgen, which writes large lists to try.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its SVG support as a plug-in, which dpkg-shlibdeps does not see: without it the icons
# stay blank.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6svg6)
# The satellites' transponder tables that Import Transponders reads; everything else works
# without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS dtv-scan-tables)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
