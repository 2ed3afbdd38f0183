# A Debian package of the calculator: the executable, its menu entry and icons. Qt's libraries
# come in through dpkg-shlibdeps; the two Chinese font packages are named, since nothing links them.

set(CPACK_PACKAGE_NAME "vandrel")
set(CPACK_PACKAGE_VENDOR "Vandrel")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Check of a welded steel I-section wind column (Vandrel设计)")
set(CPACK_PACKAGE_DESCRIPTION
    "Desktop calculator for structural engineers: the in-plane and out-of-plane combined stresses, self-weight, deflection and height-to-deflection ratio of a simply supported or cantilever wind column.")
set(CPACK_PACKAGE_CONTACT "Vandrel developers <dev@vandrel.invalid>")
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-wqy-microhei")

include(CPack)
