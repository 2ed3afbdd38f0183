# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# A Debian package of the calculator: the executable, its menu entry and icons. Qt's libraries
# come in through dpkg-shlibdeps; the two Chinese font packages are named, since nothing links them.

include(GNUInstallDirs)

set(CPACK_PACKAGE_NAME "vandrel")
set(CPACK_PACKAGE_VENDOR "Vandrel")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "check of a welded steel I-section wind column")
# Lines of at most 80 columns, as Debian's tools read them.
set(CPACK_PACKAGE_DESCRIPTION "Vandrel设计 is a desktop calculator for structural engineers. It checks a
welded, doubly symmetric steel I-section wind column, simply supported or a
cantilever: the in-plane and out-of-plane combined stresses, the self-weight,
the deflection and the ratio of height to deflection.")
set(CPACK_PACKAGE_CONTACT "Vandrel developers <dev@vandrel.invalid>")
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-wqy-microhei")

# The package's own documents: Debian's machine-readable copyright file and the changelog of a
# native package, compressed without a name or time in it.
set(doc_dir "${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME}")
file(STRINGS "${PROJECT_SOURCE_DIR}/app/debian/changelog" top LIMIT_COUNT 1)
if(NOT top MATCHES "^vandrel \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "app/debian/changelog must start with an entry for ${PROJECT_VERSION}: ${top}")
endif()
set(changelog "${PROJECT_BINARY_DIR}/changelog.gz")
add_custom_command(
    OUTPUT "${changelog}"
    COMMAND gzip -9nc "${PROJECT_SOURCE_DIR}/app/debian/changelog" > "${changelog}"
    DEPENDS "${PROJECT_SOURCE_DIR}/app/debian/changelog"
    VERBATIM
)
add_custom_target(vandrel_changelog ALL DEPENDS "${changelog}")
install(FILES "${PROJECT_SOURCE_DIR}/app/debian/copyright" "${changelog}" "${PROJECT_SOURCE_DIR}/README.md"
    DESTINATION "${doc_dir}")

include(CPack)
