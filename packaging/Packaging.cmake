# `cpack -G DEB` in the build folder makes the Debian package: both programs, the example cases,
# the user guide, the desktop entry with its icon and the file types that open in the program.
include(GNUInstallDirs)

set(TOVARIS_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
install(TARGETS tovaris-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TOVARIS_BUILD_GUI)
    install(TARGETS tovaris RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${TOVARIS_PACKAGING}/tovaris.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${TOVARIS_PACKAGING}/tovaris.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${TOVARIS_PACKAGING}/tovaris-mime.xml RENAME tovaris.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tovaris/examples)
set(TOVARIS_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tovaris)
install(FILES ${PROJECT_SOURCE_DIR}/docs/user-guide.md ${PROJECT_SOURCE_DIR}/docs/cli.md
    ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${TOVARIS_DOC_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images DESTINATION ${TOVARIS_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tovaris)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tovaris")
set(CPACK_PACKAGE_CONTACT "Tovaris maintainers <maintainers@tovaris.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Washington State child support and spousal maintenance calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Child support under the Washington State Child Support Schedule, spousal maintenance \
recommendations, 2023 federal tax estimates, the court worksheets and auxiliary calculators \
for family-law practitioners. Includes the headless program tovaris-cli.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# What the two programs link against on Debian 12, and the platform plugin the desktop needs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libstdc++6 (>= 12), libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), \
libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6charts6 (>= 6.4), qt6-qpa-plugins")
# Tahoma's stand-in and the browser opener for "Check For Update".
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, xdg-utils")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
# The package takes the programs as built; cpack does not start a build of its own.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
