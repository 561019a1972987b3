# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts in place, and the Debian package `cpack -G DEB` makes of it:
# both programs, the desktop entry, its icons, the AppStream metainfo and the man pages.
# Included last from the top-level CMakeLists.txt, once every target exists.
include(GNUInstallDirs)

set(_telvorin_resources ${PROJECT_SOURCE_DIR}/src/resources)

if(TARGET telvorin)
  install(TARGETS telvorin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${_telvorin_resources}/telvorin.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_telvorin_resources}/telvorin.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${_telvorin_resources}/icons/telvorin.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${_telvorin_resources}/icons/telvorin-32.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME telvorin.png)
endif()
install(TARGETS telvorin-probe RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The devices' replies come to UDP port 13579: a firewalld service and a ufw application
# profile let a user open it by name (firewall-cmd --add-service=telvorin, ufw allow
# Telvorin). ufw reads its profiles only from /etc, so that one is a conffile.
install(FILES ${_telvorin_resources}/firewall/telvorin.xml DESTINATION lib/firewalld/services)
install(FILES ${_telvorin_resources}/firewall/telvorin.ufw DESTINATION /etc/ufw/applications.d RENAME telvorin)
set(_telvorin_conffiles ${CMAKE_CURRENT_BINARY_DIR}/debian/conffiles)
file(WRITE ${_telvorin_conffiles} "/etc/ufw/applications.d/telvorin\n")

# The licence and the package's history, where Debian's tools look for them.
install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/telvorin)

# Man pages and the changelog go out compressed, without name or time stamp, so the package is the same
# from one build to the next.
set(_telvorin_man_pages)
foreach(_page telvorin.1 telvorin-probe.1)
  set(_in ${_telvorin_resources}/man/${_page})
  set(_out ${CMAKE_CURRENT_BINARY_DIR}/man/${_page}.gz)
  add_custom_command(
    OUTPUT ${_out}
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${_in} ${_out}
    DEPENDS ${_in}
    COMMENT "Compressing man page ${_page}"
    VERBATIM)
  list(APPEND _telvorin_man_pages ${_out})
endforeach()
set(_telvorin_changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${_telvorin_changelog}
  COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${PROJECT_SOURCE_DIR}/cmake/debian/changelog ${_telvorin_changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/cmake/debian/changelog
  COMMENT "Compressing the changelog"
  VERBATIM)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/man)
add_custom_target(telvorin_man_pages ALL DEPENDS ${_telvorin_man_pages} ${_telvorin_changelog})
install(FILES ${_telvorin_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_telvorin_changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/telvorin)

# The Debian package. The libraries the programs link come from dpkg-shlibdeps; the list
# below is what they need at run time without linking it: the SVG icon plugin, GVfs with
# its SMB backend and FUSE view of the mounts, the browser opener and the template font.
set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR "")
set(CPACK_PACKAGE_NAME telvorin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Telvorin developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find and manage network storage devices on the local network")
# The long description's lines stay within 80 columns, as Debian's tools want them.
set(CPACK_PACKAGE_DESCRIPTION
    "Telvorin finds the small network storage devices on the local network
segment with a multicast search, lists them, and manages the one selected:
its address settings after an administrator login, its web configuration
page, and its volumes mapped to drive letters as GVfs mounts.
telvorin-probe does the search and single queries from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
if(NOT DEFINED CPACK_DEBIAN_PACKAGE_MAINTAINER)
  # Packagers who publish the package set their own.
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Telvorin maintainers <maintainers@telvorin.invalid>")
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, gvfs, gvfs-backends, gvfs-fuse, xdg-utils, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n, fonts-noto-cjk | fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${_telvorin_conffiles})
include(CPack)
